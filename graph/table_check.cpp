// Checking a hand-worked Dijkstra table; see table_check.h.
#include "table_check.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <stdexcept>

#include "way_distances.h"
#include "way_search.h"

namespace graph {

namespace {

// A cell as read: not reached (∞, inf, -), a dash for a node chosen before
// (—), empty (either of those, by the node's state), or a distance with the
// predecessors given; a "*" marks the row's chosen node.
struct Cell {
    enum class Kind { Empty, Unreached, Dash, Distance, Bad } kind = Kind::Empty;
    std::int64_t distance = 0;
    std::vector<std::int32_t> predecessors;
    bool star = false;
};

std::string Trimmed(std::string text) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.back())) text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && space(text[first])) ++first;
    return text.substr(first);
}

bool TakeNumber(std::string_view& text, std::int64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

void SkipSpaces(std::string_view& text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
}

Cell ReadCell(std::string text, std::size_t n) {
    Cell cell;
    for (std::size_t star = text.find('*'); star != std::string::npos; star = text.find('*')) {
        cell.star = true;
        text.erase(star, 1);
    }
    text = Trimmed(std::move(text));
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (text.empty()) return cell;
    if (text == "∞" || lower == "inf" || text == "-") {
        cell.kind = Cell::Kind::Unreached;
        return cell;
    }
    if (text == "—") {
        cell.kind = Cell::Kind::Dash;
        return cell;
    }
    std::string_view rest(text);
    cell.kind = Cell::Kind::Bad;
    if (!TakeNumber(rest, cell.distance) || cell.distance < 0) return cell;
    SkipSpaces(rest);
    if (!rest.empty()) {
        if (rest.front() != '(' || rest.back() != ')') return cell;
        rest = rest.substr(1, rest.size() - 2);
        for (;;) {
            SkipSpaces(rest);
            std::int64_t node = 0;
            if (!TakeNumber(rest, node) || node < 1 || node > static_cast<std::int64_t>(n)) {
                return cell;
            }
            cell.predecessors.push_back(static_cast<std::int32_t>(node - 1));
            SkipSpaces(rest);
            if (rest.empty()) break;
            if (rest.front() != ',' && rest.front() != ';') return cell;
            rest.remove_prefix(1);
        }
    }
    cell.kind = Cell::Kind::Distance;
    return cell;
}

struct ReadRow {
    std::vector<Cell> cells;
    // The chosen node from the chosen column or the "*" cells; `choices`
    // counts them, and `end` is a column that says there is no way.
    std::optional<std::int32_t> chosen;
    int choices = 0;
    bool end = false;
    bool chosenColumn = false;
};

ReadRow Read(const HandRow& row, std::size_t n) {
    ReadRow read;
    std::vector<std::int32_t> named;
    for (std::size_t v = 0; v < n; ++v) {
        read.cells.push_back(ReadCell(v < row.cells.size() ? row.cells[v] : std::string(), n));
        if (read.cells.back().star) named.push_back(static_cast<std::int32_t>(v));
    }
    const std::string chosen = Trimmed(row.chosen);
    std::int64_t node = 0;
    std::string_view text(chosen);
    if (chosen.find("нет") != std::string::npos) {
        read.end = true;
    } else if (TakeNumber(text, node) && text.empty() && node >= 1 &&
               node <= static_cast<std::int64_t>(n)) {
        read.chosenColumn = true;
        named.push_back(static_cast<std::int32_t>(node - 1));
    }
    std::sort(named.begin(), named.end());
    named.erase(std::unique(named.begin(), named.end()), named.end());
    read.choices = static_cast<int>(named.size());
    if (named.size() == 1) read.chosen = named.front();
    return read;
}

bool IsStart(const ReadRow& row) {
    for (std::size_t v = 0; v < row.cells.size(); ++v) {
        const Cell& cell = row.cells[v];
        if (v == 0 ? cell.kind != Cell::Kind::Distance || cell.distance != 0
                   : cell.kind == Cell::Kind::Distance || cell.kind == Cell::Kind::Bad) {
            return false;
        }
    }
    return true;
}

TableFault FaultOf(TableFault::Kind kind) {
    TableFault fault;
    fault.kind = kind;
    return fault;
}

struct Outcome {
    std::vector<TableFault> faults;
    Distances distances;
    std::vector<std::vector<std::int32_t>> predecessors;
    std::vector<bool> settled;
};

class Checker {
public:
    Checker(const AdjacencyMatrix& adjacency, const std::vector<ReadRow>& rows)
        : adjacency_(adjacency), rows_(rows), n_(adjacency.size()) {}

    Outcome Run(Convention convention) {
        Outcome out;
        out.distances.assign(n_, std::nullopt);
        out.distances[0] = 0;
        out.predecessors.assign(n_, {});
        out.settled.assign(n_, false);
        std::vector<std::size_t> chosenAt(n_, 0);
        std::optional<std::int32_t> previous;
        const bool startRow = !rows_.empty() && rows_[0].choices == 0 && !rows_[0].end;
        const bool after = convention == Convention::AfterChoice;
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            const ReadRow& row = rows_[r];
            const std::size_t step = after && startRow ? r : r + 1;
            const auto fault = [&](TableFault f) {
                f.step = step;
                out.faults.push_back(std::move(f));
            };
            if (after && startRow && r == 0) {
                CheckStart(row, fault, out);
                continue;
            }
            std::optional<std::int32_t> chosen = row.chosen;
            if (row.choices != 1 && !row.end) {
                fault(FaultOf(TableFault::Kind::NoChoice));
                chosen.reset();
            } else if (chosen && out.settled[*chosen]) {
                TableFault f = FaultOf(TableFault::Kind::ChosenAgain);
                f.node = ChosenCell(row, *chosen);
                f.expected = static_cast<std::int64_t>(chosenAt[*chosen]);
                f.written = *chosen + 1;
                fault(f);
                chosen.reset();
            }
            if (after && chosen) CheckLeast(out.distances, out.settled, row, *chosen, fault);
            if (row.end) CheckEnd(out.distances, out.settled, fault);
            const std::optional<std::int32_t> from = after ? chosen : previous;
            Distances written = CheckCells(row, from, after ? chosen : std::nullopt, out, fault);
            if (!after && chosen) CheckLeast(written, out.settled, row, *chosen, fault);
            out.distances = std::move(written);
            if (chosen) {
                out.settled[*chosen] = true;
                chosenAt[*chosen] = step;
            }
            previous = chosen;
        }
        return out;
    }

private:
    template <typename Fault>
    void CheckStart(const ReadRow& row, const Fault& fault, Outcome& out) {
        for (std::size_t v = 0; v < n_; ++v) {
            const Cell& cell = row.cells[v];
            const bool right =
                v == 0 ? cell.kind == Cell::Kind::Distance && cell.distance == 0
                       : cell.kind == Cell::Kind::Unreached || cell.kind == Cell::Kind::Empty;
            if (right) continue;
            TableFault f = FaultOf(cell.kind == Cell::Kind::Bad ? TableFault::Kind::Unreadable
                                                                : TableFault::Kind::WrongStart);
            f.node = static_cast<std::int32_t>(v);
            f.text = CellText(row, v);
            if (v == 0) f.expected = 0;
            if (cell.kind == Cell::Kind::Distance) f.written = cell.distance;
            fault(f);
        }
        (void)out;
    }

    // The column a choice is marked in: the chosen column, else the node's.
    std::optional<std::int32_t> ChosenCell(const ReadRow& row, std::int32_t chosen) const {
        if (row.chosenColumn) return std::nullopt;
        return chosen;
    }

    template <typename Fault>
    void CheckLeast(const Distances& distances, const std::vector<bool>& settled,
                    const ReadRow& row, std::int32_t chosen, const Fault& fault) const {
        std::optional<std::int64_t> least;
        for (std::size_t v = 0; v < n_; ++v) {
            if (!settled[v] && distances[v] && (!least || *distances[v] < *least)) {
                least = distances[v];
            }
        }
        if (least && distances[chosen] == least) return;
        TableFault f = FaultOf(TableFault::Kind::NotLeast);
        f.node = ChosenCell(row, chosen);
        f.written = chosen + 1;
        f.viaDistance = distances[chosen];
        f.expected = least;
        for (std::size_t v = 0; v < n_; ++v) {
            if (!settled[v] && distances[v] && distances[v] == least) {
                f.nodes.push_back(static_cast<std::int32_t>(v));
            }
        }
        fault(f);
    }

    template <typename Fault>
    void CheckEnd(const Distances& distances, const std::vector<bool>& settled,
                  const Fault& fault) const {
        for (std::size_t v = 0; v < n_; ++v) {
            if (settled[v] || !distances[v]) continue;
            TableFault f = FaultOf(TableFault::Kind::NoChoice);
            f.nodes.push_back(static_cast<std::int32_t>(v));
            fault(f);
            return;
        }
    }

    std::string CellText(const ReadRow& row, std::size_t v) const {
        const Cell& cell = row.cells[v];
        switch (cell.kind) {
            case Cell::Kind::Distance:
                return std::to_string(cell.distance);
            case Cell::Kind::Unreached:
                return "∞";
            case Cell::Kind::Dash:
                return "—";
            default:
                return {};
        }
    }

    // Checks every cell of `row` against the student's state before it, with
    // the links out of `from` followed; `chosen` keeps its distance. Returns
    // the distances as the student wrote them, the expected ones where a
    // cell cannot be read.
    template <typename Fault>
    Distances CheckCells(const ReadRow& row, std::optional<std::int32_t> from,
                         std::optional<std::int32_t> chosen, Outcome& out, const Fault& fault) {
        const Distances& before = out.distances;
        Distances written = before;
        std::vector<std::optional<TableFault>> faults(n_);
        for (std::size_t v = 0; v < n_; ++v) {
            const Cell& cell = row.cells[v];
            const auto node = static_cast<std::int32_t>(v);
            TableFault f = FaultOf(TableFault::Kind::WrongDistance);
            f.node = node;
            std::optional<std::int64_t> value;
            if (cell.kind == Cell::Kind::Distance) value = cell.distance;
            if (out.settled[v]) {
                // A node chosen before keeps its distance: a dash, nothing,
                // or the same number.
                if (cell.kind == Cell::Kind::Bad) {
                    f.kind = TableFault::Kind::Unreadable;
                    faults[v] = f;
                } else if (cell.kind == Cell::Kind::Unreached || (value && value != before[v])) {
                    f.kind = TableFault::Kind::SettledChanged;
                    f.expected = before[v];
                    f.written = value;
                    faults[v] = f;
                }
                continue;
            }
            std::optional<std::int64_t> expected = before[v];
            std::optional<std::int64_t> through;
            std::int32_t weight = -1;
            if (from && node != *from && (!chosen || node != *chosen)) {
                weight = adjacency_[*from][v];
                if (weight >= 0 && before[*from]) through = *before[*from] + weight;
                if (through && (!expected || *through < *expected)) expected = through;
            }
            if (cell.kind == Cell::Kind::Bad) {
                // Later steps go on from what the cell should hold.
                written[v] = expected;
                f.kind = TableFault::Kind::Unreadable;
                faults[v] = f;
                continue;
            }
            written[v] = value;
            if (cell.kind == Cell::Kind::Dash) written[v] = expected;
            if (written[v] == expected && cell.kind != Cell::Kind::Dash) continue;
            if (from) {
                f.via = *from;
                f.viaDistance = before[*from];
            }
            f.weight = weight;
            f.expected = expected;
            f.written = cell.kind == Cell::Kind::Dash ? std::nullopt : value;
            f.text = CellText(row, v);
            const bool shorter = through && through == expected && expected != before[v];
            if (expected && (!value || *value > *expected) && shorter) {
                f.kind = TableFault::Kind::MissedShorter;
            }
            faults[v] = f;
        }
        // Predecessors give the distance written, from the distances of
        // this row.
        for (std::size_t v = 0; v < n_; ++v) {
            const Cell& cell = row.cells[v];
            if (faults[v] || cell.kind != Cell::Kind::Distance) continue;
            for (const std::int32_t p : cell.predecessors) {
                const std::int32_t weight = adjacency_[p][v];
                const auto gives = [&] {
                    return p != static_cast<std::int32_t>(v) && weight >= 0 && written[p] &&
                           *written[p] + weight == cell.distance;
                };
                if (gives()) continue;
                TableFault f = FaultOf(TableFault::Kind::WrongPredecessor);
                f.node = static_cast<std::int32_t>(v);
                f.via = p;
                f.viaDistance = written[p];
                f.weight = p == static_cast<std::int32_t>(v) ? -1 : weight;
                f.written = cell.distance;
                faults[v] = f;
                break;
            }
            if (!faults[v] && !cell.predecessors.empty()) out.predecessors[v] = cell.predecessors;
        }
        for (auto& f : faults) {
            if (f) fault(std::move(*f));
        }
        return written;
    }

    const AdjacencyMatrix& adjacency_;
    const std::vector<ReadRow>& rows_;
    std::size_t n_;
};

