// Dijkstra's search drawn step by step over the links of the sample nodes
// with links 1-2 = 5, 2-6 = 5, 1-6 = 20: what each colour marks, how the
// links to predecessors follow the step, and the last step's distances.
#include <gtest/gtest.h>

#include "dijkstra_steps.h"
#include "drawing_surface.h"
#include "surface_pixels.h"

namespace {

using namespace plot_test;
using plot::DrawingSurface;

const QRgb kOrange = qRgb(255, 160, 0);
const QRgb kSkyBlue = qRgb(0, 160, 255);
const QRgb kTeal = DrawingSurface::SettledColor().rgb();

class StepDrawing : public testing::Test {
protected:
    StepDrawing() {
        for (const auto& [u, v, w] : {std::tuple{0, 1, 5}, {1, 5, 5}, {0, 5, 20}}) {
            adjacency_[u][v] = adjacency_[v][u] = w;
        }
        steps_ = graph::FindDijkstraSteps(adjacency_);
    }

    // The «Связи» drawing with `step` over it.
    QImage Step(std::size_t step) {
        DrawingSurface surface;
        surface.DrawNodes(points_);
        surface.DrawLinks(points_, adjacency_);
        surface.DrawDijkstraStep(points_, steps_.steps[step]);
        return surface.Image();
    }

    const graph::NodePoints points_ = {{140, 160}, {240, 180}, {220, 240},
                                       {140, 240}, {180, 210}, {280, 160}};
    graph::AdjacencyMatrix adjacency_ = graph::AdjacencyMatrix(6, std::vector<std::int32_t>(6, -1));
    graph::DijkstraSteps steps_;
    plot::LabelImages magenta_{QColor(192, 0, 192)};
};

TEST_F(StepDrawing, SettledRingedRelaxedAndPredecessorLinks) {
    const QImage first = Step(1), second = Step(2);
    // Step 1 settles node 1 and relaxes its two links.
    EXPECT_EQ(At(first, 140, 160), kTeal);
    EXPECT_EQ(At(first, 140, 154), kTeal);  // the ring
    EXPECT_EQ(At(first, 160, 164), kSkyBlue);
    EXPECT_EQ(At(first, 170, 160), kSkyBlue);
    EXPECT_EQ(At(first, 220, 240), kBlue);
    for (const auto& [node, label] : {std::pair{0, magenta_.Get(0)},
                                      {1, magenta_.Get(5)},
                                      {2, magenta_.Infinity()},
                                      {5, magenta_.Get(20)}}) {
        EXPECT_TRUE(ShowsAt(first, points_[node].X + 3, points_[node].Y - 14, label)) << node;
    }
    // Step 2 settles node 2: node 6 is now reached through it, so link 1-6
    // is neither relaxed nor a predecessor's any more, and 1-2 stays one.
    EXPECT_EQ(At(second, 240, 180), kTeal);
    EXPECT_NE(At(second, 140, 154), kTeal);
    EXPECT_EQ(At(second, 160, 164), kOrange);
    EXPECT_EQ(At(second, 170, 160), kGreen);
    EXPECT_EQ(At(second, 260, 170), kSkyBlue);
    EXPECT_TRUE(ShowsAt(second, 283, 146, magenta_.Get(10)));
}

TEST_F(StepDrawing, TheLastStepWritesDistancesFromNodeOne) {
    DrawingSurface surface;
    surface.DrawAnswer(points_, {{0, 1}, {1, 5}}, steps_.way->way, graph::FinalDistances(steps_));
    EXPECT_EQ(At(surface.Image(), 160, 164), kRed);
    EXPECT_TRUE(ShowsAt(surface.Image(), 143, 146, magenta_.Get(0)));
    EXPECT_TRUE(ShowsAt(surface.Image(), 283, 146, magenta_.Get(10)));
    EXPECT_TRUE(ShowsAt(surface.Image(), 143, 226, magenta_.Infinity()));
}

}  // namespace
