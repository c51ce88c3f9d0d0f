// Speed of the readable layout. BM_Textbook/n lays out textbook graphs of
// n nodes (between n - 1 and 2n links), a different one each iteration
// out of 100; BM_TextbookMix the 1,000 graphs of 4..20 nodes the layout's
// property test checks, each once. Both report the crossings left a graph.
// BM_Complete/n shows the bound on the work where no layout can keep the
// rules.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "graph/layout_rules.h"
#include "graph/readable_layout.h"
#include "tests/textbook_graphs.h"

namespace {

void LayOut(benchmark::State& state, const std::vector<graph::AdjacencyMatrix>& graphs) {
    std::size_t next = 0;
    double crossings = 0;
    for (auto _ : state) {
        const graph::AdjacencyMatrix& adjacency = graphs[next++ % graphs.size()];
        const graph::NodePlaces places = graph::ReadableLayout(adjacency);
        benchmark::DoNotOptimize(places.data());
        state.PauseTiming();
        crossings += graph::CheckLayout(adjacency, places).crossings;
        state.ResumeTiming();
    }
    state.counters["crossings"] = benchmark::Counter(crossings, benchmark::Counter::kAvgIterations);
}

void BM_Textbook(benchmark::State& state) {
    std::vector<graph::AdjacencyMatrix> graphs;
    for (std::uint64_t seed = 0; seed < 100; ++seed) {
        graphs.push_back(TextbookGraph(seed, static_cast<std::size_t>(state.range(0))));
    }
    LayOut(state, graphs);
}
BENCHMARK(BM_Textbook)->Arg(7)->Arg(12)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_TextbookMix(benchmark::State& state) {
    std::vector<graph::AdjacencyMatrix> graphs;
    for (std::uint64_t seed = 0; seed < 1000; ++seed) graphs.push_back(TextbookGraph(seed));
    LayOut(state, graphs);
}
BENCHMARK(BM_TextbookMix)->Iterations(1000)->Unit(benchmark::kMillisecond);

void BM_Complete(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    graph::AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, 7));
    for (std::size_t u = 0; u < n; ++u) adjacency[u][u] = graph::kNoLink;
    LayOut(state, {adjacency});
}
BENCHMARK(BM_Complete)->Arg(20)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace
