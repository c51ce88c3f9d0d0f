// Checking a hand-worked Dijkstra table; see table_check.h.
#include "graph/table_check.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "graph/way_distances.h"
#include "graph/way_search.h"

namespace graph {

namespace {

using Distance = std::optional<std::int64_t>;

// ---- Reading the text -------------------------------------------------------

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    return text;
}

// The cells of one line, split at `separator` outside parentheses; with
// spaces, runs of them split once, and a cell opening with "(" belongs to the
// one before, as in «10 (2, 4)», as «пути» does to «нет».
std::vector<std::string> SplitLine(std::string_view line, char separator) {
    std::vector<std::string> cells(1);
    int depth = 0;
    for (const char c : separator == ' ' ? Trimmed(line) : line) {
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        if (c != separator || depth > 0) {
            cells.back() += c;
        } else if (separator != ' ' || !cells.back().empty()) {
            cells.emplace_back();
        }
    }
    if (separator != ' ') return cells;
    std::vector<std::string> joined;
    for (std::string& cell : cells) {
        const bool noWay = !joined.empty() && ((joined.back() == "нет" && cell == "пути") ||
                                               (joined.back() == "no" && cell == "way"));
        if (noWay || (!joined.empty() && (cell.front() == '(' || cell == "*"))) {
            joined.back() += ' ' + cell;
        } else {
            joined.push_back(std::move(cell));
        }
    }
    return joined;
}

// Whether ";" separates cells somewhere outside parentheses.
bool SemicolonSeparated(std::string_view text) {
    int depth = 0;
    for (const char c : text) {
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        if (c == '\n') depth = 0;
        if (c == ';' && depth == 0) return true;
    }
    return false;
}

bool IsHeader(const std::vector<std::string>& cells, std::size_t n) {
    const std::string_view first = Trimmed(cells.front());
    if (first == kStepHeader || first == "Step" || first == "step") return true;
    if (cells.size() < n) return false;
    const std::size_t skip = cells.size() > n + 1 ? 1 : 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (Trimmed(cells[k + skip]) != std::to_string(k + 1)) return false;
    }
    return true;
}

// ---- Reading a cell ---------------------------------------------------------

struct Cell {
    enum class Kind {
        // Empty, "-" or "—": chosen before or not reached, by the node's state.
        ByState,
        Unreached,
        Distance,
        Bad,
        OutOfRange,
    } kind = Kind::ByState;
    std::int64_t distance = 0;
    // Ascending, without repeats.
    std::vector<std::int32_t> predecessors;
    bool star = false;
    std::string text;
};

// Takes the digits at the front of `text`; false when there are none. A
// number too large for 64 bits gives the largest value.
bool TakeNumber(std::string_view& text, std::int64_t& value) {
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    if (digits == 0) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + digits, value);
    if (error == std::errc::result_out_of_range) value = std::numeric_limits<std::int64_t>::max();
    text.remove_prefix(digits);
    return true;
}

void SkipSpaces(std::string_view& text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
}

bool IsDash(std::string_view text) {
    return text.empty() || text == "-" || text == "—" || text == "–";
}

bool IsInfinity(std::string_view text) {
    if (text == "∞") return true;
    if (text.size() != 3) return false;
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower == "inf";
}

Cell ReadCell(std::string_view raw, std::size_t n, std::int64_t limit) {
    Cell cell;
    cell.text = std::string(Trimmed(raw));
    std::string text = cell.text;
    for (std::size_t star = text.find('*'); star != std::string::npos; star = text.find('*')) {
        cell.star = true;
        text.erase(star, 1);
    }
    const std::string_view bare = Trimmed(text);
    if (IsDash(bare)) return cell;
    if (IsInfinity(bare)) {
        cell.kind = Cell::Kind::Unreached;
        return cell;
    }
    std::string_view rest = bare;
    cell.kind = Cell::Kind::Bad;
    if (!TakeNumber(rest, cell.distance)) return cell;
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
    std::sort(cell.predecessors.begin(), cell.predecessors.end());
    cell.predecessors.erase(std::unique(cell.predecessors.begin(), cell.predecessors.end()),
                            cell.predecessors.end());
    cell.kind = cell.distance > limit ? Cell::Kind::OutOfRange : Cell::Kind::Distance;
    return cell;
}

