// The drawing surface: loading the background, the axes, and the nodes,
// links, way and distances drawn over them. Lines go through QPainter without
// antialiasing, so the same scene always gives the same pixels.
#include "drawing_surface.h"

#include <QFile>
#include <QImageReader>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace plot {

namespace {

// The bitmap file header: "BM", file size, two reserved words, pixel offset.
constexpr qint64 kFileHeaderSize = 14;

const QColor kAxisColor(0, 0, 0);
const QColor kNodeColor(0, 0, 255);
const QColor kLinkColor(0, 128, 0);
const QColor kWayColor(255, 0, 0);
const QColor kShortestWayLinkColor(255, 160, 0);
const QColor kDistanceColor(192, 0, 192);
const QColor kRelaxedColor(0, 160, 255);
const QColor kSettledColor(0, 150, 150);

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

// A line from `from` to `to` with the painter's pen, clipped to the picture.
void DrawSegment(QPainter& painter, const QSize& size, const Point64& from, const Point64& to) {
    if (from.x == to.x && from.y == to.y && painter.pen().width() <= 1) {
        return;  // A one-pixel line without its end pixel has no pixels.
    }
    if (IsNear(from, size) && IsNear(to, size)) {
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
    painter.drawLine(QLineF(start, end));
}

// Fills the pixels (left..right, top..bottom), inclusive, that lie on the
// picture.
void FillPixels(QPainter& painter, const QSize& size, std::int64_t left, std::int64_t top,
                std::int64_t right, std::int64_t bottom, const QColor& color) {
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, size.width() - 1);
    bottom = std::min<std::int64_t>(bottom, size.height() - 1);
    if (left > right || top > bottom) return;
    painter.fillRect(QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
                           QPoint(static_cast<int>(right), static_cast<int>(bottom))),
                     color);
}

// A round dot 5 pixels across centred on `centre`: the mark a zero-length
// stroke of a 5-pixel pen leaves.
void DrawDot(QPainter& painter, const QSize& size, const Point64& centre, const QColor& color) {
    FillPixels(painter, size, centre.x - 2, centre.y - 1, centre.x + 2, centre.y + 1, color);
    FillPixels(painter, size, centre.x - 1, centre.y - 2, centre.x + 1, centre.y - 2, color);
    FillPixels(painter, size, centre.x - 1, centre.y + 2, centre.x + 1, centre.y + 2, color);
}

// A number's picture with its top-left corner at (x, y), clipped.
void DrawLabel(QPainter& painter, const QSize& size, std::int64_t x, std::int64_t y,
               const QImage& label) {
    if (x >= size.width() || y >= size.height() || x + label.width() <= 0 ||
        y + label.height() <= 0) {
        return;
    }
    painter.drawImage(QPoint(static_cast<int>(x), static_cast<int>(y)), label);
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

// A circle round `centre` with the painter's pen; left out when the centre
// is too far away for QPainter's fixed point.
void DrawRing(QPainter& painter, const QSize& size, const Point64& centre) {
    if (!IsNear(centre, size)) return;
    painter.drawEllipse(QPoint(static_cast<int>(centre.x), static_cast<int>(centre.y)), kRingRadius,
                        kRingRadius);
}

}  // namespace

DrawingSurface::DrawingSurface()
    : image_(kSize, kSize, QImage::Format_RGB32), distanceLabels_(kDistanceColor) {
    image_.fill(Qt::white);
}

void DrawingSurface::LoadPicture(const std::string& fileName) { image_ = ReadBitmapFile(fileName); }

void DrawingSurface::UpdatePict() {
    LoadPicture("1.bmp");
    if (image_.isNull()) return;

    const QSize size = image_.size();
    QPainter painter(&image_);
    painter.setPen(ThinPen(kAxisColor));
    DrawSegment(painter, size, {0, 200}, {400, 200});
    DrawSegment(painter, size, {200, 0}, {200, 400});
    for (int i = 0; i < 5; ++i) {
        const int a = 100 * i;
        DrawSegment(painter, size, {a, 200}, {a, 205});
        DrawLabel(painter, size, a - 5, 205, labels_.Get(a - 200));
        DrawSegment(painter, size, {200, a}, {205, a});
        DrawLabel(painter, size, 205, a - 5, labels_.Get(200 - a));
    }
}

