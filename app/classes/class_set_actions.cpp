// The window's way into class sets and worksheets; see class_set_actions.h.
#include "app/classes/class_set_actions.h"

#include <QAction>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QWidget>

#include "app/classes/class_set_window.h"
#include "app/files/document_actions.h"
#include "app/form_controls.h"
#include "app/picture/page_grid.h"
#include "app/picture/printed_page.h"
#include "app/picture/worksheet.h"
#include "app/tables/graph_tables.h"

namespace app {

ClassSetActions::ClassSetActions(GraphTables* tables, DocumentActions* documents, QWidget* window)
    : WindowPart(window),
      tables_(tables),
      documents_(documents),
      window_(window),
      classSet_(NewAction(QStringLiteral("classSetAction"), tr("Варианты для класса…"), window)),
      printTask_(NewAction(QStringLiteral("printTaskAction"), tr("Печать задания…"), window)) {
    connect(classSet_, &QAction::triggered, this, &ClassSetActions::OpenClassSet);
    connect(printTask_, &QAction::triggered, this, [this] { Run([this] { PrintTask(); }); });
}

ClassSetActions::~ClassSetActions() { delete classSetWindow_; }

void ClassSetActions::OpenClassSet() {
    if (!classSetWindow_) {
        classSetWindow_ = new ClassSetWindow(window_);
        connect(classSetWindow_, &ClassSetWindow::Failed, this, &WindowPart::Failed);
        connect(classSetWindow_, &ClassSetWindow::OpenRequested, this,
                [this](const document::GraphTexts& texts) {
                    Run([&] { documents_->OpenNew(texts); });
                });
        const QRect main = window_->frameGeometry();
        classSetWindow_->move(main.left() + 40, main.top() + 40);
    }
    classSetWindow_->show();
    classSetWindow_->raise();
    classSetWindow_->activateWindow();
}

void ClassSetActions::PrintTask() {
    emit EditingMustEnd();
    const graph::Graph graph = tables_->ReadGraph();
    plot::DrawingSurface axes;
    axes.UpdatePict();
    const QString file = QFileInfo(documents_->FileName()).completeBaseName();
    const QString title = file.isEmpty() ? tr("Задание") : file;
    const Worksheet sheet = MakeWorksheet(title, axes.Shown(), graph, tables_->Texts());
    ShowPrintPreview(
        title,
        [&sheet](QPagedPaintDevice& device) {
            QPainter painter(&device);
            PageInPoints page(device, painter);
            PaintWorksheet(page, sheet);
        },
        window_);
}

}  // namespace app
