// The search over one-way free links at its bound: what it keeps when its
// work runs out. Its answers below the bound are checked against the
// enumeration through LinksOnShortestWays (way_distances_test).
#include "free_link_crossings.h"

#include <gtest/gtest.h>

namespace {

TEST(FreeLinkCrossings, KeepWhatTheSearchCouldNotDecide) {
    // Entry 0, exit 3; 1 and 2 lie on a one-way cycle through 0 that only a
    // walk can follow.
    const std::vector<graph::Link> links = {{0, 1}, {1, 2}, {2, 0}, {0, 3}};
    for (const auto& [budget, kept] :
         {std::pair{graph::kCrossingSearchBudget, std::vector<graph::Link>{{0, 3}}},
          {std::size_t{0}, links}}) {
        std::size_t left = budget;
        EXPECT_EQ(graph::LinksOnSimpleCrossings(links, {0}, {3}, left), kept) << budget;
        EXPECT_LT(left, graph::kCrossingSearchBudget);
    }
}

}  // namespace