// The way back from the last node through the predecessors written, or,
// where none are, the chosen nodes whose distance and link give the node's:
// the first that reaches node 1 without passing a node twice.
std::optional<ShortestWay> WayOf(const AdjacencyMatrix& adjacency, const Outcome& out) {
    const std::size_t n = adjacency.size();
    if (n < 2 || !out.settled[n - 1] || !out.distances[n - 1]) return std::nullopt;
    const auto before = [&](std::int32_t v) {
        std::vector<std::int32_t> nodes = out.predecessors[v];
        for (std::size_t p = 0; nodes.empty() && p < n; ++p) {
            const std::int32_t w = adjacency[p][v];
            if (out.settled[p] && out.distances[p] && w >= 0 && static_cast<std::int32_t>(p) != v &&
                *out.distances[p] + w == out.distances[v]) {
                nodes.push_back(static_cast<std::int32_t>(p));
            }
        }
        return nodes;
    };
    Way back{static_cast<std::int32_t>(n - 1)};
    const std::function<bool()> reach = [&] {
        if (back.back() == 0) return true;
        for (const std::int32_t p : before(back.back())) {
            if (WayContains(back, p)) continue;
            back.push_back(p);
            if (reach()) return true;
            back.pop_back();
        }
        return false;
    };
    if (!reach()) return std::nullopt;
    std::reverse(back.begin(), back.end());
    return ShortestWay{back, *out.distances[n - 1]};
}

