// What makes a placement of the nodes readable on the 400 x 400 plot, and
// its check. The picture maps user coordinates (x, y) to the pixel
// (x + 200, 200 - y); a unit is a pixel. The rules:
// - every node inside -180..180 in X and Y;
// - no two nodes closer than 40;
// - no drawn link (weight >= 1 in either direction) within 10 of a node it
//   does not end;
// - no weight covering an axis number, a node (its dot with the ring the
//   step window draws round it, 15 x 15 pixels) or its number, or another
//   weight;
// - node 1 left of every other node, the last node right of every other;
// - and as few drawn links crossing as can be managed.
// Numbers go where the plot writes them: a weight's box with its top-left
// corner at the link's midpoint in pixels, halves rounded to even; a node's
// number at (X + 3, Y + 3); the axis numbers -200..200 by their ticks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "graph/graph_model.h"
#include "graph/node_layout.h"

namespace graph {

constexpr std::int32_t kLayoutLimit = 180;
constexpr std::int32_t kLeastNodeDistance = 40;
constexpr std::int32_t kLinkClearance = 10;

// The box a number's decimal text takes on the plot, in pixels.
struct TextBox {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

using TextMeasure = std::function<TextBox(std::int64_t number)>;

// Boxes at least as large as the plot's font draws them on the platforms the
// program runs on (DejaVu Sans at 11 pixels: 7 a digit, 4 the minus sign, 13
// high), so that the layout needs no fonts and is the same with and without
// a window: 8 pixels a digit, 5 the minus sign, 14 high.
TextBox FixedTextBox(std::int64_t number);

// How a placement keeps the rules: how many times each is broken.
struct LayoutVerdict {
    int nodesOutside = 0;
    int closeNodes = 0;      // pairs of nodes
    int linksNearNodes = 0;  // a link and a node it does not end
    int coveredMarks = 0;    // a weight and what it covers
    int misplacedEnds = 0;   // a node left of node 1 or right of the last
    int crossings = 0;       // pairs of drawn links

    // Whether every rule holds but the crossings, which are only kept few.
    bool Holds() const {
        return nodesOutside == 0 && closeNodes == 0 && linksNearNodes == 0 && coveredMarks == 0 &&
               misplacedEnds == 0;
    }
};

// Checks `places` (user coordinates, one per node of `adjacency`) against
// the rules, with numbers' boxes as `measure` gives them. Two weights of a
// link drawn from both ends are one when they are equal; unequal, they
// cover each other whatever the places. Coordinates far outside the plot
// are taken as 2^20 pixels away. Time grows with the square of the links.
LayoutVerdict CheckLayout(const AdjacencyMatrix& adjacency, const NodePlaces& places,
                          const TextMeasure& measure = FixedTextBox);

// A place in pixels, wide enough for products of coordinates.
struct Pixel {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// The rules' terms over a graph's drawn links and numbers, counted for the
// nodes that move, so that a search weighs a move by the terms it changes.
class LayoutScene {
public:
    // How many terms of each rule a count met, and the strain: what makes
    // a picture harder to read without breaking a rule (lines through
    // numbers, nodes and links nearly too close, nodes over axis numbers,
    // weights under the distances the step window writes above a node, long
    // links), in arbitrary units.
    struct Tally {
        LayoutVerdict verdict;
        std::int64_t strain = 0;
    };

    LayoutScene(const AdjacencyMatrix& adjacency, const TextMeasure& measure);

    std::size_t NodeCount() const { return labelsOf_.size(); }
    std::size_t LinkCount() const { return links_.size(); }

    // The terms that involve a node of `moved` (their indices; `isMoved`
    // marks them), each counted once, at the pixels `at`: every term when
    // every node is moved; without `withLabels`, only the terms of nodes,
    // lines and the axis numbers. Adds the pairs it looked at to `work`.
    Tally Count(const std::vector<Pixel>& at, const std::vector<std::size_t>& moved,
                const std::vector<char>& isMoved, std::size_t& work, bool withLabels = true) const;

    // A bound on the pairs one count over every node looks at.
    std::size_t FullCountWork() const;

private:
    enum class Kind { Weight, Number, Mark, Distance, Axis };
    struct Label {
        Kind kind;
        std::size_t owner;  // the link of a weight, the node of the others
        TextBox box;
        Pixel axisCorner;
    };
    struct DrawnLink {
        std::size_t a;
        std::size_t b;
    };

    Pixel Corner(const Label& label, const std::vector<Pixel>& at) const;

    std::vector<DrawnLink> links_;
    std::vector<Label> labels_;  // axis numbers, numbers, marks, distances, weights
    std::size_t firstWeight_ = 0;
    std::vector<std::vector<std::size_t>> labelsOf_;  // each node's labels, weights included
    std::int64_t comfort2_;  // the square of a comfortable distance between nodes
};

}  // namespace graph
