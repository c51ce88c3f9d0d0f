// The exhaustive way search; see way_enumeration.h.
#include "graph/way_enumeration.h"

namespace graph {

void GetAllWays(WayList& ways, const Way& way, int n, const AdjacencyMatrix& adjacency) {
    for (int i = 1; i < n; ++i) {
        const std::int32_t last = way.back();
        if (adjacency[last][i] < 0 || WayContains(way, i)) continue;
        Way next;
        CopyWay(next, way);
        next.push_back(i);
        if (i < n - 1) {
            GetAllWays(ways, next, n, adjacency);
        } else {
            ways.push_back(next);
        }
    }
}

std::optional<ShortestWay> ChooseShortestWay(const WayList& ways,
                                             const AdjacencyMatrix& adjacency) {
    if (ways.empty()) return std::nullopt;
    std::size_t bestIndex = 0;
    std::int64_t best = WayLength(ways[0], adjacency);
    for (std::size_t k = 1; k < ways.size(); ++k) {
        // Strictly shorter only: among equals the earliest way stays.
        if (const std::int64_t length = WayLength(ways[k], adjacency); length < best) {
            best = length;
            bestIndex = k;
        }
    }
    return ShortestWay{ways[bestIndex], best};
}

std::optional<ShortestWay> EnumerateShortestWay(const AdjacencyMatrix& adjacency) {
    WayList ways;
    GetAllWays(ways, Way{0}, static_cast<int>(adjacency.size()), adjacency);
    return ChooseShortestWay(ways, adjacency);
}

}  // namespace graph
