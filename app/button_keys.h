// Enter on a focused button presses it, as Space does; Qt leaves Enter to
// the default button of a dialog, which the main window is not.
#pragma once

#include <QKeyEvent>
#include <QPushButton>

namespace app {

class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                static_cast<QPushButton*>(watched)->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace app
