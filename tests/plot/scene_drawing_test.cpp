// Nodes, links and the way on the surface: colours and shapes, where the
// numbers go (weights at the rounded midpoint), what is left out, and
// nodes far outside the picture.
#include <gtest/gtest.h>
#include <QPainter>

#include <cstdint>
#include <limits>
#include <vector>

#include "graph/node_layout.h"
#include "plot/drawing_surface.h"
#include "plot/label_images.h"
#include "tests/plot/surface_pixels.h"

namespace {

using namespace plot_test;
using graph::AdjacencyMatrix;
using graph::NodePoints;
using plot::DrawingSurface;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// The six sample nodes, in surface pixels.
const NodePoints kSample = [] {
    NodePoints points;
    for (const auto& [x, y] : graph::kSampleNodes) points.push_back(graph::PlotToSurface(x, y));
    return points;
}();

// An n x n matrix without links, with the symmetric `links` (u, v, weight)
// added.
struct Link {
    int u;
    int v;
    std::int32_t weight;
};
AdjacencyMatrix Matrix(std::size_t n, const std::vector<Link>& links) {
    AdjacencyMatrix matrix(n, std::vector<std::int32_t>(n, graph::kNoLink));
    for (const Link& link : links) {
        matrix[link.u][link.v] = link.weight;
        matrix[link.v][link.u] = link.weight;
    }
    return matrix;
}

class SceneDrawing : public testing::Test {
protected:
    const QImage& Image() const { return surface_.Image(); }

    DrawingSurface surface_;
    plot::LabelImages labels_;
};

TEST_F(SceneDrawing, NumbersArePicturesOfTheirTextOnWhite) {
    for (const std::int32_t number : {0, 7, 100, -200, kMin}) {
        SCOPED_TRACE(number);
        const QImage& label = labels_.Get(number);
        EXPECT_EQ(label.format(), QImage::Format_RGB32);
        EXPECT_EQ(At(label, 0, 0), kWhite);
        EXPECT_GT(InkPixels(label, label.rect()), 5);
    }
    EXPECT_GT(labels_.Get(kMin).width(), labels_.Get(-200).width());
    EXPECT_GT(labels_.Get(100).width(), labels_.Get(7).width());
}

TEST_F(SceneDrawing, NodeIsABlueDotWithItsNumberBelowRight) {
    surface_.DrawNodes({{200, 200}, {100, 50}});

    for (const auto& [x, y] : std::vector<std::pair<int, int>>{
             {200, 200}, {198, 200}, {202, 200}, {200, 198}, {200, 202}, {199, 201}}) {
        EXPECT_EQ(At(Image(), x, y), kBlue) << x << ", " << y;
    }
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{
             {197, 200}, {200, 197}, {198, 198}, {202, 202}, {200, 203}}) {
        EXPECT_EQ(At(Image(), x, y), kWhite) << x << ", " << y;
    }
    EXPECT_TRUE(ShowsAt(Image(), 203, 203, labels_.Get(1)));
    EXPECT_GT(InkPixels(Image(), QRect(203, 203, 20, 14)), 3);
    EXPECT_FALSE(ShowsAt(Image(), 204, 203, labels_.Get(1)));
    EXPECT_FALSE(ShowsAt(Image(), 203, 204, labels_.Get(1)));
    EXPECT_EQ(At(Image(), 100, 50), kBlue);
    EXPECT_TRUE(ShowsAt(Image(), 103, 53, labels_.Get(2)));
}

TEST_F(SceneDrawing, NodeNumberBoxCoversWhatLiesUnder) {
    // The box is opaque: drawn over a link its white shows, not the green.
    surface_.DrawLinks({{100, 206}, {300, 206}}, Matrix(2, {{0, 1, 1}}));
    ASSERT_EQ(At(Image(), 153, 206), kGreen);
    surface_.DrawNodes({{150, 203}});
    EXPECT_TRUE(ShowsAt(Image(), 153, 206, labels_.Get(1)));
    EXPECT_EQ(At(Image(), 153, 206), kWhite);
}

