// graphway's texts for Dijkstra tables; see step_commands.h.
#include "cli/step_commands.h"

#include <simdjson.h>

#include "graph/dijkstra_steps.h"
#include "graph/table_check.h"
#include "graph/table_check_texts.h"
#include "graph/way_search.h"

namespace cli {

namespace {

std::string Json(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : "null";
}

// Only integers and booleans go in, so nothing needs escaping.
std::string JsonRow(const graph::StepRow& row) {
    std::string text = "{\"step\": " + std::to_string(row.step) +
                       ", \"chosen\": " + (row.chosen ? std::to_string(*row.chosen + 1) : "null") +
                       ", \"cells\": [";
    for (std::size_t v = 0; v < row.cells.size(); ++v) {
        const graph::StepCell& cell = row.cells[v];
        if (v > 0) text += ", ";
        text += "{\"distance\": " + Json(cell.distance) + ", \"predecessors\": [";
        for (std::size_t p = 0; p < cell.predecessors.size(); ++p) {
            if (p > 0) text += ", ";
            text += std::to_string(cell.predecessors[p] + 1);
        }
        text += "], \"settled\": " + std::string(cell.settled ? "true" : "false") + "}";
    }
    return text + "]}";
}

}  // namespace

void WriteStepsText(const graph::AdjacencyMatrix& adjacency, bool json,
                    const std::function<void(const std::string&)>& write) {
    if (!json) {
        write(graph::StepsHeaderText(adjacency.size()));
        graph::WalkDijkstraTable(
            adjacency, graph::Convention::AfterChoice,
            [&](const graph::StepRow& row) { write(graph::StepRowText(row)); });
        return;
    }
    write("{\"steps\": [");
    graph::WalkDijkstraTable(
        adjacency, graph::Convention::AfterChoice,
        [&](const graph::StepRow& row) { write((row.step > 0 ? ", " : "") + JsonRow(row)); });
    std::string text = "], \"way\": ";
    if (const auto way = graph::FindShortestWay(adjacency)) {
        text += "[";
        for (std::size_t k = 0; k < way->way.size(); ++k) {
            if (k > 0) text += ", ";
            text += std::to_string(way->way[k] + 1);
        }
        text += "], \"length\": " + std::to_string(way->length);
    } else {
        text += "null, \"length\": null";
    }
    write(text + "}\n");
}

std::string CheckedTableText(std::string_view table, const graph::AdjacencyMatrix& adjacency) {
    if (table.size() > graph::kHandTableLimit) {
        throw graph::TableTextError("The table is larger than 1 MiB");
    }
    if (table.find('\0') != std::string_view::npos ||
        !simdjson::validate_utf8(table.data(), table.size())) {
        throw graph::TableTextError("The table is not text: it is not UTF-8");
    }
    const graph::TableCheck check = graph::CheckHandTable(
        adjacency, graph::ReadHandTable(std::string(table), adjacency.size()));
    std::string text;
    for (const graph::TableFault& fault : check.faults) {
        text += graph::FaultText(fault, graph::Language::English) + '\n';
    }
    return text;
}

}  // namespace cli
