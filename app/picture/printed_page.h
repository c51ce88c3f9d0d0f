// The graph on paper, for a worksheet or a report: one A4 page with the
// file's name, the picture as the window shows it, the node table, the
// adjacency matrix and the answer. Tables too large for the first page's
// space under the picture go to a second page, in a font as large as that
// page allows.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "document/graph_document.h"
#include "plot/drawing_surface.h"

class QPageLayout;
class QPagedPaintDevice;
class QWidget;

namespace app {

struct PrintedPage {
    // The file's name, or «Без имени».
    QString title;
    plot::DrawingSurface::Scene picture;
    // Only the rows and columns within the node count.
    document::GraphTexts tables;
    // «1-2-6» and «Длина: 10», or «нет пути»; empty when there is no answer
    // that belongs to the tables.
    QStringList answer;
};

// Lays `page` out on `device`, starting on its current page. The picture
// is drawn as vectors.
void PaintPages(QPagedPaintDevice& device, const PrintedPage& page);

// Opens the print preview of `page` over `parent`; printing from it prints
// what it shows.
void ShowPrintPreview(const PrintedPage& page, QWidget* parent);
// The same for pages `paint` lays out on the device it is given, A4 with
// its margins, for the document `title`.
void ShowPrintPreview(const QString& title, const std::function<void(QPagedPaintDevice&)>& paint,
                      QWidget* parent);

// Portrait A4 with margins of 15 mm: every page the window prints or writes.
QPageLayout A4Layout();

}  // namespace app
