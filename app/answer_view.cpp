// The answer labels and the picture around them; see answer_view.h.
#include "answer_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QWidget>

#include "answer_label.h"
#include "file_dialogs.h"
#include "graph_files.h"
#include "picture_view.h"
#include "way_distances.h"

namespace app {

namespace {

const QString kLengthCaption = QStringLiteral("Длина:");
const QString kNoWay = QStringLiteral("нет пути");

QAction* NewAction(const QString& name, const QString& text, QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setObjectName(name);
    return action;
}

}  // namespace

AnswerView::AnswerView(plot::DrawingSurface* surface, PictureView* picture, AnswerLabel* way,
                       AnswerLabel* length, QWidget* window)
    : QObject(window),
      surface_(surface),
      picture_(picture),
      way_(way),
      length_(length),
      savePicture_(NewAction(QStringLiteral("savePictureAction"),
                             QStringLiteral("Сохранить рисунок…"), window)),
      copyPicture_(NewAction(QStringLiteral("copyPictureAction"),
                             QStringLiteral("Копировать рисунок"), window)),
      copyAnswer_(NewAction(QStringLiteral("copyAnswerAction"), QStringLiteral("Копировать ответ"),
                            window)),
      distances_(NewAction(QStringLiteral("distancesAction"), QStringLiteral("Показать расстояния"),
                           window)) {
    length_->setText(kLengthCaption);
    copyAnswer_->setEnabled(false);
    distances_->setCheckable(true);
    connect(copyPicture_, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setImage(surface_->Image()); });
    connect(copyAnswer_, &QAction::triggered, this, &AnswerView::CopyAnswer);
}

void AnswerView::Calculated(Calculation calculation, const WayShower& showWay) {
    last_ = std::move(calculation);
    copyAnswer_->setEnabled(true);
    DrawAnswer(showWay);
    if (!last_->found) {
        MarkStale();
        return;
    }
    length_->setText(kLengthCaption + u' ' + QString::number(last_->found->length));
    shown_ = true;
    length_->SetStale(false);
    way_->SetStale(false);
}

void AnswerView::Redraw() {
    if (!last_) return;
    surface_->UpdatePict();
    surface_->DrawNodes(last_->points);
    surface_->DrawLinks(last_->points, last_->adjacency);
    DrawAnswer([this](const graph::Way& way) { surface_->DrawWay(last_->points, way); });
    picture_->update();
}

void AnswerView::DrawAnswer(const WayShower& showWay) {
    std::optional<graph::WayDistances> distances;
    if (distances_->isChecked()) distances = graph::FindWayDistances(last_->adjacency);
    if (distances && last_->found) {
        surface_->DrawShortestWayLinks(last_->points,
                                       graph::LinksOnShortestWays(last_->adjacency, *distances));
    }
    if (last_->found) showWay(last_->found->way);
    if (distances) surface_->DrawDistances(last_->points, distances->toGoal);
}

void AnswerView::MarkStale() {
    if (!shown_) return;
    length_->SetStale(true);
    way_->SetStale(true);
}

void AnswerView::Reset() {
    way_->setText(QString());
    length_->setText(kLengthCaption);
    length_->SetStale(false);
    way_->SetStale(false);
    shown_ = false;
    last_.reset();
    copyAnswer_->setEnabled(false);
}

void AnswerView::SavePicture() {
    const FileChoice choice = ChooseFile({FileRequest::Purpose::SavePicture, DialogFolder(), {}});
    if (choice.path.isEmpty()) return;
    QString path = choice.path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("png") && suffix != QStringLiteral("bmp")) {
        path += choice.filter == BmpFilter() ? QStringLiteral(".bmp") : QStringLiteral(".png");
    }
    WriteImageFile(path, surface_->Image());
    RememberFolderOf(path);
}

void AnswerView::CopyAnswer() {
    if (!last_) return;
    const auto& found = last_->found;
    QApplication::clipboard()->setText(found ? QString::fromStdString(graph::WayText(found->way)) +
                                                   u'\n' + kLengthCaption + u' ' +
                                                   QString::number(found->length)
                                             : kNoWay);
}

}  // namespace app
