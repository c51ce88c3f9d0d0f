// The readable layout against the numbers as the surface draws them: the
// fixed boxes the layout reckons with are never smaller than the surface's,
// and on 1,000 textbook graphs every rule holds when measured with the
// surface's own boxes.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "graph/layout_rules.h"
#include "graph/readable_layout.h"
#include "plot/label_images.h"
#include "tests/textbook_graphs.h"

namespace {

graph::TextBox SurfaceBox(const plot::LabelImages& labels, std::int64_t number) {
    const QSize size = labels.TextSize(number);
    return {size.width(), size.height()};
}

TEST(LayoutLabels, FixedBoxesHoldTheSurfacesBoxes) {
    const plot::LabelImages labels;
    std::vector<std::int64_t> numbers = {std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max()};
    for (std::int64_t k = -200; k <= 200; ++k) numbers.push_back(k);
    for (std::int64_t k = 1; k < std::numeric_limits<std::int32_t>::max() / 10; k *= 10) {
        numbers.insert(numbers.end(), {8 * k, 9 * k + 1, -8 * k});
    }
    for (const std::int64_t number : numbers) {
        SCOPED_TRACE(number);
        const graph::TextBox drawn = SurfaceBox(labels, number);
        EXPECT_LE(drawn.width, graph::FixedTextBox(number).width);
        EXPECT_LE(drawn.height, graph::FixedTextBox(number).height);
    }
}

TEST(LayoutLabels, TextbookGraphsKeepEveryRule) {
    const plot::LabelImages labels;
    const graph::TextMeasure measure = [&](std::int64_t number) {
        return SurfaceBox(labels, number);
    };
    constexpr int kGraphs = 1000;
    int crossings = 0;
    for (int seed = 0; seed < kGraphs; ++seed) {
        const graph::AdjacencyMatrix adjacency = TextbookGraph(static_cast<std::uint64_t>(seed));
        const graph::LayoutVerdict verdict =
            graph::CheckLayout(adjacency, graph::ReadableLayout(adjacency), measure);
        EXPECT_TRUE(verdict.Holds()) << "graph " << seed;
        crossings += verdict.crossings;
    }
    RecordProperty("crossings", std::to_string(crossings));
    // About two a graph today: a guard against a search that stops trying.
    EXPECT_LT(crossings, 3 * kGraphs);
}

}  // namespace