struct ReadRow {
    std::vector<Cell> cells;
    // The chosen node from the chosen column or the "*" cells; `choices`
    // counts them, `end` says the chosen column reads «нет пути», and
    // `unreadable` that it holds something else.
    std::optional<std::int32_t> chosen;
    std::size_t choices = 0;
    bool end = false;
    bool unreadable = false;
    bool inColumn = false;
    std::string chosenText;
};

ReadRow Read(const HandRow& row, std::size_t n, std::int64_t limit) {
    ReadRow read;
    std::vector<std::int32_t> named;
    for (std::size_t v = 0; v < n; ++v) {
        read.cells.push_back(
            ReadCell(v < row.cells.size() ? row.cells[v] : std::string(), n, limit));
        if (read.cells.back().star) named.push_back(static_cast<std::int32_t>(v));
    }
    read.chosenText = std::string(Trimmed(row.chosen));
    std::string_view text(read.chosenText);
    std::int64_t node = 0;
    if (read.chosenText.find("нет") != std::string::npos ||
        read.chosenText.find("no way") != std::string::npos) {
        read.end = true;
    } else if (TakeNumber(text, node) && text.empty() && node >= 1 &&
               node <= static_cast<std::int64_t>(n)) {
        read.inColumn = true;
        named.push_back(static_cast<std::int32_t>(node - 1));
    } else if (!read.chosenText.empty()) {
        read.unreadable = true;
    }
    std::sort(named.begin(), named.end());
    named.erase(std::unique(named.begin(), named.end()), named.end());
    read.choices = named.size();
    if (named.size() == 1) read.chosen = named.front();
    return read;
}

// Node 1 at 0 and nothing else reached, as the first row of BeforeChoice
// shows it.
bool IsStart(const ReadRow& row) {
    for (std::size_t v = 0; v < row.cells.size(); ++v) {
        const Cell& cell = row.cells[v];
        const bool right =
            v == 0 ? cell.kind == Cell::Kind::Distance && cell.distance == 0
                   : cell.kind == Cell::Kind::ByState || cell.kind == Cell::Kind::Unreached;
        if (!right) return false;
    }
    return true;
}

// ---- The check --------------------------------------------------------------

// Two runs side by side over the student's choices: `own` goes on from what
// the student wrote, `fair` from what each row should have held. A cell
// is right when it is what either gives.
struct Worlds {
    Distance own;
    Distance fair;
};

struct Outcome {
    std::vector<TableFault> faults;
    // For the way back: the chosen nodes in order, each one's distance as
    // written and the predecessors written in its row.
    std::vector<bool> chosen;
    std::vector<std::size_t> order;
    std::vector<Distance> settled;
    std::vector<std::vector<std::int32_t>> predecessors;
};

class Checker {
public:
    Checker(const AdjacencyMatrix& adjacency, const std::vector<ReadRow>& rows, std::int64_t limit)
        : adjacency_(adjacency), rows_(rows), n_(adjacency.size()), limit_(limit) {}

    Outcome Run(Convention convention) {
        after_ = convention == Convention::AfterChoice;
        out_ = Outcome{};
        out_.chosen.assign(n_, false);
        out_.order.assign(n_, 0);
        out_.settled.assign(n_, std::nullopt);
        out_.predecessors.assign(n_, {});
        state_.assign(n_, Worlds{});
        state_[0] = {0, 0};
        givers_.assign(n_, {});
        last_.assign(n_, Cell{});
        chosenAt_.assign(n_, 0);
        const bool startRow = after_ && !rows_.empty() && rows_[0].choices == 0 && !rows_[0].end &&
                              !rows_[0].unreadable;
        firstStep_ = startRow ? 0 : 1;
        std::optional<std::int32_t> previous;
        bool complete = false;
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            step_ = firstStep_ + r;
            if (complete) {
                Fault(AfterEndFault());
                break;
            }
            if (startRow && r == 0) {
                CheckRow(rows_[r], std::nullopt, std::nullopt, true);
                continue;
            }
            const std::optional<std::int32_t> chosen = Choice(rows_[r]);
            const std::optional<std::int32_t> from = after_ ? chosen : previous;
            if (after_ && chosen) CheckLeast(rows_[r], *chosen);
            CheckRow(rows_[r], from, chosen, false);
            if (!after_ && chosen) CheckLeast(rows_[r], *chosen);
            if (chosen) Settle(rows_[r], *chosen);
            if (rows_[r].end) CheckEnd();
            complete = rows_[r].end || (chosen && *chosen == static_cast<std::int32_t>(n_ - 1));
            previous = chosen;
        }
        if (!complete) {
            step_ = firstStep_ + rows_.size();
            TableFault f = Of(TableFault::Kind::Truncated);
            f.node = static_cast<std::int32_t>(n_ - 1);
            f.noWay = !FindDistancesFromStart(adjacency_).back();
            Fault(f);
        }
        return std::move(out_);
    }

    std::size_t FirstStep() const { return firstStep_; }

