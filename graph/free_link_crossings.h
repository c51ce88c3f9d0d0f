// Which links of weight 0 simple shortest ways use. A shortest way meets the
// nodes at one distance from node index 0 in one run over links of weight
// 0, so within such a group the question is one of shape alone: does the
// link lie on a simple way from where ways enter the group to where they
// leave it?
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "way_distances.h"

namespace graph {

// The work the search over one-way links may do, in links read: for one
// graph some 0.15 s, and a share of that for each link, so that one hard
// link leaves the others decided. Random graphs of 100 nodes whose free
// links are all one-way need under 2 million in all; of random groups with
// one-way links of 10 to 100 nodes, about one in 500 meets a bound, which
// leaves one to a few of its links undecided.
constexpr std::size_t kCrossingSearchBudget = std::size_t{1} << 25;
constexpr std::size_t kCrossingSearchShare = std::size_t{1} << 20;

// Of `links` (u -> v, u != v), those on some simple way that starts at one
// of `entries`, follows `links` only and ends at one of `exits`; a way of
// one node is both. A link whose mirror is among `links` stands for one
// typed link and is kept together with it.
// When every link's mirror is there, the blocks (biconnected components) of
// the group answer in time linear in its links. Otherwise they rule out
// some links, and each other link is decided by a search with reachability
// cuts, which reads at most kCrossingSearchShare links for it and `budget`
// in all, lowering `budget` by what it read; a link left undecided by
// either bound is kept, as a shortest walk uses it.
// Returns the kept links in the order of `links`.
std::vector<Link> LinksOnSimpleCrossings(const std::vector<Link>& links,
                                         const std::vector<std::int32_t>& entries,
                                         const std::vector<std::int32_t>& exits,
                                         std::size_t& budget);

}  // namespace graph
