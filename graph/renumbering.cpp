// Graphs compared up to renumbering; see renumbering.h.
#include "graph/renumbering.h"

#include <algorithm>
#include <cstddef>

namespace graph {

namespace {

std::uint64_t Mix(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15u;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9u;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBu;
    return value ^ (value >> 31);
}

std::uint64_t Combine(std::uint64_t hash, std::uint64_t value) { return Mix(hash ^ Mix(value)); }

std::int64_t Weight(const AdjacencyMatrix& adjacency, std::size_t u, std::size_t v) {
    return adjacency[u][v] < 0 ? kNoLink : adjacency[u][v];
}

std::size_t Kinds(std::vector<std::uint64_t> colors) {
    std::sort(colors.begin(), colors.end());
    return static_cast<std::size_t>(std::unique(colors.begin(), colors.end()) - colors.begin());
}

// A colour per node that renumbering keeps: the first node, the last and
// the rest apart at first, then each node coloured again by its colour and
// the colours and weights of its links, until that tells no more nodes
// apart.
std::vector<std::uint64_t> Colors(const AdjacencyMatrix& adjacency) {
    const std::size_t n = adjacency.size();
    std::vector<std::uint64_t> colors(n);
    for (std::size_t v = 0; v < n; ++v) colors[v] = v == 0 ? 1 : v + 1 == n ? 2 : 3;
    std::size_t kinds = Kinds(colors);
    std::vector<std::uint64_t> next(n);
    std::vector<std::uint64_t> around;
    while (kinds < n) {
        for (std::size_t v = 0; v < n; ++v) {
            around.clear();
            for (std::size_t u = 0; u < n; ++u) {
                const std::int64_t out = Weight(adjacency, v, u);
                const std::int64_t in = Weight(adjacency, u, v);
                if (u == v || (out < 0 && in < 0)) continue;
                around.push_back(Combine(Combine(colors[u], out), in));
            }
            std::sort(around.begin(), around.end());
            std::uint64_t hash = colors[v];
            for (const std::uint64_t link : around) hash = Combine(hash, link);
            next[v] = hash;
        }
        colors.swap(next);
        const std::size_t refined = Kinds(colors);
        if (refined == kinds) break;
        kinds = refined;
    }
    return colors;
}

// Tries every node of `b` of the right colour for each node of `a` in
// `order` from `depth` on, keeping the links to the nodes matched before.
bool Match(const AdjacencyMatrix& a, const AdjacencyMatrix& b, const std::vector<std::uint64_t>& ca,
           const std::vector<std::uint64_t>& cb, const std::vector<std::size_t>& order,
           std::size_t depth, std::vector<std::size_t>& image, std::vector<bool>& taken) {
    if (depth == order.size()) return true;
    const std::size_t n = a.size();
    const std::size_t v = order[depth];
    for (std::size_t u = 0; u < n; ++u) {
        if (taken[u] || cb[u] != ca[v]) continue;
        if ((v == 0 || u == 0 || v + 1 == n || u + 1 == n) && u != v) continue;
        bool fits = true;
        for (std::size_t k = 0; k < depth && fits; ++k) {
            const std::size_t x = order[k];
            fits = Weight(a, v, x) == Weight(b, u, image[x]) &&
                   Weight(a, x, v) == Weight(b, image[x], u);
        }
        if (!fits) continue;
        image[v] = u;
        taken[u] = true;
        if (Match(a, b, ca, cb, order, depth + 1, image, taken)) return true;
        taken[u] = false;
    }
    return false;
}

}  // namespace

std::uint64_t RenumberingInvariant(const AdjacencyMatrix& adjacency) {
    std::vector<std::uint64_t> colors = Colors(adjacency);
    std::sort(colors.begin(), colors.end());
    std::uint64_t hash = Mix(adjacency.size());
    for (const std::uint64_t color : colors) hash = Combine(hash, color);
    return hash;
}

bool SameUpToRenumbering(const AdjacencyMatrix& a, const AdjacencyMatrix& b) {
    if (a.size() != b.size()) return false;
    const std::vector<std::uint64_t> ca = Colors(a);
    const std::vector<std::uint64_t> cb = Colors(b);
    std::vector<std::uint64_t> sortedA = ca;
    std::vector<std::uint64_t> sortedB = cb;
    std::sort(sortedA.begin(), sortedA.end());
    std::sort(sortedB.begin(), sortedB.end());
    if (sortedA != sortedB) return false;
    // Nodes of rare colours first: they have the fewest candidates, and
    // every node matched narrows the rest.
    std::vector<std::size_t> order(a.size());
    for (std::size_t v = 0; v < order.size(); ++v) order[v] = v;
    const auto share = [&](std::size_t v) { return std::count(ca.begin(), ca.end(), ca[v]); };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return share(x) < share(y); });
    std::vector<std::size_t> image(a.size());
    std::vector<bool> taken(a.size());
    return Match(a, b, ca, cb, order, 0, image, taken);
}

bool DistinctGraphs::Add(const AdjacencyMatrix& adjacency) {
    const std::uint64_t invariant = RenumberingInvariant(adjacency);
    const auto [first, last] = kept_.equal_range(invariant);
    for (auto kept = first; kept != last; ++kept) {
        if (SameUpToRenumbering(kept->second, adjacency)) return false;
    }
    kept_.emplace(invariant, adjacency);
    return true;
}

}  // namespace graph
