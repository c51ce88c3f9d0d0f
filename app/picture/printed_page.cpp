// Laying the graph out on paper; see printed_page.h.
#include "app/picture/printed_page.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <cstddef>
#include <vector>

namespace app {

namespace {

// Sizes in points. Table sizes are measured at kMeasureSize and grow with
// the font's size, so a table's font is fitted to its space at once.
constexpr double kTitleSize = 14;
constexpr double kAnswerSize = 11;
constexpr double kMeasureSize = 10;
constexpr double kLargestTableSize = 9;
// Below this size the tables leave the first page for a page of their own.
constexpr double kSmallestFirstPageSize = 6;
constexpr double kGap = 12;
// Longer texts are cut: a cell must not push the others off the page.
constexpr qsizetype kLongestCell = 12;

const QColor kRuleColor(160, 160, 160);
const QColor kHeaderColor(235, 235, 235);

// A font `points` high on a page drawn in points on `device`: fonts are
// sized for the device's resolution before the painter's scale applies.
QFont PageFont(const QPaintDevice& device, double points, bool bold = false) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamily(font.defaultFamily());
    font.setPointSizeF(points * 72.0 / device.logicalDpiY());
    font.setBold(bold);
    return font;
}

QString CellText(const std::string& text) {
    const QString cell = QString::fromStdString(text);
    return cell.size() > kLongestCell ? cell.left(kLongestCell - 1) + QChar(0x2026) : cell;
}

// A table as printed: its caption over it, its first row and first column
// headers.
struct Grid {
    QString caption;
    std::vector<QStringList> rows;
};

std::vector<Grid> NodeGrids(const document::GraphTexts& tables, std::size_t blocks) {
    const std::size_t n = tables.nodes.size();
    const std::size_t perBlock = (n + blocks - 1) / blocks;
    std::vector<Grid> grids;
    for (std::size_t first = 0; first < n; first += perBlock) {
        Grid grid{grids.empty() ? QStringLiteral("Узлы") : QString(),
                  {{QString(), QStringLiteral("X"), QStringLiteral("Y")}}};
        for (std::size_t i = first; i < std::min(n, first + perBlock); ++i) {
            grid.rows.push_back({QString::number(i + 1), CellText(tables.nodes[i][0]),
                                 CellText(tables.nodes[i][1])});
        }
        grids.push_back(std::move(grid));
    }
    return grids;
}

Grid MatrixGrid(const document::GraphTexts& tables) {
    Grid grid{QStringLiteral("Матрица смежности"), {{QString()}}};
    for (std::size_t j = 0; j < tables.matrix.size(); ++j) {
        grid.rows.front().push_back(QString::number(j + 1));
    }
    for (std::size_t i = 0; i < tables.matrix.size(); ++i) {
        QStringList row{QString::number(i + 1)};
        for (const std::string& text : tables.matrix[i]) row.push_back(CellText(text));
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

// Draws in points on a device of any resolution.
class Page {
public:
    Page(QPagedPaintDevice& device, QPainter& painter) : device_(device), painter_(painter) {
        const double scale = device.logicalDpiX() / 72.0;
        painter.resetTransform();
        painter.scale(scale, scale);
        size_ = QSizeF(device.width() / scale, device.height() / scale);
    }

    QSizeF Size() const { return size_; }

    // A grid's columns' widths and its row height at `points`.
    struct Shape {
        std::vector<double> columns;
        double rowHeight = 0;
        double Width() const {
            double width = 0;
            for (const double column : columns) width += column;
            return width;
        }
        double Height(const Grid& grid) const {
            return rowHeight * static_cast<double>(grid.rows.size() + 1);
        }
    };

    Shape Measure(const Grid& grid, double points) const {
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

    // Draws `grid` with its top-left corner at `at`; returns its size.
    QSizeF Draw(const Grid& grid, QPointF at, double points) {
        const Shape shape = Measure(grid, points);
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
                painter_.setPen(QPen(kRuleColor, 0.5));
                painter_.drawRect(cell);
                painter_.setPen(Qt::black);
                const QStringList& row = grid.rows[r];
                if (c < static_cast<std::size_t>(row.size())) {
                    painter_.drawText(
                        cell.adjusted(points / 2, 0, -points / 2, 0),
                        (header ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter, row[c]);
                }
            }
        }
        return {shape.Width(), shape.Height(grid)};
    }

    // The largest font, up to kLargestTableSize, at which `grids` side by
    // side fit `space`.
    double Fit(const std::vector<Grid>& grids, QSizeF space) const {
        double width = kGap * static_cast<double>(grids.size() - 1);
        double height = 0;
        for (const Grid& grid : grids) {
            const Shape shape = Measure(grid, kMeasureSize);
            width += shape.Width();
            height = std::max(height, shape.Height(grid));
        }
        // The gaps stay as wide whatever the font.
        const double gaps = kGap * static_cast<double>(grids.size() - 1);
        const double across = (space.width() - gaps) / std::max(width - gaps, 1.0);
        const double down = space.height() / std::max(height, 1.0);
        // Font sizes round to hundredths of a point; keep clear of the edge.
        return std::min(kLargestTableSize, 0.98 * kMeasureSize * std::min(across, down));
    }

    void DrawSideBySide(const std::vector<Grid>& grids, QPointF at, double points) {
        for (const Grid& grid : grids) at.rx() += Draw(grid, at, points).width() + kGap;
    }

private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    QSizeF size_;
};

// The node table in as many blocks side by side as give it the largest
// font in `space`, followed by `matrix` when given.
std::pair<std::vector<Grid>, double> BestNodeBlocks(const Page& page,
                                                    const document::GraphTexts& tables,
                                                    const Grid* matrix, QSizeF space) {
    std::pair<std::vector<Grid>, double> best{{}, 0.0};
    const std::size_t n = std::max<std::size_t>(tables.nodes.size(), 1);
    for (std::size_t blocks = 1; blocks <= std::min<std::size_t>(n, 10); ++blocks) {
        std::vector<Grid> grids = NodeGrids(tables, blocks);
        if (matrix != nullptr) grids.push_back(*matrix);
        const double points = page.Fit(grids, space);
        if (points > best.second) best = {std::move(grids), points};
    }
    return best;
}

}  // namespace

void PaintPages(QPagedPaintDevice& device, const PrintedPage& content) {
    QPainter painter(&device);
    Page page(device, painter);
    const QSizeF size = page.Size();
    double y = 0;

    painter.setFont(PageFont(device, kTitleSize, true));
    const QRectF title(0, y, size.width(), kTitleSize * 1.6);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, content.title);
    y = title.bottom() + kGap / 2;

    const QSize picture = content.picture.background.size();
    if (!picture.isEmpty()) {
        // As wide as the page, unless that leaves no room for a line of
        // tables under it.
        const double room = size.height() - y - 2 * kAnswerSize - 8 * kGap;
        const double scale = std::min(size.width() / picture.width(), room / picture.height());
        painter.save();
        painter.translate(0, y);
        painter.scale(scale, scale);
        // Numbers at the edges stop there, as on the screen.
        painter.setClipRect(QRect(QPoint(0, 0), picture));
        plot::DrawingSurface::Paint(content.picture, painter);
        painter.restore();
        painter.setPen(QPen(kRuleColor, 0.5));
        painter.drawRect(QRectF(0, y, picture.width() * scale, picture.height() * scale));
        y += picture.height() * scale + kGap / 2;
    }

    if (!content.answer.isEmpty()) {
        painter.setFont(PageFont(device, kAnswerSize));
        painter.setPen(Qt::black);
        const QRectF line(0, y, size.width(), kAnswerSize * 1.6);
        painter.drawText(
            line, Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Кратчайший путь: ") + content.answer.join(QStringLiteral("    ")));
        y = line.bottom() + kGap / 2;
    }

    const Grid matrix = MatrixGrid(content.tables);
    const QSizeF below(size.width(), size.height() - y);
    auto [both, bothSize] = BestNodeBlocks(page, content.tables, &matrix, below);
    if (bothSize >= kSmallestFirstPageSize) {
        page.DrawSideBySide(both, {0, y}, bothSize);
        return;
    }
    // The matrix on a page of its own, the node table too if it does not
    // fit under the picture either.
    auto [nodes, nodesSize] = BestNodeBlocks(page, content.tables, nullptr, below);
    const bool nodesFirst = nodesSize >= kSmallestFirstPageSize;
    if (nodesFirst) page.DrawSideBySide(nodes, {0, y}, nodesSize);
    device.newPage();
    if (nodesFirst) {
        // A wide matrix is turned to run along the page's long side when
        // that lets its font grow.
        const QSizeF turned = size.transposed();
        const double upright = page.Fit({matrix}, size);
        const double across = page.Fit({matrix}, turned);
        if (across > upright) {
            painter.translate(0, size.height());
            painter.rotate(-90);
        }
        page.DrawSideBySide({matrix}, {0, 0}, std::max(upright, across));
        return;
    }
    auto [all, allSize] = BestNodeBlocks(page, content.tables, &matrix, size);
    page.DrawSideBySide(all, {0, 0}, allSize);
}

void ShowPrintPreview(const PrintedPage& page, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    printer.setDocName(page.title);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printPreview"));
    dialog.setWindowTitle(QStringLiteral("Печать"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&page](QPrinter* target) { PaintPages(*target, page); });
    dialog.exec();
}

}  // namespace app
