// A Dijkstra table worked by hand, checked step by step as a teacher would:
// each step against the student's own step before it, so that one slip is
// reported once, and every tie order accepted. The rows come as texts, one
// per node and one for the node chosen, in either of the two ways textbooks
// write them: a row shows the distances its node is chosen from, or the
// distances after its node's links are followed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graph_model.h"
#include "ways.h"

namespace graph {

// One row as written: a text per node and the chosen node's column.
struct HandRow {
    std::vector<std::string> cells;
    std::string chosen;
};

enum class Convention {
    // A row shows the distances from which its node is chosen.
    BeforeChoice,
    // A row shows the distances after its node's links are followed; a
    // first row without a chosen node is the start.
    AfterChoice,
};

struct TableFault {
    enum class Kind {
        // The cell cannot be read.
        Unreadable,
        // The row names no node as chosen, or more than one.
        NoChoice,
        // The chosen node was chosen before.
        ChosenAgain,
        // Another node has a smaller distance; `nodes` are those of the
        // least one.
        NotLeast,
        // The start: node 1 at 0, every other node not reached.
        WrongStart,
        // Through the chosen node the distance is smaller than written.
        MissedShorter,
        // The distance written is not what the chosen node gives, nor what
        // the node had.
        WrongDistance,
        // A chosen node's distance changed.
        SettledChanged,
        // A predecessor that does not give the distance written.
        WrongPredecessor,
    };

    Kind kind = Kind::Unreadable;
    // The step as the table numbers it, and the node index of the cell, or
    // nothing for the chosen node's column.
    std::size_t step = 0;
    std::optional<std::int32_t> node;
    // The text of the cell.
    std::string text;
    // The node the numbers come through (the chosen one, or the
    // predecessor), its distance and the weight of its link (-1 for none);
    // the distance expected, and the one written (nothing for ∞).
    std::int32_t via = -1;
    std::optional<std::int64_t> viaDistance;
    std::int32_t weight = -1;
    std::optional<std::int64_t> expected;
    std::optional<std::int64_t> written;
    // NotLeast: the nodes of the least distance; ChosenAgain: the step it
    // was chosen at is `expected`.
    std::vector<std::int32_t> nodes;
};

struct TableCheck {
    Convention convention = Convention::AfterChoice;
    // The step number of the first row: 0 for a start row, else 1.
    std::size_t firstStep = 1;
    std::vector<TableFault> faults;
    // The way read back from the last node through its predecessors, once
    // the table has chosen it, with the length written there; and whether
    // it is one of the shortest.
    std::optional<ShortestWay> way;
    bool wayShortest = false;
    std::optional<std::int64_t> shortestLength;
};

// The rows of a table given as text, one row a line: cells separated by
// tabs, or else by ";" or spaces; a header row ("Шаг" or the node numbers)
// and a first column of step numbers, as the step window copies them, are
// left out. A row holds n cells and, after them, the chosen node's. Throws
// std::runtime_error naming the first line of another width.
std::vector<HandRow> ReadHandTable(const std::string& text, std::size_t n);

// Checks `rows` against the graph of `adjacency` (links of weight >= 0,
// read from u to v). The convention is the one under which the table has
// fewer faults; on a tie, BeforeChoice when the first row is the start with
// a node chosen.
TableCheck CheckHandTable(const AdjacencyMatrix& adjacency, const std::vector<HandRow>& rows);

// The fault in words, in Russian for the window and in English for scripts,
// e.g. «Шаг 2, узел 6: через узел 2 расстояние 5 + 5 = 10 меньше 20».
std::string FaultText(const TableFault& fault);
std::string FaultTextEnglish(const TableFault& fault);
// «Ошибок: 2 (шаги 2 и 4)», or «Таблица верна».
std::string CheckSummary(const TableCheck& check);
// Which convention was assumed, in words.
std::string ConventionText(Convention convention);

}  // namespace graph
