// Building the graph on the picture: a node dragged with the mouse or moved
// with the arrow keys, a node added by a double click or deleted from the
// picture's menu, and a link drawn with Shift+drag into the matrix's cell
// editor. The mouse only writes into the tables, each change one edit of
// their history; the window draws the picture again when told so.
#pragma once

#include <QPoint>
#include <optional>

#include "app/messages.h"
#include "graph/graph_model.h"

class QAction;
class QKeyEvent;
class QMouseEvent;

namespace app {

class CellGrid;
class GraphTables;
class PictureView;

class PictureEditor : public WindowPart {
    Q_OBJECT

public:
    PictureEditor(GraphTables* tables, PictureView* picture, CellGrid* matrix,
                  QObject* parent = nullptr);

    // The nodes as the picture shows them, kept by the window, or nullptr
    // while no command has drawn them.
    void SetDrawnNodes(const graph::NodePoints* nodes) { drawn_ = nodes; }

    // The index of the drawn node within the count whose dot is within 6
    // pixels of widget pixel `at`, the nearest one, or none.
    std::optional<int> NodeAt(QPoint at) const;
    // «Удалить узел k» for the node under `at`, or nullptr when there is
    // none there.
    QAction* DeleteActionAt(QPoint at);

    // Adds a node at plot point `at` (an edit); refused at 100 nodes.
    void AddNode(QPoint at);
    // Deletes node index `node` from both tables (an edit): later nodes move
    // up by one.
    void DeleteNode(int node);

signals:
    // The picture must be drawn again with the nodes where the tables put
    // them, also when a move is taken back or done again.
    void NodesMoved();
    // The picture must be drawn again: a node was added or deleted.
    void NodesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Press(QMouseEvent* event);
    void Drag(QMouseEvent* event);
    void Release(QMouseEvent* event);
    bool Key(QKeyEvent* event);
    // Writes the node's X and Y cells, within the open edit, and has the
    // picture drawn again.
    void PlaceNode(int node, QPoint at);
    void EndRun();
    void ShowMark();

    GraphTables* tables_;
    PictureView* picture_;
    CellGrid* matrix_;
    const graph::NodePoints* drawn_ = nullptr;
    QAction* delete_;
    std::optional<int> dragged_;
    // Where the pressed node was taken, until the pointer leaves the drag
    // distance.
    std::optional<QPoint> pressedAt_;
    std::optional<int> linkFrom_;
    std::optional<int> selected_;
    // A run of moves is open in the tables.
    bool running_ = false;
};

}  // namespace app
