// «Алгоритм Дейкстры по шагам»: a tool window beside the main one with the
// table a student works by hand, one row per step of Dijkstra's search from
// node 1, and the buttons and keys that move through it. In a lesson it shows
// the rows up to the current step and the answer only at the last one, unless
// «Показать все шаги» is on, and a legend of the picture's colours at the step.
// It keeps the graph it read; the main window draws the current step on its
// picture. Once the tables change, its table is greyed and only «В начало»,
// which reads them again, and closing are offered: no step of the old graph is
// shown or checked any more. «Проверить мою таблицу» opens a grid of the same
// shape for a table worked by hand, checked against the graph the window read.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "graph/dijkstra_steps.h"
#include "graph/graph_model.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace app {

class TableCheckWindow;

// Where a window of frame size `size` goes beside the frame `main` of the
// window it belongs to, within `screen`: right of it where there is room,
// else left of it, else over its right part; its top level with main's, and
// the whole window inside the screen as far as it fits.
QPoint PlaceBeside(const QRect& main, const QSize& size, const QRect& screen);

class StepWindow : public QWidget {
    Q_OBJECT

public:
    // Reads the tables as «Рассчитать» reads them; nothing when a cell could
    // not be read, which the reader has reported.
    using Reader = std::function<std::optional<graph::Graph>()>;

    // A tool window of `parent`, which it stays above.
    explicit StepWindow(Reader read, QWidget* parent = nullptr);

    // Shows the window beside its parent, on its screen.
    void ShowBesideParent();

    // Reads the tables again and shows step 0; false when they could not be
    // read, and the window shows what it showed.
    bool Restart();
    // Shows step `step`, within the table; nothing while greyed.
    void ShowStep(int step);
    int CurrentStep() const { return current_; }
    int LastStep() const { return static_cast<int>(steps_.steps.size()) - 1; }
    const graph::Graph& ReadGraph() const { return graph_; }
    const graph::DijkstraSteps& Steps() const { return steps_; }
    // The tables no longer hold the graph the table was worked on.
    void MarkTablesChanged();
    // Marked so, until the tables are read again.
    bool IsGreyed() const;

signals:
    // The main picture must show step `step`.
    void StepShown(int step);
    void Closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FillTable();
    // The rows up to the step shown, or all of them, the rest empty; the
    // answer when the last row is shown; the legend of the step.
    void ShowRows();
    void ShowLegend();
    // The moving and checking buttons as the step shown and the tables
    // allow.
    void EnableButtons();

    Reader read_;
    graph::Graph graph_;
    graph::DijkstraSteps steps_;
    int current_ = 0;
    QTableWidget* table_;
    QLabel* state_;
    QLabel* answer_;
    QLabel* legend_;
    QCheckBox* allSteps_;
    QPushButton* first_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* last_;
    QPushButton* check_;
    QPointer<TableCheckWindow> checkWindow_;
};

}  // namespace app
