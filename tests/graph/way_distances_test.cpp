// Against the exhaustive enumeration on small random graphs: the distances
// at every node, and exactly the links of the shortest ways it lists, with
// many free links, one-way and mirrored (one typed link, listed both ways).
#include "graph/way_distances.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "graph/way_enumeration.h"

namespace {

using graph::AdjacencyMatrix;

// The enumeration's length with node indices a and b swapped.
std::optional<std::int64_t> Enumerated(AdjacencyMatrix adjacency, int a, int b) {
    std::swap(adjacency[a], adjacency[b]);
    for (auto& row : adjacency) std::swap(row[a], row[b]);
    const auto found = graph::EnumerateShortestWay(adjacency);
    return found ? std::optional(found->length) : std::nullopt;
}

TEST(WayDistances, EqualTheEnumeration) {
    std::mt19937_64 random(12);
    int tied = 0;
    for (int round = 0; round < 4800; ++round) {
        // Links in one direction or both (the diagonal too), some missing or
        // negative, some free, the rest of weight 1..3 (ties are common) or
        // heavy; every other graph mirrored, as typed. Free links' cycles
        // offer walks that no simple way follows.
        const int n = 2 + round % 8;
        const int freePercent = round / 8 % 3 * 25;
        AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
        for (auto& row : adjacency) {
            for (std::int32_t& w : row) {
                const int roll = static_cast<int>(random() % 100);
                const auto weight =
                    static_cast<std::int32_t>((round % 4 == 3 ? 2147483645 : 1) + random() % 3);
                if (roll >= 30) w = roll < 40 ? -2 : roll < 40 + freePercent ? 0 : weight;
            }
        }
        for (int u = 0; u < n && round / 24 % 2 == 1; ++u) {
            for (int v = 0; v < u; ++v) adjacency[u][v] = adjacency[v][u];
        }
        SCOPED_TRACE(testing::PrintToString(adjacency));
        const graph::WayDistances distances = graph::FindWayDistances(adjacency);
        AdjacencyMatrix lastIsDeadEnd = adjacency;
        std::fill(lastIsDeadEnd[n - 1].begin(), lastIsDeadEnd[n - 1].end(), graph::kNoLink);
        for (int v = 0; v < n; ++v) {
            ASSERT_EQ(distances.toGoal[v], v == n - 1 ? 0 : Enumerated(adjacency, 0, v)) << v;
            ASSERT_EQ(distances.fromStart[v], v == 0 ? 0 : Enumerated(lastIsDeadEnd, v, n - 1));
        }

        graph::WayList ways;
        graph::GetAllWays(ways, {0}, n, adjacency);
        std::set<std::pair<int, int>> expected, found;
        int shortest = 0;
        for (const graph::Way& way : ways) {
            if (graph::WayLength(way, adjacency) != distances.toGoal[0]) continue;
            ++shortest;
            for (std::size_t k = 1; k < way.size(); ++k) {
                const int from = way[k - 1], to = way[k];
                expected.emplace(from, to);
                if (adjacency[from][to] == 0 && adjacency[to][from] == 0 && from != 0 &&
                    to != n - 1) {
                    expected.emplace(to, from);
                }
            }
        }
        tied += shortest > 1;
        for (const auto [from, to] : graph::LinksOnShortestWays(adjacency, distances)) {
            EXPECT_TRUE(from != n - 1 && to != 0 && from != to);
            found.emplace(from, to);
        }
        EXPECT_EQ(found, expected);
    }
    EXPECT_GT(tied, 800);
}

TEST(WayDistances, AFreeDeadEndIsNoTiedLink) {
    // The sample nodes with links 1-2 = 5, 2-6 = 5, 1-6 = 20 and 1-3 = 0.
    AdjacencyMatrix adjacency(6, std::vector<std::int32_t>(6, graph::kNoLink));
    for (const auto& [u, v, w] : {std::tuple{0, 1, 5}, {1, 5, 5}, {0, 5, 20}, {0, 2, 0}}) {
        adjacency[u][v] = adjacency[v][u] = w;
    }
    EXPECT_EQ(graph::LinksOnShortestWays(adjacency, graph::FindWayDistances(adjacency)),
              (std::vector<graph::Link>{{0, 1}, {1, 5}}));
}

}  // namespace
