// Building the graph on the picture: a node dragged with the mouse or moved
// with the arrow keys, a node placed by a double click or deleted from the
// picture's menu, and a link drawn with Shift+drag, its weight typed into a
// small editor at the link's middle. The mouse only writes into the tables,
// each change one edit of their history; the window draws the picture again
// when told so.
#pragma once

#include <QPoint>
#include <optional>
#include <utility>

#include "app/messages.h"
#include "graph/graph_model.h"

class QAction;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;

namespace app {

class GraphTables;
class PictureView;

class PictureEditor : public WindowPart {
    Q_OBJECT

public:
    PictureEditor(GraphTables* tables, PictureView* picture, QObject* parent = nullptr);

    // The nodes as the picture shows them, kept by the window, or nullptr
    // while no command has drawn them.
    void SetDrawnNodes(const graph::NodePoints* nodes) { drawn_ = nodes; }

    // The index of the drawn node within the count whose dot is within 6
    // pixels of widget pixel `at`, the nearest one, or none.
    std::optional<int> NodeAt(QPoint at) const;
    // «Удалить узел k» for the node under `at`, or nullptr when there is
    // none there.
    QAction* DeleteActionAt(QPoint at);

    // Places a node at plot point `at` (an edit): the first node without X
    // and Y, or a new one; refused when all 100 nodes are placed.
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
    // The picture must be drawn again with the links: one was drawn.
    void LinkMade();

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
    // The weight editor of the link from node index `from` to `to`, over
    // the link's middle, holding the link's text.
    void OpenWeightEditor(int from, int to);
    // Closes the weight editor; with `commit` its text goes into the link's
    // cells as one edit, and the link is drawn.
    void CloseWeightEditor(bool commit);

    GraphTables* tables_;
    PictureView* picture_;
    const graph::NodePoints* drawn_ = nullptr;
    QAction* delete_;
    std::optional<int> dragged_;
    // Where the pressed node was taken, until the pointer leaves the drag
    // distance.
    std::optional<QPoint> pressedAt_;
    std::optional<int> linkFrom_;
    QLineEdit* weight_;
    // The nodes of the link whose weight is being typed.
    std::optional<std::pair<int, int>> weighed_;
    std::optional<int> selected_;
    // A run of moves is open in the tables.
    bool running_ = false;
};

}  // namespace app
