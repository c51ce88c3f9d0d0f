// The benchmarks' window; see bench_window.h.
#include "bench/app/bench_window.h"

#include <QAbstractItemView>
#include <QSpinBox>

BenchWindow::BenchWindow() : folder_(QStringLiteral(GRAPHWAY_BACKGROUND)) {
    StartGuiApplication();
    previousShower_ =
        app::SetMessageBoxShower([this](const app::MessageBoxContent&) { ++messages_; });
    form_ = std::make_unique<TForm1>();
    form_->show();
}

BenchWindow::~BenchWindow() {
    form_.reset();
    app::SetMessageBoxShower(previousShower_);
}

app::CellTableModel& BenchWindow::Table(const char* grid) {
    return *qobject_cast<app::CellTableModel*>(form_->findChild<QAbstractItemView*>(grid)->model());
}

void BenchWindow::SetCount(int n) { form_->findChild<QSpinBox*>("UpDown1")->setValue(n); }
