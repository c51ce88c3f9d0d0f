// The 400 x 400 picture all drawing goes to: reloaded from the background
// file and given axes before every redraw, then nodes, links, the links on
// shortest ways, the way and the distances are drawn over it, or one step
// of the search for them. It knows nothing of tables or windows.
#pragma once

#include <QImage>
#include <stdexcept>
#include <string>

#include "dijkstra_steps.h"
#include "graph_model.h"
#include "label_images.h"
#include "way_distances.h"
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
    // Puts back a picture taken from Image() earlier.
    void Restore(const QImage& image) { image_ = image; }

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

    // The links on shortest ways in orange, drawn as the way is drawn, so
    // that the way, drawn after them, covers its own links exactly. Links
    // naming a node that is not in `points` are left out.
    void DrawShortestWayLinks(const graph::NodePoints& points,
                              const std::vector<graph::Link>& links);

    // The way in red, 2 pixels wide, over everything.
    void DrawWay(const graph::NodePoints& points, const graph::Way& way);

    // Each node's distance in magenta, "∞" where there is none, with its
    // top-left corner at (X + 3, Y - 14), above the node's number. Entry i
    // belongs to node index i; surplus entries are left out.
    void DrawDistances(const graph::NodePoints& points, const graph::Distances& distances);

    // What the calculation draws over the links: `tiedLinks` in orange, then
    // `way` in red, then `distances`. An empty way or list leaves its layer
    // out.
    void DrawAnswer(const graph::NodePoints& points, const std::vector<graph::Link>& tiedLinks,
                    const graph::Way& way, const graph::Distances& distances);

    // One step of Dijkstra's search over the links: the links to every
    // node's predecessors in orange, the links relaxed at this step in sky
    // blue over them, settled nodes in teal with the node settled at this
    // step ringed, and each node's tentative distance as DrawDistances
    // writes it. The last step of a run is drawn by DrawAnswer instead, so
    // that it shows what the calculation shows.
    void DrawDijkstraStep(const graph::NodePoints& points, const graph::DijkstraStep& step);

    // The colour of settled nodes, for the table's settled cells as well.
    static QColor SettledColor();

private:
    QImage image_;
    LabelImages labels_;
    LabelImages distanceLabels_;
};

}  // namespace plot
