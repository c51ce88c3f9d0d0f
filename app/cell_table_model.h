// A grid's cells as one table of texts, shared by the grid that shows them
// and by the graph readers, which see it as a graph::TextTable. Row 0 and
// column 0 are the grid's fixed header cells: the view shows them as its
// header sections, so they stay in sight while the cells scroll and cannot
// be edited. Texts outside the current size are kept and come back when the
// table grows again.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <string>

#include "text_table.h"

namespace app {

class CellTableModel : public QAbstractTableModel, public graph::TextTable {
    Q_OBJECT

public:
    // `columns` and `rows` count the header column and row too.
    CellTableModel(int columns, int rows, QObject* parent = nullptr);

    int ColumnCount() const { return columns_; }
    int RowCount() const { return rows_; }
    // Grows or shrinks the table; texts beyond the new size are kept.
    void SetSize(int columns, int rows);

    // Writes from the program: shown at once, never reported as an edit.
    std::string CellText(int column, int row) const override;
    void SetCellText(int column, int row, const std::string& text) override;
    QString Text(int column, int row) const;
    void SetText(int column, int row, const QString& text);

    // The view addresses the cells below and right of the headers.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A write from the grid's cell editor: stored, then reported by
    // TextEdited even when the text did not change.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void TextEdited(int column, int row, const QString& text);

private:
    void ResizeColumns(int columns);
    void ResizeRows(int rows);

    graph::CellStore store_;
    int columns_;
    int rows_;
};

}  // namespace app
