// An editable grid of texts over a CellTableModel: 20 px rows, columns 20 px
// or as wide as their widest text, 1-px lines, one fixed header row and
// column whose borders can be dragged, range selection, and a cell editor
// that hands every change of its text to the model as it is typed (each
// keystroke, cut, paste) and once more when it closes. The grid keeps the
// keys of a spreadsheet: a click selects, typing replaces the text, a double
// click or F2 edits it; Tab leaves the grid, Enter and Shift+Enter commit
// and move down or up, arrows leave an editor opened by typing, Esc takes
// the session back, and Ctrl+C, Ctrl+V and Delete act on the selected block
// (Ctrl+V also from an open editor).
#pragma once

#include <QRect>
#include <QTableView>

#include "app/tables/cell_table_model.h"

namespace app {

class CellGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int kCellSize = 20;

    explicit CellGrid(CellTableModel* model, QWidget* parent = nullptr);
    ~CellGrid() override;

    using QTableView::edit;

    // The selected block as table columns and rows (from 1); the current
    // cell alone when nothing is selected, (1, 1) when there is none.
    QRect SelectedCells() const;
    // Makes table cell (column, row) the current and only selected cell,
    // scrolled into view, and gives the grid the focus.
    void SelectCell(int column, int row);
    // Commits the text of an open cell editor and closes it.
    void FinishEditing();

signals:
    // A cell editor opened; it ends with EditingFinished, or with
    // EditingCancelled when Esc asks for the texts from before it.
    void EditingStarted();
    void EditingFinished();
    void EditingCancelled();
    // Keys on the grid itself (not in an editor).
    void CopyRequested();
    void PasteRequested();
    void ClearRequested();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void EditorCreated(QWidget* editor);
    void MoveTo(CursorAction action);
    // Columns from model column `first` to `last` as wide as their widest
    // text, and the row header as wide as its widest number.
    static int TextWidth(const QFontMetrics& metrics, const QString& text);
    void FitColumns(int first, int last);
    void FitAll();
    void EndSession(bool kept);

    // The trigger of the edit being opened.
    EditTrigger trigger_ = NoEditTriggers;
    // An editor is open, and it was opened by typing into the cell: then
    // the arrow keys leave it, as in a spreadsheet.
    bool editing_ = false;
    bool openedByTyping_ = false;
    QMetaObject::Connection editorGone_;
};

}  // namespace app
