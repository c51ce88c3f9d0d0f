// The main window Form1: the picture, the node table, the node count, the
// adjacency matrix and the three commands. The tables are the only store of
// the graph; every command rereads them, redraws the picture from its
// background and reports any failure through ReportError. Beyond its
// controls the window offers its features through right-click menus,
// standard shortcuts, dropped files and its command line, each kept by a
// part of its own: the graph file (DocumentActions), class sets and
// worksheets (ClassSetActions), the tables' keys, menu
// and history (TableActions), the answer with its picture (AnswerView) and
// the mouse on the picture (PictureEditor). The parts tell the window what
// it must do through their signals; the window reports what fails in them.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>

#include "graph/graph_model.h"
#include "graph/ways.h"
#include "plot/drawing_surface.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace app {
class AnswerLabel;
class AnswerView;
class ClassSetActions;
class DocumentActions;
class CellGrid;
class GraphTables;
class NodeCountBox;
class PictureEditor;
class PictureView;
class SideSplitter;
class TableActions;
enum class TableId;
}  // namespace app

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // Builds the controls and runs FormCreate; a failure there has been
    // reported by the time the constructor returns.
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up: background and axes, both grids sized to the count, the six
    // sample nodes. Stops at the first failure.
    void FormCreate();
    // Row and column counts and header texts of both grids from NodeCount;
    // texts outside the new size are kept.
    void UpdateGrids();
    void LabeledEdit1Change();
    // The user's editing set matrix cell (column, row) to `text`: the
    // transposed cell gets the same text.
    void StringGrid2SetEditText(int column, int row, const QString& text);

    // "Отобразить": axes and nodes.
    void Button2Click();
    // "Связи": axes, nodes and links.
    void Button3Click();
    // "Рассчитать": axes, nodes and links, then the shortest way from node 1
    // to the last node, drawn and written out, or the message "нет пути".
    void Button1Click();
    // Draws `way` in red and writes its node numbers into Label2.
    void ShowWay(const graph::Way& way);

    // The one place failures are shown: a modal error box titled with the
    // application title, its text the error's message with a full stop.
    void ReportError(const std::exception& error);

    // The spin position of UpDown1, always within 2..100.
    std::int16_t NodeCount() const;

    // Opens the graph file `path` into the tables, asking first whether
    // unsaved changes are to be saved; a file that cannot be taken is
    // reported and changes nothing.
    void OpenFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateControls();
    void CreateActions();
    void SetTabOrder();
    // Runs one handler for the event loop: a failure goes to ReportError
    // instead of into Qt, and the picture shows what was drawn either way.
    // A failing command leaves the answer shown stale; a cell that did not
    // convert is selected once the report is closed.
    template <typename Handler>
    bool RunHandler(Handler handler, bool command = false);

    // What the picture shows of the tables, as the last command drew it.
    enum class Drawn { Nothing, Nodes, Links, Way };
    // Runs the command that draws `what`; with `placed`, for what was built
    // on the picture, only the nodes placed so far are drawn (Nodes or
    // Links).
    void RunCommand(Drawn what, bool placed = false);
    // Axes and the nodes placed so far, with their links from `matrix` when
    // `links`: the graph as far as it has been built, without a failure for
    // the last nodes that «Новый граф» or «Очистить таблицы» left empty.
    void DrawPlacedNodes(bool links, graph::TextTable& matrix);
    // An opened graph drawn as «Связи» draws it; one that cannot be read
    // yet stays the bare axes, for the next command to report.
    void DrawOpenedGraph();
    // The picture again with the nodes where the tables now put them, in
    // the mode of the last command, or, when it cannot be, marked stale.
    void DrawMovedNodes();

    void FinishEditing();
    // What failed in a handler or a part: reported over the picture as it
    // was drawn, and the cell that did not convert selected after.
    void ShowFailure(const std::exception& error);
    void SelectBadCell(const std::exception& error);
    // The parts' signals to the window and to each other.
    void ConnectParts();
    // What the picture shows now, for the mouse on it too.
    void SetDrawn(Drawn drawn);
    // Tells assistive technology what the picture shows, in words: the
    // graph drawn, the answer while it belongs to the tables, and whether
    // the tables have changed since it was drawn.
    void DescribePicture();

    plot::DrawingSurface surface_;
    // The tables and the parts, children of the window for whoever looks
    // for them, go in the reverse order of their making before the
    // window's controls: none is left to hear the controls go.
    std::unique_ptr<app::GraphTables> tables_;
    std::unique_ptr<app::DocumentActions> documents_;
    std::unique_ptr<app::ClassSetActions> classes_;
    std::unique_ptr<app::AnswerView> answer_;
    std::unique_ptr<app::TableActions> table_;
    std::unique_ptr<app::PictureEditor> editor_;
    Drawn drawn_ = Drawn::Nothing;

    // The model the commands rebuild from the tables, and the way the last
    // calculation chose: the search finds that way directly instead of
    // listing every way.
    graph::NodePoints NodePoints;
    graph::AdjacencyMatrix Adjacency;
    std::optional<graph::ShortestWay> FoundWays;

    app::PictureView* Image1 = nullptr;
    app::SideSplitter* Splitter2 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* LabeledEdit1Label = nullptr;
    app::NodeCountBox* UpDown1 = nullptr;
    app::CellGrid* StringGrid1 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QPushButton* Button2 = nullptr;
    app::SideSplitter* Splitter1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    app::CellGrid* StringGrid2 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button1 = nullptr;
    app::AnswerLabel* Label2 = nullptr;
    app::AnswerLabel* Label1 = nullptr;
};
