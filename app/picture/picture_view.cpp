// The view of the drawing surface at the widget's size; see picture_view.h.
#include "app/picture/picture_view.h"

#include <QPainter>

#include "plot/stretch.h"

namespace app {

namespace {

// How much of white lies over a faded picture.
constexpr int kFadeAlpha = 150;
const QColor kGuideColor(0, 128, 0);
const QColor kMarkColor(0, 0, 255);
constexpr int kMarkRadius = 7;

}  // namespace

PictureView::PictureView(const plot::DrawingSurface* surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setAccessibleName(tr("Рисунок графа"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(0, 0);
}

PictureView::~PictureView() = default;

QSize PictureView::sizeHint() const {
    return {plot::DrawingSurface::kSize, plot::DrawingSurface::kSize};
}

QSize PictureView::PictureSize() const {
    const QImage& background = surface_->Shown().background;
    return background.isNull() ? QSize(plot::DrawingSurface::kSize, plot::DrawingSurface::kSize)
                               : background.size();
}

QPoint PictureView::PlotAt(QPoint at) const {
    if (width() <= 0 || height() <= 0) return {};
    const QPoint pixel = plot::Stretch(PictureSize(), size()).ToPicture(at);
    return {pixel.x() - plot::DrawingSurface::kSize / 2,
            plot::DrawingSurface::kSize / 2 - pixel.y()};
}

QPoint PictureView::WidgetPoint(const graph::NodePoint& point) const {
    const plot::Stretch stretch(PictureSize(), size());
    return {static_cast<int>(stretch.X(point.X)), static_cast<int>(stretch.Y(point.Y))};
}

void PictureView::SetFaded(bool faded) {
    if (faded == faded_) return;
    faded_ = faded;
    update();
}

void PictureView::SetGuide(std::optional<QLine> guide) {
    guide_ = guide;
    update();
}

void PictureView::SetMark(std::optional<graph::NodePoint> mark) {
    mark_ = mark;
    update();
}

void PictureView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (surface_->Shown().background.isNull() || width() <= 0 || height() <= 0) {
        // An empty background (a 0-byte 1.bmp) has nothing to stretch.
        painter.fillRect(rect(), palette().window());
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (shown_.isNull() || shown_.deviceIndependentSize().toSize() != size() ||
        shown_.devicePixelRatio() != ratio || shownGeneration_ != surface_->Generation()) {
        if (!inks_ || shown_.devicePixelRatio() != ratio) {
            inks_ = std::make_unique<plot::LabelInks>(ratio);
        }
        shown_ = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        shown_.setDevicePixelRatio(ratio);
        surface_->Replay(shown_, *inks_);
        shownGeneration_ = surface_->Generation();
    }
    painter.drawImage(QPoint(0, 0), shown_);
    if (faded_) painter.fillRect(rect(), QColor(255, 255, 255, kFadeAlpha));
    if (guide_) {
        painter.setPen(QPen(kGuideColor, 1, Qt::DashLine));
        painter.drawLine(*guide_);
    }
    if (mark_) {
        painter.setPen(QPen(kMarkColor, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(WidgetPoint(*mark_), kMarkRadius, kMarkRadius);
    }
}

}  // namespace app
