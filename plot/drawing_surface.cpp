// The drawing surface: loading the background, the axes, and the nodes,
// links, way and distances drawn over them. Lines go through QPainter without
// antialiasing, so the same scene always gives the same pixels.
#include "plot/drawing_surface.h"

#include <QFile>
#include <QImageReader>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "plot/stretch.h"

namespace plot {

namespace {

// The bitmap file header: "BM", file size, two reserved words, pixel offset.
constexpr qint64 kFileHeaderSize = 14;

const QColor kAxisColor(0, 0, 0);
const QColor kNodeColor(0, 0, 255);
const QColor kLinkColor(0, 128, 0);
const QColor kWayColor(255, 0, 0);
const QColor kShortestWayLinkColor(255, 160, 0);
const QColor kRelaxedColor(0, 160, 255);
const QColor kSettledColor(0, 150, 150);

// Where a surface pixel's centre is, from its top-left corner: vector
// drawing puts lines, dots and rings there, as the pixels are set.
const QPointF kPixelCentre(0.5, 0.5);
// A dot's radius as a circle: as wide as the 5-pixel dot.
constexpr double kDotRadius = 2.5;

// The ring round the node settled at a step: clear of the node's dot, and
// under its number, which is written again over it.
constexpr int kRingRadius = 6;

// Ends of a line within this distance of the picture go to QPainter as they
// are. Farther ones are first cut back to the picture: QPainter rasterises in
// fixed point and overflows long before the ends of the 32-bit range.
constexpr std::int64_t kNearDistance = 4096;
// Lines cut back still reach this far past the edges, so their ends and caps
// stay out of sight.
constexpr double kCutMargin = 16.0;

struct Point64 {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

Point64 ToPoint64(const graph::NodePoint& point) { return {point.X, point.Y}; }

// One-pixel lines leave out their end pixel, as a "line to" does; the next
// line of a chain starts there anyway.
QPen ThinPen(const QColor& color) { return QPen(color, 1, Qt::SolidLine, Qt::FlatCap); }

QPen WidePen(const QColor& color) {
    return QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

bool IsNear(const Point64& point, const QSize& size) {
    return point.x >= -kNearDistance && point.x <= size.width() + kNearDistance &&
           point.y >= -kNearDistance && point.y <= size.height() + kNearDistance;
}

// Liang-Barsky: narrows [t0, t1] of from + t * (to - from) to the part
// inside `box`; false when nothing is left.
bool CutToBox(const QPointF& from, const QPointF& to, const QRectF& box, double& t0, double& t1) {
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {from.x() - box.left(), box.right() - from.x(), from.y() - box.top(),
                        box.bottom() - from.y()};
    t0 = 0.0;
    t1 = 1.0;
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0.0) {
            if (q[edge] < 0.0) return false;
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    return true;
}

bool IsNodeOf(const graph::NodePoints& points, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < points.size();
}

// (a + b) / 2 rounded to the nearest integer, a half going to the even
// neighbour; exact for all 32-bit inputs.
std::int64_t Midpoint(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + b;
    const std::int64_t low = sum >> 1;  // floor, negative sums included
    return (sum & 1) == 0 || (low & 1) == 0 ? low : low + 1;
}

// Loads a BMP file; see DrawingSurface::LoadPicture for the outcomes.
QImage ReadBitmapFile(const std::string& fileName) {
    QFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        throw ImageLoadError("Cannot open file " + fileName);
    }
    const QByteArray header = file.read(kFileHeaderSize);
    if (header.isEmpty() && file.atEnd() && file.error() == QFileDevice::NoError) {
        return QImage();
    }
    if (header.size() < kFileHeaderSize) {
        throw ImageLoadError("Stream read error");
    }
    if (!header.startsWith("BM") || !file.seek(0)) {
        throw ImageLoadError("Bitmap image is not valid");
    }
    // Past the signature, Qt's own reader judges the headers and the pixels.
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull()) {
        throw ImageLoadError("Bitmap image is not valid");
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

// Where the calls of a scene draw: a painter on a target of `size`
// pixels, and the stretch from surface pixels to the target's. Lines, dots,
// rings and numbers keep their pixel sizes; only where they go is stretched.
class Canvas {
public:
    Canvas(QPainter& painter, QSize surface, QSize size, LabelInks& inks)
        : painter(painter), size(size), stretch(surface, size), inks(inks) {}

    Point64 Map(const Point64& point) const { return {stretch.X(point.x), stretch.Y(point.y)}; }
    Point64 Map(const graph::NodePoint& point) const { return Map(ToPoint64(point)); }

    QPainter& painter;
    QSize size;
    Stretch stretch;
    LabelInks& inks;
    // Drawing for a vector file or a printer: dots are circles and numbers
    // are text, placed at pixel centres, instead of pixels set one by one.
    bool vector = false;
    // An RGB32 target's pixels, when thin lines may be written into them
    // directly; see PlotThinLine.
    uchar* bits = nullptr;
    qsizetype bytesPerLine = 0;
};

namespace {

// A one-pixel line from `from` to `to` without its end pixel, written
// straight into the target's pixels. A view at a maximised window's size
// has lines more than twice as long as the surface's, and QPainter spends
// several times as long on each of their pixels.
void PlotThinLine(const Canvas& canvas, Point64 from, const Point64& to, QRgb color) {
    const std::int64_t dx = to.x > from.x ? to.x - from.x : from.x - to.x;
    const std::int64_t dy = -(to.y > from.y ? to.y - from.y : from.y - to.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    std::int64_t error = dx + dy;
    while (from.x != to.x || from.y != to.y) {
        if (from.x >= 0 && from.y >= 0 && from.x < canvas.size.width() &&
            from.y < canvas.size.height()) {
            reinterpret_cast<QRgb*>(canvas.bits + from.y * canvas.bytesPerLine)[from.x] = color;
        }
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            from.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            from.y += sy;
        }
    }
}

// A line between target pixels `from` and `to` with the painter's pen,
// clipped to the target.
void DrawSegmentAt(Canvas& canvas, const Point64& from, const Point64& to) {
    QPainter& painter = canvas.painter;
    const QSize& size = canvas.size;
    if (from.x == to.x && from.y == to.y && painter.pen().width() <= 1) {
        return;  // A one-pixel line without its end pixel has no pixels.
    }
    const bool thin = canvas.bits != nullptr && painter.pen().width() <= 1;
    if (IsNear(from, size) && IsNear(to, size)) {
        if (canvas.vector) {
            painter.drawLine(
                QLineF(QPointF(from.x, from.y) + kPixelCentre, QPointF(to.x, to.y) + kPixelCentre));
            return;
        }
        if (thin) {
            PlotThinLine(canvas, from, to, painter.pen().color().rgb());
            return;
        }
        painter.drawLine(QLine(static_cast<int>(from.x), static_cast<int>(from.y),
                               static_cast<int>(to.x), static_cast<int>(to.y)));
        return;
    }
    // Coordinates come from 32-bit integers, so they are exact in double.
    const QPointF a(static_cast<double>(from.x), static_cast<double>(from.y));
    const QPointF b(static_cast<double>(to.x), static_cast<double>(to.y));
    const QRectF box(-kCutMargin, -kCutMargin, size.width() + 2 * kCutMargin,
                     size.height() + 2 * kCutMargin);
    double t0 = 0.0;
    double t1 = 1.0;
    if (!CutToBox(a, b, box, t0, t1)) return;
    // An end already inside stays exactly where it was.
    const QPointF start = t0 > 0.0 ? a + t0 * (b - a) : a;
    const QPointF end = t1 < 1.0 ? a + t1 * (b - a) : b;
    if (canvas.vector) {
        painter.drawLine(QLineF(start + kPixelCentre, end + kPixelCentre));
        return;
    }
    if (thin) {
        PlotThinLine(canvas, {std::llround(start.x()), std::llround(start.y())},
                     {std::llround(end.x()), std::llround(end.y())}, painter.pen().color().rgb());
        return;
    }
    painter.drawLine(QLineF(start, end));
}

// A line between surface pixels.
template <typename Point>
void DrawSegment(Canvas& canvas, const Point& from, const Point& to) {
    DrawSegmentAt(canvas, canvas.Map(from), canvas.Map(to));
}

// Fills the target pixels (left..right, top..bottom), inclusive, that lie
// on it.
void FillPixels(Canvas& canvas, std::int64_t left, std::int64_t top, std::int64_t right,
                std::int64_t bottom, const QColor& color) {
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, canvas.size.width() - 1);
    bottom = std::min<std::int64_t>(bottom, canvas.size.height() - 1);
    if (left > right || top > bottom) return;
    canvas.painter.fillRect(QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
                                  QPoint(static_cast<int>(right), static_cast<int>(bottom))),
                            color);
}

// A round dot 5 pixels across centred on surface pixel `node`: the mark a
// zero-length stroke of a 5-pixel pen leaves.
void DrawDot(Canvas& canvas, const graph::NodePoint& node, const QColor& color) {
    const Point64 centre = canvas.Map(node);
    if (canvas.vector) {
        if (!IsNear(centre, canvas.size)) return;
        canvas.painter.save();
        canvas.painter.setPen(Qt::NoPen);
        canvas.painter.setBrush(color);
        canvas.painter.drawEllipse(QPointF(centre.x, centre.y) + kPixelCentre, kDotRadius,
                                   kDotRadius);
        canvas.painter.restore();
        return;
    }
    FillPixels(canvas, centre.x - 2, centre.y - 1, centre.x + 2, centre.y + 1, color);
    FillPixels(canvas, centre.x - 1, centre.y - 2, centre.x + 1, centre.y - 2, color);
    FillPixels(canvas, centre.x - 1, centre.y + 2, centre.x + 1, centre.y + 2, color);
}

// What of a number a vector target gets at a time: a layer of numbers
// whose boxes all go under all their texts changes colour twice, not twice
// a number.
enum class LabelPart { Whole, Box, Text };

// A number with the top-left corner of its box `dx`, `dy` target pixels
// from where surface pixel `anchor` goes, clipped: its picture, or for a
// vector target its text on a white box of the picture's size. `number` is
// nothing for "∞".
void DrawLabel(Canvas& canvas, const Point64& anchor, int dx, int dy, LabelImages& images,
               std::optional<std::int64_t> number, LabelPart part = LabelPart::Whole) {
    const Point64 at = canvas.Map(anchor);
    const std::int64_t x = at.x + dx;
    const std::int64_t y = at.y + dy;
    const QImage* label = canvas.vector ? nullptr
                          : number      ? &images.Get(*number)
                                        : &images.Infinity();
    const QSize shown = label != nullptr ? label->size() : images.TextSize(number);
    // In device pixels, which are never fewer: only labels surely out of
    // sight are left out.
    if (x >= canvas.size.width() || y >= canvas.size.height() || x + shown.width() <= 0 ||
        y + shown.height() <= 0) {
        return;
    }
    const QPoint corner(static_cast<int>(x), static_cast<int>(y));
    if (label != nullptr) {
        canvas.painter.drawImage(corner, *label);
        return;
    }
    if (part != LabelPart::Whole) {
        if (part == LabelPart::Box) images.FillBox(canvas.painter, corner, number);
        if (part == LabelPart::Text) images.WriteText(canvas.painter, corner, number);
        return;
    }
    canvas.painter.save();
    images.FillBox(canvas.painter, corner, number);
    images.WriteText(canvas.painter, corner, number);
    canvas.painter.restore();
}

// A circle round surface pixel `node` with the painter's pen; left out when
// the centre is too far away for QPainter's fixed point.
void DrawRing(Canvas& canvas, const graph::NodePoint& node) {
    const Point64 centre = canvas.Map(node);
    if (!IsNear(centre, canvas.size)) return;
    if (canvas.vector) {
        canvas.painter.drawEllipse(QPointF(centre.x, centre.y) + kPixelCentre, kRingRadius,
                                   kRingRadius);
        return;
    }
    canvas.painter.drawEllipse(QPoint(static_cast<int>(centre.x), static_cast<int>(centre.y)),
                               kRingRadius, kRingRadius);
}

}  // namespace

DrawingSurface::DrawingSurface() : image_(kSize, kSize, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    scene_.background = image_;
}

const QImage& DrawingSurface::Image() const {
    if (painted_ < scene_.calls.size() && !image_.isNull()) {
        QPainter painter(&image_);
        Canvas canvas(painter, image_.size(), image_.size(), inks_);
        for (; painted_ < scene_.calls.size(); ++painted_) scene_.calls[painted_](canvas);
    }
    return image_;
}

void DrawingSurface::Restore(const Scene& scene) {
    scene_ = scene;
    image_ = scene_.background;
    painted_ = 0;
    ++generation_;
}

void DrawingSurface::Replay(QImage& target, LabelInks& inks) const {
    if (scene_.background.isNull() || target.isNull()) return;
    const QSize size = target.deviceIndependentSize().toSize();
    // Taken before the painter holds the pixels, so that nothing detaches.
    const bool direct = target.format() == QImage::Format_RGB32 && target.devicePixelRatio() == 1.0;
    uchar* bits = direct ? target.bits() : nullptr;
    QPainter painter(&target);
    painter.drawImage(QRect(QPoint(0, 0), size), scene_.background);
    Canvas canvas(painter, scene_.background.size(), size, inks);
    canvas.bits = bits;
    canvas.bytesPerLine = target.bytesPerLine();
    for (const auto& call : scene_.calls) call(canvas);
}

void DrawingSurface::Paint(const Scene& scene, QPainter& painter) {
    if (scene.background.isNull()) return;
    const QSize size = scene.background.size();
    painter.save();
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QRect(QPoint(0, 0), size), scene.background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(LabelImages::Font());
    LabelInks inks;
    Canvas canvas(painter, size, size, inks);
    canvas.vector = true;
    for (const auto& call : scene.calls) call(canvas);
    painter.restore();
}

void DrawingSurface::Record(std::function<void(Canvas&)> call) {
    if (scene_.background.isNull()) return;
    scene_.calls.push_back(std::move(call));
    ++generation_;
}

void DrawingSurface::LoadPicture(const std::string& fileName) {
    Restore({ReadBitmapFile(fileName), {}});
}

void DrawingSurface::UpdatePict(const std::string& background) {
    LoadPicture(background);
    Record([](Canvas& canvas) {
        canvas.painter.setPen(ThinPen(kAxisColor));
        DrawSegment(canvas, Point64{0, 200}, Point64{400, 200});
        DrawSegment(canvas, Point64{200, 0}, Point64{200, 400});
        LabelImages& labels = canvas.inks.numbers;
        for (int i = 0; i < 5; ++i) {
            const int a = 100 * i;
            // Ticks and labels keep their pixel offsets from the axes.
            const Point64 onX = canvas.Map(Point64{a, 200});
            DrawSegmentAt(canvas, onX, {onX.x, onX.y + 5});
            DrawLabel(canvas, {a, 200}, -5, 5, labels, a - 200);
            const Point64 onY = canvas.Map(Point64{200, a});
            DrawSegmentAt(canvas, onY, {onY.x + 5, onY.y});
            DrawLabel(canvas, {200, a}, 5, -5, labels, 200 - a);
        }
    });
}

void DrawingSurface::DrawNodes(const graph::NodePoints& points) {
    Record([points](Canvas& canvas) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            DrawDot(canvas, points[i], kNodeColor);
            DrawLabel(canvas, ToPoint64(points[i]), 3, 3, canvas.inks.numbers,
                      static_cast<std::int64_t>(i + 1));
        }
    });
}

