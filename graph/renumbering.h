// Whether two graphs are one exercise: the same links with the same weights
// once the nodes between the first and the last are numbered otherwise.
// The first node and the last stay, as the question names them.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "graph/graph_model.h"

namespace graph {

// A number that renumbering the middle nodes leaves as it is, so that graphs
// with different numbers are different. Links are adjacency[u][v] >= 0 with
// their weights; every negative entry is the same "no link".
std::uint64_t RenumberingInvariant(const AdjacencyMatrix& adjacency);

// Whether a renumbering of the nodes between the first and the last turns
// `a` into `b`, link for link and weight for weight. Exact: the nodes are
// first told apart by what surrounds them, and the few renumberings that
// this leaves are tried one node at a time, which for graphs of a few dozen
// nodes takes microseconds.
bool SameUpToRenumbering(const AdjacencyMatrix& a, const AdjacencyMatrix& b);

// Graphs of which no two are the same up to renumbering.
class DistinctGraphs {
public:
    // Keeps `adjacency` unless a graph kept is the same up to renumbering;
    // says whether it was kept.
    bool Add(const AdjacencyMatrix& adjacency);

private:
    std::unordered_multimap<std::uint64_t, AdjacencyMatrix> kept_;
};

}  // namespace graph
