// Node places; see node_layout.h.
#include "graph/node_layout.h"

#include <cmath>
#include <numbers>

namespace graph {

NodePlaces CircleLayout(int n) {
    constexpr double kRadius = 150.0;
    NodePlaces places;
    for (int k = 1; k <= n; ++k) {
        const double angle = 2.0 * std::numbers::pi * (k - 1) / n;
        places.emplace_back(static_cast<std::int32_t>(std::lround(kRadius * std::sin(angle))),
                            static_cast<std::int32_t>(std::lround(kRadius * std::cos(angle))));
    }
    return places;
}

}  // namespace graph
