// The GUI programs' application and scratch folder; see gui_session.h.
#include "gui_session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <memory>

namespace {

std::unique_ptr<QApplication> application;

}  // namespace

void StartGuiApplication() {
    static int argc = 1;
    static char name[] = "graphway_gui_session";
    static char* argv[] = {name, nullptr};
    if (application) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QApplication>(argc, argv);
}

void StopGuiApplication() { application.reset(); }

BackgroundFolder::BackgroundFolder(const QString& background) : previous_(QDir::currentPath()) {
    ready_ = isValid() && QFile::copy(background, filePath(QStringLiteral("1.bmp"))) &&
             QDir::setCurrent(path());
}

BackgroundFolder::~BackgroundFolder() { QDir::setCurrent(previous_); }
