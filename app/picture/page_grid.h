// Tables on paper: a page drawn in points whatever the device's resolution,
// and grids with a caption, header cells and thin rules, measured and drawn
// at a font size fitted to their space. The printed page and the worksheet
// lay their tables out with it.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

#include "document/graph_document.h"
#include "plot/drawing_surface.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace app {

// Space between blocks on a page, in points.
constexpr double kPageGap = 12;
// The largest font of a table, in points.
constexpr double kLargestTableSize = 9;

// The colour of the rules round cells and pictures.
QColor PageRuleColor();

// A font `points` high on a page drawn in points on `device`: fonts are
// sized for the device's resolution before the painter's scale applies.
QFont PageFont(const QPaintDevice& device, double points, bool bold = false);

// A table as printed: its caption over it, its first row and first column
// headers.
struct Grid {
    QString caption;
    std::vector<QStringList> rows;
};

// The adjacency matrix of `tables` with the node numbers as headers, long
// texts cut.
Grid MatrixGrid(const document::GraphTexts& tables);

// A cell's text as printed: a long one cut, so that a cell does not push
// the others off the page.
QString PrintedCellText(const std::string& text);

// Draws in points on a paged device of any resolution.
class PageInPoints {
public:
    PageInPoints(QPagedPaintDevice& device, QPainter& painter);

    // The page's size in points, within its margins.
    QSizeF Size() const { return size_; }
    QPagedPaintDevice& Device() const { return device_; }
    QPainter& Painter() const { return painter_; }

    // A grid's columns' widths and its row height at a font size.
    struct Shape {
        std::vector<double> columns;
        double rowHeight = 0;
        double Width() const;
        // The caption's row and the grid's rows.
        double Height(const Grid& grid) const;
    };

    Shape Measure(const Grid& grid, double points) const;

    // Draws `grid` with its top-left corner at `at`; returns its size.
    QSizeF Draw(const Grid& grid, QPointF at, double points);
    // The same in cells of the given shape.
    void Draw(const Grid& grid, QPointF at, const Shape& shape, double points);

    // The largest font, up to kLargestTableSize, at which `grids` side by
    // side fit `space`.
    double Fit(const std::vector<Grid>& grids, QSizeF space) const;

    // Draws `grid` in cells of `shape` from the height `y` of the current
    // page down. When the page ends it goes on at the top of a new one,
    // under its caption marked «(продолжение)» and its header row again.
    // Returns the height where it ends on the last page.
    double DrawFlowing(const Grid& grid, double y, const Shape& shape, double points);

    void DrawSideBySide(const std::vector<Grid>& grids, QPointF at, double points);

    // Draws `picture` as vectors with its top-left corner at `at`, each of
    // its pixels `scale` points wide, in a thin frame; returns its size.
    QSizeF DrawPicture(const plot::DrawingSurface::Scene& picture, QPointF at, double scale);

private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    QSizeF size_;
};

}  // namespace app
