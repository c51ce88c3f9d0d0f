// CheckLayout on hand-made placements, one rule broken at a time, and on
// coordinates far outside the plot.
#include "graph/layout_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using graph::AdjacencyMatrix;
using graph::LayoutVerdict;
using graph::NodePlaces;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// Links (from, to, weight) by node numbers as on screen, one way each.
AdjacencyMatrix OneWay(std::size_t n, std::initializer_list<std::array<std::int32_t, 3>> links) {
    AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
    for (const auto& [from, to, weight] : links) adjacency[from - 1][to - 1] = weight;
    return adjacency;
}

AdjacencyMatrix BothWays(std::size_t n, std::initializer_list<std::array<std::int32_t, 3>> links) {
    AdjacencyMatrix adjacency = OneWay(n, links);
    for (const auto& [from, to, weight] : links) adjacency[to - 1][from - 1] = weight;
    return adjacency;
}

std::string Text(const LayoutVerdict& v) {
    return "outside " + std::to_string(v.nodesOutside) + ", close " + std::to_string(v.closeNodes) +
           ", near " + std::to_string(v.linksNearNodes) + ", covered " +
           std::to_string(v.coveredMarks) + ", misplaced " + std::to_string(v.misplacedEnds) +
           ", crossings " + std::to_string(v.crossings);
}

struct Case {
    const char* name;
    AdjacencyMatrix adjacency;
    NodePlaces places;
    LayoutVerdict expected;
};

TEST(CheckLayout, CountsEachRuleBroken) {
    const Case cases[] = {
        {"apart", BothWays(3, {{1, 2, 5}}), {{-100, 50}, {0, 120}, {100, 50}}, {}},
        {"two nodes 20 apart",
         BothWays(3, {}),
         {{-100, 50}, {-80, 50}, {100, 50}},
         {.closeNodes = 1}},
        {"a link 8 from a node",
         BothWays(3, {{1, 3, 5}}),
         {{-100, 50}, {-50, 58}, {100, 50}},
         {.linksNearNodes = 1}},
        {"a link 11 from a node", BothWays(3, {{1, 3, 5}}), {{-100, 50}, {-50, 61}, {100, 50}}, {}},
        {"a link of weight 0 is not drawn",
         BothWays(3, {{1, 3, 0}}),
         {{-100, 50}, {-50, 58}, {100, 50}},
         {}},
        {"crossing links",
         BothWays(4, {{1, 4, 5}, {2, 3, 6}}),
         {{-150, 60}, {-40, 150}, {-40, -10}, {110, 60}},
         {.crossings = 1}},
        {"crossing at both midpoints",
         BothWays(4, {{1, 4, 5}, {2, 3, 7}}),
         {{-150, 150}, {-140, 50}, {40, 150}, {50, 50}},
         {.coveredMarks = 1, .crossings = 1}},
        {"a weight on the axis number 100",
         BothWays(2, {{1, 2, 5}}),
         {{40, -6}, {160, -6}},
         {.coveredMarks = 1}},
        {"a weight on a node",
         BothWays(3, {{1, 3, 5}}),
         {{-100, 50}, {-4, 36}, {100, 50}},
         {.coveredMarks = 1}},
        {"a link drawn twice with one weight",
         BothWays(2, {{1, 2, 9}}),
         {{-100, 50}, {100, 80}},
         {}},
        {"a link drawn twice with two weights",
         OneWay(2, {{1, 2, 9}, {2, 1, 8}}),
         {{-100, 50}, {100, 80}},
         {.coveredMarks = 1}},
        {"node 2 left of node 1",
         BothWays(3, {}),
         {{0, 100}, {-100, 100}, {100, -100}},
         {.misplacedEnds = 1}},
        {"the last node left of node 1",
         BothWays(2, {}),
         {{100, 0}, {-100, 0}},
         {.misplacedEnds = 1}},
        {"outside", BothWays(2, {}), {{-181, 0}, {100, 180}}, {.nodesOutside = 1}},
        {"far outside",
         BothWays(3, {{1, 3, kMax}}),
         {{kMin, kMax}, {0, 0}, {kMax, kMin}},
         {.nodesOutside = 2, .linksNearNodes = 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Text(graph::CheckLayout(c.adjacency, c.places)), Text(c.expected));
    }
}

TEST(CheckLayout, FixedBoxesGrowWithTheText) {
    EXPECT_EQ(graph::FixedTextBox(0).width, 8);
    EXPECT_EQ(graph::FixedTextBox(20).width, 16);
    EXPECT_EQ(graph::FixedTextBox(-200).width, 29);
    EXPECT_EQ(graph::FixedTextBox(kMin).width, 85);
    EXPECT_EQ(graph::FixedTextBox(7).height, 14);
}

}  // namespace
