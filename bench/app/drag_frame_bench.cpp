// One frame of a node dragged on the picture with «Показать расстояния» on,
// 100 nodes, in a 1280 x 1024 window: the mouse moved on the view, the
// node's cells set, the picture drawn again with the distances and the
// orange links and painted at the view's size. The orange links belong to
// the calculation and are only drawn here, so the frame should stay within
// 2 times of BM_WholeScene/100 (bench/plot/drawing_surface_bench) even on
// the 10 x 10 grid of one-way free links whose orange links take the search
// to its bound when «Рассчитать» works them out; the complete graph of
// random weights draws the most.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <random>

#include "app/picture/picture_view.h"
#include "bench/app/bench_window.h"
#include "bench/graph/one_way_grid.h"

namespace {

// Nodes 1..100 row by row on a 10 x 10 lattice across the plot.
void FillNodes(BenchWindow& window) {
    app::CellTableModel& nodes = window.Table("StringGrid1");
    for (int node = 0; node < 100; ++node) {
        nodes.SetText(1, node + 1, QString::number(node % 10 * 38 - 171));
        nodes.SetText(2, node + 1, QString::number(171 - node / 10 * 38));
    }
}

// Cell (c, r) holds the link from node c to node r.
void FillMatrix(BenchWindow& window, const graph::AdjacencyMatrix& adjacency) {
    app::CellTableModel& matrix = window.Table("StringGrid2");
    for (std::size_t from = 0; from < adjacency.size(); ++from) {
        for (std::size_t to = 0; to < adjacency.size(); ++to) {
            if (adjacency[from][to] < 0) continue;
            matrix.SetText(static_cast<int>(from + 1), static_cast<int>(to + 1),
                           QString::number(adjacency[from][to]));
        }
    }
}

graph::AdjacencyMatrix CompleteRandom() {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::int32_t> weight(1, 1000);
    graph::AdjacencyMatrix adjacency(100, std::vector<std::int32_t>(100, graph::kNoLink));
    for (int u = 0; u < 100; ++u) {
        for (int v = u + 1; v < 100; ++v) adjacency[u][v] = adjacency[v][u] = weight(random);
    }
    return adjacency;
}

// Grid 13 of the family takes the longest over its orange links.
void BM_DragFrameWithDistances(benchmark::State& state, graph::AdjacencyMatrix (*make)()) {
    BenchWindow window;
    window.Form().resize(1280, 1024);
    window.SetCount(100);
    FillNodes(window);
    FillMatrix(window, make());
    window.Form().findChild<QAction*>("distancesAction")->setChecked(true);
    window.Form().findChild<QPushButton*>("Button1")->click();
    QCoreApplication::processEvents();
    auto* view = window.Form().findChild<app::PictureView*>("Image1");
    // Node 1 sits at surface pixel (29, 29).
    const QPoint from = view->WidgetPoint({29, 29});
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
    // Steps of 8 pixels, more than one plot unit at any size.
    int frame = 0;
    bool followed = true;
    for (auto _ : state) {
        const QString before = window.Table("StringGrid1").Text(1, 1);
        QTest::mouseMove(view, from + QPoint(8 * (3 + frame++ % 10), 20));
        view->repaint();
        followed = followed && window.Table("StringGrid1").Text(1, 1) != before;
    }
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, from);
    if (window.Messages() != 0 || !followed)
        state.SkipWithError("the node did not follow the mouse");
}

}  // namespace

BENCHMARK_CAPTURE(BM_DragFrameWithDistances, one_way_grid, [] {
    return OneWayGrid(10, 13);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragFrameWithDistances, complete, CompleteRandom)
    ->Unit(benchmark::kMillisecond);
