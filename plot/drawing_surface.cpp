// The drawing surface: background loading, axes and the three graph layers.
#include "drawing_surface.h"

#include <QColor>

namespace plot {

DrawingSurface::DrawingSurface() : image_(kSize, kSize, QImage::Format_RGB32) {
    image_.fill(Qt::white);
}

void DrawingSurface::LoadPicture(const std::string& fileName) {
    QImage loaded(QString::fromStdString(fileName));
    if (loaded.isNull()) {
        throw ImageLoadError("Cannot open file " + fileName);
    }
    image_ = loaded.convertToFormat(QImage::Format_RGB32);
}

void DrawingSurface::UpdatePict() { LoadPicture("1.bmp"); }

void DrawingSurface::DrawNodes(const graph::NodePoints&) {}

void DrawingSurface::DrawLinks(const graph::NodePoints&, const graph::AdjacencyMatrix&) {}

void DrawingSurface::DrawWay(const graph::NodePoints&, const graph::Way&) {}

}  // namespace plot
