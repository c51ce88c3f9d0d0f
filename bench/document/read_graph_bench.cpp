// Speed of reading a graph document into graphway's model, apart from the
// process around it (bench/cli/time_graphway.sh times that): complete graphs
// of 300 and 1000 nodes written as graphway's users write them, with JSON
// integers and with texts in the window's forms (decimal, leading spaces,
// $hex). Bytes per second are the document's. BM_OnDemandWalk is the floor
// under the reader: simdjson alone walking the same cells, each read as the
// reader reads it but kept nowhere and converted to nothing.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include <simdjson.h>

#include "bench/document/cell_walk.h"
#include "document/graph_document.h"

namespace {

// A complete graph on n nodes, weights 1..100, null on the diagonal.
std::string CompleteDocument(std::size_t n, bool texts) {
    std::mt19937 random(static_cast<unsigned>(n));
    std::uniform_int_distribution<int> weights(1, 100);
    const char* const forms[] = {"\"%d\"", "\"  %d\"", "\"$%X\""};
    std::string json = "{\"matrix\": [";
    for (std::size_t i = 0; i < n; ++i) {
        json += i > 0 ? ",\n[" : "[";
        for (std::size_t j = 0; j < n; ++j) {
            char cell[16] = "null";
            if (i != j)
                std::snprintf(cell, sizeof cell, texts ? forms[j % 3] : "%d", weights(random));
            json += j > 0 ? ", " : "";
            json += cell;
        }
        json += "]";
    }
    return json + "]}\n";
}

void BM_ReadGraphModel(benchmark::State& state) {
    std::string json = CompleteDocument(static_cast<std::size_t>(state.range(0)), state.range(1));
    const std::size_t size = json.size();
    // Read where it stands, as graphway reads a file.
    json.append(document::kReadAhead, ' ');
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            document::ReadGraphModel(std::string_view(json).substr(0, size), true));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_ReadGraphModel)
    ->ArgNames({"nodes", "texts"})
    ->ArgsProduct({{300, 1000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_OnDemandWalk(benchmark::State& state) {
    const simdjson::padded_string json(
        CompleteDocument(static_cast<std::size_t>(state.range(0)), state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(WalkCells(json));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * json.size()));
}
BENCHMARK(BM_OnDemandWalk)
    ->ArgNames({"nodes", "texts"})
    ->ArgsProduct({{300, 1000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
