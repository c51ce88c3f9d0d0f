// Places for nodes that have none yet, in user coordinates.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace graph {

// A node's place in user coordinates, X and Y.
using NodePlace = std::pair<std::int32_t, std::int32_t>;
using NodePlaces = std::vector<NodePlace>;

// The six nodes the window starts with, as X and Y.
constexpr std::array<NodePlace, 6> kSampleNodes = {{
    {-60, 40},
    {40, 20},
    {20, -40},
    {-60, -40},
    {-20, -10},
    {80, 40},
}};

// n nodes on a circle of radius 150 around the origin, node 1 at the top and
// the rest clockwise: node k at (round(150 sin t), round(150 cos t)) with
// t = 2 pi (k - 1) / n, halves rounded away from zero.
NodePlaces CircleLayout(int n);

}  // namespace graph
