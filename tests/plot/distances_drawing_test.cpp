// The layers shown for teaching: each node's distance above its number, and
// the links on shortest ways under the way, each in a colour of its own.
#include <gtest/gtest.h>
#include <QPainter>
#include <QSet>

#include <tuple>

#include "plot/drawing_surface.h"
#include "tests/plot/surface_pixels.h"

namespace {

using namespace plot_test;
using plot::DrawingSurface;

TEST(DistancesDrawing, NumbersAndInfinityInMagentaAboveTheNodes) {
    const std::int64_t far = 6442450941;  // three of the heaviest links
    DrawingSurface surface;
    surface.DrawDistances({{100, 100}, {250, 300}, {40, 200}}, {10, std::nullopt, far});
    plot::LabelImages magenta(QColor(192, 0, 192));
    for (const auto& [x, y, label] : {std::tuple{103, 86, magenta.Get(10)},
                                      {253, 286, magenta.Infinity()},
                                      {43, 186, magenta.Get(far)}}) {
        EXPECT_TRUE(ShowsAt(surface.Image(), x, y, label)) << x;
        // Its ink and the white box only: the colours of an 8-bit copy.
        const QList<QRgb> colours = label.convertToFormat(QImage::Format_Indexed8).colorTable();
        EXPECT_EQ(QSet<QRgb>(colours.begin(), colours.end()),
                  (QSet<QRgb>{kWhite, qRgb(192, 0, 192)}));
    }
}

TEST(DistancesDrawing, ShortestWayLinksAreOrangeUnderTheWay) {
    const graph::NodePoints points = {{100, 100}, {300, 100}, {100, 300}, {300, 300}};
    const graph::AdjacencyMatrix links = {
        {-1, 5, 5, -1}, {5, -1, -1, 5}, {5, -1, -1, 5}, {-1, 5, 5, -1}};
    DrawingSurface withTies, wayOnly;
    for (DrawingSurface* surface : {&withTies, &wayOnly}) surface->DrawLinks(points, links);
    withTies.DrawShortestWayLinks(points, {{0, 1}, {0, 2}, {1, 3}, {2, 3}, {7, 0}});
    for (DrawingSurface* surface : {&withTies, &wayOnly}) surface->DrawWay(points, {0, 1, 3});
    EXPECT_EQ(At(withTies.Image(), 100, 150), qRgb(255, 160, 0));
    // Away from the two tying links the red covers its own links' orange.
    QImage ties = withTies.Image(), way = wayOnly.Image();
    for (QImage* image : {&ties, &way}) {
        QPainter(image).fillRect(97, 97, 6, 206, Qt::white);
        QPainter(image).fillRect(97, 297, 206, 6, Qt::white);
    }
    EXPECT_EQ(ties, way);
    EXPECT_NE(ties, DrawingSurface().Image());
}

}  // namespace
