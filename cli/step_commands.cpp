// graphway's texts for Dijkstra tables; see step_commands.h.
#include "step_commands.h"

#include "table_check.h"

namespace cli {

namespace {

std::string Json(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : "null";
}

}  // namespace

std::string StepsText(const graph::DijkstraSteps& steps, bool json) {
    if (!json) return graph::DijkstraStepsText(steps);
    // Only integers and booleans go in, so nothing needs escaping.
    std::string text = "{\"steps\": [";
    for (std::size_t k = 0; k < steps.steps.size(); ++k) {
        const graph::DijkstraStep& step = steps.steps[k];
        if (k > 0) text += ", ";
        text += "{\"step\": " + std::to_string(k) +
                ", \"chosen\": " + (step.settled ? std::to_string(*step.settled + 1) : "null") +
                ", \"cells\": [";
        for (std::size_t v = 0; v < step.cells.size(); ++v) {
            const graph::StepCell& cell = step.cells[v];
            if (v > 0) text += ", ";
            text += "{\"distance\": " + Json(cell.distance) + ", \"predecessors\": [";
            for (std::size_t p = 0; p < cell.predecessors.size(); ++p) {
                if (p > 0) text += ", ";
                text += std::to_string(cell.predecessors[p] + 1);
            }
            text += "], \"settled\": " + std::string(cell.settled ? "true" : "false") + "}";
        }
        text += "]}";
    }
    text += "], \"way\": ";
    if (steps.way) {
        text += "[";
        for (std::size_t k = 0; k < steps.way->way.size(); ++k) {
            if (k > 0) text += ", ";
            text += std::to_string(steps.way->way[k] + 1);
        }
        text += "], \"length\": " + std::to_string(steps.way->length);
    } else {
        text += "null, \"length\": null";
    }
    return text + "}\n";
}

std::string CheckedTableText(const std::string& table, const graph::AdjacencyMatrix& adjacency) {
    const graph::TableCheck check =
        graph::CheckHandTable(adjacency, graph::ReadHandTable(table, adjacency.size()));
    std::string text;
    for (const graph::TableFault& fault : check.faults) {
        text += graph::FaultTextEnglish(fault) + '\n';
    }
    return text;
}

}  // namespace cli
