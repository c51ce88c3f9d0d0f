// How far each node lies from the two ends of the search, and the links that
// shortest ways use: what the picture shows when the distances are on, to
// teach how the answer comes about.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "graph/free_link_crossings.h"
#include "graph/graph_model.h"

namespace graph {

// One least weight per node index; nothing where no way exists.
using Distances = std::vector<std::optional<std::int64_t>>;

// Both ends' distances, over the links a way may use (adjacency[u][v] >= 0,
// read from u to v as the way search reads them).
struct WayDistances {
    // From node index 0 along ways that end at the last index when they meet
    // it. fromStart[0] is 0.
    Distances fromStart;
    // From each node to the last index n - 1 along a simple way that may
    // pass any other node, index 0 included. toGoal[n - 1] is 0, and
    // toGoal[0] is the length of the way the search finds.
    Distances toGoal;
};

// Both distance lists of a square matrix, complete over all nodes (the way
// search stops as soon as node index 0 is settled). Time O(n^2), memory O(n).
WayDistances FindWayDistances(const AdjacencyMatrix& adjacency);

// Least weights from node index 0 to every node over every usable link, the
// links out of the last index included: the distances written next to the
// nodes. Time O(n^2), memory O(n).
Distances FindDistancesFromStart(const AdjacencyMatrix& adjacency);

// Every link u -> v that some simple shortest way from node index 0 to the
// last index uses, ordered by u, then v. A link of weight 0 whose mirror
// weighs 0 too is one typed link: it is listed both ways when a way uses
// either, but never into index 0 or out of the last index.
// `distances` must be FindWayDistances(adjacency); nothing when there is no
// way. Time O(n^2) and exact, but for one kind of link. The links of weight
// 0 on shortest walks join nodes at one distance from index 0 into groups;
// in a group where one of them is one-way, a link u -> v that the group's
// links lead back from v to u (it lies on a cycle of them) is decided by a
// search that may read `share` links for it and `budget` in all
// (LinksOnSimpleCrossings in free_link_crossings.h). It is listed, as a
// shortest walk uses it, exactly when that search would read more.
std::vector<Link> LinksOnShortestWays(const AdjacencyMatrix& adjacency,
                                      const WayDistances& distances,
                                      std::size_t budget = kCrossingSearchBudget,
                                      std::size_t share = kCrossingSearchShare);

}  // namespace graph
