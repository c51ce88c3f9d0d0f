// Small pieces of the main window's controls: buttons, group boxes and
// actions made as the window names and places them, Enter pressing a
// focused button, right-click menus that hand the keyboard back, and the
// controls' tooltips.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPoint>
#include <QString>
#include <optional>

class QAction;
class QGroupBox;
class QMenu;
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
// A named button that Enter does not press as a dialog's default: 75 x 25
// at `at` when a place is given, otherwise where a layout puts it.
QPushButton* NewButton(const QString& name, const QString& caption, QWidget* parent,
                       std::optional<QPoint> at = std::nullopt);

// A named action of `parent`, with its key when one is given.
QAction* NewAction(const QString& name, const QString& text, QObject* parent,
                   const QKeySequence& key = {});
// Shows `menu` at `at` on the screen and gives `window` the keyboard back
// after it, even where no window manager hands it back after a popup.
QAction* ExecMenu(QMenu& menu, const QPoint& at, QWidget* window);

// The tooltips of the tables and the three buttons, named as in the window,
// and the tables' accessible names.
void SetHints(QWidget* StringGrid1, QWidget* StringGrid2, QWidget* Button2, QWidget* Button3,
              QWidget* Button1);

}  // namespace app
