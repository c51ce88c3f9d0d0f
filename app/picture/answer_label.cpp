// The answer labels; see answer_label.h.
#include "app/picture/answer_label.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace app {

namespace {

// Room kept free at the box's right edge, inside its frame.
constexpr int kRightMargin = 4;

}  // namespace

AnswerLabel::AnswerLabel(const QString& name, const QString& text, QPoint at, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    move(at);
    parent->installEventFilter(this);
    FitParent();
}

void AnswerLabel::SetStale(bool stale) {
    if (stale == stale_) return;
    stale_ = stale;
    update();
}

bool AnswerLabel::IsCut() const { return fontMetrics().horizontalAdvance(text()) > width(); }

void AnswerLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette::ColorGroup group = stale_ ? QPalette::Disabled : QPalette::Active;
    painter.setPen(palette().color(group, QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, width()));
}

bool AnswerLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (IsCut()) {
            QToolTip::showText(help->globalPos(), text(), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QLabel::event(event);
}

bool AnswerLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) FitParent();
    return QLabel::eventFilter(watched, event);
}

void AnswerLabel::FitParent() {
    resize(std::max(0, parentWidget()->width() - x() - kRightMargin), fontMetrics().height());
}

}  // namespace app
