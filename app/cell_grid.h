// An editable grid of texts over a CellTableModel: 20 x 20 px cells with
// 1-px lines, one fixed header row and column, range selection, and a cell
// editor that hands every change of its text to the model as it is typed
// (each keystroke, cut, paste) and once more when it closes.
#pragma once

#include <QTableView>

#include "cell_table_model.h"

namespace app {

class CellGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int kCellSize = 20;

    explicit CellGrid(CellTableModel* model, QWidget* parent = nullptr);

    CellTableModel* Cells() const { return cells_; }

    // The view index of table cell (column, row); row and column 0 are the
    // headers and have none.
    QModelIndex CellIndex(int column, int row) const;

private:
    CellTableModel* cells_;
};

}  // namespace app
