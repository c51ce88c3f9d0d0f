// The GUI programs' application and scratch folder; see gui_session.h.
#include "tests/gui_session.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

QApplication* application = nullptr;

}  // namespace

void StartGuiApplication() {
    static int argc = 1;
    static char name[] = "graphway_gui_session";
    static char* argv[] = {name, nullptr};
    if (application != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(argc, argv);
    // Made after the application, and so gone at exit before the globals
    // Qt made for it.
    static const struct Stopper {
        ~Stopper() { StopGuiApplication(); }
    } stopper;
}

void StopGuiApplication() {
    delete application;
    application = nullptr;
}

BackgroundFolder::BackgroundFolder(const QString& background) : previous_(QDir::currentPath()) {
    ready_ = isValid() && QFile::copy(background, filePath(QStringLiteral("1.bmp"))) &&
             QDir::setCurrent(path());
}

BackgroundFolder::~BackgroundFolder() { QDir::setCurrent(previous_); }
