// The search over one-way free links at its bound: what it keeps when its
// work runs out. Its answers below the bound are checked against the
// enumeration through LinksOnShortestWays (here on grids, where cycles of
// one-way free links are everywhere, and in way_distances_test).
#include "graph/free_link_crossings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "graph/way_distances.h"
#include "graph/way_enumeration.h"

namespace {

using graph::AdjacencyMatrix;
using LinkSet = std::set<std::pair<int, int>>;

TEST(FreeLinkCrossings, KeepWhatTheSearchCouldNotDecide) {
    // Entry 0, exit 4, and the cycle 1 -> 2 -> 3 -> 1 between them: 3 -> 1
    // would come back to 1. Only the cycle's links need the search; the
    // links into and out of it are decided without one.
    const std::vector<graph::Link> links = {{0, 1}, {1, 2}, {2, 3}, {3, 1}, {3, 4}};
    const std::vector<graph::Link> onWays = {{0, 1}, {1, 2}, {2, 3}, {3, 4}};
    for (const auto& [budget, share, kept] :
         {std::tuple{graph::kCrossingSearchBudget, graph::kCrossingSearchShare, onWays},
          {std::size_t{0}, graph::kCrossingSearchShare, links},
          {graph::kCrossingSearchBudget, std::size_t{0}, links}}) {
        std::size_t left = budget;
        EXPECT_EQ(graph::LinksOnSimpleCrossings(links, {0}, {4}, left, share), kept)
            << budget << " " << share;
        EXPECT_EQ(left<budget, budget> 0 && share > 0);
    }
}

// Whether `to` can be reached from `from` over links of the group: those
// that node 0 reaches and that reach the last node.
bool Reaches(const AdjacencyMatrix& adjacency, const graph::WayDistances& distances, int from,
             int to) {
    std::vector<int> queue{from};
    std::vector<char> seen(adjacency.size(), 0);
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int x = queue[next];
        for (int y = 0; y < static_cast<int>(adjacency.size()); ++y) {
            if (adjacency[x][y] < 0 || seen[y] || !distances.toGoal[y]) continue;
            if (y == to) return true;
            seen[y] = 1;
            queue.push_back(y);
        }
    }
    return false;
}

TEST(FreeLinkCrossings, OnGridsExactOrKeepingOnlyLinksOnCycles) {
    // k x k nodes, each joined to its right, lower and lower right
    // neighbours by a free link in a random direction; every way weighs 0.
    // Without a bound that bites the links listed are those on the ways
    // the enumeration lists; with a small one they include them, and each
    // link more lies on a cycle of the group's links.
    std::mt19937 random(27);
    int undecided = 0;
    for (int round = 0; round < 300; ++round) {
        const int k = 4 + round % 3;
        const int n = k * k;
        AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
        for (int node = 0; node < n; ++node) {
            for (const int next : {node + 1, node + k, node + k + 1}) {
                if (next >= n || (next != node + k && node % k == k - 1)) continue;
                (random() % 2 ? adjacency[node][next] : adjacency[next][node]) = 0;
            }
        }
        SCOPED_TRACE(testing::PrintToString(adjacency));
        graph::WayList ways;
        graph::GetAllWays(ways, {0}, n, adjacency);
        LinkSet onWays;
        for (const graph::Way& way : ways) {
            for (std::size_t i = 1; i < way.size(); ++i) onWays.emplace(way[i - 1], way[i]);
        }
        const graph::WayDistances distances = graph::FindWayDistances(adjacency);
        for (const std::size_t share : {graph::kCrossingSearchShare, std::size_t{200}}) {
            LinkSet listed;
            for (const auto [from, to] : graph::LinksOnShortestWays(
                     adjacency, distances, graph::kCrossingSearchBudget, share)) {
                listed.emplace(from, to);
            }
            ASSERT_TRUE(std::includes(listed.begin(), listed.end(), onWays.begin(), onWays.end()));
            for (const auto& [from, to] : listed) {
                if (onWays.count({from, to})) continue;
                EXPECT_LT(share, graph::kCrossingSearchShare) << from << " -> " << to;
                EXPECT_TRUE(Reaches(adjacency, distances, to, from)) << from << " -> " << to;
                ++undecided;
            }
        }
    }
    EXPECT_GT(undecided, 20);
}

}  // namespace