TEST_F(SceneDrawing, SampleLinksAndTheirWeights) {
    const AdjacencyMatrix matrix = Matrix(6, {{0, 1, 7}, {1, 5, 12}, {0, 5, 30}});
    surface_.DrawLinks(kSample, matrix);

    EXPECT_TRUE(ShowsAt(Image(), 190, 170, labels_.Get(7)));
    EXPECT_TRUE(ShowsAt(Image(), 260, 170, labels_.Get(12)));
    EXPECT_TRUE(ShowsAt(Image(), 210, 160, labels_.Get(30)));
    // Pixels where the lines pass through whole pixels, clear of the labels.
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(At(Image(), 140 + 5 * k, 160 + k), kGreen) << "1-2, k = " << k;
        EXPECT_EQ(At(Image(), 142 + 7 * k, 160), kGreen) << "1-6, k = " << k;
    }
    for (int k = 1; k < 5; ++k) {
        EXPECT_EQ(At(Image(), 240 + 2 * k, 180 - k), kGreen) << "2-6, k = " << k;
    }
    // Nodes 3, 4 and 5 have no links.
    EXPECT_EQ(At(Image(), 180, 225), kWhite);
    EXPECT_EQ(At(Image(), 200, 240), kWhite);
}

TEST_F(SceneDrawing, WeightsGoToTheMidpointRoundedHalfToEven) {
    struct Case {
        graph::NodePoint a;
        graph::NodePoint b;
        int x;
        int y;
    };
    const Case cases[] = {
        {{140, 160}, {240, 180}, 190, 170},  // exact
        {{140, 160}, {241, 181}, 190, 170},  // 190.5, 170.5
        {{141, 161}, {240, 180}, 190, 170},  // 190.5, 170.5
        {{143, 163}, {240, 180}, 192, 172},  // 191.5, 171.5
        {{-10, 100}, {5, 101}, -2, 100},     // -2.5, 100.5
        {{-11, 30}, {8, 40}, -2, 35},        // -1.5, 35
        {{kMax, 10}, {kMax - 398, 10}, kMax - 199, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "(" << c.a.X << ", " << c.a.Y << ") - (" << c.b.X << ", " << c.b.Y << ")");
        DrawingSurface surface;
        surface.DrawLinks({c.a, c.b}, Matrix(2, {{0, 1, 8}}));
        const QImage& label = labels_.Get(8);
        if (c.x >= -label.width() && c.x < 400) {
            EXPECT_TRUE(ShowsAt(surface.Image(), c.x, c.y, label));
            EXPECT_FALSE(ShowsAt(surface.Image(), c.x + 1, c.y, label));
            EXPECT_FALSE(ShowsAt(surface.Image(), c.x - 1, c.y, label));
            EXPECT_FALSE(ShowsAt(surface.Image(), c.x, c.y + 1, label));
            EXPECT_FALSE(ShowsAt(surface.Image(), c.x, c.y - 1, label));
        } else {
            EXPECT_EQ(surface.Image(), DrawingSurface().Image());
        }
    }
}

TEST_F(SceneDrawing, WeightsOfZeroAndBelowAreNotDrawn) {
    const NodePoints points = {{100, 100}, {300, 300}, {100, 300}};
    AdjacencyMatrix matrix = Matrix(3, {{0, 1, 0}, {1, 2, -5}});
    matrix[0][2] = kMin;
    surface_.DrawLinks(points, matrix);
    EXPECT_EQ(Image(), DrawingSurface().Image());

    // One half of a link is enough to draw it.
    matrix[2][0] = 3;
    surface_.DrawLinks(points, matrix);
    EXPECT_EQ(At(Image(), 100, 150), kGreen);
    EXPECT_TRUE(ShowsAt(Image(), 100, 200, labels_.Get(3)));
}

TEST_F(SceneDrawing, WayIsRedAndOverEverything) {
    const AdjacencyMatrix matrix = Matrix(6, {{0, 1, 7}, {1, 5, 12}, {0, 5, 30}});
    surface_.DrawNodes(kSample);
    surface_.DrawLinks(kSample, matrix);
    surface_.DrawWay(kSample, {0, 1, 5});

    for (int k = 0; k <= 20; ++k) {
        EXPECT_EQ(At(Image(), 140 + 5 * k, 160 + k), kRed) << "1-2, k = " << k;
    }
    for (int k = 0; k < 20; ++k) {
        EXPECT_EQ(At(Image(), 240 + 2 * k, 180 - k), kRed) << "2-6, k = " << k;
    }
    // Two pixels wide: one more row beside the line, but not two.
    EXPECT_EQ(At(Image(), 215, 174), kRed);
    EXPECT_NE(At(Image(), 215, 176), kRed);
    EXPECT_NE(At(Image(), 215, 173), kRed);
    // Across the weight's box at (190, 170) and the node dots.
    EXPECT_EQ(At(Image(), 190, 170), kRed);
    EXPECT_EQ(At(Image(), 240, 180), kRed);
    // The link 1-6 is not on the way.
    EXPECT_EQ(At(Image(), 170, 160), kGreen);
}

