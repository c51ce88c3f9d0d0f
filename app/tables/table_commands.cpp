// The tables' block and layout commands; see table_commands.h.
#include "app/tables/table_commands.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/graph_document.h"
#include "graph/cell_text.h"
#include "graph/graph_model.h"
#include "graph/node_layout.h"
#include "graph/readable_layout.h"

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

// True when the cells after the first of `cells` are 1, 2, ... in turn.
bool NumbersNodes(const QStringList& cells) {
    for (qsizetype k = 1; k < cells.size(); ++k) {
        if (cells[k].trimmed() != QString::number(k)) return false;
    }
    return cells.size() > 1;
}

QStringList FirstColumn(const CellBlock& block) {
    QStringList cells;
    for (const QStringList& row : block) cells.append(row.value(0));
    return cells;
}

bool IsCaptionRow(const QStringList& cells) {
    bool caption = false;
    for (qsizetype k = 1; k < cells.size(); ++k) {
        if (cells[k].isEmpty()) continue;
        try {
            graph::CellToInt(cells[k].toStdString());
            return false;
        } catch (const graph::ConversionError&) {
            caption = true;
        }
    }
    return caption;
}

CellBlock WithoutFirstColumn(CellBlock block) {
    for (QStringList& row : block) {
        if (!row.isEmpty()) row.removeFirst();
    }
    return block;
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
                    QCoreApplication::translate(
                        "app::TableCommands",
                        "Блок не вставлен: он несимметричен. В столбце %1, строке %2 "
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

void WritePlaces(GraphTables& tables, const graph::NodePlaces& places, GraphTables::Kind kind) {
    const GraphTables::Edit edit(tables, kind);
    CellTableModel* nodes = tables.NodeTable();
    nodes->BeginBatch();
    int row = 1;
    for (const auto& [x, y] : places) {
        nodes->SetCellText(1, row, std::to_string(x));
        nodes->SetCellText(2, row, std::to_string(y));
        ++row;
    }
    nodes->EndBatch();
}

}  // namespace

bool HasZerosForNoLink(const CellBlock& block) {
    const qsizetype size = block.size();
    bool zeroOffDiagonal = false;
    for (qsizetype i = 0; i < size; ++i) {
        if (block[i].size() != size || !IsZero(block[i][i])) return false;
        for (qsizetype j = 0; j < size; ++j) zeroOffDiagonal |= i != j && IsZero(block[i][j]);
    }
    return zeroOffDiagonal;
}

CellBlock WithoutZerosForNoLink(CellBlock block) {
    for (qsizetype i = 0; i < block.size(); ++i) {
        for (qsizetype j = 0; j < block[i].size(); ++j) {
            if (i != j && IsZero(block[i][j])) block[i][j].clear();
        }
    }
    return block;
}

void EmptyZerosForNoLink(GraphTables& tables) {
    const GraphTables::Edit edit(tables, GraphTables::Kind::Zeros);
    CellTableModel* matrix = tables.MatrixTable();
    matrix->BeginBatch();
    for (int c = 1; c <= tables.Count(); ++c) {
        for (int r = 1; r <= tables.Count(); ++r) {
            if (c != r && IsZero(matrix->Text(c, r))) matrix->SetCellText(c, r, std::string());
        }
    }
    matrix->EndBatch();
}

CellBlock WithoutHeaders(CellBlock block, TableId table) {
    if (block.size() < 2) return block;
    if (table == TableId::Matrix) {
        if (!NumbersNodes(block.front()) || !NumbersNodes(FirstColumn(block))) return block;
        block.removeFirst();
        return WithoutFirstColumn(std::move(block));
    }
    if (!IsCaptionRow(block.front())) return block;
    block.removeFirst();
    QStringList numbers = FirstColumn(block);
    numbers.prepend(QString());
    return NumbersNodes(numbers) ? WithoutFirstColumn(std::move(block)) : block;
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

void PasteCells(GraphTables& tables, TableId table, int column, int row, const CellBlock& block) {
    if (block.isEmpty()) return;
    const int width = static_cast<int>(Width(block));
    const int lastRow = row + static_cast<int>(block.size()) - 1;
    const int lastColumn = column + width - 1;
    const bool matrix = table == TableId::Matrix;
    if (!matrix && lastColumn > kCoordinateColumns) {
        throw std::runtime_error(QCoreApplication::translate(
                                     "app::TableCommands",
                                     "Блок не вставлен: в таблице узлов два столбца, X и Y, а блок "
                                     "шириной %1 со столбца %2 заходит за них.")
                                     .arg(width)
                                     .arg(column == 1 ? QStringLiteral("X") : QStringLiteral("Y"))
                                     .toStdString());
    }
    const int needed = matrix ? std::max(lastRow, lastColumn) : lastRow;
    if (needed > graph::kMostNodes) {
        throw std::runtime_error(
            QCoreApplication::translate("app::TableCommands",
                                        "Блок не вставлен: ему нужно %1 узлов, а в окне их "
                                        "может быть не больше %2.")
                .arg(needed)
                .arg(graph::kMostNodes)
                .toStdString());
    }
    if (matrix) CheckMirrorsAgree(block, column, row);
    // A longer text would make a graph file the window cannot open again.
    for (const QStringList& cells : block) {
        for (const QString& cell : cells) {
            if (cell.size() <= static_cast<qsizetype>(document::kLongestText)) continue;
            throw std::runtime_error(
                QCoreApplication::translate(
                    "app::TableCommands",
                    "Блок не вставлен: в нём есть ячейка длиннее %1 знаков, а в окне "
                    "их может быть не больше %1.")
                    .arg(document::kLongestText)
                    .toStdString());
        }
    }

    CellTableModel* model = tables.Table(table);
    const GraphTables::Edit edit(tables, GraphTables::Kind::Paste);
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
}

void ClearCells(GraphTables& tables, TableId table, const QRect& cells) {
    CellTableModel* model = tables.Table(table);
    const GraphTables::Edit edit(tables, GraphTables::Kind::Clear);
    model->BeginBatch();
    for (int row = cells.top(); row <= cells.bottom(); ++row) {
        for (int column = cells.left(); column <= cells.right(); ++column) {
            model->SetCellText(column, row, std::string());
            if (table == TableId::Matrix) model->SetCellText(row, column, std::string());
        }
    }
    model->EndBatch();
}

void PlaceNodesOnCircle(GraphTables& tables) {
    WritePlaces(tables, graph::CircleLayout(tables.Count()), GraphTables::Kind::Layout);
}

void PlaceNodesReadably(GraphTables& tables) {
    graph::AdjacencyMatrix links;
    graph::ReadAdjacency(*tables.MatrixTable(), static_cast<std::int16_t>(tables.Count()), links);
    WritePlaces(tables, graph::ReadableLayout(links), GraphTables::Kind::ReadableLayout);
}

bool HasNoPlacesOfItsOwn(const GraphTables& tables, int count) {
    const CellTableModel* nodes = tables.NodeTable();
    for (int node = 1; node <= count; ++node) {
        const std::string x = nodes->CellText(1, node);
        const std::string y = nodes->CellText(2, node);
        if (x.empty() && y.empty()) continue;
        const auto sample = static_cast<std::size_t>(node - 1);
        if (sample >= graph::kSampleNodes.size() ||
            x != std::to_string(graph::kSampleNodes[sample].first) ||
            y != std::to_string(graph::kSampleNodes[sample].second)) {
            return false;
        }
    }
    return true;
}

void SetLinkWeight(GraphTables& tables, int from, int to, const std::string& text) {
    const GraphTables::Edit edit(tables, GraphTables::Kind::Link);
    CellTableModel* matrix = tables.MatrixTable();
    matrix->BeginBatch();
    matrix->SetCellText(from + 1, to + 1, text);
    matrix->SetCellText(to + 1, from + 1, text);
    matrix->EndBatch();
}

void AddNode(GraphTables& tables, int x, int y) {
    const int n = tables.Count();
    const int unplaced = tables.FirstUnplacedNode();
    if (unplaced == 0 && n >= graph::kMostNodes) {
        throw std::runtime_error(
            QCoreApplication::translate("app::TableCommands",
                                        "Узел не добавлен: в окне может быть не больше %1 узлов")
                .arg(graph::kMostNodes)
                .toStdString());
    }
    const GraphTables::Edit edit(tables, GraphTables::Kind::AddNode);
    const int node = unplaced != 0 ? unplaced : n + 1;
    tables.NodeTable()->SetCellText(1, node, std::to_string(x));
    tables.NodeTable()->SetCellText(2, node, std::to_string(y));
    if (node <= n) return;
    tables.SetCount(node);
    // Texts kept beyond the count would give the new node old links.
    CellTableModel* matrix = tables.MatrixTable();
    for (const auto& [column, row] : matrix->FilledCells()) {
        if ((column == node && row > 0) || (row == node && column > 0)) {
            matrix->SetCellText(column, row, std::string());
        }
    }
}

void DeleteNode(GraphTables& tables, int node) {
    const int n = tables.Count();
    if (n <= graph::kFewestNodes) {
        throw std::runtime_error(
            QCoreApplication::translate("app::TableCommands",
                                        "Узел не удалён: узлов не может быть меньше %1")
                .arg(graph::kFewestNodes)
                .toStdString());
    }
    const GraphTables::Edit edit(tables, GraphTables::Kind::DeleteNode);
    // Texts kept beyond the count move up with the rest.
    CellTableModel* nodes = tables.NodeTable();
    CellTableModel* matrix = tables.MatrixTable();
    int last = n;
    for (const auto& [column, row] : nodes->FilledCells()) last = std::max(last, row);
    for (const auto& [column, row] : matrix->FilledCells()) last = std::max({last, column, row});
    const int gone = node + 1;
    const auto from = [gone](int k) { return k >= gone ? k + 1 : k; };
    for (int row = gone; row <= last; ++row) {
        for (int column = 1; column <= kCoordinateColumns; ++column) {
            nodes->SetCellText(column, row,
                               row < last ? nodes->CellText(column, row + 1) : std::string());
        }
    }
    std::vector<std::string> moved;
    moved.reserve(static_cast<std::size_t>(last) * last);
    for (int column = 1; column <= last; ++column) {
        for (int row = 1; row <= last; ++row) {
            const int c = from(column);
            const int r = from(row);
            moved.push_back(c <= last && r <= last ? matrix->CellText(c, r) : std::string());
        }
    }
    std::size_t k = 0;
    for (int column = 1; column <= last; ++column) {
        for (int row = 1; row <= last; ++row) matrix->SetCellText(column, row, moved[k++]);
    }
    tables.SetCount(n - 1);
}

}  // namespace app
