// The node count spin box; see node_count_box.h.
#include "app/tables/node_count_box.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include "app/tables/history_keys.h"

namespace app {

NodeCountBox::NodeCountBox(QWidget* parent) : QSpinBox(parent) {
    setObjectName(QStringLiteral("UpDown1"));
    lineEdit()->setObjectName(QStringLiteral("LabeledEdit1"));
    lineEdit()->setAccessibleName(tr("Количество узлов"));
    setRange(kMinimum, kMaximum);
    setSingleStep(1);
    setWrapping(false);
    setAccelerated(false);
    setKeyboardTracking(true);
    setValue(kInitial);
    setFocusPolicy(Qt::StrongFocus);
    shownText_ = lineEdit()->text();
    // Typing reaches the line's own signal; a spin press rewrites the line with its
    // signals blocked and is seen only through the spin box's signal. Each
    // change is passed on once, whichever of the two saw it first.
    connect(lineEdit(), &QLineEdit::textChanged, this, &NodeCountBox::NoteText);
    connect(this, &QSpinBox::textChanged, this, [this] { NoteText(lineEdit()->text()); });
}

bool NodeCountBox::event(QEvent* event) {
    // The box has the focus and hands its keys to its line, whose own undo
    // would take these.
    if (event->type() == QEvent::ShortcutOverride && IsHistoryKey(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QSpinBox::event(event);
}

void NodeCountBox::NoteText(const QString& text) {
    if (text == shownText_) return;
    shownText_ = text;
    emit EditTextChanged();
}

void NodeCountBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        event->ignore();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void NodeCountBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QSpinBox::wheelEvent(event);
}

}  // namespace app