std::string Number(std::int32_t node) { return std::to_string(node + 1); }

std::string Distance(const std::optional<std::int64_t>& distance, const char* none) {
    return distance ? std::to_string(*distance) : none;
}

std::string NodeList(const std::vector<std::int32_t>& nodes, const char* and_) {
    std::string text;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        if (k > 0) text += k + 1 == nodes.size() ? and_ : ", ";
        text += Number(nodes[k]);
    }
    return text;
}

}  // namespace

std::vector<HandRow> ReadHandTable(const std::string& text, std::size_t n) {
    const bool tabbed = text.find('\t') != std::string::npos;
    std::vector<std::vector<std::string>> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (Trimmed(line).empty()) continue;
        std::vector<std::string> cells;
        std::string cell;
        for (const char c : tabbed ? line : Trimmed(line)) {
            const bool split = tabbed ? c == '\t' : c == ';' || c == ' ';
            if (!split) {
                cell += c;
            } else if (tabbed || !cell.empty() || c == ';') {
                cells.push_back(cell);
                cell.clear();
            }
        }
        cells.push_back(cell);
        lines.push_back(cells);
    }
    if (!lines.empty()) {
        const std::vector<std::string>& first = lines.front();
        bool numbers = first.size() >= n;
        for (std::size_t k = 0; numbers && k < n; ++k) {
            numbers = Trimmed(first[first.size() > n + 1 ? k + 1 : k]) == std::to_string(k + 1);
        }
        if (Trimmed(first.front()) == "Шаг" || numbers) lines.erase(lines.begin());
    }
    std::vector<HandRow> rows;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        std::vector<std::string>& cells = lines[k];
        if (cells.size() == n + 2) cells.erase(cells.begin());
        if (cells.size() != n && cells.size() != n + 1) {
            throw std::runtime_error("Row " + std::to_string(k + 1) + " of the table has " +
                                     std::to_string(cells.size()) + " cells, but a graph of " +
                                     std::to_string(n) + " nodes needs " + std::to_string(n) +
                                     ", and one more for the chosen node");
        }
        HandRow row;
        if (cells.size() == n + 1) row.chosen = cells.back();
        row.cells.assign(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(n));
        rows.push_back(row);
    }
    return rows;
}

