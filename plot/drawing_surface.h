// The 400 x 400 picture all drawing goes to: reloaded from the background
// file and given axes before every redraw, then nodes, links, the links on
// shortest ways, the way and the distances are drawn over it, or one step
// of the search for them. It knows nothing of tables or windows.
// The surface keeps the drawing calls made since the background was loaded,
// their data taken by value, and paints them onto the bitmap only when the
// bitmap is asked for; a view replays the same calls at its own size.
#pragma once

#include <QImage>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "graph/dijkstra_steps.h"
#include "graph/graph_model.h"
#include "graph/way_distances.h"
#include "graph/ways.h"
#include "plot/label_images.h"

class QPainter;

namespace plot {

// Raised when the background cannot be loaded; what() is the exact message
// shown to the person ("Cannot open file 1.bmp", "Stream read error",
// "Bitmap image is not valid").
class ImageLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Canvas;

class DrawingSurface {
public:
    static constexpr int kSize = 400;

    // The background and the calls drawn over it: what the picture shows.
    struct Scene {
        QImage background;
        std::vector<std::function<void(Canvas&)>> calls;
    };

    // A blank white 400 x 400 picture.
    DrawingSurface();

    // The picture as drawn, the background's size.
    const QImage& Image() const;
    const Scene& Shown() const { return scene_; }
    // Puts back a scene taken from Shown() earlier.
    void Restore(const Scene& scene);
    // Changes with every change of the scene, so that a view knows when to
    // draw again.
    std::uint64_t Generation() const { return generation_; }

    // Draws the scene onto `target`, stretched over its whole size (in
    // device-independent pixels), with lines, dots and numbers at their
    // sizes on the surface; `inks` are made for the target's pixel ratio.
    // Nothing is drawn over an empty background.
    void Replay(QImage& target, LabelInks& inks) const;

    // Draws `scene` onto `painter` as vectors, in surface pixels from (0, 0)
    // to the background's size: the background as an image under
    // everything, lines as lines, dots as circles and numbers as text, so
    // that a vector file or a printer keeps them sharp at any size.
    static void Paint(const Scene& scene, QPainter& painter);

    // Replaces the picture with the bitmap file `fileName` (relative to the
    // working directory). Throws ImageLoadError and keeps the old picture
    // when the file is missing, unreadable, truncated or not a bitmap; a
    // 0-byte file gives an empty 0 x 0 picture.
    void LoadPicture(const std::string& fileName);

    // Reloads the background, "1.bmp" in the working directory unless named,
    // and draws the black axes with their ticks and labels.
    void UpdatePict(const std::string& background = "1.bmp");

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

    // One step of Dijkstra's search over the links: the links to every
    // node's predecessors in orange, the links relaxed at this step in sky
    // blue over them, settled nodes in teal with the node settled at this
    // step ringed, and each node's tentative distance as DrawDistances
    // writes it. The last step of a run is drawn as the calculation draws
    // its answer instead, so that it shows what the calculation shows.
    void DrawDijkstraStep(const graph::NodePoints& points, const graph::DijkstraStep& step);

    // The colour of settled nodes, for the table's settled cells as well.
    static QColor SettledColor();

private:
    void Record(std::function<void(Canvas&)> call);

    Scene scene_;
    std::uint64_t generation_ = 0;
    // The bitmap with the first `painted_` calls of the scene on it.
    mutable QImage image_;
    mutable std::size_t painted_ = 0;
    mutable LabelInks inks_;
};

}  // namespace plot
