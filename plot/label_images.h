// The numbers written on the plot (axis labels, node numbers, weights,
// distances), each rendered once as a small opaque picture: text in one ink
// colour on its white box.
// Laying text out afresh for every one of ten thousand weights costs more
// than the lines themselves, so each distinct number is prepared once and
// then only copied.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <unordered_map>

class QPainter;

namespace plot {

class LabelImages {
public:
    // Pictures with their text in `ink`, made for a screen of
    // `pixelRatio` device pixels per pixel, so that text stays sharp there.
    explicit LabelImages(QColor ink = QColor(0, 0, 0), qreal pixelRatio = 1.0);

    // The picture of the decimal text of `number`: as wide as the text's
    // advance and as high as the font's line, text top-left aligned in it.
    // Needs a QGuiApplication (fonts). The reference stays valid until the
    // next call.
    const QImage& Get(std::int64_t number);

    // The picture of "∞", made like the numbers' ones.
    const QImage& Infinity();

    // The size of the picture of `number`, or of "∞" for nothing, without
    // making it.
    QSize TextSize(std::optional<std::int64_t> number) const;
    // The same drawn onto `painter`, which has Font() set, for vector files
    // and printers: its white box with its top-left corner at `corner`, and
    // its text in the ink, to go over the box. Each leaves the painter's
    // pen and brush as it drew with them, so that a run of boxes or of texts
    // is drawn without a change between them.
    void FillBox(QPainter& painter, QPoint corner, std::optional<std::int64_t> number) const;
    void WriteText(QPainter& painter, QPoint corner, std::optional<std::int64_t> number) const;

    // The font every number is written in: the platform's sans-serif face
    // at 11 pixels, whatever the screen's resolution, and without
    // antialiasing so that the picture does not depend on the screen either.
    static QFont Font();

private:
    // Weights are free integers, so the cache is bounded; past this many
    // distinct numbers it starts again.
    static constexpr std::size_t kMaxEntries = 20000;

    QImage Render(const QString& text) const;
    // Made on first use, when there is an application to measure with.
    const QFontMetrics& Metrics() const;

    QColor ink_;
    qreal pixelRatio_;
    std::unordered_map<std::int64_t, QImage> images_;
    QImage infinity_;
    mutable std::optional<QFontMetrics> metrics_;
    // TextSize's answers, "∞" under the least key.
    mutable std::unordered_map<std::int64_t, QSize> sizes_;
};

// The two inks the plot writes numbers in: black, and magenta for the
// distances.
struct LabelInks {
    explicit LabelInks(qreal pixelRatio = 1.0);

    static QColor DistanceInk();

    LabelImages numbers;
    LabelImages distances;
};

}  // namespace plot
