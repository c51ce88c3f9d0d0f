// "Рассчитать" on a complete graph of 100 nodes, measured from the click to
// the repainted picture and labels, on the offscreen platform. Every link is
// typed into the matrix (both halves, as the mirror leaves them), either
// with random weights or all 0, the worst case for choosing among ties.
// BM_CalculateRepeatedly clicks it 200 times more and reports the resident
// memory before and after, which must not grow.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <fstream>
#include <random>

#include "bench/app/bench_window.h"

namespace {

void FillCompleteGraph(BenchWindow& window, int n, bool zeroWeights) {
    window.SetCount(n);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> coordinate(-200, 200);
    std::uniform_int_distribution<int> weight(1, 1000);
    app::CellTableModel& nodes = window.Table("StringGrid1");
    app::CellTableModel& matrix = window.Table("StringGrid2");
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
}

double ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

void BM_Calculate(benchmark::State& state, bool zeroWeights) {
    BenchWindow window;
    FillCompleteGraph(window, static_cast<int>(state.range(0)), zeroWeights);
    auto* button = window.Form().findChild<QPushButton*>("Button1");
    auto* image = window.Form().findChild<QWidget*>("Image1");
    auto* length = window.Form().findChild<QLabel*>("Label1");
    for (auto _ : state) {
        button->click();
        image->repaint();
        benchmark::DoNotOptimize(length->text());
    }
    if (window.Messages() != 0 || length->text() == "Длина:") state.SkipWithError("no way found");
    state.SetLabel(length->text().toStdString());
}

void BM_CalculateRepeatedly(benchmark::State& state) {
    BenchWindow window;
    FillCompleteGraph(window, 100, false);
    auto* button = window.Form().findChild<QPushButton*>("Button1");
    auto* way = window.Form().findChild<QLabel*>("Label2");
    for (int k = 0; k < 10; ++k) button->click();
    const QString first = way->text();
    const double before = ResidentKiB();
    int changed = 0;
    for (auto _ : state) {
        for (int k = 0; k < 200; ++k) {
            button->click();
            QCoreApplication::processEvents();
            changed += way->text() != first;
        }
    }
    state.counters["resident_before_KiB"] = before;
    state.counters["resident_after_KiB"] = ResidentKiB();
    if (changed != 0 || window.Messages() != 0) state.SkipWithError("the answer changed");
}

}  // namespace

BENCHMARK_CAPTURE(BM_Calculate, complete, false)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Calculate, zero_weights, true)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateRepeatedly)->Iterations(1)->Unit(benchmark::kMillisecond);
