// Rendering and caching of the numbers' pictures; see label_images.h.
#include "label_images.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
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

const QImage& LabelImages::Get(std::int32_t number) {
    if (const auto found = images_.find(number); found != images_.end()) {
        return found->second;
    }
    if (images_.size() >= kMaxEntries) {
        images_.clear();
    }

    const QFont font = Font();
    const QFontMetrics metrics(font);
    const QString text = QString::number(number);
    QImage image(std::max(metrics.horizontalAdvance(text), 1), std::max(metrics.height(), 1),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), text);
    painter.end();
    return images_.emplace(number, std::move(image)).first->second;
}

}  // namespace plot
