// The main window's accessible role; see window_accessibility.h.
#include "app/window_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace app {

namespace {

// A plain QWidget is presented as a client area, which the Linux bridge
// calls "filler"; the main window is a top-level QWidget of its own class.
QAccessibleInterface* MainWindowInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("TForm1") || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

void InstallWindowAccessibility() { QAccessible::installFactory(MainWindowInterface); }

}  // namespace app
