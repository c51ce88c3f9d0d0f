// The distances at every node against the exhaustive enumeration run from
// that node, and the links on shortest ways against the links of every
// shortest way the enumeration lists.
#include "way_distances.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <utility>

#include "way_enumeration.h"

namespace {

using graph::AdjacencyMatrix;
using Length = std::optional<std::int64_t>;
using LinkPairs = std::vector<std::pair<int, int>>;

// Links in one or both directions (and on the diagonal), some missing, some typed negative, some
// free, the rest of weight 1..3 (so ties are common) or heavy when `heavy`.
AdjacencyMatrix RandomGraph(std::mt19937_64& random, int n, int freePercent, bool heavy) {
    AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
    const bool symmetric = random() % 2 == 0;
    for (int u = 0; u < n; ++u) {
        for (int v = symmetric ? u + 1 : 0; v < n; ++v) {
            const int roll = static_cast<int>(random() % 100);
            if (roll < 30) continue;
            const auto weight = static_cast<std::int32_t>((heavy ? 2147483645 : 1) + random() % 3);
            adjacency[u][v] = roll < 40 ? -2 : roll < 40 + freePercent ? 0 : weight;
            if (symmetric) adjacency[v][u] = adjacency[u][v];
        }
    }
    return adjacency;
}

AdjacencyMatrix Swapped(AdjacencyMatrix adjacency, int a, int b) {
    std::swap(adjacency[a], adjacency[b]);
    for (auto& row : adjacency) std::swap(row[a], row[b]);
    return adjacency;
}

Length Enumerated(const AdjacencyMatrix& adjacency) {
    const auto found = graph::EnumerateShortestWay(adjacency);
    return found ? Length(found->length) : std::nullopt;
}

TEST(FindWayDistances, KnowsTheSampleGraph) {
    AdjacencyMatrix adjacency(6, std::vector<std::int32_t>(6, graph::kNoLink));
    for (const auto& [u, v, w] : {std::tuple{0, 1, 5}, {1, 5, 5}, {0, 5, 20}}) {
        adjacency[u][v] = adjacency[v][u] = w;
    }
    const graph::WayDistances distances = graph::FindWayDistances(adjacency);
    EXPECT_EQ(distances.toGoal, (graph::Distances{10, 5, {}, {}, {}, 0}));
    EXPECT_EQ(graph::LinksOnShortestWays(adjacency, distances),
              (std::vector<graph::Link>{{0, 1}, {1, 5}}));
}

TEST(FindWayDistances, EqualTheEnumerationFromEveryNode) {
    std::mt19937_64 random(12);
    for (int round = 0; round < 200; ++round) {
        for (int n = 2; n <= 8; ++n) {
            const AdjacencyMatrix adjacency =
                RandomGraph(random, n, round % 3 * 20, round % 4 == 0);
            SCOPED_TRACE(testing::PrintToString(adjacency));
            const graph::WayDistances distances = graph::FindWayDistances(adjacency);
            ASSERT_EQ(distances.fromStart[0], 0);
            ASSERT_EQ(distances.toGoal[n - 1], 0);
            ASSERT_EQ(distances.fromStart[n - 1], Enumerated(adjacency));
            for (int v = 0; v < n - 1; ++v) {
                ASSERT_EQ(distances.toGoal[v], Enumerated(Swapped(adjacency, 0, v))) << v;
                if (v == 0) continue;
                // From node index 0 to v, with the last node a dead end.
                AdjacencyMatrix toV = Swapped(adjacency, v, n - 1);
                std::fill(toV[v].begin(), toV[v].end(), graph::kNoLink);
                ASSERT_EQ(distances.fromStart[v], Enumerated(toV)) << v;
            }
        }
    }
}

TEST(LinksOnShortestWays, AreTheLinksOfEveryShortestWay) {
    std::mt19937_64 random(34);
    int tied = 0;
    for (int round = 0; round < 200; ++round) {
        for (int n = 2; n <= 8; ++n) {
            // A cycle of free links beside a way adds links no simple way uses.
            const bool free = round % 2 == 1;
            const AdjacencyMatrix adjacency = RandomGraph(random, n, free ? 30 : 0, false);
            SCOPED_TRACE(testing::PrintToString(adjacency));
            graph::WayList ways;
            graph::GetAllWays(ways, {0}, n, adjacency);
            const auto shortest = graph::ChooseShortestWay(ways, adjacency);
            LinkPairs expected;
            for (const graph::Way& way : ways) {
                if (graph::WayLength(way, adjacency) != shortest->length) continue;
                for (std::size_t k = 1; k < way.size(); ++k)
                    expected.emplace_back(way[k - 1], way[k]);
                tied += way != shortest->way;
            }
            std::sort(expected.begin(), expected.end());
            expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
            LinkPairs found;
            for (const graph::Link& link :
                 graph::LinksOnShortestWays(adjacency, graph::FindWayDistances(adjacency))) {
                found.emplace_back(link.from, link.to);
            }
            for (const auto& [from, to] : found)
                EXPECT_TRUE(from != n - 1 && to != 0 && from != to);
            if (free) {
                EXPECT_TRUE(
                    std::includes(found.begin(), found.end(), expected.begin(), expected.end()));
            } else {
                EXPECT_EQ(found, expected);
            }
        }
    }
    EXPECT_GT(tied, 300);
}

}  // namespace
