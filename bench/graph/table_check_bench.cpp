// Checking a hand-worked table, and reading its way back, in bounded time:
// a right table for a complete graph of links of weight 0 whose predecessor
// lists never name node 1 (each node lists every node chosen since), the
// table that once took exponential time, at 13 and 100 nodes; and the
// program's own table of the same graph.
#include <benchmark/benchmark.h>

#include <string>

#include "graph/dijkstra_steps.h"
#include "graph/table_check.h"

namespace {

graph::AdjacencyMatrix FreeComplete(int n) {
    graph::AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, 0));
    for (int v = 0; v < n; ++v) adjacency[v][v] = graph::kNoLink;
    return adjacency;
}

// Row k chooses node k; a node not chosen lists the nodes 2..k.
std::string ZeroTable(int n) {
    std::string text;
    for (int v = 0; v < n; ++v) text += v == 0 ? "0\t" : "∞\t";
    text += '\n';
    for (int k = 1; k <= n; ++k) {
        std::string list;
        for (int p = 2; p <= k; ++p) list += (p == 2 ? " (" : ", ") + std::to_string(p);
        for (int v = 1; v <= n; ++v) {
            if (v < k) text += '\t';
            if (v >= k) text += "0" + (v == k ? std::string() : list + (k >= 2 ? ")" : "")) + '\t';
        }
        text += std::to_string(k) + '\n';
    }
    return text;
}

void BM_CheckZeroTable(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const graph::AdjacencyMatrix adjacency = FreeComplete(n);
    const std::string text = ZeroTable(n);
    for (auto _ : state) {
        const graph::TableCheck check =
            graph::CheckHandTable(adjacency, graph::ReadHandTable(text, adjacency.size()));
        if (!check.faults.empty() || !check.way) state.SkipWithError("the table is not right");
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(BM_CheckZeroTable)->Arg(13)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_CheckOwnTable(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const graph::AdjacencyMatrix adjacency = FreeComplete(n);
    const std::string text = graph::DijkstraStepsText(graph::FindDijkstraSteps(adjacency));
    for (auto _ : state) {
        const graph::TableCheck check =
            graph::CheckHandTable(adjacency, graph::ReadHandTable(text, adjacency.size()));
        if (!check.faults.empty()) state.SkipWithError("the own table is not right");
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(BM_CheckOwnTable)->Arg(13)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
