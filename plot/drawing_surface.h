// The 400 x 400 picture all drawing goes to: reloaded from the background
// file and given axes before every redraw, then nodes, links and the way are
// drawn over it. It knows nothing of tables or windows.
#pragma once

#include <QImage>
#include <stdexcept>
#include <string>

#include "graph_model.h"
#include "label_images.h"
#include "ways.h"

namespace plot {

// Raised when the background cannot be loaded; what() is the exact message
// shown to the person ("Cannot open file 1.bmp", "Stream read error",
// "Bitmap image is not valid").
class ImageLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DrawingSurface {
public:
    static constexpr int kSize = 400;

    // A blank white 400 x 400 picture.
    DrawingSurface();

    const QImage& Image() const { return image_; }

    // Replaces the picture with the bitmap file `fileName` (relative to the
    // working directory). Throws ImageLoadError and keeps the old picture
    // when the file is missing, unreadable, truncated or not a bitmap; a
    // 0-byte file gives an empty 0 x 0 picture.
    void LoadPicture(const std::string& fileName);

    // Reloads "1.bmp" and draws the black axes with their ticks and labels.
    void UpdatePict();

    // Blue 5-pixel dots with the node numbers at (X + 3, Y + 3).
    void DrawNodes(const graph::NodePoints& points);

    // Green lines for every link of weight > 0, weights at the midpoints.
    void DrawLinks(const graph::NodePoints& points, const graph::AdjacencyMatrix& adjacency);

    // The way in red, 2 pixels wide, over everything.
    void DrawWay(const graph::NodePoints& points, const graph::Way& way);

private:
    QImage image_;
    LabelImages labels_;
};

}  // namespace plot
