// What the tables' keys, their right-click menu and the mouse on the picture do
// to both tables: blocks of cells copied, pasted and cleared, nodes placed on a
// circle or laid out to be read, added and deleted, a link's weight written,
// each one edit of the history. A paste is handled as if every cell were typed
// in turn: in the matrix each one also goes to its transposed cell. Nothing
// here asks the person anything: the caller decides about zeros and headers.
#pragma once

#include <QRect>
#include <string>

#include "app/tables/cell_block.h"
#include "app/tables/graph_tables.h"

namespace app {

// The texts of the cells in `cells` (table columns and rows, from 1).
CellBlock CopyCells(const GraphTables& tables, TableId table, const QRect& cells);

// A square matrix block with zeros all along its diagonal and some zero off
// it: a matrix written the textbook way, where 0 may mean "no link".
bool HasZerosForNoLink(const CellBlock& block);
// The block with its zeros off the diagonal emptied.
CellBlock WithoutZerosForNoLink(CellBlock block);
// The same for the matrix in the tables, as one edit.
void EmptyZerosForNoLink(GraphTables& tables);

// A block copied with the headers of its table: a matrix whose first row
// and first column number its nodes 1..k, or node rows numbered 1..k under
// a row of captions such as X and Y. The headers go; any other block stays
// as it is.
CellBlock WithoutHeaders(CellBlock block, TableId table);

// Pastes `block` with its top-left cell at (column, row), growing the node
// count first when the block reaches beyond it; matrix cells on the
// diagonal are skipped. Throws std::runtime_error, with nothing changed,
// for a block that needs more than the tables can hold or that disagrees
// with itself across the diagonal.
void PasteCells(GraphTables& tables, TableId table, int column, int row, const CellBlock& block);

// Empties the cells of `cells`, and in the matrix their transposed cells, as
// one edit.
void ClearCells(GraphTables& tables, TableId table, const QRect& cells);

// Sets every node's X and Y to a place on a circle, as one edit.
void PlaceNodesOnCircle(GraphTables& tables);
// Sets every node's X and Y to the readable layout of the links in the
// matrix, as one edit. Throws graph::CellConversionError, with nothing
// changed, for the first matrix cell that is not an integer.
void PlaceNodesReadably(GraphTables& tables);
// True when none of the first `count` nodes has a place a person gave it:
// its X and Y are both empty, or the place the window starts it at.
bool HasNoPlacesOfItsOwn(const GraphTables& tables, int count);

// Writes `text` into the matrix cell of the link from node index `from` to
// node index `to` (column from + 1, row to + 1) and into its transposed
// cell, as one edit.
void SetLinkWeight(GraphTables& tables, int from, int to, const std::string& text);

// Places a node at plot point (x, y), as one edit: the first node whose X
// and Y are both empty, or else a new node after the last one, with no
// links. Throws std::runtime_error, with nothing changed, when all 100
// nodes are placed.
void AddNode(GraphTables& tables, int x, int y);

// Deletes node index `node` from both tables, as one edit: later nodes, the
// texts kept beyond the count with them, move up by one. Throws
// std::runtime_error, with nothing changed, at 2 nodes.
void DeleteNode(GraphTables& tables, int node);

}  // namespace app
