// Copy, paste and clear of cell blocks; see table_paste.h.
#include "table_paste.h"

#include <QRegularExpression>
#include <algorithm>
#include <stdexcept>

#include "cell_text.h"
#include "graph_model.h"
#include "messages.h"

namespace app {

namespace {

// The node table's editable columns: X and Y.
constexpr int kCoordinateColumns = 2;

qsizetype Width(const CellBlock& block) {
    qsizetype width = 0;
    for (const QStringList& cells : block) width = std::max(width, cells.size());
    return width;
}

bool IsZero(const QString& text) {
    try {
        return graph::CellToInt(text.toStdString()) == 0;
    } catch (const graph::ConversionError&) {
        return false;
    }
}

// A square block with zeros all along its diagonal and some zero off it:
// a matrix written the textbook way, where 0 may mean "no link".
bool HasZerosForNoLink(const CellBlock& block) {
    const qsizetype size = block.size();
    bool zeroOffDiagonal = false;
    for (qsizetype i = 0; i < size; ++i) {
        if (block[i].size() != size || !IsZero(block[i][i])) return false;
        for (qsizetype j = 0; j < size; ++j) zeroOffDiagonal |= i != j && IsZero(block[i][j]);
    }
    return zeroOffDiagonal;
}

// Two cells of the block that would land on each other's transposed
// places with different texts: the mirror would keep only the later one.
void CheckMirrorsAgree(const CellBlock& block, int column, int row) {
    for (qsizetype i = 0; i < block.size(); ++i) {
        for (qsizetype j = 0; j < block[i].size(); ++j) {
            // Cell (c, r) of the table and its mirror (r, c) in the block.
            const int c = column + static_cast<int>(j);
            const int r = row + static_cast<int>(i);
            const qsizetype mirrorRow = c - row;
            const qsizetype mirrorColumn = r - column;
            if (c == r || mirrorRow < 0 || mirrorRow >= block.size() || mirrorColumn < 0 ||
                mirrorColumn >= block[mirrorRow].size()) {
                continue;
            }
            const QString& mirror = block[mirrorRow][mirrorColumn];
            if (mirror != block[i][j]) {
                throw std::runtime_error(
                    QStringLiteral("Блок не вставлен: он несимметричен. В столбце %1, строке %2 "
                                   "стоит «%3», а в столбце %2, строке %1 — «%4»; при вставке "
                                   "одно из значений заменило бы другое.")
                        .arg(c)
                        .arg(r)
                        .arg(block[i][j], mirror)
                        .toStdString());
            }
        }
    }
}

}  // namespace

CellBlock ParseCellBlock(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    if (lines.endsWith(u'\n')) lines.chop(1);
    CellBlock block;
    if (lines.isEmpty()) return block;
    const bool tabbed = lines.contains(u'\t');
    static const QRegularExpression separator(QStringLiteral(" *; *| +"));
    for (const QString& line : lines.split(u'\n')) {
        if (tabbed) {
            block.append(line.split(u'\t'));
        } else {
            QString cells = line;
            while (cells.startsWith(u' ')) cells.remove(0, 1);
            while (cells.endsWith(u' ')) cells.chop(1);
            block.append(cells.split(separator));
        }
    }
    return block;
}

QString CellBlockText(const CellBlock& block) {
    QStringList lines;
    lines.reserve(block.size());
    for (const QStringList& cells : block) lines.append(cells.join(u'\t'));
    return lines.join(u'\n');
}

CellBlock CopyCells(const GraphTables& tables, TableId table, const QRect& cells) {
    const CellTableModel* model = tables.Table(table);
    CellBlock block;
    for (int row = cells.top(); row <= cells.bottom(); ++row) {
        QStringList texts;
        for (int column = cells.left(); column <= cells.right(); ++column) {
            texts.append(model->Text(column, row));
        }
        block.append(texts);
    }
    return block;
}

void PasteCells(GraphTables& tables, TableId table, int column, int row, CellBlock block) {
    if (block.isEmpty()) return;
    const int width = static_cast<int>(Width(block));
    const int lastRow = row + static_cast<int>(block.size()) - 1;
    const int lastColumn = column + width - 1;
    const bool matrix = table == TableId::Matrix;
    if (!matrix && lastColumn > kCoordinateColumns) {
        throw std::runtime_error(
            QStringLiteral("Блок не вставлен: в таблице узлов два столбца, X и Y, а блок "
                           "шириной %1 со столбца %2 заходит за них.")
                .arg(width)
                .arg(column == 1 ? QStringLiteral("X") : QStringLiteral("Y"))
                .toStdString());
    }
    const int needed = matrix ? std::max(lastRow, lastColumn) : lastRow;
    if (needed > graph::kMostNodes) {
        throw std::runtime_error(QStringLiteral("Блок не вставлен: ему нужно %1 узлов, а в окне их "
                                                "может быть не больше %2.")
                                     .arg(needed)
                                     .arg(graph::kMostNodes)
                                     .toStdString());
    }
    if (matrix) {
        CheckMirrorsAgree(block, column, row);
        if (HasZerosForNoLink(block) &&
            AskQuestion({QStringLiteral("Считать нули вне диагонали отсутствием связи?"),
                         QuestionContent::YesNo}) == QMessageBox::Yes) {
            for (qsizetype i = 0; i < block.size(); ++i) {
                for (qsizetype j = 0; j < block[i].size(); ++j) {
                    if (i != j && IsZero(block[i][j])) block[i][j].clear();
                }
            }
        }
    }

    CellTableModel* model = tables.Table(table);
    tables.BeginStep(GraphTables::Step::Paste);
    if (needed > tables.Count()) tables.SetCount(needed);
    model->BeginBatch();
    for (qsizetype i = 0; i < block.size(); ++i) {
        const int r = row + static_cast<int>(i);
        for (qsizetype j = 0; j < block[i].size(); ++j) {
            const int c = column + static_cast<int>(j);
            if (matrix && c == r) continue;
            const std::string text = block[i][j].toStdString();
            model->SetCellText(c, r, text);
            if (matrix) model->SetCellText(r, c, text);
        }
    }
    model->EndBatch();
    tables.EndStep();
}

void ClearCells(GraphTables& tables, TableId table, const QRect& cells) {
    CellTableModel* model = tables.Table(table);
    tables.BeginStep(GraphTables::Step::Clear);
    model->BeginBatch();
    for (int row = cells.top(); row <= cells.bottom(); ++row) {
        for (int column = cells.left(); column <= cells.right(); ++column) {
            model->SetCellText(column, row, std::string());
            if (table == TableId::Matrix) model->SetCellText(row, column, std::string());
        }
    }
    model->EndBatch();
    tables.EndStep();
}

}  // namespace app