private:
    static TableFault Of(TableFault::Kind kind) {
        TableFault f;
        f.kind = kind;
        return f;
    }

    void Fault(TableFault f) {
        f.step = step_;
        out_.faults.push_back(std::move(f));
    }

    TableFault AfterEndFault() const {
        TableFault f = Of(TableFault::Kind::AfterEnd);
        const auto goal = static_cast<std::int32_t>(n_ - 1);
        if (out_.chosen[goal]) {
            f.node = goal;
            f.expected = static_cast<std::int64_t>(chosenAt_[goal]);
        } else {
            f.noWay = true;
            f.expected = static_cast<std::int64_t>(step_ - 1);
        }
        return f;
    }

    // The row's chosen node once it may be chosen; the faults of its choice.
    std::optional<std::int32_t> Choice(const ReadRow& row) {
        if (row.unreadable && row.choices == 0) {
            TableFault f = Of(TableFault::Kind::Unreadable);
            f.text = row.chosenText;
            Fault(f);
            return std::nullopt;
        }
        if (row.end && row.choices == 0) return std::nullopt;
        if (row.choices != 1 || row.end) {
            Fault(Of(TableFault::Kind::NoChoice));
            return std::nullopt;
        }
        const std::int32_t chosen = *row.chosen;
        if (out_.chosen[chosen]) {
            TableFault f = Of(TableFault::Kind::ChosenAgain);
            if (!row.inColumn) f.node = chosen;
            f.expected = static_cast<std::int64_t>(chosenAt_[chosen]);
            f.written = chosen + 1;
            Fault(f);
            return std::nullopt;
        }
        return chosen;
    }

    // The chosen node has the least distance of the nodes not chosen, as
    // the student has them or as they should be.
    void CheckLeast(const ReadRow& row, std::int32_t chosen) {
        const auto least = [&](Distance Worlds::*world) {
            Distance best;
            for (std::size_t v = 0; v < n_; ++v) {
                const Distance& d = state_[v].*world;
                if (!out_.chosen[v] && d && (!best || *d < *best)) best = d;
            }
            return best;
        };
        const Distance own = least(&Worlds::own);
        const Distance fair = least(&Worlds::fair);
        if ((own && state_[chosen].own == own) || (fair && state_[chosen].fair == fair)) return;
        TableFault f = Of(TableFault::Kind::NotLeast);
        if (!row.inColumn) f.node = chosen;
        f.written = chosen + 1;
        f.viaDistance = state_[chosen].own;
        f.expected = own;
        for (std::size_t v = 0; v < n_; ++v) {
            if (!out_.chosen[v] && state_[v].own && state_[v].own == own) {
                f.nodes.push_back(static_cast<std::int32_t>(v));
            }
        }
        Fault(f);
    }

    // A «нет пути» row while some node is reached and not chosen, in both
    // runs: in one alone, a slip already reported led there.
    void CheckEnd() {
        TableFault f = Of(TableFault::Kind::EndTooEarly);
        for (std::size_t v = 0; v < n_; ++v) {
            if (!out_.chosen[v] && state_[v].own && state_[v].fair) {
                f.nodes.push_back(static_cast<std::int32_t>(v));
            }
        }
        if (!f.nodes.empty()) Fault(f);
    }

    void Settle(const ReadRow& row, std::int32_t chosen) {
        out_.chosen[chosen] = true;
        out_.order[chosen] = step_;
        chosenAt_[chosen] = step_;
        out_.settled[chosen] = state_[chosen].own;
        const Cell& cell = row.cells[chosen];
        if (cell.kind == Cell::Kind::Distance) out_.predecessors[chosen] = cell.predecessors;
        // What later rows may add to: the distance as the student went on,
        // and as it should have been.
        givers_[chosen] = {state_[chosen].own, state_[chosen].fair};
    }

    // The distances `from` may give a node: each of its runs' values.
    std::vector<Distance> Givers(std::int32_t from) const {
        if (!givers_[from].empty()) return givers_[from];
        return {state_[from].own, state_[from].fair};
    }

    // Checks every cell of `row`, with the links out of `from` followed;
    // `chosen` is the row's chosen node, whose own cell keeps its distance.
    void CheckRow(const ReadRow& row, std::optional<std::int32_t> from,
                  std::optional<std::int32_t> chosen, bool start) {
        std::vector<Worlds> next = state_;
        std::vector<std::optional<TableFault>> faults(n_);
        // The last node's own links need not be followed: the table ends.
        const bool optional = after_ && from && *from == static_cast<std::int32_t>(n_ - 1);
        for (std::size_t v = 0; v < n_; ++v) {
            const auto node = static_cast<std::int32_t>(v);
            const Cell& cell = row.cells[v];
            TableFault f = Of(TableFault::Kind::WrongDistance);
            f.node = node;
            f.text = cell.text;
            if (cell.kind == Cell::Kind::Bad || cell.kind == Cell::Kind::OutOfRange) {
                f.kind = cell.kind == Cell::Kind::Bad ? TableFault::Kind::Unreadable
                                                      : TableFault::Kind::OutOfRange;
                if (f.kind == TableFault::Kind::OutOfRange) {
                    f.expected = limit_;
                    f.written = cell.distance;
                }
                faults[v] = f;
            }
            if (out_.chosen[v]) {
                CheckChosenBefore(cell, v, faults[v], f);
                continue;
            }
            // What the cell may hold: each run's distance, lowered through
            // `from` by any distance `from` may give.
            std::vector<Distance> allowed;
            Distance ownExpected = state_[v].own;
            Distance through;
            std::int32_t weight = -1;
            const bool follows = from && node != *from && adjacency_[*from][v] >= 0;
            if (follows) weight = adjacency_[*from][v];
            for (const Distance& x : {state_[v].own, state_[v].fair}) {
                if (optional || !follows) allowed.push_back(x);
                if (!follows) continue;
                for (const Distance& y : Givers(*from)) {
                    allowed.push_back(x);
                    if (y && (!x || *y + weight < *x)) allowed.back() = *y + weight;
                }
            }
            if (follows && state_[*from].own) {
                through = *state_[*from].own + weight;
                if (!ownExpected || *through < *ownExpected) ownExpected = through;
            }
            Distance fairExpected = state_[v].fair;
            if (follows && state_[*from].fair &&
                (!fairExpected || *state_[*from].fair + weight < *fairExpected)) {
                fairExpected = *state_[*from].fair + weight;
            }
            next[v].fair = fairExpected;
            if (faults[v]) {
                next[v].own = ownExpected;
                continue;
            }
            const Distance value =
                cell.kind == Cell::Kind::Distance ? Distance(cell.distance) : std::nullopt;
            next[v].own = value;
            if (std::find(allowed.begin(), allowed.end(), value) == allowed.end()) {
                if (from) {
                    f.via = *from;
                    f.viaDistance = state_[*from].own;
                }
                f.weight = weight;
                f.expected = ownExpected;
                f.written = value;
                if (start) {
                    f.kind = TableFault::Kind::WrongStart;
                } else if (through && through == ownExpected && ownExpected != state_[v].own &&
                           (!value || *value > *ownExpected)) {
                    f.kind = TableFault::Kind::MissedShorter;
                }
                faults[v] = f;
                continue;
            }
            if (value) faults[v] = CheckPredecessors(cell, v, chosen);
        }
        for (std::size_t v = 0; v < n_; ++v) {
            if (!out_.chosen[v]) last_[v] = row.cells[v];
            if (faults[v]) Fault(std::move(*faults[v]));
        }
        for (std::size_t v = 0; v < n_; ++v) {
            if (!out_.chosen[v]) state_[v] = next[v];
        }
    }

    // A node chosen before keeps its distance: a dash, nothing, the same
    // number, or the number the student changed it to and copies on.
    void CheckChosenBefore(const Cell& cell, std::size_t v, std::optional<TableFault>& fault,
                           TableFault f) {
        if (fault || cell.kind == Cell::Kind::ByState) return;
        const Cell& last = last_[v];
        const bool copied = last.kind == cell.kind && last.distance == cell.distance;
        const std::vector<Distance>& kept = givers_[v];
        if (cell.kind == Cell::Kind::Distance &&
            (copied ||
             std::find(kept.begin(), kept.end(), Distance(cell.distance)) != kept.end())) {
            last_[v] = cell;
            return;
        }
        if (cell.kind == Cell::Kind::Unreached && copied) return;
        last_[v] = cell;
        f.kind = TableFault::Kind::SettledChanged;
        f.expected = out_.settled[v];
        f.written = cell.kind == Cell::Kind::Distance ? Distance(cell.distance) : std::nullopt;
        fault = f;
    }

    // Each predecessor written is chosen at this row and gives the distance;
    // one the student wrote before at the same distance was checked then.
    std::optional<TableFault> CheckPredecessors(const Cell& cell, std::size_t v,
                                                std::optional<std::int32_t> chosen) const {
        const Cell& last = last_[v];
        const bool same = last.kind == Cell::Kind::Distance && last.distance == cell.distance;
        for (const std::int32_t p : cell.predecessors) {
            if (same && std::binary_search(last.predecessors.begin(), last.predecessors.end(), p)) {
                continue;
            }
            TableFault f = Of(TableFault::Kind::WrongPredecessor);
            f.node = static_cast<std::int32_t>(v);
            f.via = p;
            f.written = cell.distance;
            f.text = cell.text;
            const std::int32_t weight = p == static_cast<std::int32_t>(v) ? -1 : adjacency_[p][v];
            f.weight = weight;
            const bool chosenHere = after_ && chosen == p;
            if (weight < 0) return f;
            if (!out_.chosen[p] && !chosenHere) {
                f.kind = TableFault::Kind::PredecessorNotChosen;
                return f;
            }
            const std::vector<Distance> givers =
                chosenHere ? std::vector<Distance>{state_[p].own, state_[p].fair} : givers_[p];
            const bool gives = std::any_of(givers.begin(), givers.end(), [&](const Distance& d) {
                return d && *d + weight == cell.distance;
            });
            if (gives) continue;
            f.viaDistance = chosenHere ? state_[p].own : out_.settled[p];
            return f;
        }
        return std::nullopt;
    }

    const AdjacencyMatrix& adjacency_;
    const std::vector<ReadRow>& rows_;
    std::size_t n_;
    std::int64_t limit_;
    bool after_ = true;
    std::size_t firstStep_ = 1;
    std::size_t step_ = 0;
    Outcome out_;
    std::vector<Worlds> state_;
    // For each chosen node, the distances it may give later rows.
    std::vector<std::vector<Distance>> givers_;
    // The student's cell of each node in the row before, for copies.
    std::vector<Cell> last_;
    std::vector<std::size_t> chosenAt_;
};

