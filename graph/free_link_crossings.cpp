// Links of weight 0 on simple ways through a group; see free_link_crossings.h.
//
// Mirrored links. Join a source S to every entry and a sink T to every exit
// and read the links as undirected edges. A simple S-T path passes exactly
// the blocks on the path from S to T in the tree of blocks and cut nodes,
// entering and leaving each at two different nodes, and in a block any
// edge lies on a simple path between any two of its nodes. So an edge is on
// such a path exactly when its block is on that tree path.
//
// One-way links. Deciding whether a directed link lies on a simple path is
// as hard as finding two disjoint paths. The blocks of the links read both
// ways rule some out at once; each other link u -> v is searched for: a path
// from v to an exit, grown one node at a time, that leaves u reachable from
// an entry. Every node added must still reach an exit, leave u reachable,
// and leave no node that both of those would have to pass, which cuts off
// most dead branches at once.
#include "free_link_crossings.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace graph {

namespace {

// The group with its nodes renumbered 0..size-1.
struct Group {
    std::vector<std::int32_t> nodes;  // ascending, the original indices
    std::vector<std::vector<std::size_t>> out, in;
    std::vector<char> entry, exit;
    // Each link's ends, renumbered, and the link from a to b at
    // a * size + b as its place in the links plus 1 (0 for none).
    std::vector<std::pair<std::size_t, std::size_t>> ends;
    std::vector<std::size_t> linkAt;

    std::size_t Local(std::int32_t node) const {
        return static_cast<std::size_t>(std::lower_bound(nodes.begin(), nodes.end(), node) -
                                        nodes.begin());
    }
};

Group MakeGroup(const std::vector<Link>& links, const std::vector<std::int32_t>& entries,
                const std::vector<std::int32_t>& exits) {
    Group group;
    for (const Link& link : links) group.nodes.insert(group.nodes.end(), {link.from, link.to});
    group.nodes.insert(group.nodes.end(), entries.begin(), entries.end());
    group.nodes.insert(group.nodes.end(), exits.begin(), exits.end());
    std::sort(group.nodes.begin(), group.nodes.end());
    group.nodes.erase(std::unique(group.nodes.begin(), group.nodes.end()), group.nodes.end());
    const std::size_t size = group.nodes.size();
    group.out.resize(size);
    group.in.resize(size);
    group.entry.assign(size, 0);
    group.exit.assign(size, 0);
    group.linkAt.assign(size * size, 0);
    for (std::size_t k = 0; k < links.size(); ++k) {
        const std::size_t a = group.Local(links[k].from), b = group.Local(links[k].to);
        group.ends.push_back({a, b});
        group.linkAt[a * size + b] = k + 1;
        group.out[a].push_back(b);
        group.in[b].push_back(a);
    }
    for (std::int32_t node : entries) group.entry[group.Local(node)] = 1;
    for (std::int32_t node : exits) group.exit[group.Local(node)] = 1;
    return group;
}

// The blocks on the tree path from S to T; see the top of the file. Returns
// for each link whether it lies on a simple way with the links read both
// ways: the answer when every link is mirrored, and otherwise a bound, since
// a simple way is a simple path of the undirected graph too.
std::vector<char> ByBlocks(const Group& group) {
    const std::size_t size = group.nodes.size();
    const std::size_t linkCount = group.ends.size();
    const std::size_t source = size, sink = size + 1;
    // Undirected edges: one per link or mirrored pair, then S and T's.
    std::vector<std::pair<std::size_t, std::size_t>> edges;
    std::vector<std::size_t> edgeOfLink(linkCount);
    std::vector<std::vector<std::pair<std::size_t, std::size_t>>> around(size + 2);
    const auto addEdge = [&](std::size_t a, std::size_t b) {
        around[a].push_back({b, edges.size()});
        around[b].push_back({a, edges.size()});
        edges.push_back({a, b});
    };
    for (std::size_t k = 0; k < linkCount; ++k) {
        const auto [a, b] = group.ends[k];
        const std::size_t mirror = group.linkAt[b * size + a];
        if (mirror != 0 && a > b) continue;
        edgeOfLink[k] = edges.size();
        if (mirror != 0) edgeOfLink[mirror - 1] = edges.size();
        addEdge(a, b);
    }
    for (std::size_t x = 0; x < size; ++x) {
        if (group.entry[x]) addEdge(source, x);
        if (group.exit[x]) addEdge(x, sink);
    }

    // Hopcroft and Tarjan's blocks, from S; at most 102 nodes deep.
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> order(size + 2, 0), low(size + 2, 0), blockOf(edges.size(), kNone);
    std::vector<std::size_t> pending;
    std::size_t time = 0, blocks = 0;
    std::function<void(std::size_t, std::size_t)> visit = [&](std::size_t x, std::size_t via) {
        order[x] = low[x] = ++time;
        for (const auto& [y, edge] : around[x]) {
            if (edge == via) continue;
            if (order[y] == 0) {
                pending.push_back(edge);
                visit(y, edge);
                low[x] = std::min(low[x], low[y]);
                if (low[y] >= order[x]) {
                    std::size_t taken;
                    do {
                        taken = pending.back();
                        pending.pop_back();
                        blockOf[taken] = blocks;
                    } while (taken != edge);
                    ++blocks;
                }
            } else if (order[y] < order[x]) {
                pending.push_back(edge);
                low[x] = std::min(low[x], order[y]);
            }
        }
    };
    visit(source, kNone);

    // The tree of nodes and blocks, searched from S for T.
    const std::size_t treeSize = size + 2 + blocks;
    std::vector<std::vector<std::size_t>> tree(treeSize);
    for (std::size_t edge = 0; edge < edges.size(); ++edge) {
        if (blockOf[edge] == kNone) continue;
        for (const std::size_t end : {edges[edge].first, edges[edge].second}) {
            tree[end].push_back(size + 2 + blockOf[edge]);
            tree[size + 2 + blockOf[edge]].push_back(end);
        }
    }
    std::vector<std::size_t> parent(treeSize, kNone);
    std::vector<std::size_t> queue{source};
    parent[source] = source;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        for (const std::size_t y : tree[queue[next]]) {
            if (parent[y] != kNone) continue;
            parent[y] = queue[next];
            queue.push_back(y);
        }
    }
    std::vector<char> onPath(blocks, 0);
    if (parent[sink] != kNone) {
        for (std::size_t x = sink; x != source; x = parent[x]) {
            if (x >= size + 2) onPath[x - size - 2] = 1;
        }
    }
    std::vector<char> kept(linkCount, 0);
    for (std::size_t k = 0; k < linkCount; ++k) {
        const std::size_t block = blockOf[edgeOfLink[k]];
        kept[k] = block != kNone && onPath[block];
    }
    return kept;
}

