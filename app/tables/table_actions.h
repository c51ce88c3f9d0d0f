// The keys and right-click menu of both tables: copy, paste (asking about
// textbook zeros, leaving out copied headers, offering a layout for a whole
// new matrix), delete, undo and redo of the history, emptying both tables
// and placing the nodes to be read or on a circle. A handler's failure goes
// to Failed.
#pragma once

#include <QList>

#include "app/messages.h"
#include "app/tables/cell_block.h"
#include "app/tables/table_edit.h"

class QAction;
class QPoint;
class QWidget;

namespace app {

class CellGrid;
class GraphTables;

// True when `block` is a matrix written the textbook way and the person,
// asked, takes its zeros off the diagonal for "no link".
bool ZerosMeanNoLink(const CellBlock& block);

class TableActions : public WindowPart {
    Q_OBJECT

public:
    // The menu also offers `fileActions`; the undo and redo actions belong
    // to `window`, so their keys work wherever the focus is in it.
    TableActions(GraphTables* tables, CellGrid* nodes, CellGrid* matrix,
                 QList<QAction*> fileActions, QWidget* window);

    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }
    // «Расставить узлы»: the readable layout of the graph in the tables.
    QAction* LayoutAction() const { return layout_; }
    CellGrid* Grid(TableId table) const { return table == TableId::Nodes ? nodes_ : matrix_; }
    // Commits the text of an open cell editor in either table.
    void FinishEditing();

signals:
    // The nodes were laid out anew: the picture must show them.
    void NodesPlaced();

private:
    void PasteInto(TableId table);
    void ShowMenu(TableId table, const QPoint& at);

    GraphTables* tables_;
    CellGrid* nodes_;
    CellGrid* matrix_;
    QList<QAction*> fileActions_;
    QWidget* window_;
    QAction* undo_;
    QAction* redo_;
    QAction* layout_;
};

}  // namespace app