void DrawingSurface::DrawNodes(const graph::NodePoints& points) {
    if (image_.isNull()) return;

    const QSize size = image_.size();
    QPainter painter(&image_);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point64 centre = ToPoint64(points[i]);
        DrawDot(painter, size, centre, kNodeColor);
        DrawLabel(painter, size, centre.x + 3, centre.y + 3,
                  labels_.Get(static_cast<std::int32_t>(i + 1)));
    }
}

void DrawingSurface::DrawLinks(const graph::NodePoints& points,
                               const graph::AdjacencyMatrix& adjacency) {
    if (image_.isNull()) return;

    const QSize size = image_.size();
    const std::size_t n = std::min(points.size(), adjacency.size());
    QPainter painter(&image_);
    painter.setPen(ThinPen(kLinkColor));
    for (std::size_t u = 0; u < n; ++u) {
        const std::size_t rowSize = std::min(n, adjacency[u].size());
        for (std::size_t v = 0; v < rowSize; ++v) {
            const std::int32_t weight = adjacency[u][v];
            if (weight <= 0) continue;
            const graph::NodePoint& from = points[u];
            const graph::NodePoint& to = points[v];
            DrawSegment(painter, size, ToPoint64(from), ToPoint64(to));
            DrawLabel(painter, size, Midpoint(from.X, to.X), Midpoint(from.Y, to.Y),
                      labels_.Get(weight));
        }
    }
}

void DrawingSurface::DrawShortestWayLinks(const graph::NodePoints& points,
                                          const std::vector<graph::Link>& links) {
    if (image_.isNull()) return;

    const QSize size = image_.size();
    QPainter painter(&image_);
    painter.setPen(WidePen(kShortestWayLinkColor));
    for (const graph::Link& link : links) {
        if (!IsNodeOf(points, link.from) || !IsNodeOf(points, link.to)) continue;
        DrawSegment(painter, size, ToPoint64(points[link.from]), ToPoint64(points[link.to]));
    }
}

void DrawingSurface::DrawWay(const graph::NodePoints& points, const graph::Way& way) {
    if (image_.isNull()) return;

    const QSize size = image_.size();
    QPainter painter(&image_);
    painter.setPen(WidePen(kWayColor));
    for (std::size_t k = 1; k < way.size(); ++k) {
        if (!IsNodeOf(points, way[k - 1]) || !IsNodeOf(points, way[k])) continue;
        DrawSegment(painter, size, ToPoint64(points[way[k - 1]]), ToPoint64(points[way[k]]));
    }
}

void DrawingSurface::DrawDistances(const graph::NodePoints& points,
                                   const graph::Distances& distances) {
    if (image_.isNull()) return;

    const QSize size = image_.size();
    const std::size_t n = std::min(points.size(), distances.size());
    QPainter painter(&image_);
    for (std::size_t i = 0; i < n; ++i) {
        const Point64 node = ToPoint64(points[i]);
        const QImage& label =
            distances[i] ? distanceLabels_.Get(*distances[i]) : distanceLabels_.Infinity();
        DrawLabel(painter, size, node.x + 3, node.y - 14, label);
    }
}

void DrawingSurface::DrawAnswer(const graph::NodePoints& points,
                                const std::vector<graph::Link>& tiedLinks, const graph::Way& way,
                                const graph::Distances& distances) {
    DrawShortestWayLinks(points, tiedLinks);
    DrawWay(points, way);
    DrawDistances(points, distances);
}

void DrawingSurface::DrawDijkstraStep(const graph::NodePoints& points,
                                      const graph::DijkstraStep& step) {
    if (image_.isNull()) return;

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
    {
        const QSize size = image_.size();
        QPainter painter(&image_);
        painter.setPen(WidePen(kRelaxedColor));
        for (const graph::Link& link : step.relaxed) {
            if (!IsNodeOf(points, link.from) || !IsNodeOf(points, link.to)) continue;
            DrawSegment(painter, size, ToPoint64(points[link.from]), ToPoint64(points[link.to]));
        }
        for (std::size_t v = 0; v < n; ++v) {
            if (step.cells[v].settled) DrawDot(painter, size, ToPoint64(points[v]), kSettledColor);
        }
        if (step.settled && IsNodeOf(points, *step.settled)) {
            const Point64 centre = ToPoint64(points[*step.settled]);
            painter.setPen(WidePen(kSettledColor));
            DrawRing(painter, size, centre);
            DrawLabel(painter, size, centre.x + 3, centre.y + 3, labels_.Get(*step.settled + 1));
        }
    }
    DrawDistances(points, distances);
}

QColor DrawingSurface::SettledColor() { return kSettledColor; }

}  // namespace plot
