// The benchmarks' window; see bench_window.h.
#include "bench_window.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QSpinBox>

namespace {

void StartApplication() {
    static int argc = 1;
    static char name[] = "window_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
}

}  // namespace

BenchWindow::BenchWindow() {
    StartApplication();
    QFile::copy(QStringLiteral(GRAPHWAY_BACKGROUND), folder_.filePath("1.bmp"));
    previousFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    previousShower_ =
        app::SetMessageBoxShower([this](const app::MessageBoxContent&) { ++messages_; });
    form_ = std::make_unique<TForm1>();
    form_->show();
}

BenchWindow::~BenchWindow() {
    form_.reset();
    app::SetMessageBoxShower(previousShower_);
    QDir::setCurrent(previousFolder_);
}

app::CellTableModel& BenchWindow::Table(const char* grid) {
    return *qobject_cast<app::CellTableModel*>(form_->findChild<QAbstractItemView*>(grid)->model());
}

void BenchWindow::SetCount(int n) { form_->findChild<QSpinBox*>("UpDown1")->setValue(n); }
