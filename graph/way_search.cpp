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
#include "way_search.h"

#include <cassert>
#include <limits>

namespace graph {

namespace {

constexpr std::int64_t kUnreachable = std::numeric_limits<std::int64_t>::max();

// d(x) for every x: Dijkstra towards the goal over the matrix, O(n^2).
std::vector<std::int64_t> DistancesToGoal(const AdjacencyMatrix& adjacency) {
    const std::size_t n = adjacency.size();
    std::vector<std::int64_t> dist(n, kUnreachable);
    std::vector<char> settled(n, 0);
    dist[n - 1] = 0;
    for (std::size_t round = 0; round < n; ++round) {
        std::size_t x = n;
        for (std::size_t y = 0; y < n; ++y) {
            if (!settled[y] && dist[y] != kUnreachable && (x == n || dist[y] < dist[x])) x = y;
        }
        if (x == n) break;
        settled[x] = 1;
        for (std::size_t y = 0; y < n; ++y) {
            const std::int32_t w = adjacency[y][x];
            if (!settled[y] && w >= 0 && dist[x] + w < dist[y]) dist[y] = dist[x] + w;
        }
    }
    return dist;
}

class GreedyWayBuilder {
public:
    GreedyWayBuilder(const AdjacencyMatrix& adjacency, std::vector<std::int64_t> dist)
        : adjacency_(adjacency),
          dist_(std::move(dist)),
          goal_(adjacency.size() - 1),
          onWay_(adjacency.size(), 0),
          seen_(adjacency.size(), 0) {}

    Way Build() {
        Way way{0};
        onWay_[0] = 1;
        std::size_t u = 0;
        while (u != goal_) {
            ++step_;
            u = NextNode(u);
            way.push_back(static_cast<std::int32_t>(u));
            onWay_[u] = 1;
        }
        return way;
    }

private:
    bool Tight(std::size_t x, std::size_t y) const {
        const std::int32_t w = adjacency_[x][y];
        return w >= 0 && dist_[y] != kUnreachable && dist_[y] + w == dist_[x];
    }

    std::size_t NextNode(std::size_t u) const {
        for (std::size_t v = 1; v < adjacency_.size(); ++v) {
            if (onWay_[v] || !Tight(u, v)) continue;
            if (v == goal_ || dist_[v] < dist_[u] || ReachesGoal(v, dist_[u])) return v;
        }
        assert(false && "u lies on a tight way to the goal that avoids the prefix");
        return goal_;
    }

    // Whether the goal can be reached from `start` (on the plateau d = level)
    // along tight links avoiding the prefix. Nodes seen in this step without
    // success are dead ends for every later candidate of the same step.
    bool ReachesGoal(std::size_t start, std::int64_t level) const {
        std::vector<std::size_t> stack{start};
        seen_[start] = step_;
        while (!stack.empty()) {
            const std::size_t x = stack.back();
            stack.pop_back();
            for (std::size_t y = 0; y < adjacency_.size(); ++y) {
                if (onWay_[y] || !Tight(x, y)) continue;
                if (y == goal_ || dist_[y] < level) return true;
                if (seen_[y] != step_) {
                    seen_[y] = step_;
                    stack.push_back(y);
                }
            }
        }
        return false;
    }

    const AdjacencyMatrix& adjacency_;
    const std::vector<std::int64_t> dist_;
    const std::size_t goal_;
    std::vector<char> onWay_;
    mutable std::vector<std::size_t> seen_;
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
