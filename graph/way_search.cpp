// The exact fast way search.
//
// Why it gives the enumeration's answer. Let d(x) be the least weight of a
// walk from x to the goal over usable links (weights are >= 0, so a least
// walk can always be cut down to a simple way of the same weight that meets
// the goal only at its end). The enumeration's choice is the
// lexicographically first simple way of weight D = d(0). Call a link x -> y
// tight when w(x, y) + d(y) = d(x); a way from x to the goal weighs d(x)
// exactly when all its links are tight. The answer is built one node at a
// time: with the prefix P (ending at u, c + d(u) = D for its weight c so
// far), the next node is the smallest index v not on P such that u -> v is
// tight and the goal can be reached from v along tight links without
// touching P. Such a v exists (the optimum continues through one) and
// choosing the smallest keeps the lexicographic order, so by induction the
// way built is the enumeration's.
//
// Reaching the goal is free to check most of the time: d never increases
// along tight links and d(p) >= d(u) for every p on P, so a tight way from v
// can meet P only while d stays at d(u) -- only after a link of weight 0.
// The search therefore explores just the plateau d = d(u) and succeeds as
// soon as it steps below it. With positive weights alone it never explores.
//
// Only nodes with d(x) <= D matter: every node of the answer has one, and a
// tight link never leads from such a node to a farther one. So Dijkstra
// stops once all of them are settled and leaves the rest unreachable.
#include "graph/way_search.h"

#include <cassert>
#include <limits>

namespace graph {

namespace {

constexpr std::int64_t kUnreachable = std::numeric_limits<std::int64_t>::max();

// d(x) for every x with d(x) <= d(0), the rest unreachable: Dijkstra towards
// the goal over the matrix, O(n^2). Settling x reads column x of the matrix
// for the nodes not settled yet only, and only nodes already reached are
// scanned for the nearest, which keeps sparse graphs and long chains cheap.
std::vector<std::int64_t> DistancesToGoal(const AdjacencyMatrix& adjacency) {
    const std::size_t n = adjacency.size();
    std::vector<std::int64_t> distances(n, kUnreachable);
    // Reached but not settled: reached[0..reachedCount). Not settled, in any
    // order: open[0..openCount) with their matrix rows in openRows, and
    // place[y] the position of y there.
    std::vector<std::size_t> reached(n), open(n), place(n);
    std::vector<const std::int32_t*> openRows(n);
    for (std::size_t y = 0; y < n; ++y) {
        open[y] = place[y] = y;
        openRows[y] = adjacency[y].data();
    }
    std::size_t reachedCount = 1;
    std::size_t openCount = n;
    // Plain pointers keep the inner loop free of reloads through the vectors.
    std::int64_t* dist = distances.data();
    std::size_t* reachedNodes = reached.data();
    reachedNodes[0] = n - 1;
    dist[n - 1] = 0;
    bool startSettled = false;
    std::int64_t lastSettled = 0;
    while (reachedCount > 0) {
        // Nothing is nearer than the node settled last, so a tie with it
        // ends the scan.
        std::size_t nearest = 0;
        for (std::size_t k = 1; k < reachedCount && dist[reachedNodes[nearest]] != lastSettled;
             ++k) {
            if (dist[reachedNodes[k]] < dist[reachedNodes[nearest]]) nearest = k;
        }
        const std::size_t x = reachedNodes[nearest];
        if (startSettled && dist[x] > dist[0]) break;
        reachedNodes[nearest] = reachedNodes[--reachedCount];
        const std::size_t last = open[--openCount];
        open[place[x]] = last;
        openRows[place[x]] = openRows[openCount];
        place[last] = place[x];
        startSettled = startSettled || x == 0;
        const std::int64_t dx = lastSettled = dist[x];
        for (std::size_t k = 0; k < openCount; ++k) {
            const std::int32_t w = openRows[k][x];
            if (w < 0) continue;
            const std::size_t y = open[k];
            if (dx + w >= dist[y]) continue;
            if (dist[y] == kUnreachable) reachedNodes[reachedCount++] = y;
            dist[y] = dx + w;
        }
    }
    for (std::size_t k = 0; k < reachedCount; ++k) dist[reachedNodes[k]] = kUnreachable;
    return distances;
}

class GreedyWayBuilder {
public:
    GreedyWayBuilder(const AdjacencyMatrix& adjacency, std::vector<std::int64_t> dist)
        : adjacency_(adjacency),
          dist_(std::move(dist)),
          goal_(adjacency.size() - 1),
          end_(adjacency.size()),
          next_(adjacency.size() + 1),
          previous_(adjacency.size() + 1),
          seen_(adjacency.size(), 0) {
        // Index 0 starts the way and is never a candidate.
        std::size_t last = end_;
        for (std::size_t v = 1; v < adjacency.size(); ++v) {
            if (dist_[v] == kUnreachable) continue;
            next_[last] = v;
            previous_[v] = last;
            last = v;
        }
        next_[last] = end_;
        previous_[end_] = last;
    }

