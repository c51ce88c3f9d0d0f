// A grid's cells as one table of texts, shared by the grid that shows them
// and by the graph readers, which see it as a graph::TextTable. Row 0 and
// column 0 are the grid's fixed header cells: the view shows them as its
// header sections, so they stay in sight while the cells scroll and cannot
// be edited. Texts outside the current size are kept and come back when the
// table grows again.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "graph/text_table.h"

namespace app {

class CellTableModel : public QAbstractTableModel, public graph::TextTable {
    Q_OBJECT

public:
    // Told of every write that changes a cell's text, by the program or by
    // the grid's editor alike.
    using WriteObserver = std::function<void(int column, int row, const std::string& before,
                                             const std::string& after)>;

    // `columns` and `rows` count the header column and row too.
    CellTableModel(int columns, int rows, QObject* parent = nullptr);

    // Grows or shrinks the table; texts beyond the new size are kept.
    void SetSize(int columns, int rows);
    void SetWriteObserver(WriteObserver observer) { observer_ = std::move(observer); }

    // Writes from the program: shown at once, never reported as an edit.
    std::string CellText(int column, int row) const override;
    void SetCellText(int column, int row, const std::string& text) override;
    // A write that puts a text back, as the history does: shown at once,
    // never told to the observer.
    void RestoreCellText(int column, int row, const std::string& text);
    QString Text(int column, int row) const;
    void SetText(int column, int row, const QString& text);
    // Every cell that holds a text, the header cells and those beyond the
    // current size included.
    std::vector<std::pair<int, int>> FilledCells() const { return store_.FilledCells(); }

    // Between these, writes are shown together once the outermost batch
    // ends, so that thousands of them cost one repaint.
    void BeginBatch();
    void EndBatch();

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
    void ShowChanged(int column, int row);

    graph::CellStore store_;
    int columns_;
    int rows_;
    WriteObserver observer_;
    int batchDepth_ = 0;
    // The cells written during a batch: a box of (column, row), both from 1,
    // and whether header cells were written.
    int dirtyLeft_ = 0;
    int dirtyTop_ = 0;
    int dirtyRight_ = -1;
    int dirtyBottom_ = -1;
    bool dirtyHeaders_ = false;
};

}  // namespace app
