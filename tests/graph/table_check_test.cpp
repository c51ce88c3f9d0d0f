// Checking hand-worked tables: every correct run of small random graphs, in
// every tie order and both conventions, passes; single slips in a table are
// found at their cell, with the words a student reads.
#include "table_check.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <sstream>

#include "dijkstra_steps.h"

namespace {

using graph::AdjacencyMatrix;
using graph::HandRow;

AdjacencyMatrix Links(int n, std::initializer_list<std::array<std::int32_t, 3>> links) {
    AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
    for (const auto& [from, to, weight] : links) {
        adjacency[from - 1][to - 1] = adjacency[to - 1][from - 1] = weight;
    }
    return adjacency;
}

// The rows of a copied step table, headers and step numbers left out.
std::vector<HandRow> RowsOf(const std::string& text) {
    std::vector<HandRow> rows;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        std::istringstream fields(line + '\t');
        std::string cell;
        while (std::getline(fields, cell, '\t')) cells.push_back(cell);
        HandRow row;
        row.chosen = cells.back();
        row.cells.assign(cells.begin() + 1, cells.end() - 1);
        rows.push_back(row);
    }
    return rows;
}

// Every run of Dijkstra from node 1 a student may write, one per order of
// settling tied nodes, in the notation `style` picks, as rows of either
// convention.
void EveryRun(const AdjacencyMatrix& adjacency, bool before, int style,
              const std::function<void(const std::vector<HandRow>&)>& visit) {
    const int n = static_cast<int>(adjacency.size());
    struct State {
        std::vector<std::int64_t> dist;
        std::vector<bool> done;
        std::vector<HandRow> rows;
    };
    const auto cells = [&](const State& s, int chosen, bool star) {
        std::vector<std::string> texts;
        for (int v = 0; v < n; ++v) {
            if (s.done[v] && v != chosen) {
                texts.push_back(style % 2 ? "—" : "");
            } else if (s.dist[v] < 0) {
                texts.push_back(style % 3 == 0 ? "∞" : (style % 3 == 1 ? "inf" : "-"));
            } else {
                texts.push_back(std::to_string(s.dist[v]) + (star && v == chosen ? "*" : ""));
            }
        }
        return texts;
    };
    std::function<void(State)> grow = [&](State s) {
        std::int64_t least = -1;
        for (int v = 0; v < n; ++v) {
            if (!s.done[v] && s.dist[v] >= 0 && (least < 0 || s.dist[v] < least)) least = s.dist[v];
        }
        if (least < 0 || (n > 0 && s.done[n - 1])) {
            visit(s.rows);
            return;
        }
        for (int u = 0; u < n; ++u) {
            if (s.done[u] || s.dist[u] != least) continue;
            State next = s;
            if (before) next.rows.push_back({cells(next, u, false), std::to_string(u + 1)});
            next.done[u] = true;
            for (int v = 0; v < n; ++v) {
                const std::int32_t w = adjacency[u][v];
                if (!next.done[v] && w >= 0 && (next.dist[v] < 0 || least + w < next.dist[v])) {
                    next.dist[v] = least + w;
                }
            }
            if (!before) {
                const bool star = style % 2 == 0;
                next.rows.push_back({cells(next, u, star), star ? "" : std::to_string(u + 1)});
            }
            grow(next);
        }
    };
    State start{std::vector<std::int64_t>(n, -1), std::vector<bool>(n, false), {}};
    start.dist[0] = 0;
    if (!before) start.rows.push_back({cells(start, -1, false), ""});
    grow(start);
}

TEST(TableCheck, EveryCorrectRunInEveryTieOrderPasses) {
    std::mt19937 random(2026);
    int runs = 0;
    for (int round = 0; round < 150; ++round) {
        const int n = 3 + round % 4;
        AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
        for (int u = 0; u < n; ++u) {
            for (int v = u + 1; v < n; ++v) {
                if (random() % 3 == 0) continue;
                adjacency[u][v] = adjacency[v][u] = static_cast<std::int32_t>(random() % 3);
            }
        }
        SCOPED_TRACE(testing::PrintToString(adjacency));
        for (const bool before : {false, true}) {
            EveryRun(adjacency, before, round, [&](const std::vector<HandRow>& rows) {
                ++runs;
                const graph::TableCheck check = graph::CheckHandTable(adjacency, rows);
                ASSERT_TRUE(check.faults.empty()) << graph::FaultText(check.faults.front());
                EXPECT_EQ(check.convention, before ? graph::Convention::BeforeChoice
                                                   : graph::Convention::AfterChoice);
            });
        }
        // The program's own table, predecessors and all, is a correct one.
        const graph::DijkstraSteps steps = graph::FindDijkstraSteps(adjacency);
        const graph::TableCheck own =
            graph::CheckHandTable(adjacency, RowsOf(graph::DijkstraStepsText(steps)));
        ASSERT_TRUE(own.faults.empty()) << graph::FaultText(own.faults.front());
        // The way read back is a shortest one, if not always the program's.
        ASSERT_EQ(own.way.has_value(), steps.way.has_value());
        EXPECT_EQ(own.wayShortest, steps.way.has_value());
    }
    EXPECT_GT(runs, 300);
}

