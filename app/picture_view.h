// Image1: shows the drawing surface stretched over the whole widget, aspect
// ratio not kept. It holds no picture of its own, so a repaint always shows
// the surface as it is now.
#pragma once

#include <QWidget>

#include "drawing_surface.h"

namespace app {

class PictureView : public QWidget {
    Q_OBJECT

public:
    explicit PictureView(const plot::DrawingSurface* surface, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The picture as drawn, 400 x 400.
    const QImage& Picture() const { return surface_->Image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const plot::DrawingSurface* surface_;
};

}  // namespace app
