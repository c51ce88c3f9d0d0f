// Checking hand-worked tables. On many random graphs with links of weight 0,
// mirrored and one-way: the program's own table in every tie order, both
// conventions and every notation passes; each single slip, copied forward
// or put right in the next row, is one fault at its cell; an empty, cut or
// overlong table is a fault. Then the cases teachers and students met.
#include "graph/table_check.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "graph/dijkstra_steps.h"
#include "graph/table_check_texts.h"
#include "graph/way_search.h"

namespace {

using graph::AdjacencyMatrix;
using graph::Convention;
using graph::StepCell;
using Kind = graph::TableFault::Kind;

// One row of a table as a student holds it, before it is written out.
struct Row {
    std::size_t step = 0;
    std::vector<StepCell> cells;
    std::optional<std::int32_t> chosen;
    bool start = false;
};

// The program's own table of `adjacency`, tied nodes chosen by `random`;
// with `wrongAt`, the row of that step chooses a reached node that is not
// the least when there is one, and `wrong` tells whether there was.
std::vector<Row> OwnRows(const AdjacencyMatrix& adjacency, Convention convention,
                         std::mt19937& random, std::size_t wrongAt = 0, bool* wrong = nullptr) {
    std::vector<Row> rows;
    std::size_t step = 0;
    const auto pick = [&](const std::vector<std::int32_t>& least) {
        return least[random() % least.size()];
    };
    if (wrongAt == 0) {
        graph::WalkDijkstraTable(
            adjacency, convention,
            [&](const graph::StepRow& row) {
                rows.push_back({row.step, row.cells, row.chosen, row.start});
            },
            pick);
        return rows;
    }
    // The same walk by hand, so that one choice can go wrong.
    graph::DijkstraRun run(adjacency);
    const bool after = convention == Convention::AfterChoice;
    if (after) rows.push_back({0, run.Cells(), std::nullopt, true});
    while (!run.Finished()) {
        std::int32_t node = pick(run.Least());
        if (++step == wrongAt) {
            for (std::size_t v = 0; v < adjacency.size(); ++v) {
                const StepCell& cell = run.Cells()[v];
                if (!cell.settled && cell.distance &&
                    *cell.distance > *run.Cells()[node].distance) {
                    node = static_cast<std::int32_t>(v);
                    *wrong = true;
                }
            }
        }
        if (!after) rows.push_back({step, run.Cells(), node, false});
        run.Choose(node);
        if (after) rows.push_back({step, run.Cells(), node, false});
    }
    if (!run.Cells().back().settled) rows.push_back({step + 1, run.Cells(), std::nullopt, false});
    return rows;
}

// How a student writes the table: its separator, header and step column,
// the marks for "chosen before" and "not reached", predecessors or not, the
// choice in its column or as a star.
struct Notation {
    char separator = '\t';
    bool headers = true;
    const char* before = "";
    const char* unreached = "∞";
    bool predecessors = true;
    bool stars = false;
};

std::string CellText(const StepCell& cell, bool chosenHere, const Notation& style) {
    if (cell.settled && !chosenHere) return style.before;
    StepCell shown = cell;
    shown.settled = false;
    if (!style.predecessors) shown.predecessors.clear();
    std::string text = cell.distance ? graph::StepCellText(shown, false) : style.unreached;
    return chosenHere && (style.stars || style.separator == '\t') ? text + '*' : text;
}

std::string TableText(const std::vector<Row>& rows, std::size_t n, const Notation& style) {
    const std::string sep(1, style.separator);
    std::string text;
    if (style.headers) {
        text += "Шаг";
        for (std::size_t v = 1; v <= n; ++v) text += sep + std::to_string(v);
        text += sep + "Выбран\n";
    }
    for (const Row& row : rows) {
        if (style.headers) text += std::to_string(row.step) + sep;
        for (std::size_t v = 0; v < n; ++v) {
            text += CellText(row.cells[v], row.chosen == static_cast<std::int32_t>(v), style) + sep;
        }
        if (!style.stars || !row.chosen) text += graph::ChosenText(row.chosen, row.start);
        text += '\n';
    }
    return text;
}

graph::TableCheck Check(const AdjacencyMatrix& adjacency, const std::string& text) {
    return graph::CheckHandTable(adjacency, graph::ReadHandTable(text, adjacency.size()));
}

AdjacencyMatrix RandomGraph(std::mt19937& random, bool mirrored) {
    const int n = 2 + static_cast<int>(random() % 7);
    AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
    for (int u = 0; u < n; ++u) {
        for (int v = 0; v < n; ++v) {
            if (u == v || (mirrored && v < u)) continue;
            const int roll = static_cast<int>(random() % 10);
            adjacency[u][v] = roll < 3 ? graph::kNoLink : roll < 6 ? 0 : roll - 5;
            if (mirrored) adjacency[v][u] = adjacency[u][v];
        }
    }
    return adjacency;
}

bool Chosen(const std::vector<Row>& rows, std::size_t r, std::int32_t node, bool after) {
    return rows[r].cells[node].settled || (after && rows[r].chosen == node);
}

// One slip put into `rows` at row `r`, node `v`; false where it does not
// apply. Copied forward, it stays while the right cell stays the same.
bool Slip(int kind, std::vector<Row>& rows, std::size_t r, std::int32_t v,
          const AdjacencyMatrix& adjacency, bool after, bool copy, std::mt19937& random) {
    const std::size_t n = adjacency.size();
    const StepCell right = rows[r].cells[v];
    StepCell wrong = right;
    const bool last = after && rows[r].chosen == static_cast<std::int32_t>(n - 1);
    const StepCell* before = r > 0 ? &rows[r - 1].cells[v] : nullptr;
    const bool changed = before && !right.settled && before->distance != right.distance;
    switch (kind) {
        case 0:  // a wrong sum
            if (!changed || !right.distance || last || *right.distance == 0) return false;
            *wrong.distance += random() % 2 ? 1 : -1;
            break;
        case 1:  // a relaxation missed
            if (!changed || last) return false;
            wrong = *before;
            break;
        case 2:  // a chosen node's distance changed
            if (!right.settled || rows[r].chosen == v) return false;
            wrong.distance = *right.distance + 1 + static_cast<std::int64_t>(random() % 3);
            wrong.settled = false;
            break;
        case 3:    // a predecessor that does not give the distance
        case 4: {  // one not chosen yet
            if (right.settled || !right.distance || right.predecessors.empty()) return false;
            for (std::int32_t q = 0; q < static_cast<std::int32_t>(n); ++q) {
                const std::int32_t w = adjacency[q][v];
                const bool chosen = Chosen(rows, r, q, after);
                const bool fits =
                    kind == 4 ? w >= 0 && q != v && !chosen : q != v && (w < 0 || chosen);
                if (!fits || std::count(right.predecessors.begin(), right.predecessors.end(), q)) {
                    continue;
                }
                if (kind == 3 && w >= 0) {
                    // A chosen node shows its distance in its settled cell.
                    std::optional<std::int64_t> d;
                    for (const Row& row : rows) {
                        if (row.chosen == q) d = row.cells[q].distance;
                    }
                    if (d && *d + w == *right.distance) continue;
                }
                wrong.predecessors = {q};
                break;
            }
            if (wrong.predecessors == right.predecessors) return false;
            break;
        }
    }
    rows[r].cells[v] = wrong;
    for (std::size_t k = r + 1; copy && k < rows.size(); ++k) {
        StepCell now = rows[k].cells[v];
        if (!(kind == 2 ? now.settled
                        : now == right || (now.distance == right.distance &&
                                           now.predecessors == right.predecessors))) {
            break;
        }
        rows[k].cells[v] = wrong;
        rows[k].cells[v].settled = now.settled && kind != 2;
    }
    return true;
}

const Kind kSlipKinds[][2] = {
    {Kind::WrongDistance, Kind::MissedShorter},
    {Kind::MissedShorter, Kind::MissedShorter},
    {Kind::SettledChanged, Kind::SettledChanged},
    {Kind::WrongPredecessor, Kind::WrongPredecessor},
    {Kind::PredecessorNotChosen, Kind::PredecessorNotChosen},
    {Kind::NotLeast, Kind::NotLeast},
};

TEST(TableCheck, OwnTablesPassAndEverySlipIsOneFaultAtItsCell) {
    std::mt19937 random(27);
    const Notation notations[] = {
        {'\t', true, "", "∞", true, false},   {'\t', false, "—", "inf", false, true},
        {';', false, "-", "-", true, false},  {' ', true, "—", "—", true, true},
        {' ', false, "-", "∞", false, false},
    };
    int slips = 0;
    for (int round = 0; round < 10000; ++round) {
        const AdjacencyMatrix adjacency = RandomGraph(random, round % 2 == 0);
        const std::size_t n = adjacency.size();
        const bool after = round % 4 < 2;
        const Convention convention = after ? Convention::AfterChoice : Convention::BeforeChoice;
        const Notation& style = notations[round % 5];
        std::vector<Row> rows = OwnRows(adjacency, convention, random);
        const std::string own = TableText(rows, n, style);
        SCOPED_TRACE(testing::PrintToString(adjacency) + "\n" + own);
        const graph::TableCheck check = Check(adjacency, own);
        ASSERT_TRUE(check.faults.empty()) << graph::FaultText(check.faults.front());
        EXPECT_EQ(check.convention, convention);
        const std::optional<graph::ShortestWay> way = graph::FindShortestWay(adjacency);
        ASSERT_EQ(check.way.has_value(), way.has_value());
        EXPECT_EQ(check.wayShortest, way.has_value());

        // Cut short, or with a row after its end, it is not right.
        std::vector<Row> cut(rows.begin(), rows.end() - 1);
        ASSERT_EQ(Check(adjacency, TableText(cut, n, style)).faults.back().kind, Kind::Truncated);
        std::vector<Row> longer = rows;
        longer.push_back(rows.back());
        ASSERT_EQ(Check(adjacency, TableText(longer, n, style)).faults.back().kind, Kind::AfterEnd);

        // One slip, copied forward or not.
        const int kind = round % 6;
        std::size_t r = 1 + random() % (rows.size() - 1);
        auto v = static_cast<std::int32_t>(random() % n);
        if (kind == 5) {
            bool wrong = false;
            rows = OwnRows(adjacency, convention, random, rows[r].step, &wrong);
            if (!wrong) continue;
        } else {
            if ((kind == 3 || kind == 4) && !style.predecessors) continue;
            bool slipped = false;
            for (int attempt = 0; attempt < 30 && !slipped; ++attempt) {
                r = 1 + random() % (rows.size() - 1);
                v = static_cast<std::int32_t>(random() % n);
                slipped = Slip(kind, rows, r, v, adjacency, after, round % 3 == 0, random);
            }
            if (!slipped) continue;
        }
        ++slips;
        const std::string text = TableText(rows, n, style);
        SCOPED_TRACE("slip " + std::to_string(kind) + ":\n" + text);
        const graph::TableCheck slipped = Check(adjacency, text);
        ASSERT_EQ(slipped.faults.size(), 1u)
            << (slipped.faults.empty() ? "" : graph::FaultText(slipped.faults.back()));
        const graph::TableFault& fault = slipped.faults.front();
        EXPECT_EQ(fault.step, rows[r].step);
        if (kind != 5) {
            EXPECT_EQ(fault.node, v);
        }
        EXPECT_TRUE(fault.kind == kSlipKinds[kind][0] || fault.kind == kSlipKinds[kind][1])
            << graph::FaultText(fault);
    }
    EXPECT_GT(slips, 6000);
}

// The sample graph: links 1-2 = 5, 2-6 = 5, 1-6 = 20, and 2-3 = 1.
AdjacencyMatrix Sample() {
    AdjacencyMatrix adjacency(6, std::vector<std::int32_t>(6, graph::kNoLink));
    for (const auto& [u, v, w] : {std::array{0, 1, 5}, {1, 5, 5}, {0, 5, 20}, {1, 2, 1}}) {
        adjacency[u][v] = adjacency[v][u] = w;
    }
    return adjacency;
}

std::vector<std::string> FaultLines(const AdjacencyMatrix& adjacency, const std::string& text) {
    std::vector<std::string> lines;
    for (const graph::TableFault& f : Check(adjacency, text).faults) {
        lines.push_back(graph::FaultText(f));
    }
    return lines;
}

TEST(TableCheck, TablesAsStudentsWriteThem) {
    const AdjacencyMatrix sample = Sample();
    // Links 1->2 = 1, 1->3 = 1, 3->4 = 0, 4->2 = 0, 2->5 = 1, one way each.
    AdjacencyMatrix free(5, std::vector<std::int32_t>(5, graph::kNoLink));
    free[0][1] = free[0][2] = free[1][4] = 1;
    free[2][3] = free[3][1] = 0;
    const struct {
        const char* what;
        const AdjacencyMatrix& adjacency;
        const char* text;
        std::vector<std::string> faults;
    } cases[] = {
        {"the program's own table where a later node ties through links of weight 0",
         free,
         "Шаг\t1\t2\t3\t4\t5\tВыбран\n0\t0\t∞\t∞\t∞\t∞\t\n1\t0*\t1 (1)\t1 (1)\t∞\t∞\t1\n"
         "2\t\t1 (1)*\t1 (1)\t∞\t2 (2)\t2\n3\t\t\t1 (1)*\t1 (3)\t2 (2)\t3\n"
         "4\t\t\t\t1 (3)*\t2 (2)\t4\n5\t\t\t\t\t2 (2)*\t5\n",
         {}},
        {"an empty table", sample, "", {"Таблица обрывается: узел 6 ещё не выбран"}},
        {"a header alone",
         sample,
         "Шаг\t1\t2\t3\t4\t5\t6\tВыбран\n",
         {"Таблица обрывается: узел 6 ещё не выбран"}},
        {"the start row alone",
         sample,
         "0\t∞\t∞\t∞\t∞\t∞\t\n",
         {"Таблица обрывается: узел 6 ещё не выбран"}},
        {"a predecessor chosen later, and the table stopping there",
         sample,
         "0 inf inf inf inf inf\n0* 5 (1) inf inf inf 20 (1, 2) 1\n",
         {"Шаг 1, узел 6: узел 2 ещё не выбран и не может быть предшественником",
          "Таблица обрывается: узел 6 ещё не выбран"}},
        {"dashes for chosen before and not reached, stopping where node 6 is chosen",
         sample,
         "0;-;-;-;-;-;\n0*;5 (1);-;-;-;20 (1);1\n—;5*;6 (2);-;-;10 (2; 1);2\n"
         "-;-;6 (2)*;-;-;10 (2);3\n-;—;—;-;-;10 (2)*;6\n",
         {"Шаг 2, узел 6: узел 1 не даёт 10: 0 + 20 = 20"}},
        {"a dash where a node is reached",
         sample,
         "0\t-\t-\t-\t-\t-\t\n0*\t—\t-\t-\t-\t20\t1\n",
         {"Шаг 1, узел 2: через узел 1 расстояние 0 + 5 = 5 меньше —",
          "Таблица обрывается: узел 6 ещё не выбран"}},
        {"a distance beyond any way",
         sample,
         "0\t∞\t∞\t∞\t∞\t∞\t1\n—\t9223372036854775807 (1)\t∞\t∞\t∞\t20 (1)\t2\n",
         {"Шаг 2, узел 2: расстояние 9223372036854775807 больше, чем может быть: не больше "
          "10737418235",
          "Таблица обрывается: узел 6 ещё не выбран"}},
        {"a row after the last node",
         sample,
         "0 ∞ ∞ ∞ ∞ ∞ 1\n— 5 ∞ ∞ ∞ 20 2\n— — 6 ∞ ∞ 10 3\n— — — ∞ ∞ 10 6\n— — — ∞ ∞ — 4\n",
         {"Строка после конца таблицы: узел 6 выбран на шаге 4"}},
    };
    EXPECT_EQ(graph::DijkstraStepsText(graph::FindDijkstraSteps(free)), cases[0].text);
    for (const auto& c : cases) {
        EXPECT_EQ(FaultLines(c.adjacency, c.text), c.faults) << c.what;
    }
    // A row one cell short is not a table of the graph.
    EXPECT_THROW(graph::ReadHandTable("0\t∞\t∞\t∞\t∞\t∞\t\n0*\t5 (1)\t∞\t∞\t∞\t1\n", 6),
                 graph::TableTextError);
    EXPECT_THROW(graph::ReadHandTable(std::string(graph::kHandTableLimit + 1, ' '), 6),
                 graph::TableTextError);
}

TEST(TableCheck, SummaryWordsAndWayReadBack) {
    const AdjacencyMatrix sample = Sample();
    const std::string own = graph::DijkstraStepsText(graph::FindDijkstraSteps(sample));
    graph::TableCheck check = Check(sample, own);
    EXPECT_EQ(graph::CheckSummary(check), "Таблица верна");
    ASSERT_TRUE(check.way);
    EXPECT_EQ(graph::WayText(check.way->way), "1-2-6");
    EXPECT_TRUE(check.wayShortest);
    check = Check(sample,
                  "0\t∞\t∞\t∞\t∞\t∞\t\nx\t5 (1)\t∞\t∞\t∞\t20 (1)\t1\n"
                  "\t5 (1)*\t6 (2)\t∞\t∞\t20 (1)\t2\n");
    EXPECT_EQ(graph::CheckSummary(check), "Ошибок: 3 (шаги 1, 2 и 3)");
    EXPECT_EQ(graph::FaultText(check.faults[1], graph::Language::English),
              "step 2, node 6: via node 2 the distance 5 + 5 = 10 is less than 20");
    EXPECT_EQ(graph::FaultText(check.faults[2], graph::Language::English),
              "the table stops: node 6 is not chosen yet");
}

}  // namespace
