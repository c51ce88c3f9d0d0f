// A layout of a graph a class can read from the board: the nodes placed by
// the rules of layout_rules.h, node 1 on the left and the last node on the
// right, as a textbook draws a way.
#pragma once

#include <cstdint>

#include "graph/graph_model.h"
#include "graph/node_layout.h"

namespace graph {

// Places (user coordinates, inside -180..180) for the nodes of
// `adjacency`, one per row, keeping every rule of CheckLayout with
// FixedTextBox's boxes where the search finds a way, and as few crossings
// as it finds; where the rules cannot all be kept it leaves as few broken
// as it manages. Node 1 stays at least 20 left of every other node and the
// last node as far right. The drawn links are those of CheckLayout; links
// of weight 0, usable but not drawn, only help give the graph its shape.
// The places depend on `adjacency` and `seed` alone, the same on every
// machine; another seed gives another layout. The work is bounded: some
// 10 ms for 20 nodes of 40 links, at most some 0.2 s for any graph; a graph
// too large to search at all (beyond some 250 nodes, or a complete graph of
// 100) gets its nodes in columns by their hops from node 1 and from the
// last node.
NodePlaces ReadableLayout(const AdjacencyMatrix& adjacency, std::uint64_t seed = 0);

}  // namespace graph
