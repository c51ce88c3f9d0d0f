// The answer labels and the picture around them; see answer_view.h.
#include "app/picture/answer_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>

#include "app/files/file_dialogs.h"
#include "app/files/graph_files.h"
#include "app/form_controls.h"
#include "app/interface_language.h"
#include "app/messages.h"
#include "app/picture/answer_label.h"
#include "app/picture/picture_view.h"
#include "app/tables/graph_tables.h"
#include "graph/shown_texts.h"
#include "graph/way_distances.h"
#include "graph/ways.h"
#include "plot/tikz_picture.h"

namespace app {

namespace {

QString LengthCaption() { return QString::fromUtf8(graph::LengthCaption(InterfaceLanguage())); }

QString LengthText(std::int64_t length) {
    return QString::fromStdString(graph::LengthText(length, InterfaceLanguage()));
}

}  // namespace

AnswerView::AnswerView(plot::DrawingSurface* surface, PictureView* picture, AnswerLabel* way,
                       AnswerLabel* length, GraphTables* tables, QWidget* window)
    : WindowPart(window),
      surface_(surface),
      picture_(picture),
      way_(way),
      length_(length),
      savePicture_(
          NewAction(QStringLiteral("savePictureAction"), tr("Сохранить рисунок…"), window)),
      copyPicture_(
          NewAction(QStringLiteral("copyPictureAction"), tr("Копировать рисунок"), window)),
      copyAnswer_(NewAction(QStringLiteral("copyAnswerAction"), tr("Копировать ответ"), window)),
      distances_(NewAction(QStringLiteral("distancesAction"), tr("Показать расстояния"), window)),
      steps_(NewAction(QStringLiteral("stepsAction"), tr("Пошагово…"), window)),
      tikz_(NewAction(QStringLiteral("tikzAction"), tr("Копировать как TikZ"), window)),
      tables_(tables) {
    steps_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(steps_, &QAction::triggered, this, &AnswerView::OpenSteps);
    connect(tikz_, &QAction::triggered, this, &AnswerView::CopyTikz);
    length_->setText(LengthCaption());
    copyAnswer_->setEnabled(false);
    distances_->setCheckable(true);
    connect(copyPicture_, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setImage(surface_->Image()); });
    connect(copyAnswer_, &QAction::triggered, this, &AnswerView::CopyAnswer);
    connect(savePicture_, &QAction::triggered, this, [this] { Run([this] { SavePicture(); }); });
    connect(distances_, &QAction::toggled, this, [this] {
        Run([this] {
            Redraw();
            KeepCommandPicture();
        });
    });
}

std::optional<graph::Graph> AnswerView::ReadGraph() {
    std::optional<graph::Graph> read;
    emit EditingMustEnd();
    Run([&] { read = tables_->ReadGraph(); });
    return read;
}

void AnswerView::Calculated(Calculation calculation, const WayShower& showWay) {
    last_ = std::move(calculation);
    current_ = true;
    DrawAnswer(*last_, distances_->isChecked(), showWay);
    if (last_->found) WriteAnswer(*last_->found);
    ShowWhetherCurrent();
}

void AnswerView::WriteAnswer(const graph::ShortestWay& found) {
    length_->setText(LengthText(found.length));
    shown_ = true;
}

void AnswerView::ShowWhetherCurrent() {
    // Without a way the labels still hold an earlier one.
    const bool stale = shown_ && !(current_ && last_ && last_->found);
    way_->SetStale(stale);
    length_->SetStale(stale);
    copyAnswer_->setEnabled(current_ && last_);
}

void AnswerView::Redraw() {
    if (!last_) return;
    surface_->UpdatePict();
    surface_->DrawNodes(last_->graph.points);
    surface_->DrawLinks(last_->graph.points, last_->graph.adjacency);
    DrawAnswer(*last_, distances_->isChecked(),
               [this](const graph::Way& way) { surface_->DrawWay(last_->graph.points, way); });
    picture_->update();
}

void AnswerView::Redraw(const graph::NodePoints& points) {
    if (last_) last_->graph.points = points;
    Redraw();
}

void AnswerView::PictureDrawn() {
    picture_->SetFaded(false);
    commandFaded_ = false;
}

void AnswerView::DrawAnswer(Calculation& calculation, bool distances, const WayShower& showWay) {
    if (distances && !calculation.distances) {
        const graph::AdjacencyMatrix& adjacency = calculation.graph.adjacency;
        calculation.distances = {
            graph::FindDistancesFromStart(adjacency),
            graph::LinksOnShortestWays(adjacency, graph::FindWayDistances(adjacency))};
    }
    if (distances && calculation.found) {
        surface_->DrawShortestWayLinks(calculation.graph.points,
                                       calculation.distances->onShortestWays);
    }
    if (calculation.found) showWay(calculation.found->way);
    if (distances) {
        surface_->DrawDistances(calculation.graph.points, calculation.distances->fromStart);
    }
}

void AnswerView::ShowStep(const graph::Graph& graph, const graph::DijkstraSteps& steps, int step) {
    surface_->UpdatePict();
    surface_->DrawNodes(graph.points);
    surface_->DrawLinks(graph.points, graph.adjacency);
    if (step + 1 < static_cast<int>(steps.steps.size())) {
        surface_->DrawDijkstraStep(graph.points, steps.steps[step]);
    } else {
        // The run's end is the tables' answer; its orange links are worked
        // out once, not each time the last step is shown again.
        if (!last_ || last_->graph != graph) last_ = Calculation{graph, steps.way};
        current_ = true;
        DrawAnswer(*last_, true, [&](const graph::Way& way) {
            surface_->DrawWay(graph.points, way);
            way_->setText(QString::fromStdString(graph::WayText(way)));
        });
        if (steps.way) WriteAnswer(*steps.way);
        ShowWhetherCurrent();
    }
    // Only a window that read the tables as they are shows its steps.
    picture_->SetFaded(false);
    picture_->update();
}

