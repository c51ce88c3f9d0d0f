// Rendering and caching of the numbers' pictures; see label_images.h.
#include "label_images.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace plot {

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
    : numbers(QColor(0, 0, 0), pixelRatio), distances(QColor(192, 0, 192), pixelRatio) {}

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
    if (infinity_.isNull()) infinity_ = Render(QStringLiteral("\u221E"));
    return infinity_;
}

QImage LabelImages::Render(const QString& text) const {
    const QFont font = Font();
    const QFontMetrics metrics(font);
    const QSize size(std::max(metrics.horizontalAdvance(text), 1), std::max(metrics.height(), 1));
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