// The way back from the last node: at each node, a predecessor written that
// was chosen before it and gives its distance, else any chosen before it that
// does. Predecessors are chosen earlier, so the walk never meets a node
// twice; each node is given up at most once, so it takes O(n^2).
std::optional<ShortestWay> WayOf(const AdjacencyMatrix& adjacency, const Outcome& out) {
    const std::size_t n = adjacency.size();
    if (n < 2 || !out.chosen[n - 1] || !out.settled[n - 1]) return std::nullopt;
    const auto gives = [&](std::size_t p, std::size_t v) {
        const std::int32_t w = adjacency[p][v];
        return p != v && out.chosen[p] && out.order[p] < out.order[v] && out.settled[p] && w >= 0 &&
               *out.settled[p] + w == out.settled[v];
    };
    const auto before = [&](std::size_t v) {
        std::vector<std::size_t> nodes;
        for (const std::int32_t p : out.predecessors[v]) {
            if (gives(static_cast<std::size_t>(p), v)) nodes.push_back(static_cast<std::size_t>(p));
        }
        for (std::size_t p = 0; nodes.empty() && p < n; ++p) {
            if (gives(p, v)) nodes.push_back(p);
        }
        return nodes;
    };
    std::vector<bool> dead(n, false);
    Way back{static_cast<std::int32_t>(n - 1)};
    std::vector<std::vector<std::size_t>> options{before(n - 1)};
    while (!back.empty() && back.back() != 0) {
        if (options.back().empty()) {
            dead[static_cast<std::size_t>(back.back())] = true;
            back.pop_back();
            options.pop_back();
            continue;
        }
        const std::size_t p = options.back().back();
        options.back().pop_back();
        if (dead[p]) continue;
        back.push_back(static_cast<std::int32_t>(p));
        options.push_back(before(p));
    }
    if (back.empty()) return std::nullopt;
    std::reverse(back.begin(), back.end());
    return ShortestWay{back, *out.settled[n - 1]};
}

}  // namespace

