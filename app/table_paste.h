// Blocks of cells through the clipboard, as spreadsheets exchange them:
// reading a block from text, writing one as text, and the steps that paste,
// clear and copy a block in the window's tables. A paste is handled as if
// every cell were typed in turn: in the matrix each one also goes to its
// transposed cell.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include "graph_tables.h"

namespace app {

// Rows of cell texts; rows may differ in length.
using CellBlock = QList<QStringList>;

// Tab-separated rows are read as spreadsheets write them, an empty cell
// between two tabs staying empty. Text without a tab is split into cells at
// ";" and at runs of spaces, as a matrix comes from a text file or a web
// page. CRLF line ends are taken, and one final line break is dropped.
CellBlock ParseCellBlock(const QString& text);

// The block as tab-separated rows, one per line.
QString CellBlockText(const CellBlock& block);

// The texts of the cells in `cells` (table columns and rows, from 1).
CellBlock CopyCells(const GraphTables& tables, TableId table, const QRect& cells);

// Pastes `block` with its top-left cell at (column, row), growing the node
// count first when the block reaches beyond it; matrix cells on the
// diagonal are skipped. Throws std::runtime_error, with nothing changed,
// for a block that needs more than the tables can hold or that disagrees
// with itself across the diagonal. A square matrix block with zeros on its
// diagonal asks whether its other zeros mean "no link".
void PasteCells(GraphTables& tables, TableId table, int column, int row, CellBlock block);

// Empties the cells of `cells`, and in the matrix their transposed cells, as
// one step.
void ClearCells(GraphTables& tables, TableId table, const QRect& cells);

}  // namespace app
