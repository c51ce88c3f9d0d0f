// Rendering and caching of the numbers' pictures; see label_images.h.
#include "plot/label_images.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <limits>
#include <utility>

namespace plot {

namespace {

QString TextOf(std::optional<std::int64_t> number) {
    return number ? QString::number(*number) : QStringLiteral("\u221E");
}

QSize BoxOf(const QFontMetrics& metrics, const QString& text) {
    return {std::max(metrics.horizontalAdvance(text), 1), std::max(metrics.height(), 1)};
}

}  // namespace

QFont LabelImages::Font() {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamily(font.defaultFamily());
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

LabelImages::LabelImages(QColor ink, qreal pixelRatio) : ink_(ink), pixelRatio_(pixelRatio) {}

LabelInks::LabelInks(qreal pixelRatio)
    : numbers(QColor(0, 0, 0), pixelRatio), distances(DistanceInk(), pixelRatio) {}

QColor LabelInks::DistanceInk() { return {192, 0, 192}; }

const QImage& LabelImages::Get(std::int64_t number) {
    if (const auto found = images_.find(number); found != images_.end()) {
        return found->second;
    }
    if (images_.size() >= kMaxEntries) {
        images_.clear();
    }
    return images_.emplace(number, Render(QString::number(number))).first->second;
}

const QImage& LabelImages::Infinity() {
    if (infinity_.isNull()) infinity_ = Render(TextOf(std::nullopt));
    return infinity_;
}

QSize LabelImages::TextSize(std::optional<std::int64_t> number) const {
    // Measuring shapes the text; a layer of numbers measures each one twice.
    const std::int64_t key = number.value_or(std::numeric_limits<std::int64_t>::min());
    if (const auto found = sizes_.find(key); found != sizes_.end()) return found->second;
    if (sizes_.size() >= kMaxEntries) sizes_.clear();
    return sizes_.emplace(key, BoxOf(Metrics(), TextOf(number))).first->second;
}

void LabelImages::FillBox(QPainter& painter, QPoint corner,
                          std::optional<std::int64_t> number) const {
    // Setting a brush equal to the painter's own still counts as a change.
    const QBrush white(Qt::white);
    if (painter.brush() != white) painter.setBrush(white);
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRect(corner, TextSize(number)));
}

void LabelImages::WriteText(QPainter& painter, QPoint corner,
                            std::optional<std::int64_t> number) const {
    painter.setPen(ink_);
    painter.drawText(corner.x(), corner.y() + Metrics().ascent(), TextOf(number));
}

const QFontMetrics& LabelImages::Metrics() const {
    if (!metrics_) metrics_.emplace(Font());
    return *metrics_;
}

QImage LabelImages::Render(const QString& text) const {
    const QFont font = Font();
    const QFontMetrics metrics(font);
    const QSize size = BoxOf(metrics, text);
    QImage image((QSizeF(size) * pixelRatio_).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio_);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(ink_);
    painter.drawText(0, metrics.ascent(), text);
    painter.end();
    return image;
}

}  // namespace plot
