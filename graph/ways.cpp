// Operations on ways; see ways.h.
#include "graph/ways.h"

#include <algorithm>

namespace graph {

bool WayContains(const Way& way, std::int32_t index) {
    return std::find(way.begin(), way.end(), index) != way.end();
}

void CopyWay(Way& dest, const Way& source) { dest.assign(source.begin(), source.end()); }

std::int64_t WayLength(const Way& way, const AdjacencyMatrix& adjacency) {
    std::int64_t length = 0;
    for (std::size_t k = 1; k < way.size(); ++k) {
        length += adjacency[way[k - 1]][way[k]];
    }
    return length;
}

std::string WayText(const Way& way) {
    std::string text;
    for (std::size_t k = 0; k < way.size(); ++k) {
        if (k > 0) text += '-';
        text += std::to_string(way[k] + 1);
    }
    return text;
}

}  // namespace graph
