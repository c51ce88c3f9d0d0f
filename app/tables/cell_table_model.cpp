// The table of texts behind a grid; see cell_table_model.h.
#include "app/tables/cell_table_model.h"

#include <algorithm>

namespace app {

CellTableModel::CellTableModel(int columns, int rows, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::max(columns, 1)), rows_(std::max(rows, 1)) {}

void CellTableModel::SetSize(int columns, int rows) {
    ResizeColumns(std::max(columns, 1));
    ResizeRows(std::max(rows, 1));
}

void CellTableModel::ResizeColumns(int columns) {
    // Model column k is table column k + 1: the header column is not a
    // model column.
    if (columns > columns_) {
        beginInsertColumns(QModelIndex(), columns_ - 1, columns - 2);
        columns_ = columns;
        endInsertColumns();
    } else if (columns < columns_) {
        beginRemoveColumns(QModelIndex(), columns - 1, columns_ - 2);
        columns_ = columns;
        endRemoveColumns();
    }
}

void CellTableModel::ResizeRows(int rows) {
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_ - 1, rows - 2);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows - 1, rows_ - 2);
        rows_ = rows;
        endRemoveRows();
    }
}

std::string CellTableModel::CellText(int column, int row) const {
    return store_.CellText(column, row);
}

void CellTableModel::SetCellText(int column, int row, const std::string& text) {
    if (observer_) {
        const std::string before = store_.CellText(column, row);
        if (before == text) return;
        store_.SetCellText(column, row, text);
        observer_(column, row, before, text);
    } else {
        store_.SetCellText(column, row, text);
    }
    ShowChanged(column, row);
}

void CellTableModel::RestoreCellText(int column, int row, const std::string& text) {
    store_.SetCellText(column, row, text);
    ShowChanged(column, row);
}

void CellTableModel::ShowChanged(int column, int row) {
    if (column >= columns_ || row >= rows_ || column < 0 || row < 0) return;
    if (batchDepth_ > 0) {
        if (row == 0 || column == 0) {
            dirtyHeaders_ = true;
        } else {
            dirtyLeft_ = dirtyRight_ < dirtyLeft_ ? column : std::min(dirtyLeft_, column);
            dirtyTop_ = dirtyBottom_ < dirtyTop_ ? row : std::min(dirtyTop_, row);
            dirtyRight_ = std::max(dirtyRight_, column);
            dirtyBottom_ = std::max(dirtyBottom_, row);
        }
        return;
    }
    if (row == 0 && column > 0) {
        emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
    } else if (column == 0 && row > 0) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    } else if (row > 0 && column > 0) {
        const QModelIndex cell = index(row - 1, column - 1);
        emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    }
}

void CellTableModel::BeginBatch() {
    if (batchDepth_++ == 0) {
        dirtyLeft_ = dirtyTop_ = 0;
        dirtyRight_ = dirtyBottom_ = -1;
        dirtyHeaders_ = false;
    }
}

void CellTableModel::EndBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return;
    // The table may have shrunk since a cell was written.
    const int right = std::min(dirtyRight_, columns_ - 1);
    const int bottom = std::min(dirtyBottom_, rows_ - 1);
    if (dirtyLeft_ <= right && dirtyTop_ <= bottom) {
        emit dataChanged(index(dirtyTop_ - 1, dirtyLeft_ - 1), index(bottom - 1, right - 1),
                         {Qt::DisplayRole, Qt::EditRole});
    }
    if (dirtyHeaders_) {
        if (columns_ > 1) emit headerDataChanged(Qt::Horizontal, 0, columns_ - 2);
        if (rows_ > 1) emit headerDataChanged(Qt::Vertical, 0, rows_ - 2);
    }
}

QString CellTableModel::Text(int column, int row) const {
    return QString::fromStdString(CellText(column, row));
}

void CellTableModel::SetText(int column, int row, const QString& text) {
    SetCellText(column, row, text.toStdString());
}

int CellTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_ - 1;
}

int CellTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_ - 1;
}

QVariant CellTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return Text(index.column() + 1, index.row() + 1);
}

QVariant CellTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? Text(section + 1, 0) : Text(0, section + 1);
}

Qt::ItemFlags CellTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool CellTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const int column = index.column() + 1;
    const int row = index.row() + 1;
    const QString text = value.toString();
    SetText(column, row, text);
    emit TextEdited(column, row, text);
    return true;
}

}  // namespace app
