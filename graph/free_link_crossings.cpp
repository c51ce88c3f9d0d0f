// Links of weight 0 on simple ways through a group; see free_link_crossings.h.
//
// Mirrored links. Join a source S to every entry and a sink T to every exit
// and read the links as undirected edges. A simple S-T path passes exactly
// the blocks on the path from S to T in the tree of blocks and cut nodes,
// entering and leaving each at two different nodes, and in a block any
// edge lies on a simple path between any two of its nodes. So an edge is on
// such a path exactly when its block is on that tree path.
//
// One-way links. A link u -> v lies on a simple way when a way from an entry
// to u and a way from v to an exit share no node: the two disjoint paths
// problem, NP-complete. The blocks of the links read both ways rule some
// links out at once. When u and v lie in different strongly connected parts,
// any two such ways are disjoint (a shared node would close a cycle through
// the link), so reaching u from an entry and an exit from v decide it. Within
// one part C the ways enter C once and leave it once, so only C matters,
// with its own entries (the group's, and nodes entered from outside C from a
// node an entry reaches) and exits. There the two ways are searched for,
// each grown a node at a time from its end at the link: the nodes each must
// pass (found in linear time along one way) are barred to the other, in turns
// until neither grows; then a way for one side and one around it are tried;
// failing that the side with the shorter way left is grown in every way
// open. The search is exhaustive, so it is exact when it ends.
#include "graph/free_link_crossings.h"

#include <algorithm>
#include <array>
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

// Strongly connected parts of the group's links: part[x] for each node, by
// Tarjan's algorithm.
std::vector<std::size_t> StrongParts(const Group& group) {
    const std::size_t size = group.nodes.size();
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> order(size, 0), low(size, 0), part(size, kNone), pending;
    std::size_t time = 0, parts = 0;
    std::function<void(std::size_t)> visit = [&](std::size_t x) {
        order[x] = low[x] = ++time;
        pending.push_back(x);
        for (const std::size_t y : group.out[x]) {
            if (order[y] == 0) {
                visit(y);
                low[x] = std::min(low[x], low[y]);
            } else if (part[y] == kNone) {
                low[x] = std::min(low[x], order[y]);
            }
        }
        if (low[x] != order[x]) return;
        std::size_t taken;
        do {
            taken = pending.back();
            pending.pop_back();
            part[taken] = parts;
        } while (taken != x);
        ++parts;
    };
    for (std::size_t x = 0; x < size; ++x) {
        if (order[x] == 0) visit(x);
    }
    return part;
}

// The one-way links; see the top of the file.
class CrossingSearch {
public:
    CrossingSearch(const Group& group, std::size_t& budget)
        : group_(group), budget_(budget), part_(StrongParts(group)) {
        const std::size_t size = group.nodes.size();
        std::vector<char> fromEntry(size, 0), toExit(size, 0);
        for (std::size_t x = 0; x < size; ++x) {
            if (group.entry[x]) Mark(x, group.out, fromEntry);
            if (group.exit[x]) Mark(x, group.in, toExit);
        }
        // A part's own entries: the group's, and the nodes a link from
        // outside the part enters from a node that an entry reaches; its
        // exits likewise.
        sides_[0] = {&group.in, group.entry, {}};
        sides_[1] = {&group.out, group.exit, {}};
        for (std::size_t x = 0; x < size; ++x) {
            for (const std::size_t y : group.in[x]) {
                sides_[0].ends[x] |= part_[y] != part_[x] && fromEntry[y];
            }
            for (const std::size_t y : group.out[x]) {
                sides_[1].ends[x] |= part_[y] != part_[x] && toExit[y];
            }
            fromEntryToExit_.push_back(fromEntry[x] && toExit[x]);
        }
    }

    // Whether u -> v lies on a simple way; nothing when deciding it would
    // read more than `share` links or the budget ran out.
    std::optional<bool> Decide(std::size_t u, std::size_t v, std::size_t share) {
        if (!fromEntryToExit_[u] || !fromEntryToExit_[v]) return false;
        if (part_[u] != part_[v]) return true;
        linkLeft_ = share;
        exhausted_ = false;
        const std::size_t size = group_.nodes.size();
        taken_.assign(size, 0);
        for (std::size_t x = 0; x < size; ++x) taken_[x] = part_[x] != part_[u];
        taken_[u] = taken_[v] = 1;
        sides_[0].way.assign(1, u);
        sides_[1].way.assign(1, v);
        std::array<std::vector<char>, 2> forced = {taken_, taken_};
        const bool found = Extend(std::move(forced));
        if (exhausted_) return std::nullopt;
        return found;
    }

private:
    // Takes `work` from the link's share and from the budget; false, and
    // the link left undecided, when either runs out.
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

