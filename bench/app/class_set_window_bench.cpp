// Class sets in the window, on the offscreen platform: «Создать» in the
// tool window from the click to the listed set, with the longest time the
// window's event loop waited meanwhile (a timer asks every millisecond),
// and the booklet of a set laid out slice by slice, with its longest slice
// and the closing of the PDF: the longest the window is held while the
// booklet is written.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>
#include <variant>

#include "app/classes/booklet.h"
#include "app/classes/class_set_window.h"
#include "bench/app/bench_window.h"

namespace {

void BM_CreateInWindow(benchmark::State& state) {
    BenchWindow window;
    window.Form().findChild<QAction*>("classSetAction")->trigger();
    auto* tool = window.Form().findChild<app::ClassSetWindow*>("classSetWindow");
    tool->findChild<QSpinBox*>("variantsBox")->setValue(static_cast<int>(state.range(0)));
    tool->findChild<QSpinBox*>("nodesBox")->setValue(static_cast<int>(state.range(1)));
    tool->findChild<QCheckBox*>("uniqueTableBox")->setChecked(state.range(2) != 0);
    auto* create = tool->findChild<QPushButton*>("createButton");
    qint64 longestWait = 0;
    int seed = 0;
    for (auto _ : state) {
        tool->findChild<QSpinBox*>("seedBox")->setValue(++seed);
        QElapsedTimer since;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout,
                         [&] { longestWait = std::max(longestWait, since.restart()); });
        ticks.start(1);
        since.start();
        create->click();
        while (tool->IsCreating()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (tool->Variants().size() != static_cast<std::size_t>(state.range(0))) {
        state.SkipWithError("no set");
    }
    state.counters["longest_wait_ms"] = static_cast<double>(longestWait);
}
BENCHMARK(BM_CreateInWindow)
    ->ArgNames({"variants", "nodes", "unique"})
    ->Args({30, 8, 0})
    ->Args({200, 20, 0})
    ->Args({200, 20, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_Booklet(benchmark::State& state) {
    BenchWindow window;
    graph::ClassSetParameters parameters;
    parameters.variants = static_cast<int>(state.range(0));
    parameters.nodes = static_cast<int>(state.range(1));
    parameters.uniqueTable = state.range(2) != 0;
    const auto set = std::get<std::vector<graph::ClassVariant>>(graph::MakeClassSet(parameters));
    plot::DrawingSurface axes;
    axes.UpdatePict();
    qint64 longestSlice = 0;
    qint64 finish = 0;
    qsizetype bytes = 0;
    for (auto _ : state) {
        app::Booklet booklet(set, parameters, axes.Shown());
        QElapsedTimer slice;
        for (bool more = true; more;) {
            slice.start();
            more = booklet.PaintNext();
            longestSlice = std::max(longestSlice, slice.elapsed());
        }
        slice.start();
        bytes = booklet.Finish().size();
        finish = std::max(finish, slice.elapsed());
    }
    state.counters["longest_slice_ms"] = static_cast<double>(longestSlice);
    state.counters["finish_ms"] = static_cast<double>(finish);
    state.counters["pdf_KiB"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_Booklet)
    ->ArgNames({"variants", "nodes", "unique"})
    ->Args({30, 8, 0})
    ->Args({30, 8, 1})
    ->Args({200, 20, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