// The search for one-way links; see the top of the file.
class CrossingSearch {
public:
    CrossingSearch(const Group& group, std::size_t& budget)
        : group_(group), budget_(budget), onPath_(group.nodes.size(), 0) {}

    // Whether u -> v lies on a simple way; nothing when the budget ran out.
    std::optional<bool> Decide(std::size_t u, std::size_t v) {
        u_ = u;
        exhausted_ = false;
        linkLeft_ = kCrossingSearchShare;
        std::fill(onPath_.begin(), onPath_.end(), 0);
        onPath_[v] = 1;
        const auto offPath = [&](std::size_t y) { return y == u_ || onPath_[y] != 0; };
        // Most links are settled by the first way in to u that comes to hand:
        // v either reaches an exit around it or not at all.
        bool found = Greedy(v) || (!exhausted_ && EntryReachesU() && ExitReached(v, offPath) &&
                                   !SharedCut(v) && Extend(v));
        if (exhausted_) return std::nullopt;
        return found;
    }

private:
    // Breadth-first from `start` along `links`, never entering a node that
    // `blocked` names; true once `goal` holds for a node reached, which is
    // seen as soon as the node is, since most ways are short.
    template <typename Blocked, typename Goal>
    bool Reach(std::size_t start, const std::vector<std::vector<std::size_t>>& links,
               Blocked blocked, Goal goal, std::vector<std::size_t>* parents = nullptr) {
        if (goal(start)) return true;
        std::vector<char> seen(group_.nodes.size(), 0);
        std::vector<std::size_t> queue{start};
        seen[start] = 1;
        for (std::size_t next = 0; next < queue.size(); ++next) {
            const std::size_t x = queue[next];
            if (!Spend(links[x].size() + 1)) return false;
            for (const std::size_t y : links[x]) {
                if (seen[y] || blocked(y)) continue;
                seen[y] = 1;
                if (parents) (*parents)[y] = x;
                if (goal(y)) return true;
                queue.push_back(y);
            }
        }
        return false;
    }

    // u reached from an entry, backwards from u, off the path.
    bool EntryReachesU() {
        return Reach(
            u_, group_.in, [&](std::size_t y) { return onPath_[y] != 0; },
            [&](std::size_t x) { return group_.entry[x] != 0; });
    }

    template <typename Blocked>
    bool ExitReached(std::size_t from, Blocked blocked) {
        return Reach(from, group_.out, blocked, [&](std::size_t x) { return group_.exit[x] != 0; });
    }

    // The way in to u that comes first (none when u is an entry), then
    // whether v reaches an exit around it.
    bool Greedy(std::size_t v) {
        std::vector<std::size_t> parents(group_.nodes.size(), 0);
        std::size_t entry = u_;
        if (!Reach(
                u_, group_.in, [&](std::size_t y) { return onPath_[y] != 0; },
                [&](std::size_t x) {
                    entry = x;
                    return group_.entry[x] != 0;
                },
                &parents)) {
            return false;
        }
        std::vector<char> in(group_.nodes.size(), 0);
        for (std::size_t x = entry; x != u_; x = parents[x]) in[x] = 1;
        in[u_] = 1;
        return ExitReached(v, [&](std::size_t y) { return in[y] || onPath_[y]; });
    }