    // Marks in `seen` what `from` reaches along `links`.
    static void Mark(std::size_t from, const std::vector<std::vector<std::size_t>>& links,
                     std::vector<char>& seen) {
        std::vector<std::size_t> queue{from};
        seen[from] = 1;
        for (std::size_t next = 0; next < queue.size(); ++next) {
            for (const std::size_t y : links[queue[next]]) {
                if (!seen[y]) {
                    seen[y] = 1;
                    queue.push_back(y);
                }
            }
        }
    }

    // One of the two ways: the way in to u, grown backwards along the
    // links into its nodes, or the way on from v, grown along the links out
    // of them, each until it meets one of the part's entries (`ends`) or
    // exits.
    struct Side {
        const std::vector<std::vector<std::size_t>>* links;
        std::vector<char> ends;
        // From u or v, outwards.
        std::vector<std::size_t> way;
    };

    // A way with fewest links from `from` to an end of `side`, off
    // `blocked`; empty when there is none or the budget ran out.
    std::vector<std::size_t> WayTo(const Side& side, std::size_t from,
                                   const std::vector<char>& blocked) {
        const std::size_t size = group_.nodes.size();
        if (!Spend(size)) return {};
        parent_.assign(size, size);
        queue_.assign(1, from);
        parent_[from] = from;
        // An end is seen as soon as it is reached: most ways are short.
        std::size_t end = side.ends[from] ? from : size;
        for (std::size_t next = 0; next < queue_.size() && end == size; ++next) {
            const std::size_t x = queue_[next];
            if (!Spend((*side.links)[x].size() + 1)) return {};
            for (const std::size_t y : (*side.links)[x]) {
                if (blocked[y] || parent_[y] != size) continue;
                parent_[y] = x;
                queue_.push_back(y);
                if (side.ends[y]) {
                    end = y;
                    break;
                }
            }
        }
        if (end == size) return {};
        std::vector<std::size_t> way{end};
        while (way.back() != from) way.push_back(parent_[way.back()]);
        std::reverse(way.begin(), way.end());
        return way;
    }

    // Marks in `forced` the nodes on every way from `from` to an end of
    // `side` off `blocked`, setting `added` when one was not marked yet, and
    // returns one such way; empty when there is none. In linear time: with
    // the way p1..pk found, p_i is on all of them exactly when nothing
    // reached from p1..p(i-1) without p_i meets an end or a p_j, j > i.
    std::vector<std::size_t> MarkForced(const Side& side, std::size_t from,
                                        const std::vector<char>& blocked, std::vector<char>& forced,
                                        bool& added) {
        std::vector<std::size_t> way = WayTo(side, from, blocked);
        if (way.empty()) return way;
        const std::size_t size = group_.nodes.size();
        place_.assign(size, 0);
        for (std::size_t i = 0; i < way.size(); ++i) place_[way[i]] = i + 1;
        seen_.assign(size, 0);
        std::size_t far = 1;
        for (std::size_t i = 1; i <= way.size() && far <= way.size(); ++i) {
            if (far <= i && !forced[way[i - 1]]) forced[way[i - 1]] = added = true;
            if (i == way.size()) break;
            stack_.assign(1, way[i - 1]);
            while (!stack_.empty()) {
                const std::size_t x = stack_.back();
                stack_.pop_back();
                if (!Spend((*side.links)[x].size() + 1)) return {};
                for (const std::size_t y : (*side.links)[x]) {
                    if (blocked[y]) continue;
                    if (place_[y] != 0) {
                        far = std::max(far, place_[y]);
                    } else if (side.ends[y]) {
                        far = way.size() + 1;
                    } else if (!seen_[y]) {
                        seen_[y] = 1;
                        stack_.push_back(y);
                    }
                }
            }
        }
        return way;
    }

    // What a side may not use: the part's outside, what the other side
    // must pass, and its own way so far but for its end.
    std::vector<char> Blocked(std::size_t s, const std::array<std::vector<char>, 2>& forced) const {
        std::vector<char> blocked = taken_;
        for (std::size_t x = 0; x < blocked.size(); ++x) blocked[x] |= forced[1 - s][x];
        blocked[sides_[s].way.back()] = 0;
        return blocked;
    }

