// FindShortestWay against the exhaustive enumeration: hand-made cases run
// through both searches, a differential run on many small random graphs, and
// on larger graphs, where the enumeration cannot finish, the answer checked
// against an independent oracle: Bellman-Ford distances certify that the way
// is shortest, and distances on the graph without the way's prefix show that
// no lexicographically smaller way is as short.
#include "graph/way_search.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

#include "graph/graph_model.h"
#include "graph/node_layout.h"
#include "graph/way_enumeration.h"

namespace {

using graph::AdjacencyMatrix;
using graph::kNoLink;
using graph::ShortestWay;
using graph::Way;

using Answer = std::optional<ShortestWay>;
constexpr std::int32_t kHeavy = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kUnreachable = std::numeric_limits<std::int64_t>::max();

AdjacencyMatrix NoLinks(int n) { return AdjacencyMatrix(n, std::vector<std::int32_t>(n, kNoLink)); }

// Links given by node numbers as on screen, in both directions.
AdjacencyMatrix Links(int n, std::initializer_list<std::array<std::int32_t, 3>> links) {
    AdjacencyMatrix adjacency = NoLinks(n);
    for (const auto& [from, to, weight] : links) {
        adjacency[from - 1][to - 1] = adjacency[to - 1][from - 1] = weight;
    }
    return adjacency;
}

std::string MatrixText(const AdjacencyMatrix& adjacency) {
    std::ostringstream out;
    for (const auto& row : adjacency) {
        for (std::int32_t w : row) out << ' ' << w;
        out << '\n';
    }
    return out.str();
}

std::string AnswerText(const Answer& answer) {
    if (!answer) return "no way";
    return graph::WayText(answer->way) + " (" + std::to_string(answer->length) + ")";
}

// ---------------------------------------------------------------------------
// Hand-made cases, the same for both searches.

struct Search {
    const char* name;
    Answer (*find)(const AdjacencyMatrix&);
};

void PrintTo(const Search& search, std::ostream* out) { *out << search.name; }

class BothSearches : public testing::TestWithParam<Search> {};

struct HandCase {
    const char* what;
    AdjacencyMatrix adjacency;
    Answer expected;
};

const HandCase kHandCases[] = {
    {"two nodes, no link", NoLinks(2), std::nullopt},
    {"two nodes joined at no cost", {{-1, 0}, {-1, -1}}, ShortestWay{{0, 1}, 0}},
    {"equal lengths: the smaller index first",
     Links(4, {{1, 2, 2}, {1, 3, 1}, {2, 4, 3}, {3, 4, 4}}), ShortestWay{{0, 1, 3}, 5}},
    {"two short links beat one long", Links(3, {{1, 3, 10}, {1, 2, 3}, {2, 3, 3}}),
     ShortestWay{{0, 1, 2}, 6}},
    {"never through the last node", Links(4, {{1, 4, 1}, {4, 2, 1}, {2, 3, 1}}),
     ShortestWay{{0, 3}, 1}},
    {"a typed negative weight is no link", Links(3, {{1, 3, -5}, {1, 2, 1}, {2, 3, 1}}),
     ShortestWay{{0, 1, 2}, 2}},
    {"only negative weights", Links(3, {{1, 3, -1}, {1, 2, -2}, {2, 3, -3}}), std::nullopt},
    {"links are read from the way's end", {{-1, -1, -1}, {3, -1, -1}, {5, 0, -1}}, std::nullopt},
    {"a way may not come back to the start",
     {{-1, 0, -1, 9}, {0, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}},
     ShortestWay{{0, 3}, 9}},
    {"a free detour through a smaller index comes first",
     Links(4, {{1, 4, 5}, {1, 3, 0}, {3, 2, 0}, {2, 4, 5}}), ShortestWay{{0, 2, 1, 3}, 5}},
    // The free cycle 2 -> 3 -> 4 -> 2 beside 3 -> 5, the only link into the
    // goal: after 1-2-3, node 4 is as near the goal as 5 but leads back into
    // the way.
    {"a free cycle beside the way",
     {{-1, 0, 0, -1, -1},
      {-1, -1, 0, -1, -1},
      {-1, -1, -1, 0, 1},
      {-1, 0, -1, -1, -1},
      {-1, -1, -1, -1, -1}},
     ShortestWay{{0, 1, 2, 4}, 1}},
    {"the smallest candidate reaches the goal only through the way",
     {{-1, 0, 0, -1}, {0, -1, -1, -1}, {-1, -1, -1, 2}, {-1, -1, -1, -1}},
     ShortestWay{{0, 2, 3}, 2}},
    {"heavy links: the direct one beats three whose sum wraps in 32 bits",
     Links(4, {{1, 4, kHeavy}, {1, 2, kHeavy}, {2, 3, kHeavy}, {3, 4, kHeavy}}),
     ShortestWay{{0, 3}, kHeavy}},
    {"heavy links: a length past 2^31 is reported exactly",
     Links(4, {{1, 2, kHeavy}, {2, 3, kHeavy}, {3, 4, kHeavy}}),
     ShortestWay{{0, 1, 2, 3}, std::int64_t{3} * kHeavy}},
};

TEST_P(BothSearches, AnswerTheHandMadeCases) {
    for (const HandCase& c : kHandCases) {
        EXPECT_EQ(AnswerText(GetParam().find(c.adjacency)), AnswerText(c.expected)) << c.what;
    }
}

TEST_P(BothSearches, TakeTheFirstWayOnACompleteGraphOfFreeLinks) {
    AdjacencyMatrix adjacency(8, std::vector<std::int32_t>(8, 0));
    EXPECT_EQ(GetParam().find(adjacency), (ShortestWay{{0, 1, 2, 3, 4, 5, 6, 7}, 0}));
}

TEST_P(BothSearches, AnswerFromTheTablesAsTyped) {
    // The six sample nodes with links 1-2 and 2-6 of weight 5 and 1-6 of 20,
    // typed into both mirrored cells, and some text left on the diagonal.
    graph::CellStore nodes;
    for (int row = 1; row <= 6; ++row) {
        nodes.SetCellText(1, row, std::to_string(graph::kSampleNodes[row - 1].first));
        nodes.SetCellText(2, row, std::to_string(graph::kSampleNodes[row - 1].second));
    }
    graph::CellStore matrix;
    for (const auto& [a, b, weight] : {std::tuple{1, 2, "5"}, {2, 6, " 5"}, {1, 6, "$14"}}) {
        matrix.SetCellText(a, b, weight);
        matrix.SetCellText(b, a, weight);
    }
    matrix.SetCellText(3, 3, "0");

    graph::NodePoints points;
    AdjacencyMatrix adjacency;
    graph::ReadNodePoints(nodes, 6, points, adjacency);
    graph::ReadAdjacency(matrix, 6, adjacency);
    const Answer answer = GetParam().find(adjacency);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(graph::WayText(answer->way), "1-2-6");
    EXPECT_EQ(answer->length, 10);

    // Without the links the answer is that there is no way.
    graph::CellStore empty;
    graph::ReadAdjacency(empty, 6, adjacency);
    EXPECT_FALSE(GetParam().find(adjacency).has_value());
}

INSTANTIATE_TEST_SUITE_P(WaySearch, BothSearches,
                         testing::Values(Search{"Enumerate", graph::EnumerateShortestWay},
                                         Search{"Find", graph::FindShortestWay}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Random graphs.

class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    // Uniform in lo..hi; the plain modulo keeps runs reproducible everywhere.
    std::int64_t Between(std::int64_t lo, std::int64_t hi) {
        return lo + static_cast<std::int64_t>(engine_() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }

private:
    std::mt19937_64 engine_;
};

// Percentages of each kind of cell; the rest are positive weights drawn from
// `low`..`high`.
struct CellMix {
    int empty;
    int negative;
    int zero;
    std::int32_t low = 1;
    std::int32_t high = 9;
};

std::int32_t DrawCell(Random& random, const CellMix& mix) {
    const std::int64_t roll = random.Between(1, 100);
    if (roll <= mix.empty) return kNoLink;
    if (roll <= mix.empty + mix.negative) return static_cast<std::int32_t>(random.Between(-5, -1));
    if (roll <= mix.empty + mix.negative + mix.zero) return 0;
    return static_cast<std::int32_t>(random.Between(mix.low, mix.high));
}

AdjacencyMatrix RandomGraph(Random& random, int n, const CellMix& mix, bool symmetric) {
    AdjacencyMatrix adjacency = NoLinks(n);
    for (int u = 0; u < n; ++u) {
        for (int v = symmetric ? u + 1 : 0; v < n; ++v) {
            if (u == v) continue;
            adjacency[u][v] = DrawCell(random, mix);
            if (symmetric) adjacency[v][u] = adjacency[u][v];
        }
    }
    return adjacency;
}

const CellMix kSmallMixes[] = {
    {25, 10, 10},  // the typical table
    {50, 10, 15},  // sparse
    {15, 5, 5},    // dense, positive
    {20, 5, 50},   // zero-heavy: free cycles and plateaus
    {40, 10, 40},  //
    {15, 0, 85},   // nearly all free
    {60, 20, 0},   // often no way at all
};

TEST(FindShortestWay, EqualsTheEnumerationOnSmallRandomGraphs) {
    Random random(20261207);
    int compared = 0;
    int withWay = 0;
    int withFreeLinks = 0;
    for (int round = 0; round < 1250; ++round) {
        for (int n = 2; n <= 9; ++n) {
            const CellMix& mix = kSmallMixes[random.Between(0, std::size(kSmallMixes) - 1)];
            const AdjacencyMatrix adjacency = RandomGraph(random, n, mix, random.Chance(50));
            const Answer expected = graph::EnumerateShortestWay(adjacency);
            const Answer found = graph::FindShortestWay(adjacency);
            ASSERT_EQ(AnswerText(found), AnswerText(expected)) << MatrixText(adjacency);
            ++compared;
            withWay += expected.has_value();
            int free = 0;
            for (const auto& row : adjacency) free += std::count(row.begin(), row.end(), 0);
            withFreeLinks += free >= 2;
        }
    }
    EXPECT_GE(compared, 10000);
    // The mix must exercise both outcomes and the free links.
    EXPECT_GT(withWay, compared / 2);
    EXPECT_GT(compared - withWay, compared / 20);
    EXPECT_GT(withFreeLinks, compared / 3);
}

TEST(FindShortestWay, EqualsTheEnumerationWhenSumsPass32Bits) {
    Random random(31);
    int past32Bits = 0;
    for (int round = 0; round < 150; ++round) {
        for (int n = 2; n <= 9; ++n) {
            // Weights near the largest cell, a few small ones to compete.
            const CellMix mix{30, 5, 5, kHeavy - 3, kHeavy};
            AdjacencyMatrix adjacency = RandomGraph(random, n, mix, random.Chance(50));
            for (auto& row : adjacency) {
                for (auto& w : row) {
                    if (w > 0 && random.Chance(10))
                        w = static_cast<std::int32_t>(random.Between(1, 9));
                }
            }
            const Answer expected = graph::EnumerateShortestWay(adjacency);
            ASSERT_EQ(AnswerText(graph::FindShortestWay(adjacency)), AnswerText(expected))
                << MatrixText(adjacency);
            past32Bits += expected && expected->length > kHeavy;
        }
    }
    EXPECT_GT(past32Bits, 100);
}

// ---------------------------------------------------------------------------
// Larger graphs, checked against an independent oracle.

// Least weight from every node to the last one over usable links that avoid
// the nodes marked in `removed`, by Bellman-Ford.
std::vector<std::int64_t> DistancesToGoal(const AdjacencyMatrix& adjacency,
                                          const std::vector<char>& removed) {
    const int n = static_cast<int>(adjacency.size());
    std::vector<std::int64_t> d(n, kUnreachable);
    d[n - 1] = 0;
    for (bool changed = true; changed;) {
        changed = false;
        for (int u = 0; u < n - 1; ++u) {
            if (removed[u]) continue;
            for (int v = 0; v < n; ++v) {
                const std::int32_t w = adjacency[u][v];
                if (w < 0 || removed[v] || d[v] == kUnreachable || d[v] + w >= d[u]) continue;
                d[u] = d[v] + w;
                changed = true;
            }
        }
    }
    return d;
}

// Asserts that `answer` is what the enumeration would choose, without
// running it.
void ExpectTheAnswer(const AdjacencyMatrix& adjacency, const Answer& answer) {
    const int n = static_cast<int>(adjacency.size());
    const std::vector<std::int64_t> d = DistancesToGoal(adjacency, std::vector<char>(n, 0));
    if (d[0] == kUnreachable) {
        EXPECT_FALSE(answer.has_value()) << AnswerText(answer);
        return;
    }
    ASSERT_TRUE(answer.has_value()) << "a way of length " << d[0] << " exists";
    const Way& way = answer->way;

    // No link offers a shorter route, so no way is shorter than d[0].
    for (int u = 0; u < n; ++u) {
        for (int v = 0; v < n; ++v) {
            if (adjacency[u][v] >= 0 && d[v] != kUnreachable) {
                ASSERT_LE(d[u], adjacency[u][v] + d[v]) << u << " -> " << v;
            }
        }
    }

    // The way is a simple way from the start to the goal over existing links
    // and weighs d[0].
    ASSERT_GE(way.size(), 2u);
    EXPECT_EQ(way.front(), 0);
    EXPECT_EQ(way.back(), n - 1);
    std::vector<char> seen(n, 0);
    std::int64_t sum = 0;
    for (std::size_t k = 0; k < way.size(); ++k) {
        ASSERT_TRUE(way[k] >= 0 && way[k] < n) << way[k];
        ASSERT_FALSE(seen[way[k]]) << "node " << way[k] + 1 << " twice";
        seen[way[k]] = 1;
        if (k > 0) {
            const std::int32_t w = adjacency[way[k - 1]][way[k]];
            ASSERT_GE(w, 0) << "no link " << way[k - 1] + 1 << " -> " << way[k] + 1;
            sum += w;
        }
    }
    EXPECT_EQ(sum, answer->length);
    EXPECT_EQ(answer->length, d[0]);

    // Lexicographically first: after each prefix, no smaller next node
    // continues to the goal, avoiding the prefix, at the same total weight.
    std::vector<char> prefix(n, 0);
    std::int64_t prefixWeight = 0;
    for (std::size_t k = 0; k + 1 < way.size(); ++k) {
        const std::int32_t u = way[k];
        prefix[u] = 1;
        const std::vector<std::int64_t> rest = DistancesToGoal(adjacency, prefix);
        for (std::int32_t v = 1; v < way[k + 1]; ++v) {
            const std::int32_t w = adjacency[u][v];
            if (prefix[v] || w < 0 || rest[v] == kUnreachable) continue;
            EXPECT_GT(prefixWeight + w + rest[v], d[0])
                << "after " << graph::WayText(Way(way.begin(), way.begin() + k + 1)) << " node "
                << v + 1 << " also leads to a shortest way";
        }
        prefixWeight += adjacency[u][way[k + 1]];
    }
}

TEST(ExpectTheAnswer, RejectsWrongAnswers) {
    // The oracle itself must catch a longer way and a lexicographically later
    // one; ExpectTheAnswer reports failures, so they are caught here.
    const AdjacencyMatrix adjacency =
        Links(4, {{1, 2, 1}, {2, 4, 1}, {1, 3, 1}, {3, 4, 1}, {1, 4, 5}});
    const Answer wrong[] = {ShortestWay{{0, 3}, 5}, ShortestWay{{0, 2, 3}, 2},
                            ShortestWay{{0, 1, 3}, 3}, std::nullopt};
    for (const Answer& answer : wrong) {
        testing::TestPartResultArray failures;
        {
            testing::ScopedFakeTestPartResultReporter reporter(
                testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                &failures);
            ExpectTheAnswer(adjacency, answer);
        }
        EXPECT_GT(failures.size(), 0) << AnswerText(answer);
    }
    ExpectTheAnswer(adjacency, ShortestWay{{0, 1, 3}, 2});
}

// A way through every node in a shuffled order, plus a few shortcuts.
AdjacencyMatrix ShuffledChain(Random& random, int n, std::int32_t high) {
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    for (int i = n - 2; i > 1; --i) std::swap(order[i], order[random.Between(1, i)]);
    AdjacencyMatrix adjacency = NoLinks(n);
    for (int i = 0; i + 1 < n; ++i) {
        adjacency[order[i]][order[i + 1]] = adjacency[order[i + 1]][order[i]] =
            static_cast<std::int32_t>(random.Between(0, high));
    }
    for (int k = 0; k < n / 10; ++k) {
        const auto u = random.Between(0, n - 1), v = random.Between(0, n - 1);
        if (u != v) adjacency[u][v] = static_cast<std::int32_t>(random.Between(0, 3 * high));
    }
    return adjacency;
}

TEST(FindShortestWay, GivesTheEnumerationsAnswerOnLargeRandomGraphs) {
    const CellMix kLargeMixes[] = {
        {0, 0, 0, 1, 1000},  // complete, random weights
        {90, 5, 2},          // sparse
        {96, 0, 50},         // sparse with free links
        {70, 10, 25},        // free plateaus
        {50, 0, 50, 1, 1},   // only 0 and 1
        {85, 0, 15, kHeavy - 9, kHeavy},
    };
    Random random(100);
    for (int round = 0; round < 40; ++round) {
        const int n = static_cast<int>(random.Between(10, 100));
        for (const CellMix& mix : kLargeMixes) {
            const AdjacencyMatrix adjacency = RandomGraph(random, n, mix, random.Chance(50));
            ExpectTheAnswer(adjacency, graph::FindShortestWay(adjacency));
            if (HasFailure()) {
                FAIL() << "n = " << n << "\n" << MatrixText(adjacency);
            }
        }
        const AdjacencyMatrix chain = ShuffledChain(random, n, round % 2 == 0 ? 0 : 9);
        ExpectTheAnswer(chain, graph::FindShortestWay(chain));
        if (HasFailure()) FAIL() << "n = " << n << "\n" << MatrixText(chain);
    }
}

TEST(FindShortestWay, KnowsTheAnswersOnCompleteGraphsOf100Nodes) {
    AdjacencyMatrix adjacency(100, std::vector<std::int32_t>(100, 0));
    Way everyNode(100);
    std::iota(everyNode.begin(), everyNode.end(), 0);
    EXPECT_EQ(graph::FindShortestWay(adjacency), (ShortestWay{everyNode, 0}));
    for (auto& row : adjacency) std::fill(row.begin(), row.end(), 1);
    EXPECT_EQ(graph::FindShortestWay(adjacency), (ShortestWay{{0, 99}, 1}));
    for (auto& row : adjacency) std::fill(row.begin(), row.end(), kHeavy);
    EXPECT_EQ(graph::FindShortestWay(adjacency), (ShortestWay{{0, 99}, kHeavy}));
}

}  // namespace
