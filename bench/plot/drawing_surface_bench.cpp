// Drawing at the largest node count: 100 nodes on a circle, every pair
// linked (9,900 lines and 9,900 weights), and a way through every node.
// BM_BareLines draws the links' lines alone, the yardstick: the whole scene,
// with the distances or without, should stay within 1.4 times of it.
// Building the whole Dijkstra step table and drawing one of its steps
// should each stay within 1.5 times of BM_WholeScene/100, and one frame of
// a node dragged in the «Связи» mode, shown at the size of a maximised
// 1280 x 1024 window, within 2 times of it; the scene written as SVG or PDF
// within 3 times of it.
#include <benchmark/benchmark.h>
#include <QDir>
#include <QPainter>
#include <QPen>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>

#include "graph/dijkstra_steps.h"
#include "graph/way_distances.h"
#include "plot/drawing_surface.h"
#include "plot/vector_picture.h"
#include "tests/gui_session.h"

namespace {

// The application started and a white "1.bmp" in a directory of its own,
// the working directory while it lives; when it cannot be written, the
// benchmark is skipped and `ready` is false.
struct WhiteBackground {
    explicit WhiteBackground(benchmark::State& state) {
        StartGuiApplication();
        QImage image(plot::DrawingSurface::kSize, plot::DrawingSurface::kSize,
                     QImage::Format_RGB888);
        image.fill(Qt::white);
        ready = dir.isValid() && image.save(dir.filePath(QStringLiteral("1.bmp")), "BMP") &&
                QDir::setCurrent(dir.path());
        if (!ready) state.SkipWithError("cannot write 1.bmp");
    }
    ~WhiteBackground() { QDir::setCurrent(previous); }

    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    bool ready = false;
};

graph::NodePoints Circle(int n) {
    graph::NodePoints points(n);
    for (int i = 0; i < n; ++i) {
        const double angle = 2 * std::numbers::pi * i / n;
        points[i] = {static_cast<std::int32_t>(200 + std::lround(180 * std::cos(angle))),
                     static_cast<std::int32_t>(200 - std::lround(180 * std::sin(angle)))};
    }
    return points;
}

// Every pair linked in both directions with the same weight, 1..999.
graph::AdjacencyMatrix Complete(int n) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::int32_t> weight(1, 999);
    graph::AdjacencyMatrix matrix(n, std::vector<std::int32_t>(n, graph::kNoLink));
    for (int u = 0; u < n; ++u) {
        for (int v = u + 1; v < n; ++v) matrix[u][v] = matrix[v][u] = weight(random);
    }
    return matrix;
}

graph::Way Through(int n, int step) {
    graph::Way way;
    for (int i = 0; i < n; ++i) way.push_back((i * step) % n);
    return way;
}

