// Which links of weight 0 simple shortest ways use. A shortest way meets the
// nodes at one distance from node index 0 in one run over links of weight
// 0, so within such a group the question is one of shape alone: does the
// link lie on a simple way from where ways enter the group to where they
// leave it?
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "graph/graph_model.h"

namespace graph {

// The work the search over one-way links may do, in links read (under 2 ns
// each): 2^26 for one graph, some 0.1 s. Every link the search needs first
// gets 2^14 of it, so that the many easy ones are decided before a hard one
// spends the rest; those still undecided then get up to 2^22 each while the
// budget lasts. Doubling both decides few more of the links left undecided
// on the grids of BM_OrangeLinksOnGrids (bench/graph/way_search_bench.cpp).
constexpr std::size_t kCrossingSearchBudget = std::size_t{1} << 26;
constexpr std::size_t kCrossingSearchFirstShare = std::size_t{1} << 14;
constexpr std::size_t kCrossingSearchShare = std::size_t{1} << 22;

// Of `links` (u -> v, u != v), those on some simple way that starts at one
// of `entries`, follows `links` only and ends at one of `exits`; a way of
// one node is both. A link whose mirror is among `links` stands for one
// typed link and is kept together with it.
// Exact, in time linear in the links, for every link but one kind: when
// every link's mirror is there, the blocks (biconnected components) of the
// group decide all. Otherwise a link u -> v is decided in linear time too
// unless the group's links lead from v back to u, an entry reaches u, v an
// exit, and the blocks leave it open: then a search decides it, first
// reading at most kCrossingSearchFirstShare links for each such link, then
// up to `share` for those left, `budget` in all (lowered by what it reads).
// Such a link is left undecided, and kept, as a shortest walk uses it,
// exactly when its search would read more than `share` or than what is left
// of `budget`.
// Returns the kept links in the order of `links`.
std::vector<Link> LinksOnSimpleCrossings(const std::vector<Link>& links,
                                         const std::vector<std::int32_t>& entries,
                                         const std::vector<std::int32_t>& exits,
                                         std::size_t& budget,
                                         std::size_t share = kCrossingSearchShare);

}  // namespace graph
