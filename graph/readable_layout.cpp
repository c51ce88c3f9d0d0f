// The readable layout; see readable_layout.h.
// Stress majorisation gives the graph's shape: nodes as far apart as the
// hops between them, from columns by the way from node 1 to the last node
// and from a few random starts, the one with the fewest crossings kept. A
// local search then moves single nodes and swaps pairs, keeping a move only
// when it lowers the cost: first for few crossings, with the rules weighed
// lightly, then with every rule and the numbers, then again round the nodes
// that still break a rule. Node 1 and the last node are kept outermost all
// along. A move is weighed by the terms it changes alone, so that a 20-node
// graph takes some thousands of moves in milliseconds.
#include "graph/readable_layout.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <random>
#include <tuple>
#include <vector>

#include "graph/layout_rules.h"

namespace graph {

namespace {

// A broken rule outweighs any crossings a move may save, and a crossing
// outweighs the strain it may; while the shape is sought, a rule costs
// little more than a crossing, so that nodes pass each other.
constexpr std::int64_t kRuleWeight = 1'000'000;
constexpr std::int64_t kCrossingWeight = 100'000;
constexpr std::int64_t kShapeRuleWeight = 150'000;

constexpr std::size_t kStarts = 16;
constexpr std::size_t kRelaxRounds = 50;
// Moves a node of each search; the numbers' search moves a node at most
// kLabelReach, a move among the neighbours goes within kShuffle of their
// centre.
constexpr std::size_t kShapeMoves = 150;
constexpr std::size_t kLabelMoves = 20;
constexpr std::size_t kRepairRounds = 6;
constexpr std::int64_t kScanDistances[] = {3, 6, 10, 15, 22, 30, 40, 55, 75, 100};
constexpr std::int64_t kLabelReach = 40;
constexpr std::int64_t kShuffle = 30;
// The work stops early once it has looked at so many pairs of terms or of
// nodes: some 0.2 s. A 20-node graph of 40 links takes a fifth of it.
constexpr std::size_t kWorkBudget = std::size_t{20'000'000};

constexpr std::int64_t kCentre = 200;
constexpr std::int64_t kLow = kCentre - kLayoutLimit;
constexpr std::int64_t kHigh = kCentre + kLayoutLimit;
// Node 1's and the last node's columns at the start, and the others'
// between them.
constexpr std::int64_t kEndColumn = 170;
constexpr std::int64_t kInnerColumns = 130;
// How far node 1 stays left of every other node, and the last node right.
constexpr std::int64_t kEndMargin = 20;

int Broken(const LayoutVerdict& v) {
    return v.nodesOutside + v.closeNodes + v.linksNearNodes + v.coveredMarks + v.misplacedEnds;
}

std::int64_t Cost(const LayoutScene::Tally& tally, std::int64_t ruleWeight) {
    return ruleWeight * Broken(tally.verdict) + kCrossingWeight * tally.verdict.crossings +
           tally.strain;
}

// Integers from a fixed engine by a fixed mapping, the same everywhere.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : engine_(seed) {}
    std::int64_t Below(std::int64_t bound) {
        return static_cast<std::int64_t>(engine_() % static_cast<std::uint64_t>(bound));
    }
    std::int64_t Between(std::int64_t low, std::int64_t high) {
        return low + Below(high - low + 1);
    }

private:
    std::mt19937_64 engine_;
};

// Hops from `from` over every usable link, read both ways; n for none.
std::vector<std::size_t> Hops(const AdjacencyMatrix& adjacency, std::size_t from) {
    const std::size_t n = adjacency.size();
    const auto linked = [&](std::size_t u, std::size_t v) {
        return (v < adjacency[u].size() && adjacency[u][v] >= 0) ||
               (u < adjacency[v].size() && adjacency[v][u] >= 0);
    };
    std::vector<std::size_t> hops(n, n);
    std::deque<std::size_t> queue{from};
    hops[from] = 0;
    while (!queue.empty()) {
        const std::size_t u = queue.front();
        queue.pop_front();
        for (std::size_t v = 0; v < n; ++v) {
            if (hops[v] != n || u == v || !linked(u, v)) continue;
            hops[v] = hops[u] + 1;
            queue.push_back(v);
        }
    }
    return hops;
}

// Columns by the share of the way from node 1 to the last node that a node
// stands at, hops counted; a node off every way goes to the middle. Within
// a column nodes are spread evenly, in the order of their neighbours'
// heights so far.
std::vector<Pixel> StartPlaces(const AdjacencyMatrix& adjacency) {
    const std::size_t n = adjacency.size();
    const std::vector<std::size_t> fromFirst = Hops(adjacency, 0);
    const std::vector<std::size_t> fromLast = Hops(adjacency, n - 1);
    std::vector<Pixel> at(n, {kCentre, kCentre});
    for (std::size_t u = 0; u < n; ++u) {
        const std::size_t a = fromFirst[u], b = fromLast[u];
        if (a == n || b == n || a + b == 0) continue;
        at[u].x = kCentre - kInnerColumns +
                  static_cast<std::int64_t>((2 * kInnerColumns * a + (a + b) / 2) / (a + b));
    }
    at[0].x = kCentre - kEndColumn;
    if (n > 1) at[n - 1].x = kCentre + kEndColumn;

    std::vector<std::size_t> order(n);
    for (std::size_t u = 0; u < n; ++u) order[u] = u;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t u, std::size_t v) { return at[u].x < at[v].x; });
    std::vector<std::int64_t> pull(n, 0);
    for (int sweep = 0; sweep < 2; ++sweep) {
        for (std::size_t first = 0; first < n;) {
            std::size_t last = first;
            while (last < n && at[order[last]].x == at[order[first]].x) ++last;
            std::vector<std::size_t> column(order.begin() + static_cast<std::ptrdiff_t>(first),
                                            order.begin() + static_cast<std::ptrdiff_t>(last));
            for (const std::size_t u : column) {
                std::int64_t sum = 0, count = 0;
                for (std::size_t v = 0; v < n; ++v) {
                    const bool linked = (v < adjacency[u].size() && adjacency[u][v] >= 0) ||
                                        (u < adjacency[v].size() && adjacency[v][u] >= 0);
                    if (!linked || v == u || at[v].x == at[u].x) continue;
                    sum += at[v].y;
                    ++count;
                }
                pull[u] = count == 0 ? kCentre : sum / count;
            }
            std::stable_sort(column.begin(), column.end(),
                             [&](std::size_t u, std::size_t v) { return pull[u] < pull[v]; });
            const auto size = static_cast<std::int64_t>(column.size());
            const std::int64_t step = std::min<std::int64_t>(90, 2 * kEndColumn / size);
            for (std::int64_t k = 0; k < size; ++k) {
                at[column[static_cast<std::size_t>(k)]].y =
                    kCentre + (2 * k - (size - 1)) * step / 2;
            }
            first = last;
        }
    }
    return at;
}

