// The way search the program answers with: the same way and length as the
// exhaustive enumeration (way_enumeration.h) would choose, found in
// polynomial time without listing ways.
#pragma once

#include <optional>

#include "graph/ways.h"

namespace graph {

// The lexicographically first simple way of minimal total weight from node
// index 0 to the last index n - 1 (n = adjacency.size()), where a link
// u -> v is usable when adjacency[u][v] >= 0 and the last index appears only
// at the end. Nothing when no such way exists or n < 2.
// Time O(n^2) plus O(n) per node of zero-weight plateaus visited; memory O(n).
std::optional<ShortestWay> FindShortestWay(const AdjacencyMatrix& adjacency);

}  // namespace graph