void DrawingSurface::DrawLinks(const graph::NodePoints& points,
                               const graph::AdjacencyMatrix& adjacency) {
    Record([points, adjacency](Canvas& canvas) {
        const std::size_t n = std::min(points.size(), adjacency.size());
        // Draws each link's line when `line`, and its weight, or the
        // weight's `part`, when given.
        const auto forEachLink = [&](bool line, std::optional<LabelPart> weight) {
            for (std::size_t u = 0; u < n; ++u) {
                const std::size_t rowSize = std::min(n, adjacency[u].size());
                for (std::size_t v = 0; v < rowSize; ++v) {
                    const std::int32_t w = adjacency[u][v];
                    if (w <= 0) continue;
                    // Drawn again later from its other end with the same
                    // weight, the link would only cover this drawing
                    // exactly; a vector file would keep both.
                    if (canvas.vector && v > u && adjacency[v].size() > u && adjacency[v][u] == w) {
                        continue;
                    }
                    const graph::NodePoint& from = points[u];
                    const graph::NodePoint& to = points[v];
                    if (line) DrawSegment(canvas, from, to);
                    if (weight) {
                        DrawLabel(canvas, {Midpoint(from.X, to.X), Midpoint(from.Y, to.Y)}, 0, 0,
                                  canvas.inks.numbers, w, *weight);
                    }
                }
            }
        };
        canvas.painter.setPen(ThinPen(kLinkColor));
        if (!canvas.vector) {
            forEachLink(true, LabelPart::Whole);
            return;
        }
        // A vector file writes out every change of colour, so it takes the
        // lines first, then the weights' boxes, then their texts: changes
        // per link would make it several times as large and as slow to
        // write. Weights are never crossed by a line there.
        forEachLink(true, std::nullopt);
        forEachLink(false, LabelPart::Box);
        forEachLink(false, LabelPart::Text);
    });
}

