// Graphs alike up to renumbering, against every renumbering tried: random
// small graphs of few weights, one-way links among them, each compared with
// a renumbered copy that has a link changed half of the time.
#include "graph/renumbering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using graph::AdjacencyMatrix;

// The smallest matrix text among all orders of the middle nodes.
std::string SmallestRenumbering(const AdjacencyMatrix& adjacency) {
    std::vector<std::size_t> order(adjacency.size());
    std::iota(order.begin(), order.end(), 0);
    std::string smallest;
    do {
        std::string text;
        for (const std::size_t u : order) {
            for (const std::size_t v : order) text += std::to_string(adjacency[u][v]) + ',';
        }
        if (smallest.empty() || text < smallest) smallest = text;
    } while (std::next_permutation(order.begin() + 1, order.end() - 1));
    return smallest;
}

TEST(Renumbering, AgreesWithEveryRenumberingTried) {
    std::mt19937_64 random(30);
    int same = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const int n = 3 + static_cast<int>(random() % 6);
        const bool mirrored = random() % 4 != 0;
        const auto link = [&](AdjacencyMatrix& m, int u, int v, std::int32_t w) {
            m[u][v] = w;
            if (mirrored) m[v][u] = w;
        };
        AdjacencyMatrix a(n, std::vector<std::int32_t>(n, graph::kNoLink));
        for (int u = 0; u < n; ++u) {
            for (int v = mirrored ? u + 1 : 0; v < n; ++v) {
                if (u != v && random() % 2 == 0)
                    link(a, u, v, static_cast<std::int32_t>(random() % 2) + 1);
            }
        }
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin() + 1, order.end() - 1, random);
        AdjacencyMatrix b = a;
        for (int u = 0; u < n; ++u) {
            for (int v = 0; v < n; ++v) b[order[u]][order[v]] = a[u][v];
        }
        const int u = static_cast<int>(random() % n);
        const int v = (u + 1 + static_cast<int>(random() % (n - 1))) % n;
        if (random() % 2 == 0) link(b, u, v, b[u][v] == graph::kNoLink ? 1 : graph::kNoLink);

        const bool alike = SmallestRenumbering(a) == SmallestRenumbering(b);
        ASSERT_EQ(graph::SameUpToRenumbering(a, b), alike) << "trial " << trial;
        EXPECT_TRUE(!alike || graph::RenumberingInvariant(a) == graph::RenumberingInvariant(b));
        graph::DistinctGraphs distinct;
        EXPECT_TRUE(distinct.Add(a));
        EXPECT_EQ(distinct.Add(b), !alike);
        same += alike ? 1 : 0;
    }
    // Both answers are tried often.
    EXPECT_GT(same, 1000);
    EXPECT_LT(same, 2000);
}

}  // namespace
