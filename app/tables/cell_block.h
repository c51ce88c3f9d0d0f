// A block of cell texts as spreadsheets and text files exchange it through
// the clipboard: rows of cells, read from text and written as text.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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

}  // namespace app
