// The GUI programs' application and scratch folder; see gui_session.h.
#include "gui_session.h"

#include <QApplication>
#include <QDir>
#include <QFile>

void StartGuiApplication() {
    static int argc = 1;
    static char name[] = "graphway_gui_session";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit, after Qt's own globals, it would crash.
    static const QApplication* const application = new QApplication(argc, argv);
    static_cast<void>(application);
}

BackgroundFolder::BackgroundFolder(const QString& background) : previous_(QDir::currentPath()) {
    ready_ = isValid() && QFile::copy(background, filePath(QStringLiteral("1.bmp"))) &&
             QDir::setCurrent(path());
}

BackgroundFolder::~BackgroundFolder() { QDir::setCurrent(previous_); }
