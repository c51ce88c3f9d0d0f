// The accessible roles of the windows and the picture; see
// window_accessibility.h.
#include "app/window_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace app {

namespace {

// A plain QWidget is presented as a client area, which the Linux bridge
// calls "filler": the main window and its tool windows are top-level
// QWidgets of the program's own classes, and the picture one too.
QAccessibleInterface* WindowInterface(const QString& className, QObject* object) {
    if (!object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const bool own = className == QLatin1String("TForm1") || className.startsWith(u"app::");
    if (own && widget->isWindow()) return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("app::PictureView")) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void InstallWindowAccessibility() { QAccessible::installFactory(WindowInterface); }

}  // namespace app