    // The way in that comes first, off what the way on must pass, and a
    // way on around it: most links are settled by that pair.
    bool Greedy(const std::array<std::vector<char>, 2>& forced) {
        const std::vector<std::size_t> in =
            WayTo(sides_[0], sides_[0].way.back(), Blocked(0, forced));
        if (in.empty()) return false;
        std::vector<char> blocked = taken_;
        for (const std::size_t y : in) blocked[y] = 1;
        blocked[sides_[1].way.back()] = 0;
        return !WayTo(sides_[1], sides_[1].way.back(), blocked).empty();
    }

    // `forced` holds what each way must pass, each side's way so far
    // included; see the top of the file.
    bool Extend(std::array<std::vector<char>, 2> forced) {
        if (Greedy(forced)) return true;
        std::array<std::vector<std::size_t>, 2> ways;
        for (std::array<bool, 2> grew = {true, true}; grew[0] || grew[1];) {
            for (const std::size_t s : {0, 1}) {
                if (!grew[s]) continue;
                grew[s] = false;
                ways[s] = MarkForced(sides_[s], sides_[s].way.back(), Blocked(s, forced), forced[s],
                                     grew[1 - s]);
                if (ways[s].empty()) return false;
            }
        }
        for (const std::size_t s : {0, 1}) {
            std::vector<char> blocked = taken_;
            for (const std::size_t y : ways[1 - s]) blocked[y] = 1;
            blocked[sides_[s].way.back()] = 0;
            if (!WayTo(sides_[s], sides_[s].way.back(), blocked).empty()) return true;
            if (exhausted_) return false;
        }
        // The side nearer its end has fewer ways to try.
        const std::size_t s = ways[0].size() < ways[1].size() ? 0 : 1;
        std::vector<std::size_t> choices;
        for (const std::size_t y : (*sides_[s].links)[sides_[s].way.back()]) {
            if (!taken_[y] && !forced[1 - s][y]) choices.push_back(y);
        }
        for (const std::size_t y : choices) {
            taken_[y] = 1;
            sides_[s].way.push_back(y);
            std::array<std::vector<char>, 2> next = forced;
            next[s][y] = 1;
            const bool found = Extend(std::move(next));
            sides_[s].way.pop_back();
            taken_[y] = 0;
            if (found || exhausted_) return found;
        }
        return false;
    }

    const Group& group_;
    std::size_t& budget_;
    // Each node's strongly connected part, and whether an entry reaches it
    // and it an exit.
    const std::vector<std::size_t> part_;
    std::vector<char> fromEntryToExit_;
    std::array<Side, 2> sides_;
    // The part's outside and both ways so far.
    std::vector<char> taken_;
    bool exhausted_ = false;
    std::size_t linkLeft_ = 0;
    // Room for the searches, kept to spare allocations.
    std::vector<std::size_t> parent_, queue_, place_, stack_;
    std::vector<char> seen_;
};

}  // namespace

std::vector<Link> LinksOnSimpleCrossings(const std::vector<Link>& links,
                                         const std::vector<std::int32_t>& entries,
                                         const std::vector<std::int32_t>& exits,
                                         std::size_t& budget, std::size_t share) {
    const Group group = MakeGroup(links, entries, exits);
    const std::size_t size = group.nodes.size();
    const auto mirror = [&](std::size_t k) {
        return group.linkAt[group.ends[k].second * size + group.ends[k].first];
    };
    std::vector<char> kept = ByBlocks(group);
    std::size_t mirrored = 0;
    for (std::size_t k = 0; k < links.size(); ++k) mirrored += mirror(k) != 0;
    if (mirrored < links.size()) {
        // kept: 0 off every way, 1 not decided yet, 2 on one.
        CrossingSearch search(group, budget);
        for (const std::size_t linkShare : {std::min(kCrossingSearchFirstShare, share), share}) {
            for (std::size_t k = 0; k < links.size(); ++k) {
                // A link kept with its mirror needs no search of its own.
                if (kept[k] != 1 || (mirror(k) != 0 && kept[mirror(k) - 1] == 2)) continue;
                const auto [a, b] = group.ends[k];
                if (const std::optional<bool> on = search.Decide(a, b, linkShare)) {
                    kept[k] = *on ? 2 : 0;
                }
            }
        }
        std::vector<char> found(links.size(), 0);
        for (std::size_t k = 0; k < links.size(); ++k) {
            found[k] = kept[k] != 0 || (mirror(k) != 0 && kept[mirror(k) - 1] != 0);
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
