// The search over one-way free links at its bound: what it keeps when its
// work runs out. Its answers below the bound are checked against the
// enumeration through LinksOnShortestWays (way_distances_test).
#include "free_link_crossings.h"

#include <gtest/gtest.h>

namespace {

TEST(FreeLinkCrossings, KeepWhatTheSearchCouldNotDecide) {
    // Entry 0, exit 3; node 1 is a dead end, joined to the way 0-2-3 only by
    // links that point into it.
    const std::vector<graph::Link> links = {{0, 1}, {0, 2}, {2, 1}, {2, 3}};
    for (const auto& [budget, kept] :
         {std::pair{graph::kCrossingSearchBudget, std::vector<graph::Link>{{0, 2}, {2, 3}}},
          {std::size_t{0}, links}}) {
        std::size_t left = budget;
        EXPECT_EQ(graph::LinksOnSimpleCrossings(links, {0}, {3}, left), kept) << budget;
        EXPECT_LT(left, graph::kCrossingSearchBudget);
    }
}

}  // namespace