TableCheck CheckHandTable(const AdjacencyMatrix& adjacency, const std::vector<HandRow>& rows) {
    std::vector<ReadRow> read;
    for (const HandRow& row : rows) read.push_back(Read(row, adjacency.size()));
    Checker checker(adjacency, read);
    TableCheck check;
    Outcome before = checker.Run(Convention::BeforeChoice);
    Outcome after = checker.Run(Convention::AfterChoice);
    const bool startChosen = !read.empty() && read[0].choices == 1 && IsStart(read[0]);
    const bool useBefore = before.faults.size() < after.faults.size() ||
                           (before.faults.size() == after.faults.size() && startChosen);
    Outcome& out = useBefore ? before : after;
    check.convention = useBefore ? Convention::BeforeChoice : Convention::AfterChoice;
    check.faults = std::move(out.faults);
    check.firstStep = !useBefore && !read.empty() && read[0].choices == 0 && !read[0].end ? 0 : 1;
    check.way = WayOf(adjacency, out);
    if (const std::optional<ShortestWay> shortest = FindShortestWay(adjacency)) {
        check.shortestLength = shortest->length;
    }
    check.wayShortest = check.way && check.shortestLength &&
                        check.way->length == *check.shortestLength &&
                        WayLength(check.way->way, adjacency) == check.way->length;
    return check;
}

