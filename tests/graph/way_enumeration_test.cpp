// The exhaustive enumeration that defines the answer: which ways it lists, in
// which order, and which of them it chooses.
#include "graph/way_enumeration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

using graph::AdjacencyMatrix;
using graph::Way;
using graph::WayList;

AdjacencyMatrix Complete(int n, std::int32_t weight) {
    AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, weight));
    for (int i = 0; i < n; ++i) adjacency[i][i] = graph::kNoLink;
    return adjacency;
}

// Every sequence 0, (distinct inner nodes from 1..n-2), n-1, built from
// subsets and their permutations rather than by a walk through the graph.
WayList AllSimpleWaysOfTheCompleteGraph(int n) {
    WayList ways;
    const int inner = n - 2;
    for (unsigned mask = 0; mask < (1u << inner); ++mask) {
        Way middle;
        for (int i = 0; i < inner; ++i) {
            if (mask & (1u << i)) middle.push_back(i + 1);
        }
        do {
            Way way{0};
            way.insert(way.end(), middle.begin(), middle.end());
            way.push_back(n - 1);
            ways.push_back(way);
        } while (std::next_permutation(middle.begin(), middle.end()));
    }
    std::sort(ways.begin(), ways.end());
    return ways;
}

TEST(GetAllWays, TheCompleteGraphOn6NodesHas65WaysInLexicographicOrder) {
    WayList ways;
    graph::GetAllWays(ways, Way{0}, 6, Complete(6, 1));
    ASSERT_EQ(ways.size(), 65u);  // 1 + 4 + 12 + 24 + 24
    EXPECT_EQ(ways, AllSimpleWaysOfTheCompleteGraph(6));
    EXPECT_EQ(ways.front(), (Way{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(ways.back(), (Way{0, 5}));
    int byLinks[6] = {};
    for (const Way& way : ways) ++byLinks[way.size() - 1];
    EXPECT_EQ(std::vector<int>(byLinks + 1, byLinks + 6), (std::vector<int>{1, 4, 12, 24, 24}));
}

TEST(GetAllWays, ListsEverySimpleWayOfLargerCompleteGraphsInOrder) {
    for (int n = 2; n <= 8; ++n) {
        WayList ways;
        graph::GetAllWays(ways, Way{0}, n, Complete(n, 0));
        EXPECT_EQ(ways, AllSimpleWaysOfTheCompleteGraph(n)) << "n = " << n;
    }
}

TEST(GetAllWays, NeverPassesThroughTheLastNode) {
    // Links 1-4, 4-2 and 2-3 both ways: 1-4-2-3 would lead on past node 4.
    AdjacencyMatrix adjacency = Complete(4, graph::kNoLink);
    auto link = [&](int a, int b) { adjacency[a - 1][b - 1] = adjacency[b - 1][a - 1] = 1; };
    link(1, 4);
    link(4, 2);
    link(2, 3);
    WayList ways;
    graph::GetAllWays(ways, Way{0}, 4, adjacency);
    EXPECT_EQ(ways, (WayList{{0, 3}}));
}

TEST(GetAllWays, ReadsLinksFromTheWaysEndToTheCandidateAndSkipsNegativeOnes) {
    // 0 -> 1 usable, 1 -> 0 not; 1 -> 2 typed as -5; 0 -> 2 only backwards.
    AdjacencyMatrix adjacency{{-1, 0, -1}, {-1, -1, -5}, {4, 2, -1}};
    WayList ways;
    graph::GetAllWays(ways, Way{0}, 3, adjacency);
    EXPECT_TRUE(ways.empty());
    adjacency[1][2] = 0;
    graph::GetAllWays(ways, Way{0}, 3, adjacency);
    EXPECT_EQ(ways, (WayList{{0, 1, 2}}));
}

TEST(GetAllWays, ExtendsAPartialWayAndAppendsToTheList) {
    WayList ways{{7}};
    graph::GetAllWays(ways, Way{0, 2}, 5, Complete(5, 1));
    EXPECT_EQ(
        ways,
        (WayList{{7}, {0, 2, 1, 3, 4}, {0, 2, 1, 4}, {0, 2, 3, 1, 4}, {0, 2, 3, 4}, {0, 2, 4}}));
}

TEST(ChooseShortestWay, TakesTheFirstOfTheShortestAndNothingFromAnEmptyList) {
    const AdjacencyMatrix adjacency{
        {-1, 2, 1, 5}, {-1, -1, -1, 3}, {-1, -1, -1, 4}, {-1, -1, -1, -1}};
    EXPECT_FALSE(graph::ChooseShortestWay({}, adjacency).has_value());
    const auto chosen = graph::ChooseShortestWay({{0, 1, 3}, {0, 2, 3}, {0, 3}}, adjacency);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (graph::ShortestWay{{0, 1, 3}, 5}));
    EXPECT_EQ(graph::ChooseShortestWay({{0, 2, 3}, {0, 1, 3}, {0, 3}}, adjacency)->way,
              (Way{0, 2, 3}));
}

TEST(WayLength, SumsHeavyLinksExactlyPast32Bits) {
    const std::int32_t heavy = 2147483647;
    const AdjacencyMatrix adjacency{{-1, heavy, -1}, {-1, -1, heavy}, {-1, -1, -1}};
    EXPECT_EQ(graph::WayLength({0, 1, 2}, adjacency), std::int64_t{2} * heavy);
    EXPECT_EQ(graph::WayLength({0, 1}, adjacency), heavy);
    EXPECT_EQ(graph::WayLength({0}, adjacency), 0);
}

TEST(WayText, JoinsNodeNumbersWithDashes) {
    EXPECT_EQ(graph::WayText({0, 2, 5}), "1-3-6");
    EXPECT_EQ(graph::WayText({0, 99}), "1-100");
    EXPECT_EQ(graph::WayText({}), "");
}

}  // namespace
