// The graph as a TikZ picture for LaTeX worksheets and reports: the nodes
// where the plot shows them, numbered, the links of positive weight with
// their weights at their middles (a link given one way only as an arrow),
// and the way in red.
#pragma once

#include <optional>
#include <string>

#include "graph/graph_model.h"
#include "graph/ways.h"

namespace plot {

// A tikzpicture environment, ending in a line break. `points` are surface
// pixels as NodePoints holds them; `way`, when given, is drawn in red.
std::string TikzPicture(const graph::NodePoints& points, const graph::AdjacencyMatrix& adjacency,
                        const std::optional<graph::Way>& way);

}  // namespace plot
