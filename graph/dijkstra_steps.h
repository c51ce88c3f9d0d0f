// Dijkstra from node 1, one row per step, as a student works it by hand:
// what the step window shows, copies as text and draws step by step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graph_model.h"
#include "way_distances.h"
#include "ways.h"

namespace graph {

// One node's state after one step.
struct StepCell {
    // The tentative distance from node index 0; nothing while not reached.
    std::optional<std::int64_t> distance;
    // Ascending: every node whose link gives `distance`.
    std::vector<std::int32_t> predecessors;
    bool settled = false;

    friend bool operator==(const StepCell&, const StepCell&) = default;
};

struct DijkstraStep {
    // The node settled at this step: nothing at step 0, and in the row
    // added after the last one when the last node was never reached.
    std::optional<std::int32_t> settled;
    // The links followed out of the settled node, ordered by target: to
    // every node not settled yet, and to a settled node at the same distance
    // that the link of weight 0 gives one more predecessor.
    std::vector<Link> relaxed;
    // One per node index: the state after this step.
    std::vector<StepCell> cells;
};

struct DijkstraSteps {
    // Step 0 (node index 0 at 0, nothing settled), then one row per settled
    // node, and a row that says "нет пути" when the last node stays out of
    // reach.
    std::vector<DijkstraStep> steps;
    // The answer of FindShortestWay: the first shortest way in lexicographic
    // order, which the predecessor lists of the end state hold.
    std::optional<ShortestWay> way;
};

// The whole run over the links a way may use (adjacency[u][v] >= 0, read
// from u to v). The least tentative distance is settled next, the smallest
// index on ties. The run ends once the last node is settled, as a table
// worked by hand does, or when no node it can reach is left; nodes not
// settled by then keep their tentative distances.
// A predecessor list ends as the set of nodes that end a simple shortest
// way to the node: a node settled later at the same distance joins through
// a link of weight 0 when a shortest way reaches it without the node.
// Time and memory O(n^2) cells and their predecessor lists; a node whose
// list a link of weight 0 may join adds O(n^2) once.
DijkstraSteps FindDijkstraSteps(const AdjacencyMatrix& adjacency);

// The distances of the last row: FindDistancesFromStart's for the nodes
// settled by then.
Distances FinalDistances(const DijkstraSteps& steps);

// What the cell of node index `node` shows at row `step`: "∞" before it is
// reached, "10 (2, 4)" once reached (predecessors by node number), "0" for
// node 1 at the start, "…*" in the row where it is settled, then nothing.
// The settled cell lists the predecessors the node has at the end.
std::string StepCellText(const DijkstraSteps& steps, std::size_t step, std::size_t node);

// What the last column shows at row `step`: the number of the node settled
// there, nothing at step 0, "нет пути" in the row that ends a run without a
// way.
std::string SettledText(const DijkstraSteps& steps, std::size_t step);

// The whole table as tab-separated lines ending in "\n": the header
// "Шаг", the node numbers and "Выбран", then one line per row with its step
// number, StepCellText of each node and SettledText.
std::string DijkstraStepsText(const DijkstraSteps& steps);

}  // namespace graph
