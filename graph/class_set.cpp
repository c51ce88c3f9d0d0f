// Making a class set; see class_set.h.
//
// A variant is built so that its answer is unique, then checked by the
// program's own step table. Its way comes first, through middle nodes in a
// random order; every other node hangs on a node already placed, so the
// graph is connected and these links form a tree of shortest ways. Every
// further link is made heavier than the difference of its ends' distances:
// it never lies on a shortest way, so each node keeps exactly one. With the
// unique table, no node settled before the last shares a distance with
// another, so no step has a tie.
#include "graph/class_set.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

#include "graph/dijkstra_steps.h"
#include "graph/layout_rules.h"
#include "graph/readable_layout.h"
#include "graph/renumbering.h"
#include "graph/seeded_random.h"
#include "graph/way_search.h"

namespace graph {

namespace {

// Places drawn for one node's link into the tree before the graph is given
// up; only a unique table with a narrow range of weights needs more than one.
constexpr int kHangTries = 32;
// How often a search for one variant asks whether to go on.
constexpr int kAttemptsBetweenProgress = 64;

std::optional<AdjacencyMatrix> DrawVariant(const ClassSetParameters& parameters,
                                           SeededRandom& random) {
    const int n = parameters.nodes;
    AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, kNoLink));
    std::vector<std::int64_t> distance(n, 0);
    const auto link = [&](int from, int to, std::int64_t weight) {
        adjacency[from][to] = adjacency[to][from] = static_cast<std::int32_t>(weight);
    };
    const auto weight = [&] { return random.Between(parameters.lightest, parameters.heaviest); };

    std::vector<int> middle(n - 2);
    for (int k = 0; k < n - 2; ++k) middle[k] = k + 1;
    random.Shuffle(middle);
    const auto wayLinks = static_cast<int>(random.Between(
        parameters.minLinks, std::min(n - 1, parameters.minLinks + kWayLinksSpread)));
    std::vector<int> placed{0};
    for (int k = 0; k < wayLinks; ++k) {
        const int node = k + 1 == wayLinks ? n - 1 : middle[k];
        const std::int64_t w = weight();
        link(placed.back(), node, w);
        distance[node] = distance[placed.back()] + w;
        placed.push_back(node);
    }

    // The distances of the nodes chosen before the last one, with the unique
    // table: a node beyond the last one is never chosen.
    const std::int64_t goal = distance[n - 1];
    std::vector<std::int64_t> taken;
    for (const int node : placed) taken.push_back(distance[node]);
    for (auto node = middle.begin() + (wayLinks - 1); node != middle.end(); ++node) {
        bool hung = false;
        for (int tries = 0; tries < kHangTries && !hung; ++tries) {
            const int parent =
                placed[random.Between(0, static_cast<std::int64_t>(placed.size()) - 1)];
            const std::int64_t w = weight();
            const std::int64_t reached = distance[parent] + w;
            if (parameters.uniqueTable && reached <= goal &&
                std::find(taken.begin(), taken.end(), reached) != taken.end()) {
                continue;
            }
            link(parent, *node, w);
            distance[*node] = reached;
            taken.push_back(reached);
            placed.push_back(*node);
            hung = true;
        }
        if (!hung) return std::nullopt;
    }

    const auto further = static_cast<int>(random.Between((n + 1) / 3, 2 * n / 3));
    int added = 0;
    for (int tries = 0; tries < 8 * further && added < further; ++tries) {
        const auto u = static_cast<int>(random.Between(0, n - 1));
        const auto v = static_cast<int>(random.Between(0, n - 1));
        if (u == v || adjacency[u][v] != kNoLink) continue;
        const std::int64_t lightest =
            std::max<std::int64_t>(parameters.lightest, std::abs(distance[u] - distance[v]) + 1);
        if (lightest > parameters.heaviest) continue;
        link(u, v, random.Between(lightest, parameters.heaviest));
        ++added;
    }
    return adjacency;
}

