// «Проверка таблицы»: a grid of the step table's shape where a student types
// or pastes a Dijkstra table worked by hand, and «Проверить» marks each
// wrong cell in red with the reason in its tooltip, sums the faults up under
// the grid, says which way of writing rows it assumed, and reads the way
// back from the table.
#pragma once

#include <QWidget>
#include <cstddef>

#include "graph/graph_model.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace app {

class TableCheckWindow : public QWidget {
    Q_OBJECT

public:
    // The grid has `steps` rows and a column per node of `adjacency`, plus
    // the chosen node's column.
    TableCheckWindow(graph::AdjacencyMatrix adjacency, int steps, QWidget* parent = nullptr);

    // Checks the table as it stands and marks it.
    void Check();
    // The graph read again, with as many rows at least.
    void SetGraph(graph::AdjacencyMatrix adjacency, int steps);
    // The tables no longer hold the graph: no check until SetGraph.
    void MarkGraphChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The text a screen reader says for a cell: «Шаг 3, узел 5: 12».
    void NameCell(QTableWidgetItem* item);
    // Every cell gets an item and its text.
    void NameCells();
    void LabelColumns();
    // Labels the rows from step `first` on.
    void NumberRows(std::size_t first);
    void Paste();

    graph::AdjacencyMatrix adjacency_;
    QTableWidget* grid_;
    QLabel* summary_;
    QLabel* convention_;
    QLabel* way_;
    QPushButton* check_;
};

}  // namespace app
