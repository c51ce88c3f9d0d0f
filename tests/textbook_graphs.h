// Random graphs as a textbook exercise has them, for the layout's tests and
// benchmark: connected, every link both ways, between n - 1 and 2n links,
// weights 1..20; the same for a seed on every machine.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "graph/graph_model.h"

// A graph of `nodes` nodes, or of 4..20 when `nodes` is 0.
inline graph::AdjacencyMatrix TextbookGraph(std::uint64_t seed, std::size_t nodes = 0) {
    std::mt19937_64 engine(seed);
    const auto below = [&](std::size_t bound) {
        return static_cast<std::size_t>(engine() % bound);
    };
    const std::size_t n = nodes != 0 ? nodes : 4 + below(17);
    std::vector<std::size_t> name(n);
    for (std::size_t k = 0; k < n; ++k) name[k] = k;
    for (std::size_t k = n - 1; k > 0; --k) std::swap(name[k], name[below(k + 1)]);
    graph::AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
    std::size_t links = 0;
    const auto link = [&](std::size_t u, std::size_t v) {
        if (u == v || adjacency[name[u]][name[v]] != graph::kNoLink) return;
        const auto weight = static_cast<std::int32_t>(1 + below(20));
        adjacency[name[u]][name[v]] = adjacency[name[v]][name[u]] = weight;
        ++links;
    };
    for (std::size_t v = 1; v < n; ++v) link(below(v), v);
    const std::size_t most = std::min(2 * n, n * (n - 1) / 2);
    const std::size_t wanted = n - 1 + below(most - (n - 1) + 1);
    while (links < wanted) link(below(n), below(n));
    return adjacency;
}
