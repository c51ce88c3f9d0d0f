// The stretched view of the drawing surface; see picture_view.h.
#include "picture_view.h"

#include <QPainter>

namespace app {

PictureView::PictureView(const plot::DrawingSurface* surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(0, 0);
}

QSize PictureView::sizeHint() const {
    return {plot::DrawingSurface::kSize, plot::DrawingSurface::kSize};
}

void PictureView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QImage& image = surface_->Image();
    if (image.isNull()) {
        // An empty background (a 0-byte 1.bmp) has nothing to stretch.
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawImage(rect(), image);
}

}  // namespace app