std::vector<std::vector<std::string>> SplitTableText(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const char separator = text.find('\t') != std::string_view::npos ? '\t'
                           : SemicolonSeparated(text)                ? ';'
                                                                     : ' ';
    std::vector<std::vector<std::string>> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!Trimmed(line).empty()) lines.push_back(SplitLine(line, separator));
    }
    return lines;
}

std::vector<HandRow> ReadHandTable(const std::string& text, std::size_t n) {
    if (text.size() > kHandTableLimit) {
        throw TableTextError("The table is larger than 1 MiB");
    }
    std::vector<std::vector<std::string>> lines = SplitTableText(text);
    std::size_t width = 0;
    std::size_t first = 1;
    if (!lines.empty() && IsHeader(lines.front(), n)) {
        width = lines.front().size();
        lines.erase(lines.begin());
        first = 2;
    }
    for (const auto& cells : lines) width = std::max(width, cells.size());
    const bool spaced = text.find('\t') == std::string::npos && !SemicolonSeparated(text);
    std::vector<HandRow> rows;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        std::vector<std::string>& cells = lines[k];
        if (spaced && cells.size() + 1 == width && width > n) cells.emplace_back();
        if (cells.size() != width || width < n || width > n + 2) {
            throw TableTextError("Row " + std::to_string(first + k) + " of the table has " +
                                 std::to_string(cells.size()) +
                                 " cells, but each row needs one per node (" + std::to_string(n) +
                                 ") and one for the chosen node, after a step number or not");
        }
        if (width == n + 2) cells.erase(cells.begin());
        HandRow row;
        if (width > n) row.chosen = std::move(cells.back());
        cells.resize(n);
        row.cells = std::move(cells);
        rows.push_back(std::move(row));
    }
    return rows;
}