    Way Build() {
        Way way{0};
        std::size_t u = 0;
        while (u != goal_) {
            ++step_;
            u = NextNode(u);
            way.push_back(static_cast<std::int32_t>(u));
            next_[previous_[u]] = next_[u];
            previous_[next_[u]] = previous_[u];
        }
        return way;
    }

private:
    // Needs d(x) and d(y) known: x and y on the way, in the list or the goal.
    bool Tight(std::size_t x, std::size_t y) const {
        const std::int32_t w = adjacency_[x][y];
        return w >= 0 && dist_[y] + w == dist_[x];
    }

    std::size_t NextNode(std::size_t u) const {
        for (std::size_t v = next_[end_]; v != end_; v = next_[v]) {
            if (!Tight(u, v)) continue;
            if (v == goal_ || dist_[v] < dist_[u] || ReachesGoal(v, dist_[u])) return v;
        }
        assert(false && "u lies on a tight way to the goal that avoids the prefix");
        return goal_;
    }

    // Whether the goal can be reached from `start` (on the plateau d = level)
    // along tight links avoiding the prefix. Nodes seen in this step without
    // success are dead ends for every later candidate of the same step.
    bool ReachesGoal(std::size_t start, std::int64_t level) const {
        // Most often the goal is one link away: each node is asked so as soon
        // as it is found, which ends the scan of a row early.
        if (Tight(start, goal_)) return true;
        std::vector<std::size_t>& stack = stack_;
        stack.assign(1, start);
        seen_[start] = step_;
        while (!stack.empty()) {
            const std::size_t x = stack.back();
            stack.pop_back();
            for (std::size_t y = next_[end_]; y != end_; y = next_[y]) {
                if (seen_[y] == step_ || !Tight(x, y)) continue;
                if (dist_[y] < level || Tight(y, goal_)) return true;
                seen_[y] = step_;
                stack.push_back(y);
            }
        }
        return false;
    }

    const AdjacencyMatrix& adjacency_;
    const std::vector<std::int64_t> dist_;
    const std::size_t goal_;
    // The indices that may still join the way (not on it, and no farther
    // from the goal than the start) form an ascending list linked through
    // next_ and previous_, from and to end_.
    const std::size_t end_;
    std::vector<std::size_t> next_;
    std::vector<std::size_t> previous_;
    mutable std::vector<std::size_t> seen_;
    mutable std::vector<std::size_t> stack_;
    std::size_t step_ = 0;
};

}  // namespace

std::optional<ShortestWay> FindShortestWay(const AdjacencyMatrix& adjacency) {
    if (adjacency.size() < 2) return std::nullopt;
    std::vector<std::int64_t> dist = DistancesToGoal(adjacency);
    if (dist[0] == kUnreachable) return std::nullopt;
    const std::int64_t length = dist[0];
    Way way = GreedyWayBuilder(adjacency, std::move(dist)).Build();
    return ShortestWay{std::move(way), length};
}

}  // namespace graph
