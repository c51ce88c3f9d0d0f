// Tables on paper; see page_grid.h.
#include "app/picture/page_grid.h"

#include <QCoreApplication>

#include <QColor>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstddef>

namespace app {

namespace {

// Table sizes are measured at kMeasureSize and grow with the font's size,
// so that a table's font is fitted to its space at once.
constexpr double kMeasureSize = 10;
// Longer texts are cut.
constexpr qsizetype kLongestCell = 12;

const QColor kHeaderColor(235, 235, 235);

}  // namespace

QColor PageRuleColor() { return {160, 160, 160}; }

QFont PageFont(const QPaintDevice& device, double points, bool bold) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamily(font.defaultFamily());
    font.setPointSizeF(points * 72.0 / device.logicalDpiY());
    font.setBold(bold);
    return font;
}

QString PrintedCellText(const std::string& text) {
    const QString cell = QString::fromStdString(text);
    return cell.size() > kLongestCell ? cell.left(kLongestCell - 1) + QChar(0x2026) : cell;
}

Grid MatrixGrid(const document::GraphTexts& tables) {
    Grid grid{QCoreApplication::translate("app::PageGrid", "Матрица смежности"), {{QString()}}};
    for (std::size_t j = 0; j < tables.matrix.size(); ++j) {
        grid.rows.front().push_back(QString::number(j + 1));
    }
    for (std::size_t i = 0; i < tables.matrix.size(); ++i) {
        QStringList row{QString::number(i + 1)};
        for (const std::string& text : tables.matrix[i]) row.push_back(PrintedCellText(text));
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

PageInPoints::PageInPoints(QPagedPaintDevice& device, QPainter& painter)
    : device_(device), painter_(painter) {
    const double scale = device.logicalDpiX() / 72.0;
    painter.resetTransform();
    painter.scale(scale, scale);
    size_ = QSizeF(device.width() / scale, device.height() / scale);
}

double PageInPoints::Shape::Width() const {
    double width = 0;
    for (const double column : columns) width += column;
    return width;
}

double PageInPoints::Shape::Height(const Grid& grid) const {
    return rowHeight * static_cast<double>(grid.rows.size() + 1);
}

PageInPoints::Shape PageInPoints::Measure(const Grid& grid, double points) const {
    const QFontMetricsF metrics(PageFont(device_, points), &device_);
    Shape shape;
    shape.rowHeight = metrics.height() + points * 0.3;
    for (const QStringList& row : grid.rows) {
        if (shape.columns.size() < static_cast<std::size_t>(row.size())) {
            shape.columns.resize(row.size(), 0.0);
        }
        for (qsizetype c = 0; c < row.size(); ++c) {
            shape.columns[c] =
                std::max(shape.columns[c], metrics.horizontalAdvance(row[c]) + points);
        }
    }
    return shape;
}

QSizeF PageInPoints::Draw(const Grid& grid, QPointF at, double points) {
    const Shape shape = Measure(grid, points);
    Draw(grid, at, shape, points);
    return {shape.Width(), shape.Height(grid)};
}

void PageInPoints::Draw(const Grid& grid, QPointF at, const Shape& shape, double points) {
    painter_.setFont(PageFont(device_, points, true));
    painter_.setPen(Qt::black);
    painter_.drawText(QRectF(at, QSizeF(shape.Width() * 4, shape.rowHeight)),
                      Qt::AlignLeft | Qt::AlignVCenter, grid.caption);
    painter_.setFont(PageFont(device_, points));
    double y = at.y() + shape.rowHeight;
    for (std::size_t r = 0; r < grid.rows.size(); ++r, y += shape.rowHeight) {
        double x = at.x();
        for (std::size_t c = 0; c < shape.columns.size(); ++c) {
            const QRectF cell(x, y, shape.columns[c], shape.rowHeight);
            x += shape.columns[c];
            const bool header = r == 0 || c == 0;
            if (header) painter_.fillRect(cell, kHeaderColor);
            painter_.setPen(QPen(PageRuleColor(), 0.5));
            painter_.drawRect(cell);
            painter_.setPen(Qt::black);
            const QStringList& row = grid.rows[r];
            if (c < static_cast<std::size_t>(row.size())) {
                painter_.drawText(cell.adjusted(points / 2, 0, -points / 2, 0),
                                  (header ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter,
                                  row[c]);
            }
        }
    }
}

double PageInPoints::Fit(const std::vector<Grid>& grids, QSizeF space) const {
    double width = kPageGap * static_cast<double>(grids.size() - 1);
    double height = 0;
    for (const Grid& grid : grids) {
        const Shape shape = Measure(grid, kMeasureSize);
        width += shape.Width();
        height = std::max(height, shape.Height(grid));
    }
    // The gaps stay as wide whatever the font.
    const double gaps = kPageGap * static_cast<double>(grids.size() - 1);
    const double across = (space.width() - gaps) / std::max(width - gaps, 1.0);
    const double down = space.height() / std::max(height, 1.0);
    // Font sizes round to hundredths of a point; keep clear of the edge.
    return std::min(kLargestTableSize, 0.98 * kMeasureSize * std::min(across, down));
}

double PageInPoints::DrawFlowing(const Grid& grid, double y, const Shape& shape, double points) {
    const std::size_t rows = grid.rows.size() - 1;
    std::size_t next = 1;
    for (bool first = true;; first = false) {
        // The caption and the header row over at least a few rows, or all.
        const auto fitting = [&] {
            const double room = std::floor((size_.height() - y) / shape.rowHeight) - 2;
            return static_cast<std::size_t>(std::max(room, 0.0));
        };
        if (fitting() < std::min<std::size_t>(rows + 1 - next, 3) || fitting() == 0) {
            device_.newPage();
            y = 0;
        }
        // A row taller than a page still goes on, cut at its bottom.
        const std::size_t count = std::min(std::max<std::size_t>(fitting(), 1), rows + 1 - next);
        Grid part{
            first ? grid.caption
                  : grid.caption + QCoreApplication::translate("app::PageGrid", " (продолжение)"),
            {grid.rows.front()}};
        part.rows.insert(part.rows.end(), grid.rows.begin() + static_cast<std::ptrdiff_t>(next),
                         grid.rows.begin() + static_cast<std::ptrdiff_t>(next + count));
        Draw(part, {0, y}, shape, points);
        y += shape.Height(part);
        next += count;
        if (next > rows) return y;
    }
}

void PageInPoints::DrawSideBySide(const std::vector<Grid>& grids, QPointF at, double points) {
    for (const Grid& grid : grids) at.rx() += Draw(grid, at, points).width() + kPageGap;
}

QSizeF PageInPoints::DrawPicture(const plot::DrawingSurface::Scene& picture, QPointF at,
                                 double scale) {
    const QSize size = picture.background.size();
    painter_.save();
    painter_.translate(at);
    painter_.scale(scale, scale);
    // Numbers at the edges stop there, as on the screen.
    painter_.setClipRect(QRect(QPoint(0, 0), size));
    plot::DrawingSurface::Paint(picture, painter_);
    painter_.restore();
    painter_.setPen(QPen(PageRuleColor(), 0.5));
    const QSizeF drawn(size.width() * scale, size.height() * scale);
    painter_.drawRect(QRectF(at, drawn));
    return drawn;
}

}  // namespace app