void DrawingSurface::DrawShortestWayLinks(const graph::NodePoints& points,
                                          const std::vector<graph::Link>& links) {
    Record([points, links](Canvas& canvas) {
        canvas.painter.setPen(WidePen(kShortestWayLinkColor));
        for (const graph::Link& link : links) {
            if (!IsNodeOf(points, link.from) || !IsNodeOf(points, link.to)) continue;
            DrawSegment(canvas, points[link.from], points[link.to]);
        }
    });
}

void DrawingSurface::DrawWay(const graph::NodePoints& points, const graph::Way& way) {
    Record([points, way](Canvas& canvas) {
        canvas.painter.setPen(WidePen(kWayColor));
        for (std::size_t k = 1; k < way.size(); ++k) {
            if (!IsNodeOf(points, way[k - 1]) || !IsNodeOf(points, way[k])) continue;
            DrawSegment(canvas, points[way[k - 1]], points[way[k]]);
        }
    });
}

void DrawingSurface::DrawDistances(const graph::NodePoints& points,
                                   const graph::Distances& distances) {
    Record([points, distances](Canvas& canvas) {
        const std::size_t n = std::min(points.size(), distances.size());
        for (std::size_t i = 0; i < n; ++i) {
            DrawLabel(canvas, ToPoint64(points[i]), 3, -14, canvas.inks.distances, distances[i]);
        }
    });
}

