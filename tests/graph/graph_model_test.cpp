// Reading the node table and the adjacency table into the model: the values,
// the reading order, and what a failing cell leaves behind.
#include "graph/graph_model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "graph/cell_text.h"
#include "graph/node_layout.h"

namespace {

using graph::AdjacencyMatrix;
using graph::CellStore;
using graph::ConversionError;
using graph::NodePoint;
using graph::NodePoints;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// The node table with one row of (X, Y) texts per node, from row 1.
CellStore NodeTable(std::initializer_list<std::pair<std::string, std::string>> rows) {
    CellStore table;
    int row = 1;
    for (const auto& [x, y] : rows) {
        table.SetCellText(1, row, x);
        table.SetCellText(2, row, y);
        ++row;
    }
    return table;
}

// Calls `read` and returns the message of the ConversionError it must throw.
template <typename Read>
std::string ConversionMessage(Read read) {
    try {
        read();
    } catch (const ConversionError& error) {
        return error.what();
    }
    ADD_FAILURE() << "no ConversionError";
    return {};
}

TEST(PlotToSurface, MapsThePlotCornersAndSaturatesBeyondTheIntegerRange) {
    struct Case {
        std::int32_t x, y;
        NodePoint expected;
    };
    const Case cases[] = {
        {0, 0, {200, 200}},
        {-200, 200, {0, 0}},
        {200, -200, {400, 400}},
        {-60, 40, {140, 160}},
        {kMax - 200, kMin + 201, {kMax, kMax}},
        {kMax - 199, kMin + 200, {kMax, kMax}},
        {kMax, kMin, {kMax, kMax}},
        {kMin, kMax, {kMin + 200, 200 - kMax}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        EXPECT_EQ(graph::PlotToSurface(c.x, c.y), c.expected);
    }
}

TEST(CellRules, TheDiagonalIsNotLookedAtAndOnlyTheEmptyLinkIsNoLink) {
    EXPECT_EQ(ConversionMessage([] { graph::LinkWeight(0, 1, " "); }),
              "' ' is not a valid integer value");
    EXPECT_EQ(ConversionMessage([] { graph::CoordinateValue(""); }),
              "'' is not a valid integer value");
    EXPECT_EQ(graph::LinkWeight(2, 2, "not looked at"), graph::kNoLink);
    EXPECT_EQ(graph::LinkWeight(0, 1, ""), graph::kNoLink);
    EXPECT_EQ(graph::LinkWeight(1, 0, " $1F"), 31);
    EXPECT_EQ(graph::LinkWeight(1, 0, "-7"), -7);
    EXPECT_EQ(graph::CoordinateValue("-2147483648"), kMin);
}

TEST(ReadNodePoints, TheSixSampleNodesBecomeTheirPixelPositions) {
    CellStore table;
    for (int row = 1; row <= 6; ++row) {
        table.SetCellText(1, row, std::to_string(graph::kSampleNodes[row - 1].first));
        table.SetCellText(2, row, std::to_string(graph::kSampleNodes[row - 1].second));
    }
    NodePoints points;
    AdjacencyMatrix adjacency;
    graph::ReadNodePoints(table, 6, points, adjacency);
    EXPECT_EQ(points,
              (NodePoints{{140, 160}, {240, 180}, {220, 240}, {140, 240}, {180, 210}, {280, 160}}));
    EXPECT_EQ(adjacency, AdjacencyMatrix(6, std::vector<std::int32_t>(6, 0)));
}

TEST(ReadNodePoints, ResizingKeepsSurvivingEntriesAndStartsNewOnesAtZero) {
    NodePoints points;
    AdjacencyMatrix adjacency;
    graph::ReadNodePoints(NodeTable({{"0", "0"}, {"1", "1"}, {"2", "2"}}), 3, points, adjacency);
    adjacency[0][1] = 7;
    adjacency[2][0] = 9;
    graph::ReadNodePoints(NodeTable({{"0", "0"}, {"1", "1"}}), 2, points, adjacency);
    EXPECT_EQ(points, (NodePoints{{200, 200}, {201, 199}}));
    EXPECT_EQ(adjacency, (AdjacencyMatrix{{0, 7}, {0, 0}}));
}

TEST(ReadNodePoints, Node3HoldingAbcKeepsNodes1And2NewAndTheRestOld) {
    NodePoints points;
    AdjacencyMatrix adjacency;
    graph::ReadNodePoints(NodeTable({{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}}), 4, points,
                          adjacency);
    const CellStore table = NodeTable({{"-60", "40"},
                                       {"40", "20"},
                                       {"abc", "-40"},
                                       {"-60", "-40"},
                                       {"-20", "-10"},
                                       {"80", "40"}});
    EXPECT_EQ(ConversionMessage([&] { graph::ReadNodePoints(table, 6, points, adjacency); }),
              "'abc' is not a valid integer value");
    EXPECT_EQ(points, (NodePoints{{140, 160}, {240, 180}, {203, 197}, {204, 196}, {0, 0}, {0, 0}}));
    // The model was sized before the first cell was read.
    ASSERT_EQ(adjacency.size(), 6u);
    for (const auto& row : adjacency) EXPECT_EQ(row.size(), 6u);
}

TEST(ReadNodePoints, XIsStoredBeforeABadYOfTheSameNode) {
    NodePoints points{{5, 5}, {6, 6}};
    AdjacencyMatrix adjacency;
    const CellStore table = NodeTable({{"10", "10"}, {"20", "twenty"}});
    EXPECT_EQ(ConversionMessage([&] { graph::ReadNodePoints(table, 2, points, adjacency); }),
              "'twenty' is not a valid integer value");
    EXPECT_EQ(points, (NodePoints{{210, 190}, {220, 6}}));
}

TEST(ReadNodePoints, AnEmptyCoordinateFailsQuotingTheEmptyText) {
    NodePoints points;
    AdjacencyMatrix adjacency;
    const CellStore table = NodeTable({{"10", "10"}, {"", "5"}});
    EXPECT_EQ(ConversionMessage([&] { graph::ReadNodePoints(table, 2, points, adjacency); }),
              "'' is not a valid integer value");
}

TEST(ReadAdjacency, ColumnCIsTheLinkFromNodeCAndRowRTheLinkToNodeR) {
    CellStore table;
    table.SetCellText(1, 2, "3");    // 1 -> 2
    table.SetCellText(2, 1, "0");    // 2 -> 1, usable at no cost
    table.SetCellText(1, 3, "-5");   // 1 -> 3, a typed negative weight
    table.SetCellText(3, 2, "$1F");  // 3 -> 2
    table.SetCellText(2, 2, "7");    // diagonal: ignored and emptied
    table.SetCellText(0, 1, "1");    // header cells are not read
    AdjacencyMatrix adjacency(3, std::vector<std::int32_t>(3, 42));
    graph::ReadAdjacency(table, 3, adjacency);
    EXPECT_EQ(adjacency, (AdjacencyMatrix{{-1, 3, -5}, {0, -1, -1}, {-1, 31, -1}}));
    EXPECT_EQ(table.CellText(2, 2), "");
    EXPECT_EQ(table.CellText(1, 2), "3");
    EXPECT_EQ(table.CellText(0, 1), "1");
}

TEST(ReadAdjacency, AFailingCellIsTheFirstInColumnOrderAndEarlierEntriesAreSet) {
    // Read row by row, (3, 1) would come first; read column by column it is
    // (2, 3).
    CellStore table;
    for (int c = 1; c <= 4; ++c) {
        for (int r = 1; r <= 4; ++r) table.SetCellText(c, r, std::to_string(10 * c + r));
    }
    table.SetCellText(2, 3, "bad23");
    table.SetCellText(3, 1, "bad31");
    AdjacencyMatrix adjacency(4, std::vector<std::int32_t>(4, 42));
    EXPECT_EQ(ConversionMessage([&] { graph::ReadAdjacency(table, 4, adjacency); }),
              "'bad23' is not a valid integer value");
    EXPECT_EQ(
        adjacency,
        (AdjacencyMatrix{{-1, 12, 13, 14}, {21, -1, 42, 42}, {42, 42, 42, 42}, {42, 42, 42, 42}}));
    // Diagonal cells before the failure were emptied, later ones were not.
    EXPECT_EQ(table.CellText(1, 1), "");
    EXPECT_EQ(table.CellText(2, 2), "");
    EXPECT_EQ(table.CellText(3, 3), "33");
    EXPECT_EQ(table.CellText(4, 4), "44");
}

TEST(ReadAdjacency, ACellOfSpacesIsNotEmptyAndFails) {
    CellStore table;
    table.SetCellText(1, 2, "  ");
    AdjacencyMatrix adjacency(2, std::vector<std::int32_t>(2, 0));
    EXPECT_EQ(ConversionMessage([&] { graph::ReadAdjacency(table, 2, adjacency); }),
              "'  ' is not a valid integer value");
}

TEST(ReadAdjacency, ReadsOnlyTheFirstNColumnsAndRowsOfALargerTable) {
    CellStore table;
    table.SetCellText(1, 2, "4");
    table.SetCellText(3, 1, "nonsense beyond the node count");
    table.SetCellText(1, 3, "nonsense beyond the node count");
    NodePoints points;
    AdjacencyMatrix adjacency;
    graph::ReadNodePoints(NodeTable({{"0", "0"}, {"0", "0"}}), 2, points, adjacency);
    graph::ReadAdjacency(table, 2, adjacency);
    EXPECT_EQ(adjacency, (AdjacencyMatrix{{-1, 4}, {-1, -1}}));
}

}  // namespace
