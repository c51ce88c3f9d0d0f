// The graph as the window edits it: the node table and the adjacency matrix
// with the texts they keep beyond the node count, the history of the
// person's edits, and the file the tables belong to. Every change a person
// makes is one step between BeginStep and EndStep; the cells it writes are
// recorded as they are written, so a step can be taken back and done again
// exactly. Writes outside a step (the commands emptying the diagonal) are
// not part of the history.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <unordered_map>

#include "cell_table_model.h"
#include "edit_history.h"
#include "graph_document.h"

namespace app {

class GraphTables : public QObject {
    Q_OBJECT

public:
    using Step = EditStep::Kind;

    // `count` is the node count before the tables are first sized.
    explicit GraphTables(int count, QObject* parent = nullptr);

    CellTableModel* NodeTable() const { return nodes_; }
    CellTableModel* MatrixTable() const { return matrix_; }
    CellTableModel* Table(TableId table) const {
        return table == TableId::Nodes ? nodes_ : matrix_;
    }

    // Sizes both tables for n nodes: node numbers in the headers, X and Y
    // over the node table's columns, the matrix's diagonal emptied. Texts
    // beyond the new size are kept.
    void Resize(int n);
    // The node count the tables were last sized for.
    int Count() const { return count_; }
    // Changes the node count within a step: the count box is asked to show
    // n, and its change sizes the tables.
    void SetCount(int n);

    // Starts recording a step. Steps begun inside a step are part of it; a
    // cell's editing session still open when another step begins ends
    // first.
    void BeginStep(Step step);
    // Ends the step begun last; the outermost one goes into the history
    // when it changed anything. Consecutive count changes make one step.
    void EndStep();
    // Ends the open step by putting back every text it changed.
    void CancelStep();
    // The same, but only for an open step of a cell's editing session.
    void EndCellEdit();
    void CancelCellEdit();

    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    void Undo();
    void Redo();

    // The texts within the node count, as a graph file holds them.
    document::GraphTexts Texts() const;
    // Opening a file, as one step: every text goes, the texts kept beyond
    // the count included, then the count and the texts of `texts` are set
    // exactly as they are, nothing mirrored.
    void Load(const document::GraphTexts& texts, const QString& fileName);
    // Empties both tables, the texts kept beyond the count included, as one
    // step.
    void ClearAll();

    // The file the tables were last opened from or saved to; empty before.
    QString FileName() const { return QString::fromStdString(document_.fileName); }
    // True while the count or a text within it differs from what was last
    // opened or saved (or from the start-up state).
    bool IsModified() const { return modified_; }
    // The tables as they are now are what `fileName` holds.
    void MarkSaved(const QString& fileName);
    // The tables as they are now are the unmodified state without a file.
    void MarkStartState();
    // Tells whether the modified state changed, after writes outside the
    // steps.
    void RefreshModified();

signals:
    // Taking a step back or again changes the node count to n: the count
    // box must show it, and its change sizes the tables.
    void CountRequested(int n);
    // What can be undone or redone has changed.
    void HistoryChanged();
    // The file name or the modified state has changed.
    void DocumentChanged();
    // A step, or taking one back or again, changed the tables.
    void Edited();

private:
    void Written(TableId table, int column, int row, const std::string& before,
                 const std::string& after);
    void Apply(const EditStep& step, bool forward);
    void Finish(EditStep step);
    // The saved text of a cell, or nothing for a cell beyond the saved
    // texts' count.
    const std::string* SavedText(TableId table, int column, int row) const;
    void SetSaved(DocumentState state);
    void BeginBatch();
    void EndBatch();

    int count_;
    CellTableModel* nodes_;
    CellTableModel* matrix_;
    EditHistory history_;

    // The step being recorded, how deeply steps are nested in it, and where
    // each cell it changed is in its list.
    std::optional<EditStep> open_;
    int depth_ = 0;
    std::unordered_map<long long, std::size_t> openCells_;
    // Steps taken back or again write cells that are not recorded.
    bool replaying_ = false;
    // The last step pushed is a run of count changes that the next count
    // change joins.
    bool countRunOpen_ = false;

    DocumentState document_;
    bool modified_ = false;
    // How many cells within the saved texts' count differ from them, kept up
    // to date write by write so that the modified state costs nothing.
    std::size_t differing_ = 0;
};

}  // namespace app
