// Class sets: parameters out of range refused; over 1,000 seeds and a
// spread of parameters every variant checked against oracles written apart
// from the generator (distances by relaxing every link until nothing
// changes, shortest ways counted over the tight links, the step table read
// row by row); and a stop.
#include "graph/class_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <variant>

#include "graph/dijkstra_steps.h"
#include "graph/layout_rules.h"
#include "graph/renumbering.h"

namespace {

using graph::AdjacencyMatrix;
using graph::ClassSetFault;
using graph::ClassSetParameters;
using graph::ClassVariant;
using Kind = ClassSetFault::Kind;

std::variant<std::vector<ClassVariant>, ClassSetFault> Make(
    const ClassSetParameters& parameters, const graph::SetProgress& progress = {}) {
    return graph::MakeClassSet(parameters, progress);
}

void ExpectSound(const ClassVariant& variant, const ClassSetParameters& parameters) {
    const AdjacencyMatrix& adjacency = variant.adjacency;
    const std::size_t n = adjacency.size();
    ASSERT_TRUE(graph::CheckLayout(adjacency, variant.nodes).Holds());
    constexpr std::int64_t kFar = INT64_MAX / 2;
    std::vector<std::int64_t> distance(n, kFar);
    distance[0] = 0;
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t u = 0; u < n; ++u) {
            for (std::size_t v = 0; v < n; ++v) {
                const std::int32_t w = adjacency[u][v];
                EXPECT_EQ(w, adjacency[v][u]);
                if (u == v || w == graph::kNoLink) continue;
                EXPECT_TRUE(w >= parameters.lightest && w <= parameters.heaviest) << w;
                if (distance[u] + w < distance[v]) distance[v] = distance[u] + w, changed = true;
            }
        }
    }
    ASSERT_EQ(std::count(distance.begin(), distance.end(), kFar), 0) << "not connected";
    std::vector<std::size_t> byDistance(n);
    std::iota(byDistance.begin(), byDistance.end(), 0);
    std::sort(byDistance.begin(), byDistance.end(),
              [&](std::size_t a, std::size_t b) { return distance[a] < distance[b]; });
    std::vector<std::int64_t> ways(n, 0);
    ways[0] = 1;
    for (const std::size_t v : byDistance) {
        for (std::size_t u = 0; u < n; ++u) {
            const std::int32_t w = adjacency[u][v];
            if (u != v && w != graph::kNoLink && distance[u] + w == distance[v]) ways[v] += ways[u];
        }
    }
    EXPECT_EQ(ways[n - 1], 1);
    EXPECT_EQ(variant.way.length, distance[n - 1]);
    EXPECT_EQ(graph::WayLength(variant.way.way, adjacency), distance[n - 1]);
    EXPECT_GE(static_cast<int>(variant.way.way.size()) - 1, parameters.minLinks);
    if (!parameters.uniqueTable) return;
    const auto row = [&](const graph::StepRow& row) {
        const graph::StepCell& chosen = row.cells[*row.chosen];
        for (const graph::StepCell& cell : row.cells) {
            EXPECT_TRUE(cell.settled || &cell == &chosen || cell.distance != chosen.distance)
                << "a tie at step " << row.step;
        }
        EXPECT_EQ(chosen.predecessors.size(), *row.chosen == 0 ? 0u : 1u) << "step " << row.step;
    };
    graph::WalkDijkstraTable(adjacency, graph::Convention::BeforeChoice, row);
}

TEST(ClassSet, ParametersOutOfRangeRefused) {
    const struct {
        ClassSetParameters parameters;
        Kind kind;
    } cases[] = {
        {{.variants = 201}, Kind::VariantCount}, {{.nodes = 3}, Kind::NodeCount},
        {{.nodes = 21}, Kind::NodeCount},        {{.lightest = 0}, Kind::Weights},
        {{.heaviest = 1000}, Kind::Weights},     {{.nodes = 4, .minLinks = 4}, Kind::MinLinks},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::get<ClassSetFault>(Make(c.parameters)), ClassSetFault{c.kind});
}

TEST(ClassSet, EveryVariantHasOneAnswerAndNoTwoAreAlike) {
    const ClassSetParameters spread[] = {
        {.variants = 4, .nodes = 4, .minLinks = 1},
        {.variants = 6, .nodes = 5, .lightest = 1, .heaviest = 2, .minLinks = 2},
        {.variants = 2, .nodes = 7, .uniqueTable = true},
        {.variants = 3, .nodes = 8, .lightest = 3, .heaviest = 5, .minLinks = 5},
        {.variants = 2, .nodes = 12, .uniqueTable = true},
        {.variants = 2, .nodes = 20, .lightest = 1, .heaviest = 1, .uniqueTable = true},
        {.variants = 2, .nodes = 20, .lightest = 10, .heaviest = 999, .minLinks = 19},
    };
    int variants = 0;
    int crossings = 0;
    for (std::uint64_t seed = 1; seed <= 1000 && !HasFailure(); ++seed) {
        ClassSetParameters parameters = spread[seed % std::size(spread)];
        parameters.seed = seed;
        const auto set = std::get<std::vector<ClassVariant>>(Make(parameters));
        ASSERT_EQ(set.size(), static_cast<std::size_t>(parameters.variants));
        for (std::size_t k = 0; k < set.size(); ++k) {
            ExpectSound(set[k], parameters);
            crossings += graph::CheckLayout(set[k].adjacency, set[k].nodes).crossings;
            ++variants;
            for (std::size_t j = 0; j < k; ++j) {
                EXPECT_FALSE(graph::SameUpToRenumbering(set[j].adjacency, set[k].adjacency));
            }
        }
        if (HasFailure()) ADD_FAILURE() << "seed " << seed << ", " << parameters.nodes << " nodes";
    }
    // Links crossing, per variant on average, a hundredfold.
    RecordProperty("crossings", 100 * crossings / std::max(variants, 1));
}

TEST(ClassSet, StoppedByItsProgress) {
    EXPECT_EQ(std::get<ClassSetFault>(Make({}, [](int made) { return made < 2; })),
              (ClassSetFault{Kind::Stopped, 2}));
}

}  // namespace