TEST_F(SceneDrawing, FarNodesAreClippedAndStillDrawnWhereTheyFall) {
    const NodePoints points = {{200, 200},   {kMax, 200},  {kMin, kMin}, {kMax, kMax},
                               {kMin, kMax}, {kMax, kMin}, {200, kMin},  {-5000, 1}};
    AdjacencyMatrix all(points.size(), std::vector<std::int32_t>(points.size(), 1));
    for (std::size_t i = 0; i < points.size(); ++i) all[i][i] = graph::kNoLink;
    graph::Way way;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(points.size()); ++i) way.push_back(i);

    surface_.DrawNodes(points);
    surface_.DrawLinks(points, all);
    EXPECT_EQ(At(Image(), 399, 200), kGreen);  // to (kMax, 200)
    EXPECT_EQ(At(Image(), 300, 200), kGreen);
    EXPECT_EQ(At(Image(), 50, 50), kGreen);  // the diagonal (kMin, kMin) - (kMax, kMax)
    EXPECT_EQ(At(Image(), 380, 380), kGreen);
    EXPECT_EQ(At(Image(), 200, 100), kGreen);  // up to (200, kMin)
    surface_.DrawWay(points, way);
    EXPECT_EQ(At(Image(), 350, 200), kRed);
    EXPECT_EQ(At(Image(), 200, 200), kRed);
}

TEST_F(SceneDrawing, CutLinesMatchLinesDrawnWhole) {
    // Ends a few thousand pixels out are cut back before drawing; QPainter
    // still copes with them uncut, so the two can be compared. The sums of
    // the ends are even, so the weight's place is plain.
    const std::vector<std::pair<graph::NodePoint, graph::NodePoint>> lines = {
        {{-9000, 124}, {9000, 276}},    {{200, 200}, {-7000, -6000}}, {{32, -8000}, {390, 9000}},
        {{-6000, 6400}, {6400, -6000}}, {{350, 10}, {20000, 300}},
    };
    const auto countDifferences = [](const QImage& a, const QImage& b) {
        int differing = 0;
        for (int y = 0; y < 400; ++y) {
            for (int x = 0; x < 400; ++x) differing += At(a, x, y) != At(b, x, y);
        }
        return differing;
    };
    for (const auto& [a, b] : lines) {
        SCOPED_TRACE(testing::Message() << a.X << ", " << a.Y << " - " << b.X << ", " << b.Y);
        DrawingSurface link;
        link.DrawLinks({a, b}, {{-1, 1}, {-1, -1}});
        DrawingSurface way;
        way.DrawWay({a, b}, {0, 1});

        QImage wholeLink = DrawingSurface().Image();
        QImage wholeWay = wholeLink;
        QPainter painter(&wholeLink);
        painter.setPen(QPen(QColor(0, 128, 0), 1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(a.X, a.Y, b.X, b.Y);
        painter.drawImage((a.X + b.X) / 2, (a.Y + b.Y) / 2, labels_.Get(1));
        painter.end();
        painter.begin(&wholeWay);
        painter.setPen(QPen(QColor(255, 0, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(a.X, a.Y, b.X, b.Y);
        painter.end();

        EXPECT_NE(wholeLink, DrawingSurface().Image());
        EXPECT_NE(wholeWay, DrawingSurface().Image());
        EXPECT_LE(countDifferences(link.Image(), wholeLink), 2);
        // The wide pen's edges fall on pixel centres; cut ends in fractions
        // of a pixel may tip a few of them either way.
        int red = 0;
        for (int y = 0; y < 400; ++y) {
            for (int x = 0; x < 400; ++x) red += At(wholeWay, x, y) == kRed;
        }
        EXPECT_LE(countDifferences(way.Image(), wholeWay), red / 40);
    }
}

}  // namespace