// The integer square root of v >= 0, exact: a double's root is correctly
// rounded everywhere, and the steps after it make it exact.
std::int64_t Root(std::int64_t v) {
    auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(v)));
    while (root > 0 && root * root > v) --root;
    while ((root + 1) * (root + 1) <= v) ++root;
    return root;
}

// Stress majorisation (Gansner, Koren and North): nodes as far apart as
// the hops between them, nearer pairs weighing more, from `at`; then turned
// so that the last node lies right of node 1 and fitted into the plot. In
// fixed point, so that the result is the same on every machine.
void Relax(const std::vector<std::vector<std::size_t>>& hops, std::vector<Pixel>& at,
           std::size_t iterations) {
    const std::size_t n = hops.size();
    if (n < 2) return;
    constexpr std::int64_t kFixed = 256;
    constexpr std::int64_t kUnit = 60 * kFixed;
    constexpr std::int64_t kWeightScale = std::int64_t{1} << 20;
    // Unlinked parts lie a hop beyond the farthest linked pair.
    std::size_t farthest = 1;
    for (const auto& row : hops) {
        for (const std::size_t h : row) {
            if (h < n) farthest = std::max(farthest, h);
        }
    }
    std::vector<std::int64_t> ideal(n * n), weight(n * n);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const auto h = std::max<std::int64_t>(
                1, static_cast<std::int64_t>(hops[i][j] < n ? hops[i][j] : farthest + 1));
            ideal[i * n + j] = h * kUnit;
            weight[i * n + j] = std::max<std::int64_t>(1, kWeightScale / (h * h));
        }
    }
    std::vector<Pixel> p(n);
    for (std::size_t u = 0; u < n; ++u) p[u] = {at[u].x * kFixed, at[u].y * kFixed};
    for (std::size_t round = 0; round < iterations; ++round) {
        for (std::size_t i = 0; i < n; ++i) {
            std::int64_t sumX = 0, sumY = 0, sumW = 0;
            for (std::size_t j = 0; j < n; ++j) {
                if (j == i) continue;
                const std::int64_t w = weight[i * n + j];
                const std::int64_t dx = p[i].x - p[j].x, dy = p[i].y - p[j].y;
                const std::int64_t d = Root(dx * dx + dy * dy);
                std::int64_t x = p[j].x, y = p[j].y;
                if (d > 0) {
                    x += ideal[i * n + j] * dx / d;
                    y += ideal[i * n + j] * dy / d;
                }
                sumX += w * x;
                sumY += w * y;
                sumW += w;
            }
            p[i] = {sumX / sumW, sumY / sumW};
        }
    }
    // Turn about node 1 so that the last node lies on its right, then fit.
    const std::int64_t ax = p[n - 1].x - p[0].x, ay = p[n - 1].y - p[0].y;
    const std::int64_t length = std::max<std::int64_t>(1, Root(ax * ax + ay * ay));
    std::int64_t left = std::numeric_limits<std::int64_t>::max(), right = -left, top = left,
                 bottom = -left;
    for (Pixel& q : p) {
        const std::int64_t x = q.x - p[0].x, y = q.y - p[0].y;
        q = {(x * ax + y * ay) / length, (y * ax - x * ay) / length};
        left = std::min(left, q.x);
        right = std::max(right, q.x);
        top = std::min(top, q.y);
        bottom = std::max(bottom, q.y);
    }
    const std::int64_t span = std::max({right - left, bottom - top, std::int64_t{1}});
    for (std::size_t u = 0; u < n; ++u) {
        at[u] = {kCentre + (2 * (p[u].x - left) - (right - left)) * kEndColumn / span,
                 kCentre + (2 * (p[u].y - top) - (bottom - top)) * kEndColumn / span};
    }
}

