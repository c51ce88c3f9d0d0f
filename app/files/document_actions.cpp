// Opening and saving the tables' graph file; see document_actions.h.
#include "app/files/document_actions.h"

#include <QAction>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "app/files/file_dialogs.h"
#include "app/files/graph_files.h"
#include "app/form_controls.h"
#include "app/messages.h"
#include "app/tables/graph_tables.h"
#include "app/tables/table_actions.h"
#include "app/tables/table_commands.h"
#include "graph/graph_model.h"

namespace app {

namespace {

// The file's matrix as the block a paste would bring.
CellBlock MatrixBlock(const document::GraphTexts& texts) {
    CellBlock block;
    for (const auto& row : texts.matrix) {
        QStringList cells;
        for (const std::string& cell : row) cells.append(QString::fromStdString(cell));
        block.append(cells);
    }
    return block;
}

}  // namespace

DocumentActions::DocumentActions(GraphTables* tables, QWidget* window)
    : WindowPart(window),
      tables_(tables),
      window_(window),
      new_(NewAction(QStringLiteral("newAction"), tr("Новый граф"), window,
                     QKeySequence(Qt::CTRL | Qt::Key_N))),
      open_(NewAction(QStringLiteral("openAction"), tr("Открыть…"), window,
                      QKeySequence(Qt::CTRL | Qt::Key_O))),
      save_(NewAction(QStringLiteral("saveAction"), tr("Сохранить"), window,
                      QKeySequence(Qt::CTRL | Qt::Key_S))),
      saveAs_(NewAction(QStringLiteral("saveAsAction"), tr("Сохранить как…"), window,
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S))) {
    connect(new_, &QAction::triggered, this, [this] { Run([this] { NewGraph(); }); });
    connect(open_, &QAction::triggered, this, [this] { Run([this] { Open(); }); });
    connect(save_, &QAction::triggered, this, &DocumentActions::Save);
    connect(saveAs_, &QAction::triggered, this, &DocumentActions::SaveAs);
    connect(tables_->History(), &QUndoStack::cleanChanged, this,
            &DocumentActions::ShowFileInCaption);
    ShowFileInCaption();
}

void DocumentActions::NewGraph() {
    emit EditingMustEnd();
    if (!ChangesMayGo()) return;
    constexpr std::size_t kNodes = graph::kFewestNodes;
    tables_->Load(
        {std::vector<std::array<std::string, 2>>(kNodes),
         std::vector<std::vector<std::string>>(kNodes, std::vector<std::string>(kNodes))});
    fileName_.clear();
    ShowFileInCaption();
    emit Opened();
}

void DocumentActions::Open() {
    emit EditingMustEnd();
    if (!ChangesMayGo()) return;
    const FileChoice choice = ChooseFile({FileRequest::Purpose::OpenGraph, DialogFolder(), {}});
    if (!choice.path.isEmpty()) Load(choice.path);
}

void DocumentActions::OpenFile(const QString& path) {
    emit EditingMustEnd();
    if (ChangesMayGo()) Load(path);
}

void DocumentActions::OpenNew(const document::GraphTexts& texts) {
    emit EditingMustEnd();
    if (ChangesMayGo()) Take(texts, {});
}

void DocumentActions::Load(const QString& path) {
    Take(ReadGraphFile(path), QFileInfo(path).absoluteFilePath());
    RememberFolderOf(path);
}

void DocumentActions::Take(const document::GraphTexts& texts, const QString& path) {
    tables_->Load(texts);
    fileName_ = path;
    ShowFileInCaption();
    if (ZerosMeanNoLink(MatrixBlock(texts))) EmptyZerosForNoLink(*tables_);
    emit Opened();
}

bool DocumentActions::Save() {
    emit EditingMustEnd();
    return fileName_.isEmpty() ? SaveAs() : WriteTo(fileName_);
}

bool DocumentActions::SaveAs() {
    emit EditingMustEnd();
    QString path = ChooseFile({FileRequest::Purpose::SaveGraph, DialogFolder(),
                               QFileInfo(fileName_).fileName()})
                       .path;
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".json");
    return WriteTo(QFileInfo(path).absoluteFilePath());
}

bool DocumentActions::WriteTo(const QString& path) {
    try {
        WriteGraphFile(path, tables_->Texts());
    } catch (const std::exception& error) {
        emit Failed(error);
        return false;
    }
    fileName_ = path;
    tables_->MarkClean();
    RememberFolderOf(path);
    ShowFileInCaption();
    return true;
}

bool DocumentActions::ChangesMayGo() {
    if (!tables_->IsModified()) return true;
    switch (AskQuestion({tr("Сохранить изменения?"), QuestionContent::SaveDiscardCancel})) {
        case QMessageBox::Save:
            return Save();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

QString DocumentActions::FileName() const {
    return fileName_.isEmpty() ? QString() : QFileInfo(fileName_).fileName();
}

void DocumentActions::ShowFileInCaption() {
    const QString caption = tr("Путь на графе");
    if (fileName_.isEmpty()) {
        window_->setWindowTitle(caption);
        window_->setWindowModified(false);
        return;
    }
    window_->setWindowTitle(caption + QStringLiteral(" — ") + FileName() + QStringLiteral("[*]"));
    window_->setWindowModified(tables_->IsModified());
}

QString DocumentActions::DroppedGraphFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
    const QString path = data->urls().front().toLocalFile();
    return path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) ? path : QString();
}

}  // namespace app