void BM_DrawNodes(benchmark::State& state) {
    StartGuiApplication();
    const int n = static_cast<int>(state.range(0));
    const graph::NodePoints points = Circle(n);
    plot::DrawingSurface surface;
    for (auto _ : state) {
        surface.DrawNodes(points);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK(BM_DrawNodes)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_DrawLinks(benchmark::State& state, graph::AdjacencyMatrix (*links)(int)) {
    StartGuiApplication();
    const int n = static_cast<int>(state.range(0));
    const graph::NodePoints points = Circle(n);
    const graph::AdjacencyMatrix matrix = links(n);
    plot::DrawingSurface surface;
    for (auto _ : state) {
        surface.DrawLinks(points, matrix);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK_CAPTURE(BM_DrawLinks, complete, Complete)->Arg(100)->Unit(benchmark::kMillisecond);

// The links' lines and nothing else: the same pen on a picture like the
// surface's, no weights and no clipping.
void BM_BareLines(benchmark::State& state, graph::AdjacencyMatrix (*links)(int)) {
    StartGuiApplication();
    const int n = static_cast<int>(state.range(0));
    const graph::NodePoints points = Circle(n);
    const graph::AdjacencyMatrix matrix = links(n);
    QImage image(plot::DrawingSurface::kSize, plot::DrawingSurface::kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(QPen(QColor(0, 128, 0), 1, Qt::SolidLine, Qt::FlatCap));
        for (int u = 0; u < n; ++u) {
            for (int v = 0; v < n; ++v) {
                if (matrix[u][v] > 0)
                    painter.drawLine(points[u].X, points[u].Y, points[v].X, points[v].Y);
            }
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_CAPTURE(BM_BareLines, complete, Complete)->Arg(100)->Unit(benchmark::kMillisecond);

// A way of n - 1 long lines that cross the picture (the red width-2 pen).
void BM_DrawWay(benchmark::State& state) {
    StartGuiApplication();
    const int n = static_cast<int>(state.range(0));
    const graph::NodePoints points = Circle(n);
    const graph::Way way = Through(n, 49);
    plot::DrawingSurface surface;
    for (auto _ : state) {
        surface.DrawWay(points, way);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK(BM_DrawWay)->Arg(100)->Unit(benchmark::kMillisecond);

// The same pairs, every link free: none is drawn in green, and every one
// that does not leave the last node or enter the first lies on a shortest
// way, so with the distances on all of those are drawn in orange.
graph::AdjacencyMatrix CompleteFree(int n) {
    graph::AdjacencyMatrix matrix = Complete(n);
    for (auto& row : matrix) {
        for (std::int32_t& weight : row) weight = std::min(weight, 0);
    }
    return matrix;
}

// What "Рассчитать" draws: background and axes, nodes, links, and the way;
// with `distances`, also the links on shortest ways and every node's
// distance from node 1, worked out before timing as the window does before
// drawing.
// The way through every node stays in both, as the heaviest red layer.
void BM_WholeScene(benchmark::State& state, graph::AdjacencyMatrix (*links)(int), bool distances) {
    const WhiteBackground background(state);
    if (!background.ready) return;
    const int n = static_cast<int>(state.range(0));
    const graph::NodePoints points = Circle(n);
    const graph::AdjacencyMatrix matrix = links(n);
    const graph::Way way = Through(n, 49);
    const std::vector<graph::Link> tying =
        graph::LinksOnShortestWays(matrix, graph::FindWayDistances(matrix));
    const graph::Distances fromStart = graph::FindDistancesFromStart(matrix);
    plot::DrawingSurface surface;
    for (auto _ : state) {
        surface.UpdatePict();
        surface.DrawNodes(points);
        surface.DrawLinks(points, matrix);
        if (distances) surface.DrawShortestWayLinks(points, tying);
        surface.DrawWay(points, way);
        if (distances) surface.DrawDistances(points, fromStart);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
void BM_WholeScene(benchmark::State& state) { BM_WholeScene(state, Complete, false); }
BENCHMARK(BM_WholeScene)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeScene, distances, Complete, true)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeScene, distances_free, CompleteFree, true)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

// The whole step table of the complete graph: 101 rows of 100 cells.
void BM_DijkstraSteps(benchmark::State& state) {
    const graph::AdjacencyMatrix matrix = Complete(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        graph::DijkstraSteps steps = graph::FindDijkstraSteps(matrix);
        benchmark::DoNotOptimize(steps);
    }
}
BENCHMARK(BM_DijkstraSteps)->Arg(100)->Unit(benchmark::kMillisecond);

// The picture of the middle step, redrawn from the background as the step
// window redraws it: the links, then the step over them.
void BM_DijkstraStepScene(benchmark::State& state) {
    const WhiteBackground background(state);
    if (!background.ready) return;
    const int n = static_cast<int>(state.range(0));
    const graph::NodePoints points = Circle(n);
    const graph::AdjacencyMatrix matrix = Complete(n);
    const graph::DijkstraSteps steps = graph::FindDijkstraSteps(matrix);
    const graph::DijkstraStep& step = steps.steps[steps.steps.size() / 2];
    plot::DrawingSurface surface;
    for (auto _ : state) {
        surface.UpdatePict();
        surface.DrawNodes(points);
        surface.DrawLinks(points, matrix);
        surface.DrawDijkstraStep(points, step);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK(BM_DijkstraStepScene)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

// The whole scene of BM_WholeScene written as a vector file: each should
// stay within 3 times of BM_WholeScene/100, and the PDF within 1 MB.
void BM_VectorPicture(benchmark::State& state,
                      QByteArray (*write)(const plot::DrawingSurface::Scene&)) {
    const WhiteBackground background(state);
    if (!background.ready) return;
    const int n = static_cast<int>(state.range(0));
    const graph::NodePoints points = Circle(n);
    plot::DrawingSurface surface;
    surface.UpdatePict();
    surface.DrawNodes(points);
    surface.DrawLinks(points, Complete(n));
    surface.DrawWay(points, Through(n, 49));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray file = write(surface.Shown());
        bytes = file.size();
        benchmark::DoNotOptimize(file.constData());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_VectorPicture, svg, plot::SvgPicture)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_VectorPicture, pdf, plot::PdfPicture)->Arg(100)->Unit(benchmark::kMillisecond);

// One frame of a drag: node 1 moved, the picture drawn again as «Связи»
// draws it, replayed at the size the view has in a maximised 1280 x 1024
// window (the window less the two side blocks of 185 and 195 pixels and two
// splitters), and that image put on the screen's.
void BM_DragFrame(benchmark::State& state) {
    const WhiteBackground background(state);
    if (!background.ready) return;
    const int n = static_cast<int>(state.range(0));
    graph::NodePoints points = Circle(n);
    const graph::AdjacencyMatrix matrix = Complete(n);
    const QSize view(1280 - 185 - 195 - 4, 1024);
    QImage shown(view, QImage::Format_RGB32);
    QImage screen(view, QImage::Format_RGB32);
    plot::LabelInks inks;
    plot::DrawingSurface surface;
    int frame = 0;
    for (auto _ : state) {
        points[0].X = 300 + frame++ % 50;
        surface.UpdatePict();
        surface.DrawNodes(points);
        surface.DrawLinks(points, matrix);
        surface.Replay(shown, inks);
        QPainter painter(&screen);
        painter.drawImage(QPoint(0, 0), shown);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_DragFrame)->Arg(100)->Unit(benchmark::kMillisecond);
