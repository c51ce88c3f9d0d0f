// A worksheet on paper; see worksheet.h.
#include "app/picture/worksheet.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>

#include "app/interface_language.h"
#include "app/picture/page_grid.h"
#include "graph/dijkstra_steps.h"

namespace app {

namespace {

// Sizes in points.
constexpr double kTitleSize = 16;
constexpr double kTaskSize = 11;
constexpr double kEmptyTableSize = 9;
// A cell for «10 (2, 4)» written by hand, some 19 by 8 mm, and no wider
// than a hand needs.
constexpr double kNarrowestCell = 54;
constexpr double kWidestCell = 72;
constexpr double kRowHeight = 22;
constexpr double kStepColumn = 28;
constexpr double kChosenColumn = 44;
// The picture beside the matrix, or over it when the matrix's font beside
// it would be smaller than kSmallestMatrixBeside.
constexpr double kPictureBesideShare = 0.6;
constexpr double kPictureOverShare = 0.75;
constexpr double kSmallestPicture = 0.45;
constexpr double kSmallestMatrixBeside = 7;

// The empty table's blocks, as even as they can be: the first and past
// the last node each holds; the last block holds «Выбран» too.
std::vector<std::pair<int, int>> TableBlocks(int nodes, double width) {
    const double room = width - kStepColumn;
    const int most = std::max(static_cast<int>(room / kNarrowestCell), 1);
    const int mostInLast = std::max(static_cast<int>((room - kChosenColumn) / kNarrowestCell), 1);
    int blocks = 1;
    while ((blocks - 1) * most + mostInLast < nodes) ++blocks;
    const int inLast = std::min(mostInLast, (nodes + blocks - 1) / blocks);
    std::vector<std::pair<int, int>> ranges;
    int first = 0;
    for (int b = 0; b + 1 < blocks; ++b) {
        const int count = (nodes - inLast - first + (blocks - 1 - b) - 1) / (blocks - 1 - b);
        ranges.emplace_back(first, first + count);
        first += count;
    }
    ranges.emplace_back(first, nodes);
    return ranges;
}

Grid EmptyTable(const Worksheet& sheet, std::pair<int, int> nodes, bool first, bool last) {
    QStringList header{QString::fromUtf8(graph::StepHeader(InterfaceLanguage()))};
    for (int node = nodes.first; node < nodes.second; ++node)
        header.push_back(QString::number(node + 1));
    if (last) header.push_back(QString::fromUtf8(graph::ChosenHeader(InterfaceLanguage())));
    Grid grid{first ? QCoreApplication::translate("app::Worksheet", "Таблица алгоритма Дейкстры")
                    : QCoreApplication::translate("app::Worksheet",
                                                  "Таблица алгоритма Дейкстры (продолжение)"),
              {header}};
    for (int step = 0; step < sheet.steps; ++step) {
        QStringList row{QString::number(step)};
        for (qsizetype c = 1; c < header.size(); ++c) row.push_back(QString());
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

struct TableLayout {
    std::vector<Grid> blocks;
    std::vector<PageInPoints::Shape> shapes;
    double Height() const {
        double height = 0;
        for (std::size_t b = 0; b < blocks.size(); ++b) height += shapes[b].Height(blocks[b]);
        return height + kPageGap * static_cast<double>(blocks.size() - 1);
    }
};

TableLayout LayOutTable(const Worksheet& sheet, double width) {
    const auto ranges = TableBlocks(static_cast<int>(sheet.tables.matrix.size()), width);
    TableLayout layout;
    for (std::size_t b = 0; b < ranges.size(); ++b) {
        const bool last = b + 1 == ranges.size();
        layout.blocks.push_back(EmptyTable(sheet, ranges[b], b == 0, last));
        PageInPoints::Shape shape;
        shape.rowHeight = kRowHeight;
        shape.columns.push_back(kStepColumn);
        const int count = ranges[b].second - ranges[b].first;
        const double room = width - kStepColumn - (last ? kChosenColumn : 0.0);
        shape.columns.insert(shape.columns.end(), count,
                             std::clamp(room / std::max(count, 1), kNarrowestCell, kWidestCell));
        if (last) shape.columns.push_back(kChosenColumn);
        layout.shapes.push_back(std::move(shape));
    }
    return layout;
}

}  // namespace

plot::DrawingSurface::Scene LinksPicture(const plot::DrawingSurface::Scene& axes,
                                         const graph::Graph& graph) {
    plot::DrawingSurface surface;
    surface.Restore(axes);
    surface.DrawNodes(graph.points);
    surface.DrawLinks(graph.points, graph.adjacency);
    return surface.Shown();
}

Worksheet MakeWorksheet(const QString& title, const plot::DrawingSurface::Scene& axes,
                        const graph::Graph& graph, const document::GraphTexts& tables) {
    return {title, LinksPicture(axes, graph), tables,
            static_cast<int>(graph::FindDijkstraSteps(graph.adjacency).steps.size())};
}

QString TaskText(int nodes) {
    return QCoreApplication::translate("app::Worksheet",
                                       "Найдите кратчайший путь из узла 1 в узел %1 и заполните "
                                       "таблицу алгоритма Дейкстры.")
        .arg(nodes);
}

void PaintWorksheet(PageInPoints& page, const Worksheet& sheet) {
    QPainter& painter = page.Painter();
    const QPaintDevice& device = page.Device();
    const QSizeF size = page.Size();
    double y = 0;

    painter.setPen(Qt::black);
    painter.setFont(PageFont(device, kTitleSize, true));
    const QRectF title(0, y, size.width(), kTitleSize * 1.6);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, sheet.title);
    y = title.bottom() + kPageGap / 2;

    painter.setFont(PageFont(device, kTaskSize));
    const int nodes = static_cast<int>(sheet.tables.matrix.size());
    const QRectF task = painter.boundingRect(QRectF(0, y, size.width(), size.height()),
                                             Qt::TextWordWrap, TaskText(nodes));
    painter.drawText(task, Qt::TextWordWrap, TaskText(nodes));
    y = task.bottom() + kPageGap;

    // The picture beside the matrix when the matrix's font is large enough
    // there, otherwise over it; as large as leaves the table room under
    // them on this page, or, when none does, at its largest with the table
    // on the pages after.
    const Grid matrix = MatrixGrid(sheet.tables);
    const double width = size.width();
    // Beside the matrix at its largest font when that leaves the picture
    // most of the width, otherwise beside it in a smaller font, otherwise
    // over it.
    const double besideLargest = width - page.Measure(matrix, kLargestTableSize).Width() - kPageGap;
    const double beside = besideLargest >= kPictureBesideShare * width
                              ? std::min(besideLargest, kPictureOverShare * width)
                              : kPictureBesideShare * width;
    const bool matrixBeside =
        page.Fit({matrix}, QSizeF(width - beside - kPageGap, beside)) >= kSmallestMatrixBeside;
    const TableLayout table = LayOutTable(sheet, width);
    const auto matrixUnder = [&](double picture) {
        return page.Fit({matrix}, QSizeF(width, size.height() - y - picture - kPageGap));
    };
    const auto topHeight = [&](double picture) {
        if (matrixBeside) return picture;
        return picture + kPageGap + page.Measure(matrix, matrixUnder(picture)).Height(matrix);
    };
    const double largest = matrixBeside ? beside : kPictureOverShare * width;
    double picture = largest;
    while (picture > kSmallestPicture * width &&
           y + topHeight(picture) + kPageGap + table.Height() > size.height()) {
        picture -= 10;
    }
    if (y + topHeight(picture) + kPageGap + table.Height() > size.height()) picture = largest;

    const QSize pixels = sheet.picture.background.size();
    if (!pixels.isEmpty()) {
        const double scale = picture / std::max(pixels.width(), pixels.height());
        page.DrawPicture(sheet.picture, {0, y}, scale);
    }
    if (matrixBeside) {
        const QSizeF room(width - picture - kPageGap, picture);
        page.Draw(matrix, {picture + kPageGap, y}, page.Fit({matrix}, room));
        y += picture;
    } else {
        const double points = matrixUnder(picture);
        y += picture + kPageGap;
        y += page.Draw(matrix, {0, y}, points).height();
    }
    y += kPageGap;

    for (std::size_t b = 0; b < table.blocks.size(); ++b) {
        // A block that fits on a page starts on the next one rather than
        // break across.
        const double height = table.shapes[b].Height(table.blocks[b]);
        if (y + height > size.height() && height <= size.height()) {
            page.Device().newPage();
            y = 0;
        }
        y = page.DrawFlowing(table.blocks[b], y, table.shapes[b], kEmptyTableSize) + kPageGap;
    }
}

}  // namespace app