std::string FaultText(const TableFault& f) {
    std::string text = "Шаг " + std::to_string(f.step);
    if (f.node) text += ", узел " + Number(*f.node);
    text += ": ";
    const std::string via = f.via >= 0 ? Number(f.via) : std::string();
    const std::string sum = Distance(f.viaDistance, "∞") + " + " + std::to_string(f.weight) +
                            " = " + Distance(f.expected, "∞");
    switch (f.kind) {
        case TableFault::Kind::Unreadable:
            return text + "не удаётся прочитать запись";
        case TableFault::Kind::NoChoice:
            if (!f.nodes.empty()) {
                return text + "путь ещё есть: узел " + NodeList(f.nodes, " и ") +
                       " достигнут, но не выбран";
            }
            return text + "не указан выбранный узел (один на шаг)";
        case TableFault::Kind::ChosenAgain:
            return text + "узел " + std::to_string(*f.written) + " уже выбран на шаге " +
                   std::to_string(*f.expected);
        case TableFault::Kind::NotLeast:
            return text + "выбран узел " + std::to_string(*f.written) + " (" +
                   Distance(f.viaDistance, "∞") + "), а наименьшее расстояние " +
                   Distance(f.expected, "∞") + (f.nodes.size() > 1 ? " у узлов " : " у узла ") +
                   NodeList(f.nodes, " и ");
        case TableFault::Kind::WrongStart:
            return text + (f.expected ? "в начале расстояние узла 1 равно 0"
                                      : "в начале расстояние известно только у узла 1");
        case TableFault::Kind::MissedShorter:
            return text + "через узел " + via + " расстояние " + sum + " меньше " +
                   Distance(f.written, "∞");
        case TableFault::Kind::WrongDistance:
            if (f.via >= 0 && f.weight >= 0 && f.viaDistance && f.expected &&
                *f.viaDistance + f.weight == *f.expected) {
                return text + "через узел " + via + " расстояние " + sum + ", а не " +
                       Distance(f.written, "∞");
            }
            return text + "расстояние остаётся " + Distance(f.expected, "∞") + ", а не " +
                   Distance(f.written, "∞");
        case TableFault::Kind::SettledChanged:
            return text + "узел уже выбран с расстоянием " + Distance(f.expected, "∞") +
                   ", оно не меняется";
        case TableFault::Kind::WrongPredecessor:
            if (f.weight < 0) return text + "из узла " + via + " связи сюда нет";
            return text + "узел " + via + " не даёт " + Distance(f.written, "∞") + ": " +
                   Distance(f.viaDistance, "∞") + " + " + std::to_string(f.weight) + " = " +
                   (f.viaDistance ? std::to_string(*f.viaDistance + f.weight) : "∞");
    }
    return text;
}

