// Laying the graph out on paper; see printed_page.h.
#include "app/picture/printed_page.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <cstddef>
#include <vector>

#include "app/picture/page_grid.h"

namespace app {

namespace {

// Sizes in points.
constexpr double kTitleSize = 14;
constexpr double kAnswerSize = 11;
// Below this size the tables leave the first page for a page of their own.
constexpr double kSmallestFirstPageSize = 6;

std::vector<Grid> NodeGrids(const document::GraphTexts& tables, std::size_t blocks) {
    const std::size_t n = tables.nodes.size();
    const std::size_t perBlock = (n + blocks - 1) / blocks;
    std::vector<Grid> grids;
    for (std::size_t first = 0; first < n; first += perBlock) {
        Grid grid{
            grids.empty() ? QCoreApplication::translate("app::PrintedPage", "Узлы") : QString(),
            {{QString(), QStringLiteral("X"), QStringLiteral("Y")}}};
        for (std::size_t i = first; i < std::min(n, first + perBlock); ++i) {
            grid.rows.push_back({QString::number(i + 1), PrintedCellText(tables.nodes[i][0]),
                                 PrintedCellText(tables.nodes[i][1])});
        }
        grids.push_back(std::move(grid));
    }
    return grids;
}

// The node table in as many blocks side by side as give it the largest
// font in `space`, followed by `matrix` when given.
std::pair<std::vector<Grid>, double> BestNodeBlocks(const PageInPoints& page,
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
    PageInPoints page(device, painter);
    const QSizeF size = page.Size();
    double y = 0;

    painter.setFont(PageFont(device, kTitleSize, true));
    const QRectF title(0, y, size.width(), kTitleSize * 1.6);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, content.title);
    y = title.bottom() + kPageGap / 2;

    const QSize picture = content.picture.background.size();
    if (!picture.isEmpty()) {
        // As wide as the page, unless that leaves no room for a line of
        // tables under it.
        const double room = size.height() - y - 2 * kAnswerSize - 8 * kPageGap;
        const double scale = std::min(size.width() / picture.width(), room / picture.height());
        y += page.DrawPicture(content.picture, {0, y}, scale).height() + kPageGap / 2;
    }

    if (!content.answer.isEmpty()) {
        painter.setFont(PageFont(device, kAnswerSize));
        painter.setPen(Qt::black);
        const QRectF line(0, y, size.width(), kAnswerSize * 1.6);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                         QCoreApplication::translate("app::PrintedPage", "Кратчайший путь: ") +
                             content.answer.join(QStringLiteral("    ")));
        y = line.bottom() + kPageGap / 2;
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
    ShowPrintPreview(
        page.title, [&page](QPagedPaintDevice& device) { PaintPages(device, page); }, parent);
}

QPageLayout A4Layout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void ShowPrintPreview(const QString& title, const std::function<void(QPagedPaintDevice&)>& paint,
                      QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(A4Layout());
    printer.setDocName(title);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printPreview"));
    dialog.setWindowTitle(QCoreApplication::translate("app::PrintedPage", "Печать"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

}  // namespace app
