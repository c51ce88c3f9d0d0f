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

LabelImages::LabelImages(QColor ink) : ink_(ink) {}

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
    QImage image(std::max(metrics.horizontalAdvance(text), 1), std::max(metrics.height(), 1),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(ink_);
    painter.drawText(0, metrics.ascent(), text);
    painter.end();
    return image;
}

}  // namespace plot
