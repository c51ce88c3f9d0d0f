// The graph as TikZ; see tikz_picture.h.
#include "plot/tikz_picture.h"

#include <cstdio>

namespace plot {

namespace {

// Forty units of the plot make a centimetre: the 400-unit plot is 10 cm.
constexpr double kUnitsPerCentimetre = 40.0;

std::string Centimetres(double units) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", units / kUnitsPerCentimetre);
    return text;
}

std::string Node(std::size_t index) { return "n" + std::to_string(index + 1); }

}  // namespace

std::string TikzPicture(const graph::NodePoints& points, const graph::AdjacencyMatrix& adjacency,
                        const std::optional<graph::Way>& way) {
    const std::size_t n = std::min(points.size(), adjacency.size());
    std::string text =
        "% 1 cm = 40 units of the plot: the plot of -200..200 on both axes is 10 cm.\n"
        "\\begin{tikzpicture}[node/.style={circle, fill=blue, inner sep=1.5pt},\n"
        "    link/.style={green!50!black}, weight/.style={fill=white, inner sep=1pt, "
        "font=\\scriptsize}]\n";
    for (std::size_t v = 0; v < n; ++v) {
        // Surface pixels back to the plot's units: Y grows upward.
        const double x = points[v].X - 200.0;
        const double y = 200.0 - points[v].Y;
        text += "  \\node[node, label=below right:{" + std::to_string(v + 1) + "}] (" + Node(v) +
                ") at (" + Centimetres(x) + ", " + Centimetres(y) + ") {};\n";
    }
    for (std::size_t u = 0; u < n; ++u) {
        for (std::size_t v = 0; v < n; ++v) {
            const std::int32_t weight = adjacency[u][v];
            if (u == v || weight < 1) continue;
            const bool mirrored = adjacency[v][u] == weight;
            // A link typed both ways is drawn once.
            if (mirrored && v < u) continue;
            const bool bothWays = !mirrored && adjacency[v][u] >= 1;
            text += "  \\draw[link" + std::string(mirrored ? "" : ", ->") +
                    (bothWays ? ", bend left=12" : "") + "] (" + Node(u) + ") to node[weight] {" +
                    std::to_string(weight) + "} (" + Node(v) + ");\n";
        }
    }
    if (way && way->size() > 1) {
        text += "  \\draw[red, very thick]";
        for (std::size_t k = 0; k < way->size(); ++k) {
            text += (k > 0 ? " -- (" : " (") + Node(static_cast<std::size_t>((*way)[k])) + ")";
        }
        text += ";\n";
    }
    return text + "\\end{tikzpicture}\n";
}

}  // namespace plot
