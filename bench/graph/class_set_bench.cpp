// Making class sets: 30 variants of 8 nodes, as a class needs, and 1,000
// variants of 12 nodes with a unique step table, made as five sets of 200
// (the most one set holds) with seeds 1 to 5; and the largest set, 200
// variants of 20 nodes; each placed by the readable layout.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <variant>

#include "graph/class_set.h"

namespace {

void BM_MakeClassSets(benchmark::State& state) {
    const auto total = static_cast<int>(state.range(0));
    graph::ClassSetParameters parameters;
    parameters.nodes = static_cast<int>(state.range(1));
    parameters.uniqueTable = state.range(2) != 0;
    for (auto _ : state) {
        for (int made = 0; made < total; made += parameters.variants) {
            parameters.variants = std::min(graph::kMostVariants, total - made);
            parameters.seed = static_cast<std::uint64_t>(made / graph::kMostVariants) + 1;
            const auto set = graph::MakeClassSet(parameters);
            if (std::holds_alternative<graph::ClassSetFault>(set)) state.SkipWithError("no set");
            benchmark::DoNotOptimize(set);
        }
    }
    state.counters["variants/s"] = benchmark::Counter(
        static_cast<double>(total), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_MakeClassSets)
    ->ArgNames({"variants", "nodes", "unique"})
    ->Args({30, 8, 0})
    ->Args({30, 8, 1})
    ->Args({1000, 12, 1})
    ->Args({200, 20, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
