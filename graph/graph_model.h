// The graph as the program works on it: node positions in surface pixels and
// the weight matrix, read from the two tables of texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "graph/cell_text.h"
#include "graph/text_table.h"

namespace graph {

// A node's position in pixels of the 400 x 400 surface: (0, 0) top left,
// Y downward.
struct NodePoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;

    friend bool operator==(const NodePoint&, const NodePoint&) = default;
};

using NodePoints = std::vector<NodePoint>;

// Entry [u][v] is the weight of the link from node index u to node index v.
// Any negative value means no link (-1 for an empty cell and the diagonal);
// 0 is a usable link that costs nothing.
using AdjacencyMatrix = std::vector<std::vector<std::int32_t>>;

constexpr std::int32_t kNoLink = -1;

// A link from node index `from` to node index `to`.
struct Link {
    std::int32_t from = 0;
    std::int32_t to = 0;

    friend bool operator==(const Link&, const Link&) = default;
};

// A graph as the window reads it from its tables: where each node stands,
// and the weights of the links between them.
struct Graph {
    NodePoints points;
    AdjacencyMatrix adjacency;

    friend bool operator==(const Graph&, const Graph&) = default;
};

// The node counts the window holds, and with it every table, file and
// pasted block it takes. graphway reads graphs of any size.
constexpr int kFewestNodes = 2;
constexpr int kMostNodes = 100;

// User coordinates (origin at the centre, Y upward) to surface pixels:
// (x + 200, 200 - y). Coordinates far outside the plot saturate at the ends
// of the 32-bit range instead of wrapping round to the other side.
NodePoint PlotToSurface(std::int32_t x, std::int32_t y);

// The reading rules of a single cell, applied alike to the window's tables
// and to a graph document.

// Whether the cell for the link from node index `source` to `target` carries
// a weight. The diagonal does not: whatever stands there is not looked at.
constexpr bool IsLinkCell(std::size_t source, std::size_t target) { return source != target; }

// The weight a link cell's text gives: kNoLink on the diagonal and for the
// empty text, CellToInt's value otherwise. Throws ConversionError. Inline,
// as a graph file may have a million cells.
inline std::int32_t LinkWeight(std::size_t source, std::size_t target, std::string_view text) {
    if (!IsLinkCell(source, target) || text.empty()) return kNoLink;
    return CellToInt(text);
}

// The value a coordinate cell's text gives: CellToInt's, so the empty text
// fails too. Throws ConversionError.
std::int32_t CoordinateValue(std::string_view text);

// A cell of a table that is not an integer: the conversion's error with the
// table and the cell it stands in, so that the window can show the person
// which cell it was.
class CellConversionError : public ConversionError {
public:
    CellConversionError(const std::string& text, const TextTable& table, int column, int row)
        : ConversionError(text), table_(&table), column_(column), row_(row) {}

    const TextTable& Table() const noexcept { return *table_; }
    int Column() const noexcept { return column_; }
    int Row() const noexcept { return row_; }

private:
    const TextTable* table_;
    int column_;
    int row_;
};

// Sizes `points` to nodeCount entries and `adjacency` to nodeCount x
// nodeCount (surviving entries keep their values, new ones are 0), then reads
// X and Y of node r from columns 1 and 2 of row r, node by node, X before Y.
// The first cell that is not an integer throws CellConversionError; what
// was stored before it stays.
void ReadNodePoints(const TextTable& nodeTable, std::int16_t nodeCount, NodePoints& points,
                    AdjacencyMatrix& adjacency);

// Reads cell (c, r) into adjacency[c - 1][r - 1], column by column and row by
// row within a column. Diagonal cells are emptied in the table and read as
// kNoLink; other empty cells are kNoLink. The first cell that is not an
// integer throws CellConversionError; entries set and diagonal cells emptied
// before it stay so.
void ReadAdjacency(TextTable& matrixTable, std::int16_t nodeCount, AdjacencyMatrix& adjacency);

}  // namespace graph
