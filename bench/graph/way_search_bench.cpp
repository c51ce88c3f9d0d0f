// Speed of the way search. BM_Search (the search the program answers with)
// runs on graph families of 25, 50 and 100 nodes next to BM_Distances (the
// complete distances shown for teaching), BM_BglDijkstra,
// Boost.Graph's Dijkstra from the start node over the same matrix, the
// yardstick, and BM_BglDijkstraOnLists, the same over adjacency lists built
// beforehand. On complete graphs of 7..10 nodes it also runs next to
// BM_Enumerate, the exhaustive reference, to show where that one stops being
// usable. The names match across them, so their JSON output can be compared
// case by case. BM_OrangeLinksOnGrids counts how many of the links shown in
// orange truly lie on a shortest way where cycles of one-way free links
// leave the search undecided.
#include <benchmark/benchmark.h>

#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/adjacency_matrix.hpp>
#include <boost/graph/dijkstra_shortest_paths.hpp>
#include <cstdint>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "bench/graph/one_way_grid.h"
#include "graph/way_distances.h"
#include "graph/way_enumeration.h"
#include "graph/way_search.h"

namespace {

using graph::AdjacencyMatrix;

AdjacencyMatrix NoLinks(int n) {
    return AdjacencyMatrix(n, std::vector<std::int32_t>(n, graph::kNoLink));
}

AdjacencyMatrix Complete(int n, const std::function<std::int32_t()>& weight) {
    AdjacencyMatrix adjacency = NoLinks(n);
    for (int u = 0; u < n; ++u) {
        for (int v = u + 1; v < n; ++v) adjacency[u][v] = adjacency[v][u] = weight();
    }
    return adjacency;
}

// Fixed seeds, so every run measures the same graphs.
std::int32_t RandomWeight(std::mt19937& engine, std::int32_t low, std::int32_t high) {
    return std::uniform_int_distribution<std::int32_t>(low, high)(engine);
}

AdjacencyMatrix CompleteRandom(int n) {
    std::mt19937 engine(static_cast<unsigned>(n));
    return Complete(n, [&] { return RandomWeight(engine, 1, 1000); });
}

// A random tree joining every node plus n / 2 further links, both ways:
// about three links a node.
AdjacencyMatrix Sparse(int n) {
    std::mt19937 engine(static_cast<unsigned>(1000 + n));
    AdjacencyMatrix adjacency = NoLinks(n);
    auto link = [&](int u, int v) {
        if (u != v) adjacency[u][v] = adjacency[v][u] = RandomWeight(engine, 1, 1000);
    };
    for (int v = 1; v < n; ++v) link(RandomWeight(engine, 0, v - 1), v);
    for (int k = 0; k < n / 2; ++k)
        link(RandomWeight(engine, 0, n - 1), RandomWeight(engine, 0, n - 1));
    return adjacency;
}

// 1 - 2 - ... - n, the longest possible way.
AdjacencyMatrix Chain(int n) {
    AdjacencyMatrix adjacency = NoLinks(n);
    for (int v = 1; v < n; ++v) adjacency[v - 1][v] = adjacency[v][v - 1] = 1;
    return adjacency;
}

// Links of weight 0 in one direction only, each with a chance of 30 in 100:
// the orange links need the bounded search over them.
AdjacencyMatrix OneWayFree(int n) {
    std::mt19937 engine(static_cast<unsigned>(2000 + n));
    AdjacencyMatrix adjacency = NoLinks(n);
    for (int u = 0; u < n; ++u) {
        for (int v = 0; v < n; ++v) {
            if (u != v && RandomWeight(engine, 1, 100) <= 30 && adjacency[v][u] != 0) {
                adjacency[u][v] = 0;
            }
        }
    }
    return adjacency;
}

struct Family {
    const char* name;
    AdjacencyMatrix (*make)(int n);
};

const Family kFamilies[] = {
    {"complete-random", CompleteRandom},
    {"complete-zero", [](int n) { return Complete(n, [] { return 0; }); }},
    {"complete-one", [](int n) { return Complete(n, [] { return 1; }); }},
    {"sparse", Sparse},
    {"chain", Chain},
    {"one-way-free", OneWayFree},
};

void Search(benchmark::State& state, const AdjacencyMatrix& adjacency) {
    for (auto _ : state) {
        auto answer = graph::FindShortestWay(adjacency);
        benchmark::DoNotOptimize(answer);
    }
}

// What the distances shown for teaching add to a calculation: both
// distance lists and the links on shortest ways.
void Distances(benchmark::State& state, const AdjacencyMatrix& adjacency) {
    for (auto _ : state) {
        const graph::WayDistances distances = graph::FindWayDistances(adjacency);
        auto links = graph::LinksOnShortestWays(adjacency, distances);
        benchmark::DoNotOptimize(links);
    }
}

void Enumerate(benchmark::State& state, const AdjacencyMatrix& adjacency) {
    for (auto _ : state) {
        auto answer = graph::EnumerateShortestWay(adjacency);
        benchmark::DoNotOptimize(answer);
    }
}

// Boost.Graph's Dijkstra from the start node, with the graph built from the
// matrix before timing starts so that only the Dijkstra is measured. On
// boost::adjacency_matrix it reads the same n x n weights as the search. On
// adjacency lists it touches the links alone, which a search handed the
// matrix cannot do: any empty cell might have held a shortcut, so it reads
// them, and on a long chain, where every node must be settled, the lists
// win.
template <typename Graph>
void BglDijkstra(benchmark::State& state, const AdjacencyMatrix& adjacency) {
    const std::size_t n = adjacency.size();
    Graph g(n);
    for (std::size_t u = 0; u < n; ++u) {
        for (std::size_t v = 0; v < n; ++v) {
            if (adjacency[u][v] >= 0) boost::add_edge(u, v, adjacency[u][v], g);
        }
    }
    std::vector<std::int64_t> distance(n);
    std::vector<std::size_t> predecessor(n);
    for (auto _ : state) {
        boost::dijkstra_shortest_paths(
            g, boost::vertex(0, g),
            boost::predecessor_map(predecessor.data()).distance_map(distance.data()));
        benchmark::DoNotOptimize(distance.data());
        benchmark::ClobberMemory();
    }
}

using Weight = boost::property<boost::edge_weight_t, std::int64_t>;
using MatrixGraph = boost::adjacency_matrix<boost::directedS, boost::no_property, Weight>;
using ListGraph =
    boost::adjacency_list<boost::vecS, boost::vecS, boost::directedS, boost::no_property, Weight>;

void Register(const std::string& name, void (*run)(benchmark::State&, const AdjacencyMatrix&),
              const AdjacencyMatrix& adjacency) {
    benchmark::RegisterBenchmark(name.c_str(), run, adjacency);
}

bool RegisterAll() {
    for (const Family& family : kFamilies) {
        for (int n : {25, 50, 100}) {
            const AdjacencyMatrix adjacency = family.make(n);
            const std::string suffix = std::string("/") + family.name + "/" + std::to_string(n);
            Register("BM_Search" + suffix, Search, adjacency);
            Register("BM_Distances" + suffix, Distances, adjacency);
            Register("BM_BglDijkstra" + suffix, BglDijkstra<MatrixGraph>, adjacency);
            Register("BM_BglDijkstraOnLists" + suffix, BglDijkstra<ListGraph>, adjacency);
        }
    }
    for (int n = 7; n <= 10; ++n) {
        const AdjacencyMatrix adjacency = CompleteRandom(n);
        const std::string suffix = "/complete-random/" + std::to_string(n);
        Register("BM_Search" + suffix, Search, adjacency);
        Register("BM_Enumerate" + suffix, Enumerate, adjacency);
    }
    return true;
}

const bool kRegistered = RegisterAll();

// The links on shortest ways of 20 grids of k x k nodes, timed together.
// The counters: the grids with a way, the links listed, and how many of
// those truly lie on a simple way (every way weighs 0): up to 6 x 6 by
// enumerating every simple way, beyond by the same search without a bound,
// exhaustive and so exact, which takes up to minutes before timing starts.
void BM_OrangeLinksOnGrids(benchmark::State& state) {
    const int k = static_cast<int>(state.range(0));
    std::vector<AdjacencyMatrix> grids;
    double withWay = 0, listed = 0, onWays = 0;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        grids.push_back(OneWayGrid(k, seed));
        const AdjacencyMatrix& grid = grids.back();
        const graph::WayDistances distances = graph::FindWayDistances(grid);
        withWay += distances.toGoal[0].has_value();
        listed += static_cast<double>(graph::LinksOnShortestWays(grid, distances).size());
        if (k <= 6) {
            graph::WayList ways;
            graph::GetAllWays(ways, {0}, k * k, grid);
            std::set<std::pair<int, int>> used;
            for (const graph::Way& way : ways) {
                for (std::size_t i = 1; i < way.size(); ++i) used.emplace(way[i - 1], way[i]);
            }
            onWays += static_cast<double>(used.size());
        } else {
            constexpr std::size_t kUnbounded = static_cast<std::size_t>(-1);
            onWays += static_cast<double>(
                graph::LinksOnShortestWays(grid, distances, kUnbounded, kUnbounded).size());
        }
    }
    for (auto _ : state) {
        for (const AdjacencyMatrix& grid : grids) {
            auto links = graph::LinksOnShortestWays(grid, graph::FindWayDistances(grid));
            benchmark::DoNotOptimize(links);
        }
    }
    state.counters["with_way"] = withWay;
    state.counters["listed"] = listed;
    state.counters["on_ways"] = onWays;
}
BENCHMARK(BM_OrangeLinksOnGrids)->Arg(6)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
