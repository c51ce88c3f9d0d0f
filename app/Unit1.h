// The main window Form1: the picture, the node table, the node count, the
// adjacency matrix and the three commands. The tables are the only store of
// the graph; every command rereads them, redraws the picture from its
// background and reports any failure through ReportError.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <exception>

#include "drawing_surface.h"
#include "graph_model.h"
#include "ways.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace app {
class CellGrid;
class CellTableModel;
class NodeCountBox;
class PictureView;
class SideSplitter;
}  // namespace app

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // Builds the controls and runs FormCreate; a failure there has been
    // reported by the time the constructor returns.
    explicit TForm1(QWidget* parent = nullptr);

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

    const plot::DrawingSurface& Surface() const { return surface_; }
    app::CellTableModel& NodeTable() const { return *nodeTable_; }
    app::CellTableModel& MatrixTable() const { return *matrixTable_; }

    // The model the commands rebuild from the tables. FoundWays holds the
    // way the last calculation chose, or nothing when it found none: the
    // search finds that way directly instead of listing every way.
    graph::NodePoints NodePoints;
    graph::AdjacencyMatrix Adjacency;
    graph::WayList FoundWays;

private:
    void CreateControls();
    void SetTabOrder();
    // Runs one handler for the event loop: a failure goes to ReportError
    // instead of into Qt, and the picture shows what was drawn either way.
    template <typename Handler>
    void RunHandler(Handler handler);
    void SetLabelText(QLabel* label, const QString& text);

    plot::DrawingSurface surface_;
    app::CellTableModel* nodeTable_ = nullptr;
    app::CellTableModel* matrixTable_ = nullptr;

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
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
};
