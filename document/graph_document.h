// The graph file: one JSON object
//   {"nodes": [[x, y], ...], "matrix": [[cell, ...], ...]}
// where matrix[i][j] is the link from node i + 1 to node j + 1 (in the
// window, the cell in column i + 1, row j + 1). The window reads a file as
// the texts of its two tables; graphway reads it straight into the model the
// way search works on. Both meet the same faults, returned as values, and
// each words them in its own language. Neither keeps a row or a cell that
// only makes the document faulty (one beyond the first row of "matrix"), so
// that a bad document costs no more memory than a sound one of its size;
// running out of memory throws std::bad_alloc.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "graph/graph_model.h"

namespace document {

// The two tables of a document.
enum class Table { Nodes, Matrix };

// What a JSON value standing where a cell should be is, for a fault that
// names it.
enum class ValueKind { Null, Boolean, Integer, Fraction, String, Array, Object };

// The first thing wrong with a document, in this order of precedence:
// malformed JSON, then a wrong shape, then the first bad cell of "nodes"
// (node by node, X before Y), then the first bad cell of "matrix" (row by
// row, that is source node by source node).
struct Fault {
    enum class Kind {
        Malformed,       // not JSON: line, column, text = the parser's reason
        NotAnObject,     // the document is not a JSON object
        UnknownKey,      // text = the key
        RepeatedKey,     // text = the key
        TableNotArray,   // table
        RowNotArray,     // table, row
        MissingMatrix,   // no "matrix"
        TooFewNodes,     // count = rows of "matrix" (0 or 1)
        RowLength,       // row, count = its cells, expected = rows of "matrix"
        PairCount,       // count = pairs in "nodes", expected = rows of "matrix"
        PairLength,      // row, count = coordinates in that pair
        NotInteger,      // table, row, column, value; text = the literal of a
                         // number or boolean
        OutOfRange,      // table, row, column; text = the integer's literal
                         // (graphway only)
        NotConvertible,  // table, row, column; text = the string, which
                         // graph::CellToInt rejects (graphway only)
        TooManyNodes,    // count = rows of "matrix", more than graph::kMostNodes
                         // (the window only)
        TextTooLong,     // table, row, column, count = the text's characters,
                         // more than kLongestText (the window only)
    };

    Kind kind = Kind::Malformed;
    Table table = Table::Matrix;
    std::size_t row = 0;
    std::size_t column = 0;
    std::size_t count = 0;
    std::size_t expected = 0;
    ValueKind value = ValueKind::Null;
    std::string text;
    // Malformed only: where the parser stopped, both from 1; both 0 when the
    // parser names no place (a number too large for a double).
    std::size_t line = 0;
    std::size_t lineColumn = 0;

    friend bool operator==(const Fault&, const Fault&) = default;
};

// A graph as the window holds it: every cell as text, exactly as typed.
struct GraphTexts {
    // nodes[i] holds the X and Y texts of node i + 1; empty when the
    // document has no "nodes".
    std::vector<std::array<std::string, 2>> nodes;
    // matrix[i][j] is the text of the link from node i + 1 to node j + 1.
    std::vector<std::vector<std::string>> matrix;

    friend bool operator==(const GraphTexts&, const GraphTexts&) = default;
};

// The longest text, in characters, that the window takes into a cell from a
// file: a number a person types is a dozen characters, and a text much
// longer takes the window seconds to measure for its column.
constexpr std::size_t kLongestText = 100;

// Reads a document as texts. A string cell is kept as it is, a JSON integer
// becomes its decimal literal, null becomes "". Any other value is a
// NotInteger fault, except on the diagonal, which carries no weight: a value
// there that is not a text becomes "". Texts that do not convert are kept;
// they fail when the window next reads them. A UTF-8 byte-order mark is
// skipped. A sound graph of more than graph::kMostNodes nodes is a
// TooManyNodes fault, a text longer than kLongestText a TextTooLong fault,
// both known without keeping what the window cannot hold.
std::variant<GraphTexts, Fault> ReadGraphTexts(std::string_view json);

// The node count the first row of "matrix" shows, read from `start`, the
// beginning of a document or all of it: a graph too large for a program is
// known before the rest is read. Nothing when `start` ends before that row
// does or is not shaped like a graph document up to there; a document read
// whole gives its count whenever it is sound.
std::optional<std::size_t> NodeCountShown(std::string_view start);

// The document of `texts`, "nodes" first when there are any, every cell
// written as a JSON string, one matrix row per line. ReadGraphTexts of the
// result gives `texts` back. Bytes that are not UTF-8 are replaced by U+FFFD.
std::string WriteGraphTexts(const GraphTexts& texts);

// A graph as graphway reads it.
struct GraphModel {
    // matrix[i][j] as the weight from node index i to j by the window's
    // reading rules; kNoLink for null, the empty text and the diagonal.
    graph::AdjacencyMatrix adjacency;
    // The user coordinates (x, y) of each node; empty when "nodes" is absent.
    std::vector<std::pair<std::int32_t, std::int32_t>> nodes;
};

constexpr std::size_t kReadAhead = 64;

// Reads a document into the model. A cell is a string converted by the
// window's reading rules, a JSON integer in the signed 32-bit range, or (in
// "matrix" only) null; the diagonal is not looked at. Faults as above,
// OutOfRange and NotConvertible included, the window's own limits aside.
// With `readAhead`, the kReadAhead
// bytes after `json` must be readable, and `json` is read where it stands
// instead of from a copy.
std::variant<GraphModel, Fault> ReadGraphModel(std::string_view json, bool readAhead = false);

}  // namespace document
