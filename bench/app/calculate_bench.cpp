// "Рассчитать" on a complete graph of 100 nodes, measured from the click to
// the repainted picture and labels, on the offscreen platform. Every link is
// typed into the matrix (both halves, as the mirror leaves them), either
// with random weights or all 0, the worst case for choosing among ties.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <random>

#include "Unit1.h"
#include "cell_table_model.h"
#include "messages.h"

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "calculate_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

void BM_Calculate(benchmark::State& state, bool zeroWeights) {
    Application();
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(GRAPHWAY_BACKGROUND), folder.filePath("1.bmp"));
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    int messages = 0;
    const app::MessageBoxShower previous =
        app::SetMessageBoxShower([&](const app::MessageBoxContent&) { ++messages; });
    {
        TForm1 form;
        form.show();
        const int n = static_cast<int>(state.range(0));
        form.findChild<QSpinBox*>("UpDown1")->setValue(n);

        std::mt19937 random(20261207);
        std::uniform_int_distribution<int> coordinate(-200, 200);
        std::uniform_int_distribution<int> weight(1, 1000);
        auto& nodes = *qobject_cast<app::CellTableModel*>(
            form.findChild<QAbstractItemView*>("StringGrid1")->model());
        auto& matrix = *qobject_cast<app::CellTableModel*>(
            form.findChild<QAbstractItemView*>("StringGrid2")->model());
        for (int node = 1; node <= n; ++node) {
            nodes.SetText(1, node, QString::number(coordinate(random)));
            nodes.SetText(2, node, QString::number(coordinate(random)));
        }
        for (int c = 1; c <= n; ++c) {
            for (int r = c + 1; r <= n; ++r) {
                const QString text = QString::number(zeroWeights ? 0 : weight(random));
                matrix.SetText(c, r, text);
                matrix.SetText(r, c, text);
            }
        }

        auto* button = form.findChild<QPushButton*>("Button1");
        auto* image = form.findChild<QWidget*>("Image1");
        auto* length = form.findChild<QLabel*>("Label1");
        for (auto _ : state) {
            button->click();
            image->repaint();
            benchmark::DoNotOptimize(length->text());
        }
        if (messages != 0 || length->text() == "Длина:") state.SkipWithError("no way was found");
        state.SetLabel(length->text().toStdString());
    }
    app::SetMessageBoxShower(previous);
    QDir::setCurrent(previousFolder);
}

}  // namespace

BENCHMARK_CAPTURE(BM_Calculate, complete, false)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Calculate, zero_weights, true)->Arg(100)->Unit(benchmark::kMillisecond);