    // Whether one node lies on every way in to u and on every way on from y
    // to an exit, off the path: then no way takes both. A way's nodes
    // include its ends, so an entry that alone reaches u counts, and so does
    // an exit that alone is reached.
    bool SharedCut(std::size_t y) {
        const std::size_t size = group_.nodes.size();
        std::vector<std::size_t> parents(size, size);
        std::size_t entry = u_, exit = y;
        const auto inBlocked = [&](std::size_t z) { return onPath_[z] != 0; };
        const auto outBlocked = [&](std::size_t z) { return z == u_ || onPath_[z] != 0; };
        const auto isEntry = [&](std::size_t x) { return group_.entry[x] != 0; };
        const auto isExit = [&](std::size_t x) { return group_.exit[x] != 0; };
        if (!Reach(
                u_, group_.in, inBlocked, [&](std::size_t x) { return isEntry(entry = x); },
                &parents)) {
            return true;
        }
        std::vector<char> onEveryWayIn(size, 0);
        for (std::size_t c = entry; c != u_; c = parents[c]) {
            onEveryWayIn[c] = !Reach(
                u_, group_.in, [&](std::size_t z) { return z == c || inBlocked(z); }, isEntry);
        }
        std::fill(parents.begin(), parents.end(), size);
        if (!Reach(
                y, group_.out, outBlocked, [&](std::size_t x) { return isExit(exit = x); },
                &parents)) {
            return true;
        }
        for (std::size_t c = exit; c != y; c = parents[c]) {
            if (onEveryWayIn[c] &&
                !Reach(
                    y, group_.out, [&](std::size_t z) { return z == c || outBlocked(z); },
                    isExit)) {
                return true;
            }
        }
        return false;
    }

    // Takes `work` from the link's share of the budget and from the budget;
    // false, and the link left undecided, when either runs out.
    bool Spend(std::size_t work) {
        if (budget_ < work || linkLeft_ < work) {
            exhausted_ = true;
            if (budget_ < work) budget_ = 0;
            return false;
        }
        budget_ -= work;
        linkLeft_ -= work;
        return true;
    }

    // The path from v ends at x; it is grown until it meets an exit.
    bool Extend(std::size_t x) {
        if (group_.exit[x] && EntryReachesU()) return true;
        for (const std::size_t y : group_.out[x]) {
            if (exhausted_) return false;
            if (y == u_ || onPath_[y]) continue;
            onPath_[y] = 1;
            const bool alive =
                ExitReached(y, [&](std::size_t z) { return z == u_ || onPath_[z]; }) &&
                EntryReachesU() && !SharedCut(y);
            if (alive && Extend(y)) return true;
            onPath_[y] = 0;
        }
        return false;
    }

    const Group& group_;
    std::size_t& budget_;
    std::vector<char> onPath_;
    std::size_t u_ = 0;
    std::size_t linkLeft_ = 0;
    bool exhausted_ = false;
};

}  // namespace

std::vector<Link> LinksOnSimpleCrossings(const std::vector<Link>& links,
                                         const std::vector<std::int32_t>& entries,
                                         const std::vector<std::int32_t>& exits,
                                         std::size_t& budget) {
    const Group group = MakeGroup(links, entries, exits);
    const std::size_t size = group.nodes.size();
    const auto mirror = [&](std::size_t k) {
        return group.linkAt[group.ends[k].second * size + group.ends[k].first];
    };
    std::vector<char> kept = ByBlocks(group);
    std::size_t mirrored = 0;
    for (std::size_t k = 0; k < links.size(); ++k) mirrored += mirror(k) != 0;
    if (mirrored < links.size()) {
        CrossingSearch search(group, budget);
        for (std::size_t k = 0; k < links.size(); ++k) {
            // A link kept with its mirror needs no search of its own.
            if (!kept[k] || (mirror(k) != 0 && kept[mirror(k) - 1] == 2)) continue;
            const auto [a, b] = group.ends[k];
            kept[k] = search.Decide(a, b).value_or(true) ? 2 : 0;
        }
        std::vector<char> found(links.size(), 0);
        for (std::size_t k = 0; k < links.size(); ++k) {
            found[k] = kept[k] == 2 || (mirror(k) != 0 && kept[mirror(k) - 1] == 2);
        }
        kept = std::move(found);
    }
    std::vector<Link> result;
    for (std::size_t k = 0; k < links.size(); ++k) {
        if (kept[k]) result.push_back(links[k]);
    }
    return result;
}

}  // namespace graph