void AnswerView::KeepCommandPicture() {
    commandPicture_ = surface_->Shown();
    commandWay_ = way_->text();
    commandLength_ = length_->text();
    commandShown_ = shown_;
    commandLast_ = last_;
    commandCurrent_ = current_;
    commandFaded_ = picture_->IsFaded();
}

void AnswerView::BringBackCommandPicture() {
    surface_->Restore(commandPicture_);
    way_->setText(commandWay_);
    length_->setText(commandLength_);
    shown_ = commandShown_;
    last_ = commandLast_;
    current_ = commandCurrent_;
    picture_->SetFaded(commandFaded_);
    ShowWhetherCurrent();
    picture_->update();
}

void AnswerView::ShowPictureMenu(const QPoint& at, QAction* node, QAction* layout,
                                 const QList<QAction*>& files) {
    QMenu menu(picture_->window());
    if (node != nullptr) menu.addAction(node);
    menu.addAction(layout);
    menu.addSeparator();
    menu.addActions(files);
    menu.addSeparator();
    menu.addActions({savePicture_, copyPicture_, copyAnswer_});
    menu.addSeparator();
    menu.addActions({distances_, steps_});
    menu.addSeparator();
    menu.addAction(tikz_);
    ExecMenu(menu, at, picture_->window());
}

void AnswerView::ShowAnswerMenu(const QPoint& at) {
    QMenu menu(picture_->window());
    menu.addAction(copyAnswer_);
    ExecMenu(menu, at, picture_->window());
}

void AnswerView::OpenSteps() {
    if (stepWindow_) {
        stepWindow_->raise();
        stepWindow_->activateWindow();
        if (stepWindow_->Restart()) stepWindow_->ShowStep(0);
        return;
    }
    auto* window = new StepWindow([this] { return ReadGraph(); }, picture_->window());
    if (!window->Restart()) {
        delete window;
        return;
    }
    stepWindow_ = window;
    connect(window, &StepWindow::StepShown, this, [this, window](int step) {
        // A background gone meanwhile is reported, never thrown into Qt.
        Run([&] { ShowStep(window->ReadGraph(), window->Steps(), step); });
    });
    connect(window, &StepWindow::Closed, this, &AnswerView::BringBackCommandPicture);
    window->ShowBesideParent();
    // Its keys work at once, even where no window manager activates it.
    window->activateWindow();
    window->ShowStep(0);
}

void AnswerView::TablesChanged() {
    current_ = false;
    commandCurrent_ = false;
    if (stepWindow_) stepWindow_->MarkTablesChanged();
    ShowWhetherCurrent();
    // More than the axes: the picture shows a graph the tables no longer
    // hold.
    picture_->SetFaded(surface_->Shown().calls.size() > 1);
    commandFaded_ = commandPicture_.calls.size() > 1;
}

void AnswerView::MarkStale() {
    current_ = false;
    ShowWhetherCurrent();
}

void AnswerView::Reset() {
    way_->setText(QString());
    length_->setText(LengthCaption());
    shown_ = false;
    current_ = false;
    last_.reset();
    picture_->SetFaded(false);
    ShowWhetherCurrent();
    surface_->UpdatePict();
    KeepCommandPicture();
    picture_->update();
}

void AnswerView::SavePicture() {
    const FileChoice choice = ChooseFile({FileRequest::Purpose::SavePicture, DialogFolder(), {}});
    if (choice.path.isEmpty()) return;
    QString path = choice.path;
    // The name's extension decides, otherwise the filter chosen; a name
    // with an extension of no filter is not given a second one.
    const QStringList suffixes = PictureSuffixes();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty()) {
        const qsizetype chosen = PictureFilters().indexOf(choice.filter);
        path += QLatin1Char('.') + suffixes.value(std::max<qsizetype>(chosen, 0));
    } else if (!suffixes.contains(suffix)) {
        throw FileError(tr("Рисунок «%1» не сохранён: формат «.%2» не поддерживается. "
                           "Можно сохранить как PNG, BMP, SVG или PDF")
                            .arg(QFileInfo(path).fileName(), QFileInfo(path).suffix())
                            .toStdString());
    }
    if (QFileInfo::exists(path) &&
        AskQuestion({tr("Файл «%1» уже есть. Заменить его?").arg(QFileInfo(path).fileName()),
                     QuestionContent::YesNo}) != QMessageBox::Yes) {
        return;
    }
    WritePictureFile(path, *surface_);
    RememberFolderOf(path);
}

void AnswerView::CopyTikz() {
    const std::optional<graph::Graph> graph = ReadGraph();
    if (!graph) return;
    std::optional<graph::Way> way;
    if (current_ && last_ && last_->found) way = last_->found->way;
    QApplication::clipboard()->setText(
        QString::fromStdString(plot::TikzPicture(graph->points, graph->adjacency, way)));
}

QStringList AnswerView::AnswerTexts() const {
    if (!last_) return {};
    const auto& found = last_->found;
    if (!found) return {QString::fromUtf8(graph::NoWayText(InterfaceLanguage()))};
    return {QString::fromStdString(graph::WayText(found->way)), LengthText(found->length)};
}

QStringList AnswerView::CurrentAnswer() const { return current_ ? AnswerTexts() : QStringList(); }

void AnswerView::CopyAnswer() {
    if (current_) QApplication::clipboard()->setText(AnswerTexts().join(QLatin1Char('\n')));
}

}  // namespace app
