// A graph family where the orange links are hardest to decide, shared by the
// benchmarks of the search and of the window.
#pragma once

#include <random>
#include <utility>
#include <vector>

#include "graph/graph_model.h"

// k x k nodes, node r * k + c in row r and column c, each linked to its
// right, lower and lower right neighbours by a link of weight 0 in one
// direction, either at even odds: cycles of one-way free links all over.
inline graph::AdjacencyMatrix OneWayGrid(int k, unsigned seed) {
    std::mt19937 engine(seed);
    graph::AdjacencyMatrix adjacency(k * k, std::vector<std::int32_t>(k * k, graph::kNoLink));
    const auto link = [&](int a, int b) {
        if (std::uniform_int_distribution<int>(0, 1)(engine) == 0) std::swap(a, b);
        adjacency[a][b] = 0;
    };
    for (int r = 0; r < k; ++r) {
        for (int c = 0; c < k; ++c) {
            const int node = r * k + c;
            if (c + 1 < k) link(node, node + 1);
            if (r + 1 < k) link(node, node + k);
            if (r + 1 < k && c + 1 < k) link(node, node + k + 1);
        }
    }
    return adjacency;
}