class LayoutSearch {
public:
    LayoutSearch(const AdjacencyMatrix& adjacency, std::uint64_t seed)
        : adjacency_(adjacency),
          scene_(adjacency, FixedTextBox),
          neighbours_(adjacency.size()),
          draw_(seed),
          isMoved_(adjacency.size(), 0) {
        const std::size_t n = adjacency.size();
        for (std::size_t u = 0; u < n; ++u) {
            every_.push_back(u);
            for (std::size_t v = 0; v < n; ++v) {
                const bool drawn = (v < adjacency[u].size() && adjacency[u][v] >= 1) ||
                                   (u < adjacency[v].size() && adjacency[v][u] >= 1);
                if (drawn && u != v) neighbours_[u].push_back(v);
            }
        }
    }

    std::vector<Pixel> Run() {
        const std::size_t n = adjacency_.size();
        at_ = StartPlaces(adjacency_);
        // Hops between every two nodes take n^3 steps.
        if (n * n * n + scene_.FullCountWork() > kWorkBudget) return at_;
        work_ = n * n * n;
        for (std::size_t u = 0; u < n; ++u) hops_.push_back(Hops(adjacency_, u));
        // A search that leaves a rule broken is tried again from other
        // starts while there is time, and the best kept.
        const std::vector<Pixel> columns = at_;
        std::vector<Pixel> best;
        std::tuple<int, int, std::int64_t> score;
        for (std::size_t attempt = 0; attempt == 0 || work_ < kWorkBudget / 2; ++attempt) {
            at_ = columns;
            Attempt();
            const LayoutScene::Tally tally = scene_.Count(at_, every_, All(), work_);
            const std::tuple<int, int, std::int64_t> found{
                Broken(tally.verdict), tally.verdict.crossings, Cost(tally, kRuleWeight)};
            if (attempt == 0 || found < score) {
                score = found;
                best = at_;
            }
            if (std::get<0>(score) == 0) break;
        }
        return best;
    }

private:
    void Attempt() {
        const std::size_t n = at_.size();
        Start();
        Search(every_, kShapeMoves * n, kLayoutLimit, false, kShapeRuleWeight);
        Stretch();
        Refine();
    }

