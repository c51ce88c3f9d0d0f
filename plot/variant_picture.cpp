// A variant's picture as PNG bytes; see variant_picture.h.
#include "plot/variant_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <stdexcept>

#include "plot/drawing_surface.h"

namespace plot {

std::string VariantPng(const graph::ClassVariant& variant, const std::string& background) {
    graph::NodePoints points;
    for (const auto& [x, y] : variant.nodes) points.push_back(graph::PlotToSurface(x, y));
    DrawingSurface surface;
    surface.UpdatePict(background);
    surface.DrawNodes(points);
    surface.DrawLinks(points, variant.adjacency);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!surface.Image().save(&buffer, "PNG")) {
        throw std::runtime_error("The picture cannot be written as PNG");
    }
    return png.toStdString();
}

}  // namespace plot