TableCheck CheckHandTable(const AdjacencyMatrix& adjacency, const std::vector<HandRow>& rows) {
    TableCheck check;
    const std::size_t n = adjacency.size();
    if (n < 2) return check;
    // No simple way is longer than n - 1 links of the heaviest weight, so
    // sums of what is accepted never leave 64 bits.
    const std::int64_t limit =
        static_cast<std::int64_t>(n - 1) * std::numeric_limits<std::int32_t>::max();
    std::vector<ReadRow> read;
    for (const HandRow& row : rows) read.push_back(Read(row, n, limit));
    Checker checker(adjacency, read, limit);
    Outcome before = checker.Run(Convention::BeforeChoice);
    Outcome after = checker.Run(Convention::AfterChoice);
    const std::size_t afterFirst = checker.FirstStep();
    const bool startChosen = !read.empty() && read[0].choices == 1 && IsStart(read[0]);
    const bool useBefore = before.faults.size() < after.faults.size() ||
                           (before.faults.size() == after.faults.size() && startChosen);
    Outcome& out = useBefore ? before : after;
    check.convention = useBefore ? Convention::BeforeChoice : Convention::AfterChoice;
    check.firstStep = useBefore ? 1 : afterFirst;
    check.faults = std::move(out.faults);
    check.way = WayOf(adjacency, out);
    if (const std::optional<ShortestWay> shortest = FindShortestWay(adjacency)) {
        check.shortestLength = shortest->length;
    }
    check.wayShortest = check.way && check.shortestLength &&
                        check.way->length == *check.shortestLength &&
                        WayLength(check.way->way, adjacency) == check.way->length;
    return check;
}

}  // namespace graph
