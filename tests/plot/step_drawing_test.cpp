// Dijkstra's search drawn step by step over the links of the sample nodes
// with links 1-2 = 5, 2-6 = 5, 1-6 = 20: what each colour marks, and how the
// links to predecessors follow the step.
#include <gtest/gtest.h>

#include "graph/dijkstra_steps.h"
#include "plot/drawing_surface.h"
#include "tests/plot/surface_pixels.h"

namespace {

using namespace plot_test;

TEST(StepDrawing, SettledRingedRelaxedAndPredecessorLinks) {
    const QRgb orange = qRgb(255, 160, 0), skyBlue = qRgb(0, 160, 255);
    const QRgb teal = plot::DrawingSurface::SettledColor().rgb();
    const graph::NodePoints points = {{140, 160}, {240, 180}, {220, 240},
                                      {140, 240}, {180, 210}, {280, 160}};
    graph::AdjacencyMatrix adjacency(6, std::vector<std::int32_t>(6, -1));
    for (const auto& [u, v, w] : {std::tuple{0, 1, 5}, {1, 5, 5}, {0, 5, 20}}) {
        adjacency[u][v] = adjacency[v][u] = w;
    }
    const graph::DijkstraSteps steps = graph::FindDijkstraSteps(adjacency);
    const auto step = [&](std::size_t k) {  // over the «Связи» drawing
        plot::DrawingSurface surface;
        surface.DrawNodes(points);
        surface.DrawLinks(points, adjacency);
        surface.DrawDijkstraStep(points, steps.steps[k]);
        return surface.Image();
    };
    plot::LabelImages magenta(QColor(192, 0, 192));

    // Step 1 settles node 1 and relaxes its two links.
    const QImage first = step(1);
    EXPECT_EQ(At(first, 140, 160), teal);
    // The ring is whole, over the numbers beside the node too.
    for (const auto& [dx, dy] : {std::pair{0, -6}, {6, 0}, {0, 6}, {-6, 0}, {4, -5}, {4, 4}}) {
        EXPECT_EQ(At(first, 140 + dx, 160 + dy), teal) << dx << ", " << dy;
    }
    EXPECT_EQ(At(first, 160, 164), skyBlue);
    EXPECT_EQ(At(first, 170, 160), skyBlue);
    EXPECT_EQ(At(first, 220, 240), kBlue);
    for (const auto& [node, label] :
         {std::pair{1, magenta.Get(5)}, {2, magenta.Infinity()}, {5, magenta.Get(20)}}) {
        EXPECT_TRUE(ShowsAt(first, points[node].X + 3, points[node].Y - 14, label)) << node;
    }
    // Step 2 settles node 2: node 6 is now reached through it, so link 1-6
    // is neither relaxed nor a predecessor's any more, and 1-2 stays one.
    const QImage second = step(2);
    EXPECT_EQ(At(second, 240, 180), teal);
    EXPECT_NE(At(second, 140, 154), teal);
    EXPECT_EQ(At(second, 160, 164), orange);
    EXPECT_EQ(At(second, 170, 160), kGreen);
    EXPECT_EQ(At(second, 260, 170), skyBlue);
    EXPECT_TRUE(ShowsAt(second, 283, 146, magenta.Get(10)));
}

}  // namespace