std::string FaultTextEnglish(const TableFault& f) {
    std::string text = "step " + std::to_string(f.step);
    text += f.node ? ", node " + Number(*f.node) : std::string(", chosen node");
    text += ": ";
    const std::string via = f.via >= 0 ? Number(f.via) : std::string();
    const std::string sum = Distance(f.viaDistance, "inf") + " + " + std::to_string(f.weight) +
                            " = " + Distance(f.expected, "inf");
    switch (f.kind) {
        case TableFault::Kind::Unreadable:
            return text + "cannot read the entry";
        case TableFault::Kind::NoChoice:
            if (!f.nodes.empty()) {
                return text + "there is still a way: node " + NodeList(f.nodes, " and ") +
                       " is reached but not chosen";
            }
            return text + "no chosen node (one per step)";
        case TableFault::Kind::ChosenAgain:
            return text + "node " + std::to_string(*f.written) + " was chosen at step " +
                   std::to_string(*f.expected);
        case TableFault::Kind::NotLeast:
            return text + "node " + std::to_string(*f.written) + " (" +
                   Distance(f.viaDistance, "inf") + ") chosen, but the least distance is " +
                   Distance(f.expected, "inf") + " at node " + NodeList(f.nodes, " and ");
        case TableFault::Kind::WrongStart:
            return text +
                   (f.expected ? "node 1 starts at 0" : "only node 1 is reached at the start");
        case TableFault::Kind::MissedShorter:
            return text + "via node " + via + " the distance " + sum + " is less than " +
                   Distance(f.written, "inf");
        case TableFault::Kind::WrongDistance:
            if (f.via >= 0 && f.weight >= 0 && f.viaDistance && f.expected &&
                *f.viaDistance + f.weight == *f.expected) {
                return text + "via node " + via + " the distance " + sum + ", not " +
                       Distance(f.written, "inf");
            }
            return text + "the distance stays " + Distance(f.expected, "inf") + ", not " +
                   Distance(f.written, "inf");
        case TableFault::Kind::SettledChanged:
            return text + "chosen before at " + Distance(f.expected, "inf") +
                   ", the distance does not change";
        case TableFault::Kind::WrongPredecessor:
            if (f.weight < 0) return text + "no link from node " + via;
            return text + "node " + via + " does not give " + Distance(f.written, "inf") + ": " +
                   Distance(f.viaDistance, "inf") + " + " + std::to_string(f.weight) + " = " +
                   (f.viaDistance ? std::to_string(*f.viaDistance + f.weight) : "inf");
    }
    return text;
}

std::string CheckSummary(const TableCheck& check) {
    if (check.faults.empty()) return "Таблица верна";
    std::vector<std::int32_t> steps;
    for (const TableFault& f : check.faults) {
        const auto step = static_cast<std::int32_t>(f.step);
        if (std::find(steps.begin(), steps.end(), step) == steps.end()) steps.push_back(step);
    }
    std::string list;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        if (k > 0) list += k + 1 == steps.size() ? " и " : ", ";
        list += std::to_string(steps[k]);
    }
    return "Ошибок: " + std::to_string(check.faults.size()) +
           (steps.size() > 1 ? " (шаги " : " (шаг ") + list + ")";
}

std::string ConventionText(Convention convention) {
    return convention == Convention::BeforeChoice
               ? "Строка таблицы — расстояния, из которых выбирается её узел"
               : "Строка таблицы — расстояния после шага её узла";
}

}  // namespace graph