TEST(TableCheck, SlipsAreFoundAtTheirCellInWords) {
    // The sample graph: links 1-2 = 5, 2-6 = 5, 1-6 = 20, and 2-3 = 1.
    const AdjacencyMatrix sample = Links(6, {{1, 2, 5}, {2, 6, 5}, {1, 6, 20}, {2, 3, 1}});
    const std::string table = graph::DijkstraStepsText(graph::FindDijkstraSteps(sample));
    const struct {
        std::size_t row;
        std::size_t column;  // a node index, or 6 for the chosen column
        const char* text;
        std::size_t step;
        std::optional<std::int32_t> node;
        const char* words;
    } slips[] = {
        {2, 5, "20 (1)", 2, 5, "Шаг 2, узел 6: через узел 2 расстояние 5 + 5 = 10 меньше 20"},
        {2, 2, "7 (2)", 2, 2, "Шаг 2, узел 3: через узел 2 расстояние 5 + 1 = 6 меньше 7"},
        {2, 2, "5", 2, 2, "Шаг 2, узел 3: через узел 2 расстояние 5 + 1 = 6, а не 5"},
        {1, 2, "3", 1, 2, "Шаг 1, узел 3: расстояние остаётся ∞, а не 3"},
        {2, 0, "4", 2, 0, "Шаг 2, узел 1: узел уже выбран с расстоянием 0, оно не меняется"},
        {2, 5, "10 (1)", 2, 5, "Шаг 2, узел 6: узел 1 не даёт 10: 0 + 20 = 20"},
        {2, 6, "6", 2, std::nullopt,
         "Шаг 2: выбран узел 6 (20), а наименьшее расстояние 5 у узла 2"},
    };
    for (const auto& slip : slips) {
        std::vector<HandRow> rows = RowsOf(table);
        // The chosen node's own cell carries no mark in this test's rows.
        for (HandRow& row : rows) {
            for (std::string& cell : row.cells) std::erase(cell, '*');
        }
        // The rows after a slip would carry it on; they are left out.
        rows.resize(slip.row + 1);
        if (slip.column == 6) {
            // Node 6 chosen before node 2: its links followed, none shorter.
            rows[slip.row] = {{"", "5 (1)", "∞", "∞", "∞", "20 (1)"}, slip.text};
        } else {
            rows[slip.row].cells[slip.column] = slip.text;
        }
        const graph::TableCheck check = graph::CheckHandTable(sample, rows);
        ASSERT_FALSE(check.faults.empty()) << slip.words;
        EXPECT_EQ(check.faults.front().step, slip.step) << slip.words;
        EXPECT_EQ(check.faults.front().node, slip.node) << slip.words;
        EXPECT_EQ(graph::FaultText(check.faults.front()), slip.words);
        EXPECT_EQ(check.faults.size(), 1u)
            << slip.words << " / " << graph::FaultText(check.faults.back());
    }
}

TEST(TableCheck, SummaryAndWayReadBack) {
    const AdjacencyMatrix sample = Links(6, {{1, 2, 5}, {2, 6, 5}, {1, 6, 20}});
    std::vector<HandRow> rows = RowsOf(graph::DijkstraStepsText(graph::FindDijkstraSteps(sample)));
    graph::TableCheck check = graph::CheckHandTable(sample, rows);
    EXPECT_EQ(graph::CheckSummary(check), "Таблица верна");
    ASSERT_TRUE(check.way);
    EXPECT_EQ(graph::WayText(check.way->way), "1-2-6");
    EXPECT_TRUE(check.wayShortest);
    // One slip carried on is reported once.
    rows[1].cells[1] = "x";
    rows[2].cells[5] = "20 (1)";
    rows[3].cells[5] = "20 (1)*";
    check = graph::CheckHandTable(sample, rows);
    EXPECT_EQ(graph::CheckSummary(check), "Ошибок: 2 (шаги 1 и 2)");
    EXPECT_EQ(graph::FaultTextEnglish(check.faults.back()),
              "step 2, node 6: via node 2 the distance 5 + 5 = 10 is less than 20");
}

}  // namespace
