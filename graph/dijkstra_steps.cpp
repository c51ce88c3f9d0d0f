// The step table of Dijkstra's search and its text; see dijkstra_steps.h.
#include "dijkstra_steps.h"

#include <algorithm>

#include "shown_texts.h"
#include "way_search.h"

namespace graph {

namespace {

// Whether `to` is reached from index 0 along links that keep to the exact
// distances (a shortest way) without passing `avoided`. One answer per
// avoided node, worked out when first asked.
class TightReach {
public:
    TightReach(const AdjacencyMatrix& adjacency, const Distances& exact)
        : adjacency_(adjacency), exact_(exact), reached_(adjacency.size()) {}

    bool Reaches(std::size_t to, std::size_t avoided) {
        std::vector<char>& reached = reached_[avoided];
        if (reached.empty()) Fill(reached, avoided);
        return reached[to] != 0;
    }

private:
    void Fill(std::vector<char>& reached, std::size_t avoided) const {
        const std::size_t n = adjacency_.size();
        reached.assign(n, 0);
        if (avoided == 0) return;
        std::vector<std::size_t> stack{0};
        reached[0] = 1;
        while (!stack.empty()) {
            const std::size_t x = stack.back();
            stack.pop_back();
            for (std::size_t y = 0; y < n; ++y) {
                const std::int32_t w = adjacency_[x][y];
                if (w < 0 || reached[y] || y == avoided || !exact_[y]) continue;
                if (*exact_[x] + w != *exact_[y]) continue;
                reached[y] = 1;
                stack.push_back(y);
            }
        }
    }

    const AdjacencyMatrix& adjacency_;
    const Distances& exact_;
    std::vector<std::vector<char>> reached_;
};

void InsertAscending(std::vector<std::int32_t>& list, std::int32_t value) {
    list.insert(std::lower_bound(list.begin(), list.end(), value), value);
}

}  // namespace

DijkstraSteps FindDijkstraSteps(const AdjacencyMatrix& adjacency) {
    const std::size_t n = adjacency.size();
    DijkstraSteps result;
    if (n == 0) return result;
    // A node settled after another at the same distance can only be checked
    // against the exact distances: those still open are not known yet.
    const Distances exact = FindDistancesFromStart(adjacency);
    TightReach tight(adjacency, exact);

    std::vector<StepCell> cells(n);
    cells[0].distance = 0;
    result.steps.push_back({std::nullopt, {}, cells});
    for (;;) {
        std::size_t u = n;
        for (std::size_t y = 0; y < n; ++y) {
            if (cells[y].settled || !cells[y].distance) continue;
            if (u == n || *cells[y].distance < *cells[u].distance) u = y;
        }
        if (u == n) break;
        cells[u].settled = true;
        const std::int64_t du = *cells[u].distance;
        const auto from = static_cast<std::int32_t>(u);
        DijkstraStep step{from, {}, {}};
        for (std::size_t v = 1; v < n; ++v) {
            const std::int32_t w = adjacency[u][v];
            if (v == u || w < 0) continue;
            StepCell& cell = cells[v];
            // A way has fewer than n links, each below 2^31: 64 bits hold it.
            const std::int64_t through = du + w;
            if (!cell.settled) {
                if (!cell.distance || through < *cell.distance) {
                    cell.distance = through;
                    cell.predecessors.assign(1, from);
                } else if (through == *cell.distance) {
                    InsertAscending(cell.predecessors, from);
                }
            } else if (through != *cell.distance || !tight.Reaches(u, v)) {
                continue;
            } else {
                InsertAscending(cell.predecessors, from);
            }
            step.relaxed.push_back({from, static_cast<std::int32_t>(v)});
        }
        step.cells = cells;
        result.steps.push_back(std::move(step));
        // A table worked by hand stops at the goal.
        if (u == n - 1) break;
    }
    if (!cells[n - 1].settled) result.steps.push_back({std::nullopt, {}, cells});
    result.way = FindShortestWay(adjacency);
    return result;
}

Distances FinalDistances(const DijkstraSteps& steps) {
    Distances distances;
    if (steps.steps.empty()) return distances;
    for (const StepCell& cell : steps.steps.back().cells) distances.push_back(cell.distance);
    return distances;
}

std::string StepCellText(const DijkstraSteps& steps, std::size_t step, std::size_t node) {
    const StepCell& cell = steps.steps[step].cells[node];
    const bool settledHere = steps.steps[step].settled == static_cast<std::int32_t>(node);
    if (cell.settled && !settledHere) return {};
    if (!cell.distance) return "\u221E";
    // The list a node is settled with can still grow through links of
    // weight 0; the table shows the one it ends with.
    const std::vector<std::int32_t>& predecessors =
        settledHere ? steps.steps.back().cells[node].predecessors : cell.predecessors;
    std::string text = std::to_string(*cell.distance);
    for (std::size_t k = 0; k < predecessors.size(); ++k) {
        text += k == 0 ? " (" : ", ";
        text += std::to_string(predecessors[k] + 1);
    }
    if (!predecessors.empty()) text += ')';
    if (settledHere) text += '*';
    return text;
}

std::string SettledText(const DijkstraSteps& steps, std::size_t step) {
    if (const std::optional<std::int32_t> settled = steps.steps[step].settled) {
        return std::to_string(*settled + 1);
    }
    return step == 0 ? std::string() : std::string(kNoWayText);
}

std::string DijkstraStepsText(const DijkstraSteps& steps) {
    if (steps.steps.empty()) return {};
    const std::size_t n = steps.steps.front().cells.size();
    std::string text = "Шаг";
    for (std::size_t node = 0; node < n; ++node) text += '\t' + std::to_string(node + 1);
    text += "\tВыбран\n";
    for (std::size_t step = 0; step < steps.steps.size(); ++step) {
        text += std::to_string(step);
        for (std::size_t node = 0; node < n; ++node) text += '\t' + StepCellText(steps, step, node);
        text += '\t' + SettledText(steps, step) + '\n';
    }
    return text;
}

}  // namespace graph
