// The graph as the window edits it: the node table and the adjacency matrix
// with the texts they keep beyond the node count, and the history of the
// person's edits on a QUndoStack. Every change a person makes is recorded
// by an Edit scope: the cells written while it lives become one edit, so an
// edit can be taken back and done again exactly. The stack's clean state is
// the tables as last opened or saved.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <memory>
#include <optional>
#include <vector>

#include "app/tables/cell_table_model.h"
#include "app/tables/table_edit.h"
#include "document/graph_document.h"
#include "graph/graph_model.h"

namespace app {

class GraphTables : public QObject {
    Q_OBJECT

public:
    using Kind = TableEdit::Kind;

    // Records the writes made while it lives as one edit of `kind`, pushed
    // when it ends if it changed anything. A scope opened inside another
    // one is part of it; any other edit ends an open cell's editing first.
    class Edit {
    public:
        Edit(GraphTables& tables, Kind kind);
        ~Edit();
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;

    private:
        GraphTables& tables_;
        bool outermost_;
    };

    // `count` is the node count before the tables are first sized.
    explicit GraphTables(int count, QObject* parent = nullptr);
    ~GraphTables() override;

    CellTableModel* NodeTable() const { return nodes_; }
    CellTableModel* MatrixTable() const { return matrix_; }
    CellTableModel* Table(TableId table) const {
        return table == TableId::Nodes ? nodes_ : matrix_;
    }
    QUndoStack* History() const { return history_; }

    // Sizes both tables for n nodes: node numbers in the headers, X and Y
    // over the node table's columns, the matrix's diagonal emptied. Texts
    // beyond the new size are kept.
    void Resize(int n);
    // The node count the tables were last sized for.
    int Count() const { return count_; }
    // Changes the node count: the count box is asked to show n, and its
    // change sizes the tables.
    void SetCount(int n);

    // A cell's editing session: every text typed until it ends is one edit;
    // cancelled, it puts back the texts from before it.
    void BeginCellEdit() { BeginSession(Kind::Typing); }
    // A session of another kind, such as a node dragged on the picture: the
    // cells written until it ends, by EndCellEdit or by any other edit, are
    // one edit.
    void BeginSession(Kind kind);
    void EndCellEdit();
    void CancelCellEdit();

    // The first node whose X and Y are both empty, or 0 when every node
    // within the count has a place.
    int FirstUnplacedNode() const;
    // The nodes before the last run of nodes whose X and Y are both empty:
    // those placed so far while a graph is built on the picture. A node
    // without a place before a placed one counts, for a command to report.
    int PlacedCount() const;

    // The texts within the node count, as a graph file holds them.
    document::GraphTexts Texts() const;
    // The graph within the node count, read as «Рассчитать» reads it: the
    // nodes, then the links, the diagonal emptied. Throws
    // graph::CellConversionError for the first cell that is not an integer.
    graph::Graph ReadGraph();
    // Opening a file starts a new history: every text goes, the texts kept
    // beyond the count included, then the count and the texts of `texts`
    // are set exactly as they are, nothing mirrored, and the tables are
    // clean.
    void Load(const document::GraphTexts& texts);
    // Empties both tables, the texts kept beyond the count included.
    void ClearAll();

    // True while the tables differ from what was last opened or saved (or
    // from the start-up state).
    bool IsModified() const { return !history_->isClean(); }
    // The tables as they are now are what was last opened or saved.
    void MarkClean() { history_->setClean(); }

signals:
    // The node count changes to n: the count box must show it, and its
    // change sizes the tables.
    void CountRequested(int n);
    // An edit, or taking one back or again, changed the tables.
    void Edited();
    // As Edited, for an edit that only moved nodes: a drag, the arrow keys,
    // a layout.
    void NodesMoved();

private:
    // Node `node`'s X or Y holds a text.
    bool HasPlace(int node) const;
    // Puts the count and cells back as an edit of `kind` left or found them;
    // writes nothing into the history.
    void Restore(int count, const std::vector<CellText>& cells, Kind kind);
    void Written(TableId table, int column, int row, const std::string& before,
                 const std::string& after);
    // Sizes the tables without emptying the diagonal.
    void Shape(int n);
    void BeginBatch();
    void EndBatch();
    void EmitEdited(Kind kind);

    int count_;
    CellTableModel* nodes_;
    CellTableModel* matrix_;
    QUndoStack* history_;
    // The edit being recorded, and the editing session of a cell.
    std::unique_ptr<TableEdit> open_;
    std::optional<Edit> cellEdit_;
    // Writes outside any edit at the state the history stands at.
    std::vector<CellWrite> loose_;
};

}  // namespace app
