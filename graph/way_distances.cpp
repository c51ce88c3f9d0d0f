// Distances from both ends by Dijkstra over the matrix; see way_distances.h.
// The way search's own Dijkstra stops early and is tuned for the one answer,
// so the complete lists are worked out here, plainly: n is at most 100.
#include "graph/way_distances.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <map>
#include <utility>

#include "graph/free_link_crossings.h"

namespace graph {

namespace {

enum class Direction { kForward, kBackward };

// Least weights from `source` to every node (kForward) or from every node to
// `source` (kBackward). Links out of `end` are not followed, so forward ways
// stop there; pass n to follow every link. With weights >= 0 a least walk is
// never shorter than a least simple way, so walks may be measured instead.
Distances LeastWeights(const AdjacencyMatrix& adjacency, std::size_t source, Direction direction,
                       std::size_t end) {
    const std::size_t n = adjacency.size();
    Distances distances(n);
    std::vector<char> settled(n, 0);
    distances[source] = 0;
    for (;;) {
        std::size_t x = n;
        for (std::size_t y = 0; y < n; ++y) {
            if (!settled[y] && distances[y] && (x == n || *distances[y] < *distances[x])) x = y;
        }
        if (x == n) break;
        settled[x] = 1;
        if (x == end) continue;
        for (std::size_t y = 0; y < n; ++y) {
            const std::int32_t w =
                direction == Direction::kForward ? adjacency[x][y] : adjacency[y][x];
            if (w < 0 || settled[y]) continue;
            // A way has fewer than n links, each below 2^31: 64 bits hold it.
            const std::int64_t through = *distances[x] + w;
            if (!distances[y] || through < *distances[y]) distances[y] = through;
        }
    }
    return distances;
}

}  // namespace

WayDistances FindWayDistances(const AdjacencyMatrix& adjacency) {
    const std::size_t n = adjacency.size();
    if (n == 0) return {};
    return {LeastWeights(adjacency, 0, Direction::kForward, n - 1),
            LeastWeights(adjacency, n - 1, Direction::kBackward, n)};
}

Distances FindDistancesFromStart(const AdjacencyMatrix& adjacency) {
    const std::size_t n = adjacency.size();
    if (n == 0) return {};
    return LeastWeights(adjacency, 0, Direction::kForward, n);
}

// A link passing d1(u) + w + d2(v) = D is on a shortest walk. With w > 0 the
// walk's part before it stays below d1(v) and the part after it above d1(u),
// so they cannot meet and the walk is a simple way. A link of weight 0 joins
// two nodes at the same distance d1; within that group the ways run from
// the nodes that positive links enter (node index 0 for the first group) to
// those they leave (the last index for the final group), and only the
// group's shape decides which of its links a simple way can use.
std::vector<Link> LinksOnShortestWays(const AdjacencyMatrix& adjacency,
                                      const WayDistances& distances, std::size_t budget,
                                      std::size_t share) {
    const std::size_t n = adjacency.size();
    assert(distances.fromStart.size() == n && distances.toGoal.size() == n);
    std::vector<Link> links;
    if (n < 2 || !distances.toGoal[0]) return links;
    const std::int64_t length = *distances.toGoal[0];
    struct Group {
        std::vector<Link> freeLinks;
        std::vector<std::int32_t> entries, exits;
    };
    std::map<std::int64_t, Group> groups;
    groups[0].entries.push_back(0);
    groups[length].exits.push_back(static_cast<std::int32_t>(n - 1));
    // Free links into index 0 and out of the last index are no part of a
    // way, but they keep a group's mirrored links mirrored; they are left
    // out of the answer at the end.
    for (std::size_t u = 0; u < n; ++u) {
        if (!distances.fromStart[u]) continue;
        const std::int64_t level = *distances.fromStart[u];
        for (std::size_t v = 0; v < n; ++v) {
            const std::int32_t w = adjacency[u][v];
            if (u == v || w < 0 || !distances.toGoal[v]) continue;
            if (level + w + *distances.toGoal[v] != length) continue;
            const Link link{static_cast<std::int32_t>(u), static_cast<std::int32_t>(v)};
            if (w == 0) {
                groups[level].freeLinks.push_back(link);
            } else {
                links.push_back(link);
                groups[level].exits.push_back(link.from);
                groups[level + w].entries.push_back(link.to);
            }
        }
    }
    for (const auto& [level, group] : groups) {
        if (group.freeLinks.empty()) continue;
        for (const Link& link :
             LinksOnSimpleCrossings(group.freeLinks, group.entries, group.exits, budget, share)) {
            if (link.to != 0 && link.from != static_cast<std::int32_t>(n - 1)) {
                links.push_back(link);
            }
        }
    }
    std::sort(links.begin(), links.end(), [](const Link& a, const Link& b) {
        return std::pair(a.from, a.to) < std::pair(b.from, b.to);
    });
    return links;
}

}  // namespace graph