    // Nodes moved for the numbers, then each node that breaks a rule to the
    // best place round it, and after the first round its neighbours too.
    void Refine() {
        Search(every_, kLabelMoves * at_.size(), kLabelReach, true, kShapeRuleWeight);
        int stillBroken = -1;
        for (std::size_t round = 0; round < kRepairRounds && work_ < kWorkBudget; ++round) {
            const std::vector<std::size_t> troubled = Troubled(round > 0);
            if (troubled.empty()) break;
            for (const std::size_t u : troubled) {
                if (work_ < kWorkBudget) Scan(u);
            }
            // Two rounds round the same nodes seldom help more than one.
            const int broken = Broken(scene_.Count(at_, every_, All(), work_).verdict);
            if (round > 0 && broken == stillBroken) break;
            stillBroken = broken;
        }
    }

    // The relaxed start of the fewest crossings, then of the lowest cost.
    void Start() {
        const std::vector<Pixel> columns = at_;
        std::pair<int, std::int64_t> best{std::numeric_limits<int>::max(), 0};
        const std::size_t n = at_.size();
        for (std::size_t start = 0; start < kStarts; ++start) {
            if (start > 0 && work_ > kWorkBudget / 4) break;
            work_ += kRelaxRounds * n * n;
            std::vector<Pixel> tried = columns;
            if (start > 0) {
                for (Pixel& p : tried) p = {draw_.Between(kLow, kHigh), draw_.Between(kLow, kHigh)};
            }
            Relax(hops_, tried, kRelaxRounds);
            KeepEndsOutermost(tried);
            const LayoutScene::Tally tally = scene_.Count(tried, every_, All(), work_, false);
            const std::pair<int, std::int64_t> found{tally.verdict.crossings,
                                                     Cost(tally, kShapeRuleWeight)};
            if (start == 0 || found < best) {
                best = found;
                at_ = tried;
            }
        }
    }

    // Stretches the places round the plot's centre to fill it, one way at
    // most two and a half times as much as the other, so that the shape
    // stays recognisable: crossings stay as they are, and nothing comes
    // nearer.
    void Stretch() {
        constexpr std::int64_t kFixed = 1024;
        constexpr std::int64_t kWidest = 5;  // halves
        std::int64_t left = kHigh, right = kLow, top = kHigh, bottom = kLow;
        for (const Pixel& p : at_) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        const std::int64_t room = (kHigh - kLow) * kFixed;
        std::int64_t across = room / std::max<std::int64_t>(1, right - left);
        std::int64_t down = room / std::max<std::int64_t>(1, bottom - top);
        const std::int64_t least = std::min(across, down);
        across = std::min(across, least * kWidest / 2);
        down = std::min(down, least * kWidest / 2);
        // Rounded down, so that places in order stay in order.
        const auto scaled = [](std::int64_t offset, std::int64_t scale) {
            const std::int64_t product = offset * scale, divisor = 2 * kFixed;
            return product / divisor - (product % divisor < 0);
        };
        for (Pixel& p : at_) {
            p = {kCentre + scaled(2 * p.x - left - right, across),
                 kCentre + scaled(2 * p.y - top - bottom, down)};
        }
    }

