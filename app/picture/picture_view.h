// Image1: shows the drawing surface over the whole widget, aspect ratio not
// kept. The surface's scene is drawn again at the widget's size, so lines,
// dots and numbers stay sharp however large the window is; the surface's
// own 400 x 400 bitmap is what is saved and copied. A picture that no longer
// belongs to the tables is shown faded.
#pragma once

#include <QImage>
#include <QLine>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "graph/graph_model.h"
#include "plot/drawing_surface.h"

namespace app {

class PictureView : public QWidget {
    Q_OBJECT

public:
    explicit PictureView(const plot::DrawingSurface* surface, QWidget* parent = nullptr);
    ~PictureView() override;

    QSize sizeHint() const override;
    // The picture as drawn, 400 x 400.
    const QImage& Picture() const { return surface_->Image(); }

    // Plot coordinates (origin at the centre, Y upward) under widget pixel
    // `at`, and the widget pixel where surface pixel `point` is shown.
    QPoint PlotAt(QPoint at) const;
    QPoint WidgetPoint(const graph::NodePoint& point) const;

    void SetFaded(bool faded);
    bool IsFaded() const { return faded_; }
    // A line being drawn with the mouse, over the picture, in widget pixels.
    void SetGuide(std::optional<QLine> guide);
    // The node picked for the arrow keys, ringed, at surface pixel `mark`.
    void SetMark(std::optional<graph::NodePoint> mark);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize PictureSize() const;

    const plot::DrawingSurface* surface_;
    bool faded_ = false;
    std::optional<QLine> guide_;
    std::optional<graph::NodePoint> mark_;
    // The scene as last drawn at the widget's size, and for which scene,
    // size and pixel ratio.
    QImage shown_;
    std::uint64_t shownGeneration_ = 0;
    std::unique_ptr<plot::LabelInks> inks_;
};

}  // namespace app
