// The splitter that resizes the block on its right; see side_splitter.h.
#include "app/side_splitter.h"

#include <QMouseEvent>
#include <algorithm>

namespace app {

SideSplitter::SideSplitter(QWidget* resized, QWidget* rest, QWidget* parent)
    : QWidget(parent), resized_(resized), rest_(rest) {
    setFixedWidth(kWidth);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    setCursor(Qt::SplitHCursor);
    setFocusPolicy(Qt::NoFocus);
}

void SideSplitter::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    startX_ = qRound(event->globalPosition().x());
    startWidth_ = resized_->width();
    startRestWidth_ = rest_->width();
}

void SideSplitter::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    // Moving the bar left widens the block on its right.
    const int wanted = startWidth_ - (qRound(event->globalPosition().x()) - startX_);
    const int widest = std::max(kMinSize, startWidth_ + startRestWidth_ - kMinSize);
    resized_->setFixedWidth(std::clamp(wanted, kMinSize, widest));
}

void SideSplitter::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

}  // namespace app
