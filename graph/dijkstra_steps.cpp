// The step table of Dijkstra's search and its text; see dijkstra_steps.h.
#include "graph/dijkstra_steps.h"

#include <algorithm>

#include "graph/shown_texts.h"
#include "graph/way_search.h"

namespace graph {

DijkstraRun::DijkstraRun(const AdjacencyMatrix& adjacency)
    : adjacency_(adjacency), cells_(adjacency.size()) {
    if (!cells_.empty()) cells_[0].distance = 0;
}

std::vector<std::int32_t> DijkstraRun::Least() const {
    std::vector<std::int32_t> least;
    for (std::size_t v = 0; v < cells_.size(); ++v) {
        const StepCell& cell = cells_[v];
        if (cell.settled || !cell.distance) continue;
        if (!least.empty() && *cell.distance > *cells_[least.front()].distance) continue;
        if (!least.empty() && *cell.distance < *cells_[least.front()].distance) least.clear();
        least.push_back(static_cast<std::int32_t>(v));
    }
    return least;
}

bool DijkstraRun::Finished() const {
    if (cells_.empty() || cells_.back().settled) return true;
    return std::none_of(cells_.begin(), cells_.end(),
                        [](const StepCell& cell) { return !cell.settled && cell.distance; });
}

std::vector<Link> DijkstraRun::Choose(std::int32_t node) {
    const auto u = static_cast<std::size_t>(node);
    cells_[u].settled = true;
    const std::int64_t du = *cells_[u].distance;
    std::vector<Link> followed;
    for (std::size_t v = 0; v < cells_.size(); ++v) {
        const std::int32_t w = adjacency_[u][v];
        StepCell& cell = cells_[v];
        if (v == u || w < 0 || cell.settled) continue;
        // A way has fewer than n links, each below 2^31: 64 bits hold it.
        const std::int64_t through = du + w;
        if (!cell.distance || through < *cell.distance) {
            cell.distance = through;
            cell.predecessors.assign(1, node);
        } else if (through == *cell.distance) {
            cell.predecessors.insert(
                std::lower_bound(cell.predecessors.begin(), cell.predecessors.end(), node), node);
        }
        followed.push_back({node, static_cast<std::int32_t>(v)});
    }
    return followed;
}

void WalkDijkstraTable(const AdjacencyMatrix& adjacency, Convention convention,
                       const std::function<void(const StepRow&)>& visit, const TieChoice& tie) {
    if (adjacency.empty()) return;
    DijkstraRun run(adjacency);
    const std::vector<Link> none;
    const bool after = convention == Convention::AfterChoice;
    std::size_t step = 0;
    if (after) visit({step, run.Cells(), std::nullopt, true, none});
    while (!run.Finished()) {
        const std::vector<std::int32_t> least = run.Least();
        const std::int32_t node = tie ? tie(least) : least.front();
        ++step;
        if (!after) visit({step, run.Cells(), node, false, none});
        const std::vector<Link> followed = run.Choose(node);
        if (after) visit({step, run.Cells(), node, false, followed});
    }
    if (!run.Cells().back().settled) visit({step + 1, run.Cells(), std::nullopt, false, none});
}

DijkstraSteps FindDijkstraSteps(const AdjacencyMatrix& adjacency, const TieChoice& tie) {
    DijkstraSteps result;
    WalkDijkstraTable(
        adjacency, Convention::AfterChoice,
        [&](const StepRow& row) {
            result.steps.push_back({row.chosen, row.followed, row.cells});
        },
        tie);
    result.way = FindShortestWay(adjacency);
    return result;
}

Distances FinalDistances(const DijkstraSteps& steps) {
    Distances distances;
    if (steps.steps.empty()) return distances;
    for (const StepCell& cell : steps.steps.back().cells) distances.push_back(cell.distance);
    return distances;
}

std::string StepCellText(const StepCell& cell, bool chosenHere) {
    if (cell.settled && !chosenHere) return {};
    if (!cell.distance) return "\u221E";
    std::string text = std::to_string(*cell.distance);
    for (std::size_t k = 0; k < cell.predecessors.size(); ++k) {
        text += k == 0 ? " (" : ", ";
        text += std::to_string(cell.predecessors[k] + 1);
    }
    if (!cell.predecessors.empty()) text += ')';
    if (chosenHere) text += '*';
    return text;
}

std::string_view StepHeader(Language language) {
    return language == Language::Russian ? kStepHeader : "Step";
}

std::string_view ChosenHeader(Language language) {
    return language == Language::Russian ? kChosenHeader : "Chosen";
}

std::string ChosenText(const std::optional<std::int32_t>& chosen, bool start, Language language) {
    if (chosen) return std::to_string(*chosen + 1);
    return start ? std::string() : std::string(NoWayText(language));
}

std::string StepsHeaderText(std::size_t nodes, Language language) {
    std::string text(StepHeader(language));
    for (std::size_t node = 0; node < nodes; ++node) text += '\t' + std::to_string(node + 1);
    return text + '\t' + std::string(ChosenHeader(language)) + '\n';
}

std::string StepRowText(const StepRow& row, Language language) {
    std::string text = std::to_string(row.step);
    for (std::size_t node = 0; node < row.cells.size(); ++node) {
        text += '\t';
        text += StepCellText(row.cells[node], row.chosen == static_cast<std::int32_t>(node));
    }
    return text + '\t' + ChosenText(row.chosen, row.start, language) + '\n';
}

std::string DijkstraStepsText(const DijkstraSteps& steps, Language language) {
    if (steps.steps.empty()) return {};
    std::string text = StepsHeaderText(steps.steps.front().cells.size(), language);
    for (std::size_t step = 0; step < steps.steps.size(); ++step) {
        const DijkstraStep& row = steps.steps[step];
        text += StepRowText({step, row.cells, row.settled, step == 0, row.relaxed}, language);
    }
    return text;
}

}  // namespace graph