void DrawingSurface::DrawDijkstraStep(const graph::NodePoints& points,
                                      const graph::DijkstraStep& step) {
    const std::size_t n = std::min(points.size(), step.cells.size());
    std::vector<graph::Link> predecessorLinks;
    graph::Distances distances(n);
    for (std::size_t v = 0; v < n; ++v) {
        distances[v] = step.cells[v].distance;
        for (const std::int32_t u : step.cells[v].predecessors) {
            predecessorLinks.push_back({u, static_cast<std::int32_t>(v)});
        }
    }
    DrawShortestWayLinks(points, predecessorLinks);
    Record([points, step, n](Canvas& canvas) {
        canvas.painter.setPen(WidePen(kRelaxedColor));
        for (const graph::Link& link : step.relaxed) {
            if (!IsNodeOf(points, link.from) || !IsNodeOf(points, link.to)) continue;
            DrawSegment(canvas, points[link.from], points[link.to]);
        }
        for (std::size_t v = 0; v < n; ++v) {
            if (step.cells[v].settled) DrawDot(canvas, points[v], kSettledColor);
        }
        if (step.settled && IsNodeOf(points, *step.settled)) {
            const graph::NodePoint& centre = points[*step.settled];
            canvas.painter.setPen(WidePen(kSettledColor));
            DrawRing(canvas, centre);
            DrawLabel(canvas, ToPoint64(centre), 3, 3, canvas.inks.numbers,
                      std::int64_t{*step.settled} + 1);
        }
    });
    DrawDistances(points, distances);
}

QColor DrawingSurface::SettledColor() { return kSettledColor; }

}  // namespace plot
