// Reading the node table and the adjacency table; see graph_model.h.
#include "graph/graph_model.h"

#include <algorithm>
#include <limits>

#include "graph/cell_text.h"

namespace graph {

namespace {

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void ResizeMatrix(AdjacencyMatrix& adjacency, std::size_t n) {
    adjacency.resize(n);
    for (auto& row : adjacency) row.resize(n);
}

// Reads one cell of `table` with `read`, naming the cell when it fails.
template <typename Read>
std::int32_t ReadCell(const TextTable& table, int column, int row, Read read) {
    const std::string text = table.CellText(column, row);
    try {
        return read(text);
    } catch (const ConversionError&) {
        throw CellConversionError(text, table, column, row);
    }
}

}  // namespace

std::int32_t CoordinateValue(std::string_view text) { return CellToInt(text); }

NodePoint PlotToSurface(std::int32_t x, std::int32_t y) {
    return {Saturate(std::int64_t{x} + 200), Saturate(200 - std::int64_t{y})};
}

void ReadNodePoints(const TextTable& nodeTable, std::int16_t nodeCount, NodePoints& points,
                    AdjacencyMatrix& adjacency) {
    const auto n = static_cast<std::size_t>(std::max<std::int16_t>(nodeCount, 0));
    points.resize(n);
    ResizeMatrix(adjacency, n);
    for (std::size_t i = 0; i < n; ++i) {
        const int row = static_cast<int>(i) + 1;
        // X is stored before Y is read, so a bad Y leaves the new X in place.
        points[i].X = PlotToSurface(ReadCell(nodeTable, 1, row, CoordinateValue), 0).X;
        points[i].Y = PlotToSurface(0, ReadCell(nodeTable, 2, row, CoordinateValue)).Y;
    }
}

void ReadAdjacency(TextTable& matrixTable, std::int16_t nodeCount, AdjacencyMatrix& adjacency) {
    const int n = std::max<int>(nodeCount, 0);
    if (adjacency.size() != static_cast<std::size_t>(n) ||
        std::any_of(adjacency.begin(), adjacency.end(),
                    [n](const auto& row) { return row.size() != static_cast<std::size_t>(n); })) {
        ResizeMatrix(adjacency, static_cast<std::size_t>(n));
    }
    for (int c = 1; c <= n; ++c) {
        for (int r = 1; r <= n; ++r) {
            const auto source = static_cast<std::size_t>(c - 1);
            const auto target = static_cast<std::size_t>(r - 1);
            // The window shows the diagonal empty once it has been read.
            if (!IsLinkCell(source, target)) {
                matrixTable.SetCellText(c, r, std::string());
                adjacency[source][target] = kNoLink;
                continue;
            }
            adjacency[source][target] = ReadCell(matrixTable, c, r, [&](std::string_view text) {
                return LinkWeight(source, target, text);
            });
        }
    }
}

}  // namespace graph
