// Small pieces of the main window's controls: buttons and group boxes made
// as the window places them, Enter pressing a focused button, and the
// controls' tooltips.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QGroupBox;
class QPushButton;
class QWidget;

namespace app {

// Enter on a focused button presses it, as Space does; Qt leaves Enter to
// the default button of a dialog, which the main window is not.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

QGroupBox* NewGroupBox(const QString& name, const QString& title, QWidget* parent);
// A 75 x 25 button at `at` that Enter does not press as a dialog's default.
QPushButton* NewButton(const QString& name, const QString& caption, QPoint at, QWidget* parent);

// The tooltips of the tables and the three buttons, named as in the window.
void SetHints(QWidget* StringGrid1, QWidget* StringGrid2, QWidget* Button2, QWidget* Button3,
              QWidget* Button1);

}  // namespace app
