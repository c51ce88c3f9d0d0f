// The tables' keys and right-click menu; see table_actions.h.
#include "app/tables/table_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>
#include <algorithm>

#include "app/form_controls.h"
#include "app/messages.h"
#include "app/tables/cell_block.h"
#include "app/tables/cell_grid.h"
#include "app/tables/graph_tables.h"
#include "app/tables/table_commands.h"

namespace app {

bool ZerosMeanNoLink(const CellBlock& block) {
    return HasZerosForNoLink(block) &&
           AskQuestion({QCoreApplication::translate(
                            "app::TableActions", "Считать нули вне диагонали отсутствием связи?"),
                        QuestionContent::YesNo}) == QMessageBox::Yes;
}

TableActions::TableActions(GraphTables* tables, CellGrid* nodes, CellGrid* matrix,
                           QList<QAction*> fileActions, QWidget* window)
    : WindowPart(window),
      tables_(tables),
      nodes_(nodes),
      matrix_(matrix),
      fileActions_(std::move(fileActions)),
      window_(window),
      undo_(tables->History()->createUndoAction(window, tr("Отменить"))),
      redo_(tables->History()->createRedoAction(window, tr("Повторить"))),
      layout_(NewAction(QStringLiteral("layoutAction"), tr("Расставить узлы"), window)) {
    undo_->setObjectName(QStringLiteral("undoAction"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_->setObjectName(QStringLiteral("redoAction"));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // An open cell editor commits before an edit is taken back or again.
    for (QAction* action : {undo_, redo_}) {
        disconnect(action, &QAction::triggered, tables_->History(), nullptr);
    }
    connect(undo_, &QAction::triggered, this, [this] {
        FinishEditing();
        tables_->History()->undo();
    });
    connect(redo_, &QAction::triggered, this, [this] {
        FinishEditing();
        tables_->History()->redo();
    });

    connect(layout_, &QAction::triggered, this, [this] {
        if (Run([this] {
                FinishEditing();
                PlaceNodesReadably(*tables_);
            })) {
            emit NodesPlaced();
        }
    });

    for (const TableId table : {TableId::Nodes, TableId::Matrix}) {
        CellGrid* grid = Grid(table);
        connect(grid, &CellGrid::EditingStarted, tables_, &GraphTables::BeginCellEdit);
        connect(grid, &CellGrid::EditingFinished, tables_, &GraphTables::EndCellEdit);
        connect(grid, &CellGrid::EditingCancelled, tables_, &GraphTables::CancelCellEdit);
        connect(grid, &CellGrid::CopyRequested, this, [this, table, grid] {
            QApplication::clipboard()->setText(
                CellBlockText(CopyCells(*tables_, table, grid->SelectedCells())));
        });
        connect(grid, &CellGrid::PasteRequested, this,
                [this, table] { Run([this, table] { PasteInto(table); }); });
        connect(grid, &CellGrid::ClearRequested, this, [this, table, grid] {
            Run([this, table, grid] { ClearCells(*tables_, table, grid->SelectedCells()); });
        });
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, table](const QPoint& at) { ShowMenu(table, at); });
    }
}

void TableActions::FinishEditing() {
    nodes_->FinishEditing();
    matrix_->FinishEditing();
    // A node dragged or moved on the picture ends its edit too.
    tables_->EndCellEdit();
}

void TableActions::PasteInto(TableId table) {
    FinishEditing();
    const QRect at = Grid(table)->SelectedCells();
    CellBlock block = WithoutHeaders(ParseCellBlock(QApplication::clipboard()->text()), table);
    if (table == TableId::Matrix && ZerosMeanNoLink(block)) {
        block = WithoutZerosForNoLink(std::move(block));
    }
    // A whole matrix for more nodes than there are, onto nodes a person has
    // not placed, would be drawn as a tangle.
    const auto size = static_cast<int>(block.size());
    const bool newGraph =
        table == TableId::Matrix && at.topLeft() == QPoint(1, 1) && size > tables_->Count() &&
        std::all_of(block.cbegin(), block.cend(),
                    [size](const QStringList& row) { return row.size() == size; }) &&
        HasNoPlacesOfItsOwn(*tables_, size);
    {
        const GraphTables::Edit edit(*tables_, GraphTables::Kind::Paste);
        PasteCells(*tables_, table, at.left(), at.top(), block);
        if (!newGraph ||
            AskQuestion({tr("Расставить узлы?"), QuestionContent::YesNo}) != QMessageBox::Yes) {
            return;
        }
        PlaceNodesReadably(*tables_);
    }
    emit NodesPlaced();
}

void TableActions::ShowMenu(TableId table, const QPoint& at) {
    CellGrid* grid = Grid(table);
    QMenu menu(window_);
    menu.addActions({undo_, redo_});
    menu.addSeparator();
    QAction* copy = menu.addAction(tr("Копировать"));
    copy->setShortcut(QKeySequence::Copy);
    QAction* paste = menu.addAction(tr("Вставить"));
    paste->setShortcut(QKeySequence::Paste);
    paste->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu.addSeparator();
    menu.addActions(fileActions_);
    menu.addSeparator();
    QAction* clearAll = menu.addAction(tr("Очистить таблицы"));
    menu.addAction(layout_);
    QAction* circle = menu.addAction(tr("Расставить узлы по кругу"));
    QAction* chosen = ExecMenu(menu, grid->viewport()->mapToGlobal(at), window_);
    if (chosen == copy) emit grid->CopyRequested();
    if (chosen == paste) emit grid->PasteRequested();
    if (chosen != clearAll && chosen != circle) return;
    Run([&] {
        FinishEditing();
        if (chosen == clearAll) tables_->ClearAll();
        if (chosen == circle) PlaceNodesOnCircle(*tables_);
    });
}

}  // namespace app
