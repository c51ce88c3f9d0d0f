// The layers shown for teaching: each node's distance above its number, and
// the links on shortest ways in their own colour, under the way.
#include <gtest/gtest.h>

#include "drawing_surface.h"
#include "label_images.h"
#include "surface_pixels.h"

namespace {

using namespace plot_test;
using plot::DrawingSurface;

const QRgb kMagenta = qRgb(192, 0, 192);
const QRgb kOrange = qRgb(255, 160, 0);

int PixelsOf(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += At(image, x, y) == colour;
    }
    return count;
}

TEST(DistancesDrawing, NumbersAndInfinityInMagentaAboveTheNodes) {
    const std::int64_t far = std::int64_t{3} * 2147483647;
    DrawingSurface surface;
    surface.DrawDistances({{100, 100}, {250, 300}, {40, 200}}, {10, std::nullopt, far});

    plot::LabelImages magenta(QColor(192, 0, 192));
    const struct {
        int x, y;
        const QImage& label;
    } expected[] = {
        {103, 86, magenta.Get(10)}, {253, 286, magenta.Infinity()}, {43, 186, magenta.Get(far)}};
    for (const auto& [x, y, label] : expected) {
        SCOPED_TRACE(testing::Message() << x << ", " << y);
        EXPECT_TRUE(ShowsAt(surface.Image(), x, y, label));
        EXPECT_FALSE(ShowsAt(surface.Image(), x + 1, y, label));
        EXPECT_FALSE(ShowsAt(surface.Image(), x, y - 1, label));
        const QRect box(x, y, label.width(), label.height());
        EXPECT_GT(PixelsOf(surface.Image(), box, kMagenta), 5);
        EXPECT_EQ(PixelsOf(surface.Image(), box, kMagenta) + PixelsOf(surface.Image(), box, kWhite),
                  label.width() * label.height());
    }
    EXPECT_GT(magenta.Get(far).width(), magenta.Get(10).width());
}

TEST(DistancesDrawing, ShortestWayLinksAreOrangeAndTheWayCoversItsOwn) {
    const graph::NodePoints points = {{100, 100}, {300, 100}, {100, 300}, {300, 300}};
    const graph::AdjacencyMatrix links = {
        {-1, 5, 5, -1}, {5, -1, -1, 5}, {5, -1, -1, 5}, {-1, 5, 5, -1}};
    DrawingSurface withTies;
    DrawingSurface wayOnly;
    for (DrawingSurface* surface : {&withTies, &wayOnly}) surface->DrawLinks(points, links);
    withTies.DrawShortestWayLinks(points, {{0, 1}, {0, 2}, {1, 3}, {2, 3}, {7, 0}});
    ASSERT_EQ(At(withTies.Image(), 100, 250), kOrange);
    ASSERT_EQ(At(withTies.Image(), 99, 250), kOrange);  // two pixels wide
    for (DrawingSurface* surface : {&withTies, &wayOnly}) surface->DrawWay(points, {0, 1, 3});

    EXPECT_EQ(At(withTies.Image(), 150, 100), kRed);
    EXPECT_EQ(At(withTies.Image(), 100, 150), kOrange);
    EXPECT_EQ(At(withTies.Image(), 150, 300), kOrange);
    EXPECT_EQ(At(wayOnly.Image(), 150, 300), kGreen);
    // Beside the two tying links the pictures are the same: the red covers
    // its own links' orange.
    const QRect left(97, 97, 6, 206), bottom(97, 297, 206, 6);
    int elsewhere = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            elsewhere += At(withTies.Image(), x, y) != At(wayOnly.Image(), x, y) &&
                         !left.contains(x, y) && !bottom.contains(x, y);
        }
    }
    EXPECT_EQ(elsewhere, 0);
}

}  // namespace
