// The step table: whole tables as copied text for hand-made graphs, and on
// random graphs with ties and free links every row against a plainly
// written Dijkstra and the end state against the exhaustive enumeration.
#include "graph/dijkstra_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>

#include "graph/way_enumeration.h"

namespace {

using graph::AdjacencyMatrix;

// Links given by node numbers as on screen, in both directions.
AdjacencyMatrix Links(int n, std::initializer_list<std::array<std::int32_t, 3>> links) {
    AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
    for (const auto& [from, to, weight] : links) {
        adjacency[from - 1][to - 1] = adjacency[to - 1][from - 1] = weight;
    }
    return adjacency;
}

TEST(DijkstraSteps, CopiedTextOfHandMadeGraphs) {
    const struct {
        const char* what;
        AdjacencyMatrix adjacency;
        const char* text;
    } cases[] = {
        {"the sample nodes with links 1-2 = 5, 2-6 = 5, 1-6 = 20",
         Links(6, {{1, 2, 5}, {2, 6, 5}, {1, 6, 20}}),
         "Шаг\t1\t2\t3\t4\t5\t6\tВыбран\n"
         "0\t0\t∞\t∞\t∞\t∞\t∞\t\n"
         "1\t0*\t5 (1)\t∞\t∞\t∞\t20 (1)\t1\n"
         "2\t\t5 (1)*\t∞\t∞\t∞\t10 (2)\t2\n"
         "3\t\t\t∞\t∞\t∞\t10 (2)*\t6\n"},
        {"no way, and a free link: node 2, chosen, is one of node 3's predecessors; node 3, "
         "chosen later at the same distance, is none of node 2's",
         Links(4, {{1, 2, 5}, {1, 3, 5}, {2, 3, 0}}),
         "Шаг\t1\t2\t3\t4\tВыбран\n"
         "0\t0\t∞\t∞\t∞\t\n"
         "1\t0*\t5 (1)\t5 (1)\t∞\t1\n"
         "2\t\t5 (1)*\t5 (1, 2)\t∞\t2\n"
         "3\t\t\t5 (1, 2)*\t∞\t3\n"
         "4\t\t\t\t∞\tнет пути\n"},
        {"the run stops at the last node, before a node reached through it",
         Links(3, {{1, 3, 1}, {3, 2, 1}}),
         "Шаг\t1\t2\t3\tВыбран\n"
         "0\t0\t∞\t∞\t\n"
         "1\t0*\t∞\t1 (1)\t1\n"
         "2\t\t2 (3)\t1 (1)*\t3\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(graph::DijkstraStepsText(graph::FindDijkstraSteps(c.adjacency)), c.text)
            << c.what;
    }
    const graph::DijkstraSteps sample = graph::FindDijkstraSteps(cases[0].adjacency);
    EXPECT_EQ(sample.way, (graph::ShortestWay{{0, 1, 5}, 10}));
    EXPECT_EQ(sample.steps[2].relaxed, (std::vector<graph::Link>{{1, 5}}));
}

// Every simple way from index 0, walked plainly: per node the least length
// and the nodes just before it on the ways of that length.
void Walk(const AdjacencyMatrix& adjacency, std::vector<int>& way, std::int64_t length,
          graph::Distances& least, std::vector<std::set<std::int32_t>>& before) {
    const int v = way.back();
    if (way.size() > 1 && (!least[v] || length < *least[v])) before[v].clear();
    if (way.size() > 1 && (!least[v] || length <= *least[v])) {
        least[v] = length;
        before[v].insert(way[way.size() - 2]);
    }
    for (int y = 0; y < static_cast<int>(adjacency.size()); ++y) {
        if (adjacency[v][y] < 0 || std::find(way.begin(), way.end(), y) != way.end()) continue;
        way.push_back(y);
        Walk(adjacency, way, length + adjacency[v][y], least, before);
        way.pop_back();
    }
}

TEST(DijkstraSteps, FollowAPlainDijkstraAndEndWithExactDistances) {
    std::mt19937_64 random(18);
    for (int round = 0; round < 1500; ++round) {
        const int n = 2 + round % 8;
        AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
        for (int u = 0; u < n; ++u) {
            for (int v = 0; v < n; ++v) {
                const int roll = static_cast<int>(random() % 100);
                adjacency[u][v] = roll < 30 ? -1 : roll < 55 ? 0 : static_cast<int>(random() % 3);
                if (round % 2 == 1 && v < u) adjacency[u][v] = adjacency[v][u];
            }
        }
        SCOPED_TRACE(testing::PrintToString(adjacency));
        const graph::DijkstraSteps steps = graph::FindDijkstraSteps(adjacency);

        // Plain Dijkstra: the nearest open node, the first on ties.
        std::vector<std::int64_t> dist(n, -1);
        std::vector<bool> done(n, false);
        dist[0] = 0;
        ASSERT_EQ(steps.steps[0].cells[0].distance, 0);
        std::size_t row = 1;
        for (;; ++row) {
            int u = -1;
            for (int y = 0; y < n; ++y) {
                if (!done[y] && dist[y] >= 0 && (u < 0 || dist[y] < dist[u])) u = y;
            }
            if (u < 0) break;
            done[u] = true;
            for (int y = 0; y < n; ++y) {
                if (!done[y] && adjacency[u][y] >= 0 &&
                    (dist[y] < 0 || dist[u] + adjacency[u][y] < dist[y])) {
                    dist[y] = dist[u] + adjacency[u][y];
                }
            }
            ASSERT_LT(row, steps.steps.size());
            ASSERT_EQ(steps.steps[row].settled, u) << row;
            for (int v = 0; v < n; ++v) {
                const graph::StepCell& cell = steps.steps[row].cells[v];
                ASSERT_EQ(cell.distance.value_or(-1), dist[v]) << row << ' ' << v;
                ASSERT_EQ(cell.settled, done[v]);
                if (done[v]) continue;
                // An open node lists the settled nodes that give its distance.
                std::vector<std::int32_t> giving;
                for (int x = 0; x < n; ++x) {
                    const std::int32_t w = adjacency[x][v];
                    if (done[x] && x != v && w >= 0 && dist[x] + w == dist[v]) giving.push_back(x);
                }
                ASSERT_EQ(cell.predecessors, giving) << row << ' ' << v;
            }
            // The run stops at the goal.
            if (u == n - 1) {
                ++row;
                break;
            }
        }
        // A run that never settles the last node ends with the row that says so.
        ASSERT_EQ(steps.steps.size(), done[n - 1] ? row : row + 1);

        graph::Distances least(n);
        std::vector<std::set<std::int32_t>> before(n);
        std::vector<int> start{0};
        Walk(adjacency, start, 0, least, before);
        least[0] = 0;
        // Chosen nodes end with their exact distances.
        const graph::Distances final = graph::FinalDistances(steps);
        for (int v = 0; v < n; ++v) {
            if (steps.steps.back().cells[v].settled) {
                EXPECT_EQ(final[v], least[v]) << v;
            }
        }
        EXPECT_EQ(steps.way, graph::EnumerateShortestWay(adjacency));
    }
}

}  // namespace
