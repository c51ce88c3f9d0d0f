// ReadableLayout on inputs beyond the textbook's (the rules on textbook
// graphs are checked with the plot's own boxes in tests/plot): every node
// gets a place inside the plot with node 1 leftmost and the last node
// rightmost, the same places every time, and the work ends.
#include "graph/readable_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "graph/layout_rules.h"
#include "tests/textbook_graphs.h"

namespace {

using graph::AdjacencyMatrix;

AdjacencyMatrix Filled(std::size_t n, std::int32_t weight) {
    AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, weight));
    for (std::size_t u = 0; u < n; ++u) adjacency[u][u] = graph::kNoLink;
    return adjacency;
}

AdjacencyMatrix Path(std::size_t n, std::int32_t weight) {
    AdjacencyMatrix adjacency = Filled(n, graph::kNoLink);
    for (std::size_t u = 0; u + 1 < n; ++u) adjacency[u][u + 1] = adjacency[u + 1][u] = weight;
    return adjacency;
}

TEST(ReadableLayout, PlacesEveryNodeOfAnyMatrix) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const struct {
        const char* name;
        AdjacencyMatrix adjacency;
    } cases[] = {
        {"one node", Filled(1, 5)},
        {"two nodes, no link", Filled(2, graph::kNoLink)},
        {"links of weight 0 only", Filled(6, 0)},
        {"one-way links of other weights", {{-1, 5, 2}, {7, -1, -1}, {-1, 9, -1}}},
        {"short rows", {{-1, 5, 3}, {5}, {}}},
        {"the largest weights", Path(8, kMax)},
        {"complete, 20 nodes", Filled(20, 7)},
        {"complete, 100 nodes", Filled(100, 20)},
        {"textbook, 100 nodes", TextbookGraph(1, 100)},
        {"a path of 400 nodes", Path(400, 3)},
    };
    for (const auto& [name, adjacency] : cases) {
        SCOPED_TRACE(name);
        const graph::NodePlaces places = graph::ReadableLayout(adjacency);
        ASSERT_EQ(places.size(), adjacency.size());
        EXPECT_EQ(graph::CheckLayout(adjacency, places).nodesOutside, 0);
        EXPECT_EQ(graph::CheckLayout(adjacency, places).misplacedEnds, 0);
        EXPECT_EQ(graph::ReadableLayout(adjacency), places);
    }
    EXPECT_TRUE(graph::ReadableLayout({}).empty());
}

TEST(ReadableLayout, KeepsTheRulesOnSmallAwkwardGraphs) {
    const AdjacencyMatrix cases[] = {Filled(2, 5), Filled(5, 12), Filled(7, graph::kNoLink),
                                     Path(12, 100), TextbookGraph(3, 20)};
    for (const AdjacencyMatrix& adjacency : cases) {
        SCOPED_TRACE(adjacency.size());
        EXPECT_TRUE(graph::CheckLayout(adjacency, graph::ReadableLayout(adjacency)).Holds());
    }
}

TEST(ReadableLayout, SeedsGiveOtherLayouts) {
    const AdjacencyMatrix adjacency = TextbookGraph(5, 10);
    EXPECT_NE(graph::ReadableLayout(adjacency, 1), graph::ReadableLayout(adjacency, 2));
    EXPECT_TRUE(graph::CheckLayout(adjacency, graph::ReadableLayout(adjacency, 2)).Holds());
}

}  // namespace
