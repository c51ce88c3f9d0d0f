// The exhaustive way search: every simple way from node index 0 to the last
// index, then the first shortest of them. Its time and memory grow with the
// number of ways, factorially on dense graphs, so the program answers with
// FindShortestWay (way_search.h); this stays as the reference that defines
// the answer.
#pragma once

#include <optional>

#include "graph/ways.h"

namespace graph {

// Appends to `ways` every complete way that extends the partial way `way`
// (which starts at 0), in lexicographic order of index sequences. A step
// from the way's end u to candidate i (1..n-1, ascending) is allowed when
// adjacency[u][i] >= 0 and i is not on the way yet; the way ends at n-1.
void GetAllWays(WayList& ways, const Way& way, int n, const AdjacencyMatrix& adjacency);

// The first way of `ways` with the smallest length, or nothing for an empty
// list.
std::optional<ShortestWay> ChooseShortestWay(const WayList& ways, const AdjacencyMatrix& adjacency);

// GetAllWays from [0] followed by ChooseShortestWay.
std::optional<ShortestWay> EnumerateShortestWay(const AdjacencyMatrix& adjacency);

}  // namespace graph