    const std::vector<char>& All() {
        all_.assign(at_.size(), 1);
        return all_;
    }

    // Node 1 left of every other node and the last node right of them.
    static void KeepEndsOutermost(std::vector<Pixel>& at) {
        const std::size_t n = at.size();
        if (n < 2) return;
        std::int64_t left = kHigh, right = kLow;
        for (const Pixel& p : at) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
        }
        left = std::min(left, kHigh - 2 * kEndMargin);
        right = std::max(right, left + 2 * kEndMargin);
        at[0].x = left;
        at[n - 1].x = right;
        for (std::size_t u = 1; u + 1 < n; ++u) {
            at[u].x = std::clamp(at[u].x, left + kEndMargin, right - kEndMargin);
        }
    }

    // The nearest X to `x` that keeps node 1 and the last node outermost by
    // kEndMargin when node u goes there.
    std::int64_t OrderedX(std::size_t u, std::int64_t x) const {
        const std::size_t n = at_.size();
        if (n < 2) return x;
        std::int64_t low = at_[0].x + kEndMargin, high = at_[n - 1].x - kEndMargin;
        if (u == 0 || u == n - 1) {
            std::int64_t inner = u == 0 ? kHigh : kLow;
            for (std::size_t v = 1; v + 1 < n; ++v) {
                inner = u == 0 ? std::min(inner, at_[v].x) : std::max(inner, at_[v].x);
            }
            const std::size_t other = u == 0 ? n - 1 : 0;
            if (u == 0) {
                low = kLow;
                high = std::min(inner, at_[other].x) - kEndMargin;
            } else {
                low = std::max(inner, at_[other].x) + kEndMargin;
                high = kHigh;
            }
        }
        return low > high ? at_[u].x : std::clamp(x, low, high);
    }

    // Moves single nodes of `candidates` and swaps them with others, each
    // kept when it lowers the cost: `moves` of them. A node goes a step of
    // at most `reach` at first and ever less, or among its neighbours, or
    // anywhere.
    void Search(const std::vector<std::size_t>& candidates, std::size_t moves, std::int64_t reach,
                bool withLabels, std::int64_t ruleWeight) {
        const std::size_t n = at_.size();
        std::vector<Pixel> before;
        for (std::size_t move = 0; move < moves && work_ < kWorkBudget; ++move) {
            const std::size_t u = candidates[static_cast<std::size_t>(
                draw_.Below(static_cast<std::int64_t>(candidates.size())))];
            const std::int64_t kind = draw_.Below(12);
            moved_.assign(1, u);
            const bool inner = u != 0 && u + 1 != n;
            if (kind < 2 && inner && n > 3) {
                const auto other =
                    static_cast<std::size_t>(1 + draw_.Below(static_cast<std::int64_t>(n - 3)));
                moved_.push_back(other >= u ? other + 1 : other);
            }
            for (const std::size_t v : moved_) isMoved_[v] = 1;
            before.clear();
            for (const std::size_t v : moved_) before.push_back(at_[v]);
            const std::int64_t old =
                Cost(scene_.Count(at_, moved_, isMoved_, work_, withLabels), ruleWeight);
            Pixel p = at_[u];
            const std::vector<std::size_t>& near = neighbours_[u];
            if (moved_.size() == 2) {
                std::swap(at_[u], at_[moved_[1]]);
            } else {
                if (kind < 5 && !near.empty()) {
                    Pixel sum;
                    for (const std::size_t v : near) {
                        sum.x += at_[v].x;
                        sum.y += at_[v].y;
                    }
                    const auto count = static_cast<std::int64_t>(near.size());
                    p = {sum.x / count + draw_.Between(-kShuffle, kShuffle),
                         sum.y / count + draw_.Between(-kShuffle, kShuffle)};
                } else if (kind == 5) {
                    p = {draw_.Between(kLow, kHigh), draw_.Between(kLow, kHigh)};
                } else {
                    const auto step =
                        std::max<std::int64_t>(6, reach * static_cast<std::int64_t>(moves - move) /
                                                      static_cast<std::int64_t>(moves));
                    p = {p.x + draw_.Between(-step, step), p.y + draw_.Between(-step, step)};
                }
                at_[u] = {OrderedX(u, std::clamp(p.x, kLow, kHigh)), std::clamp(p.y, kLow, kHigh)};
            }
            if (Cost(scene_.Count(at_, moved_, isMoved_, work_, withLabels), ruleWeight) >= old) {
                for (std::size_t k = 0; k < moved_.size(); ++k) at_[moved_[k]] = before[k];
            }
            for (const std::size_t v : moved_) isMoved_[v] = 0;
        }
    }

    // Moves node u to the best of the places at kScanDistances from it in
    // twelve directions, if that lowers the cost.
    void Scan(std::size_t u) {
        static constexpr std::int64_t kDirections[12][2] = {
            {1000, 0},  {866, 500},   {500, 866},   {0, 1000},  {-500, 866}, {-866, 500},
            {-1000, 0}, {-866, -500}, {-500, -866}, {0, -1000}, {500, -866}, {866, -500}};
        moved_.assign(1, u);
        isMoved_[u] = 1;
        const Pixel from = at_[u];
        Pixel best = from;
        std::int64_t least = Cost(scene_.Count(at_, moved_, isMoved_, work_), kRuleWeight);
        for (const std::int64_t distance : kScanDistances) {
            for (const auto& [dx, dy] : kDirections) {
                const Pixel p{OrderedX(u, std::clamp(from.x + distance * dx / 1000, kLow, kHigh)),
                              std::clamp(from.y + distance * dy / 1000, kLow, kHigh)};
                at_[u] = p;
                const std::int64_t cost =
                    Cost(scene_.Count(at_, moved_, isMoved_, work_), kRuleWeight);
                if (cost < least) {
                    least = cost;
                    best = p;
                }
                at_[u] = from;
            }
        }
        at_[u] = best;
        isMoved_[u] = 0;
    }

    // The nodes that take part in breaking a rule, with their neighbours
    // when `widely`.
    std::vector<std::size_t> Troubled(bool widely) {
        std::vector<char> listed(at_.size(), 0);
        for (const std::size_t u : every_) {
            moved_.assign(1, u);
            isMoved_[u] = 1;
            if (Broken(scene_.Count(at_, moved_, isMoved_, work_).verdict) > 0) {
                listed[u] = 1;
                for (const std::size_t v : neighbours_[u]) listed[v] |= widely;
            }
            isMoved_[u] = 0;
        }
        std::vector<std::size_t> troubled;
        for (const std::size_t u : every_) {
            if (listed[u]) troubled.push_back(u);
        }
        return troubled;
    }

    const AdjacencyMatrix& adjacency_;
    const LayoutScene scene_;
    std::vector<std::vector<std::size_t>> neighbours_;
    std::vector<std::vector<std::size_t>> hops_;
    Draw draw_;
    std::vector<Pixel> at_;
    std::vector<std::size_t> every_;
    std::vector<char> all_;
    std::vector<char> isMoved_;
    std::vector<std::size_t> moved_;
    std::size_t work_ = 0;
};

}  // namespace

NodePlaces ReadableLayout(const AdjacencyMatrix& adjacency, std::uint64_t seed) {
    if (adjacency.empty()) return {};
    NodePlaces places;
    for (const Pixel& p : LayoutSearch(adjacency, seed).Run()) {
        places.emplace_back(static_cast<std::int32_t>(p.x - kCentre),
                            static_cast<std::int32_t>(kCentre - p.y));
    }
    return places;
}

}  // namespace graph