// The way of `adjacency` when it answers the parameters, judged by the
// program's own step table: one shortest way, counted over the predecessors
// of each chosen node, of enough links, and with the unique table no tie
// and one predecessor for each chosen node.
std::optional<ShortestWay> Answer(const AdjacencyMatrix& adjacency,
                                  const ClassSetParameters& parameters) {
    DijkstraRun run(adjacency);
    // Shortest ways to each chosen node, counted up to two. All weights are
    // positive, so a node's predecessors are chosen before it.
    std::vector<int> ways(adjacency.size(), 0);
    ways[0] = 1;
    while (!run.Finished()) {
        const std::vector<std::int32_t> least = run.Least();
        if (parameters.uniqueTable && least.size() > 1) return std::nullopt;
        const std::int32_t node = least.front();
        run.Choose(node);
        const std::vector<std::int32_t>& predecessors = run.Cells()[node].predecessors;
        if (parameters.uniqueTable && node != 0 && predecessors.size() != 1) return std::nullopt;
        for (const std::int32_t p : predecessors) ways[node] = std::min(2, ways[node] + ways[p]);
    }
    if (!run.Cells().back().settled || ways.back() != 1) return std::nullopt;
    std::optional<ShortestWay> way = FindShortestWay(adjacency);
    if (!way || static_cast<int>(way->way.size()) - 1 < parameters.minLinks) return std::nullopt;
    return way;
}

}  // namespace

std::optional<ClassSetFault> CheckClassSetParameters(const ClassSetParameters& parameters) {
    using Kind = ClassSetFault::Kind;
    if (parameters.variants < 1 || parameters.variants > kMostVariants) {
        return ClassSetFault{Kind::VariantCount};
    }
    if (parameters.nodes < kFewestVariantNodes || parameters.nodes > kMostVariantNodes) {
        return ClassSetFault{Kind::NodeCount};
    }
    if (parameters.lightest < 1 || parameters.heaviest < parameters.lightest ||
        parameters.heaviest > kHeaviestVariantWeight) {
        return ClassSetFault{Kind::Weights};
    }
    if (parameters.minLinks < 1 || parameters.minLinks > parameters.nodes - 1) {
        return ClassSetFault{Kind::MinLinks};
    }
    return std::nullopt;
}

std::optional<NodePlaces> VariantPlaces(const AdjacencyMatrix& adjacency) {
    // A few seeds are enough for the graphs a set holds; the bound keeps a
    // graph no layout suits from costing more than a few layouts.
    constexpr std::uint64_t kSeeds = 4;
    for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
        NodePlaces places = ReadableLayout(adjacency, seed);
        if (CheckLayout(adjacency, places).Holds()) return places;
    }
    return std::nullopt;
}

std::variant<std::vector<ClassVariant>, ClassSetFault> MakeClassSet(
    const ClassSetParameters& parameters, const SetProgress& progress) {
    if (const auto fault = CheckClassSetParameters(parameters)) return *fault;
    const auto stopped = [&](std::size_t made) {
        return progress && !progress(static_cast<int>(made));
    };
    SeededRandom random(parameters.seed);
    DistinctGraphs distinct;
    std::vector<ClassVariant> set;
    while (set.size() < static_cast<std::size_t>(parameters.variants)) {
        const std::size_t made = set.size();
        for (int attempt = 1; attempt <= kAttemptsPerVariant && set.size() == made; ++attempt) {
            if (attempt % kAttemptsBetweenProgress == 0 && stopped(made)) {
                return ClassSetFault{ClassSetFault::Kind::Stopped, static_cast<int>(made)};
            }
            std::optional<AdjacencyMatrix> adjacency = DrawVariant(parameters, random);
            if (!adjacency) continue;
            std::optional<ShortestWay> way = Answer(*adjacency, parameters);
            if (!way) continue;
            std::optional<NodePlaces> nodes = VariantPlaces(*adjacency);
            if (!nodes || !distinct.Add(*adjacency)) continue;
            set.push_back({std::move(*adjacency), std::move(*nodes), std::move(*way)});
        }
        if (set.size() == made) {
            return ClassSetFault{ClassSetFault::Kind::Unmet, static_cast<int>(made)};
        }
        if (set.size() < static_cast<std::size_t>(parameters.variants) && stopped(set.size())) {
            return ClassSetFault{ClassSetFault::Kind::Stopped, static_cast<int>(set.size())};
        }
    }
    if (progress) progress(parameters.variants);
    return set;
}

}  // namespace graph
