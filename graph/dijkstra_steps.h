// Dijkstra from node 1 as a student works it by hand: the one model of the
// step table that the step window shows, graphway prints and the checker of
// a hand-worked table reads.
//
// The table. Every row after the first names the node chosen at its step:
// a node not chosen yet at the least distance. A cell holds its node's state:
// - "∞" (also written "inf", "-" or "—") while the node is not reached;
// - a distance with its predecessors, «10 (2, 4)»: the nodes already chosen
//   at that row whose distance plus their link gives it (predecessors by
//   node number, ascending); a chosen node's cell keeps the predecessors it
//   was chosen with;
// - nothing (also "-" or "—") for a node chosen at an earlier row;
// - the chosen node's own cell its distance, marked with "*".
// The two conventions textbooks use differ in what a row's cells show:
// - AfterChoice: the states after the links out of the row's node have
//   been followed; the row's own node can be a predecessor in it. Row 0 is
//   the start: node 1 at 0, every other node not reached, none chosen.
// - BeforeChoice: the states from which the row's node is chosen, those of
//   the AfterChoice row before it; row 1 chooses node 1 from the start.
// A table is complete at the row that chooses the last node (nothing need
// follow it in either convention), or, when no reached node is left to
// choose, at a row that says «нет пути» in the chosen column, its cells
// those of the row before.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graph/graph_model.h"
#include "graph/language.h"
#include "graph/way_distances.h"
#include "graph/ways.h"

namespace graph {

enum class Convention {
    // A row shows the distances from which its node is chosen.
    BeforeChoice,
    // A row shows the distances after its node's links are followed; a
    // first row without a chosen node is the start.
    AfterChoice,
};

// The header words of the step table.
constexpr std::string_view kStepHeader = "Шаг";
constexpr std::string_view kChosenHeader = "Выбран";
// The header words in `language`: kStepHeader and kChosenHeader, or "Step"
// and "Chosen".
std::string_view StepHeader(Language language);
std::string_view ChosenHeader(Language language);

// One node's state after one step.
struct StepCell {
    // The tentative distance from node index 0; nothing while not reached.
    std::optional<std::int64_t> distance;
    // Ascending: the chosen nodes whose link gives `distance`.
    std::vector<std::int32_t> predecessors;
    bool settled = false;

    friend bool operator==(const StepCell&, const StepCell&) = default;
};

// Dijkstra's search one choice at a time, so that a caller can pick among
// tied nodes, or write each row and forget it.
class DijkstraRun {
public:
    // Node index 0 at 0, nothing chosen. Links are those a way may use:
    // adjacency[u][v] >= 0, read from u to v.
    explicit DijkstraRun(const AdjacencyMatrix& adjacency);

    const std::vector<StepCell>& Cells() const { return cells_; }
    // The nodes reached and not chosen at the least distance, ascending;
    // empty once none is left.
    std::vector<std::int32_t> Least() const;
    // The last node is chosen, or no reached node is left to choose.
    bool Finished() const;

    // Chooses `node`, which must be reached and not chosen yet (the least
    // or not), and follows its links to the nodes not chosen yet; returns
    // the links followed, ordered by target.
    std::vector<Link> Choose(std::int32_t node);

private:
    const AdjacencyMatrix& adjacency_;
    std::vector<StepCell> cells_;
};

struct DijkstraStep {
    // The node chosen at this step: nothing at step 0, and in the row added
    // after the last one when the last node was never reached.
    std::optional<std::int32_t> settled;
    // The links followed out of the chosen node, ordered by target.
    std::vector<Link> relaxed;
    // One per node index: the state after this step.
    std::vector<StepCell> cells;
};

struct DijkstraSteps {
    // The AfterChoice table: step 0, then one row per chosen node, and a row
    // that says «нет пути» when the last node stays out of reach.
    std::vector<DijkstraStep> steps;
    // The answer of FindShortestWay: the first shortest way in lexicographic
    // order.
    std::optional<ShortestWay> way;
};

// Picks the node to choose among the tied ones DijkstraRun::Least gives.
using TieChoice = std::function<std::int32_t(const std::vector<std::int32_t>& least)>;

// One row of the table in a convention, as the run passes it.
struct StepRow {
    std::size_t step = 0;
    const std::vector<StepCell>& cells;
    // The node the row chooses; nothing in the start row and in the row
    // that says «нет пути».
    std::optional<std::int32_t> chosen;
    bool start = false;
    // AfterChoice: the links followed out of the chosen node.
    const std::vector<Link>& followed;
};

// Passes the rows of the table of `adjacency` in `convention` to `visit`
// one by one, keeping one state: O(n^2) memory whatever the table's
// length. The smallest index is chosen on ties unless `tie` picks.
void WalkDijkstraTable(const AdjacencyMatrix& adjacency, Convention convention,
                       const std::function<void(const StepRow&)>& visit, const TieChoice& tie = {});

// The whole AfterChoice run kept, for the step window.
DijkstraSteps FindDijkstraSteps(const AdjacencyMatrix& adjacency, const TieChoice& tie = {});

// The distances of the last row: FindDistancesFromStart's for the nodes
// chosen by then.
Distances FinalDistances(const DijkstraSteps& steps);

// A cell as the table writes it: "" for a node chosen before, "∞" before it
// is reached, «10 (2, 4)» once reached, with "*" where `chosenHere`.
std::string StepCellText(const StepCell& cell, bool chosenHere);

// What the chosen column of a row shows: the node's number, nothing for the
// start row, «нет пути» (NoWayText) for the row that ends a run without a way.
std::string ChosenText(const std::optional<std::int32_t>& chosen, bool start,
                       Language language = Language::Russian);

// The header line "Шаг", the node numbers and "Выбран", tab-separated,
// ending in "\n"; the words in `language`.
std::string StepsHeaderText(std::size_t nodes, Language language = Language::Russian);

// One line of the table: the step number, the cells (the chosen one with its
// "*") and the chosen column, tab-separated, ending in "\n".
std::string StepRowText(const StepRow& row, Language language = Language::Russian);

// The AfterChoice table of `steps` as tab-separated lines: what the step
// window shows and copies, its words in `language`.
std::string DijkstraStepsText(const DijkstraSteps& steps, Language language = Language::Russian);

}  // namespace graph
