// A worksheet: one exercise on paper for a student to work by hand. Its
// title, the task of finding the shortest way from node 1 to the last node
// and filling in the Dijkstra table, the graph's picture with its links and
// weights but no answer, the adjacency matrix, and an empty step table with
// cells large enough to write «10 (2, 4)» in by hand: a row per step of the
// program's own table, a column per node and «Выбран». A table too wide
// for the page is cut into blocks of columns, each with «Шаг»; one too
// long goes on over further pages.
#pragma once

#include <QString>
#include <functional>

#include "document/graph_document.h"
#include "graph/graph_model.h"
#include "plot/drawing_surface.h"

namespace app {

class PageInPoints;

struct Worksheet {
    // «Вариант 7», the graph file's name or «Задание».
    QString title;
    // The nodes and links with their weights, no way.
    plot::DrawingSurface::Scene picture;
    // The matrix printed, within the node count.
    document::GraphTexts tables;
    // The rows of the table to fill in, the start row included.
    int steps = 0;
};

// The picture «Связи» draws of `graph` over `axes`, a scene as
// DrawingSurface::UpdatePict leaves it.
plot::DrawingSurface::Scene LinksPicture(const plot::DrawingSurface::Scene& axes,
                                         const graph::Graph& graph);

// The worksheet of `graph`, whose texts are `tables`, its picture drawn over
// `axes`.
Worksheet MakeWorksheet(const QString& title, const plot::DrawingSurface::Scene& axes,
                        const graph::Graph& graph, const document::GraphTexts& tables);

// The task's sentence for a graph of `nodes` nodes.
QString TaskText(int nodes);

// Lays `sheet` out from the top of the current page, going on over further
// pages when its table needs them.
void PaintWorksheet(PageInPoints& page, const Worksheet& sheet);

}  // namespace app
