// A Dijkstra table worked by hand, checked as a teacher would against the
// model of dijkstra_steps.h: each row against the student's own row before
// it, so that one slip is reported once, and every tie order accepted. A
// cell that a slip made wrong is accepted later both as the student went
// on from it and as it should have gone on, so a slip copied forward, or
// put right in the next row, is still one fault. A table is right only when
// it is complete.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "graph/dijkstra_steps.h"
#include "graph/graph_model.h"
#include "graph/ways.h"

namespace graph {

// One row as written: a text per node and the chosen node's column.
struct HandRow {
    std::vector<std::string> cells;
    std::string chosen;
};

struct TableFault {
    enum class Kind {
        // The cell cannot be read.
        Unreadable,
        // A distance larger than any way of the graph can have; `expected`
        // is the largest there can be.
        OutOfRange,
        // The row names no node as chosen, or more than one.
        NoChoice,
        // The row says «нет пути» while `nodes` are reached and not chosen.
        EndTooEarly,
        // The chosen node was chosen before, at step `expected`.
        ChosenAgain,
        // Another node has a smaller distance; `nodes` are those of the
        // least one, `expected`.
        NotLeast,
        // The start: node 1 at 0, every other node not reached.
        WrongStart,
        // Through `via` the distance `expected` is smaller than written.
        MissedShorter,
        // The distance written is not what `via` gives, nor what the node
        // had: `expected`.
        WrongDistance,
        // A node chosen before has its distance `expected` changed.
        SettledChanged,
        // The predecessor `via` does not give the distance written (no link
        // when `weight` is negative).
        WrongPredecessor,
        // The predecessor `via` is not chosen yet at this row.
        PredecessorNotChosen,
        // The table ends before it is complete: the last node (`node`) is
        // not chosen, or, when it cannot be reached, no row says «нет пути».
        Truncated,
        // A row after the end of the table: the last node (`node`) was
        // chosen at step `expected`, or «нет пути» said there.
        AfterEnd,
    };

    Kind kind = Kind::Unreadable;
    // The step as the table numbers it, and the node index of the cell, or
    // nothing for the chosen node's column.
    std::size_t step = 0;
    std::optional<std::int32_t> node;
    // The text of the cell as written.
    std::string text;
    // The node the numbers come through (the chosen one, or the
    // predecessor), its distance and the weight of its link (-1 for none);
    // the distance expected, and the one written (nothing for ∞).
    std::int32_t via = -1;
    std::optional<std::int64_t> viaDistance;
    std::int32_t weight = -1;
    std::optional<std::int64_t> expected;
    std::optional<std::int64_t> written;
    // The node numbers a fault is about (index + 1 is shown).
    std::vector<std::int32_t> nodes;
    // Truncated and AfterEnd: the last node cannot be reached.
    bool noWay = false;
};

struct TableCheck {
    Convention convention = Convention::AfterChoice;
    // The step number of the first row: 0 for a start row, else 1.
    std::size_t firstStep = 1;
    std::vector<TableFault> faults;
    // The way read back from the last node through the predecessors
    // written (or, where none give its distance, through the chosen nodes
    // that do), once the table has chosen it, with the length written there;
    // and whether it is one of the shortest.
    std::optional<ShortestWay> way;
    bool wayShortest = false;
    std::optional<std::int64_t> shortestLength;
};

// Raised for a text that cannot be read as a table of the graph: what()
// names the fault in English.
class TableTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The longest table text read: 1 MiB.
constexpr std::size_t kHandTableLimit = std::size_t{1} << 20;

// The cells of each line of `text` that is not blank, split as
// ReadHandTable splits them; a UTF-8 byte order mark is left out.
std::vector<std::vector<std::string>> SplitTableText(std::string_view text);

// The rows of a table given as text, one row a line: cells separated by
// tabs, else by ";", else by spaces, never inside parentheses, so that
// «10 (2, 4)» and «10 (2; 4)» stay one cell. A header row ("Шаг" or the node
// numbers) and a first column of step numbers, as the step window copies
// them, are left out. Every row has the table's width: n cells and the
// chosen node's, or n cells alone when stars mark the choices; spaces
// cannot write an empty last cell, so there a row may lack the chosen one.
// Throws TableTextError for a text over kHandTableLimit or a row of another
// width.
std::vector<HandRow> ReadHandTable(const std::string& text, std::size_t n);

// Checks `rows` against the graph of `adjacency` (links of weight >= 0,
// read from u to v). The convention is the one under which the table has
// fewer faults; on a tie, BeforeChoice when the first row is the start with
// a node chosen. Time O(rows * n) plus the predecessors written, and O(n^2)
// to read the way back.
TableCheck CheckHandTable(const AdjacencyMatrix& adjacency, const std::vector<HandRow>& rows);

}  // namespace graph
