// Ways through the graph: node indices in travel order, and the small
// operations on them that the searches and the drawing share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graph/graph_model.h"

namespace graph {

// Node indices in travel order. A complete way starts at index 0, ends at
// the last index and visits no index twice.
using Way = std::vector<std::int32_t>;
using WayList = std::vector<Way>;

// The answer of a search: the chosen way and its exact total weight.
struct ShortestWay {
    Way way;
    std::int64_t length = 0;

    friend bool operator==(const ShortestWay&, const ShortestWay&) = default;
};

// True when `index` is one of the indices of `way`.
bool WayContains(const Way& way, std::int32_t index);

// Makes `dest` an independent copy of `source`.
void CopyWay(Way& dest, const Way& source);

// Sum of the weights of the way's links in travel order, in 64 bits so that
// long ways of heavy links never wrap round. Needs every link to be usable.
std::int64_t WayLength(const Way& way, const AdjacencyMatrix& adjacency);

// The node numbers (index + 1) joined by "-", as in "1-3-6".
std::string WayText(const Way& way);

}  // namespace graph
