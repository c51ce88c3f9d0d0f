// The answer of the last calculation and the picture that shows it: the way
// and length labels and whether they still belong to the tables, the
// distances drawn on demand, and the picture and the answer copied or saved
// for a report.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "drawing_surface.h"
#include "graph_model.h"
#include "ways.h"

class QAction;
class QWidget;

namespace app {

class AnswerLabel;
class PictureView;

class AnswerView : public QObject {
    Q_OBJECT

public:
    // What a calculation read and found, so that the picture can be drawn
    // again from it and the answer copied.
    struct Calculation {
        graph::NodePoints points;
        graph::AdjacencyMatrix adjacency;
        std::optional<graph::ShortestWay> found;
    };
    using WayShower = std::function<void(const graph::Way&)>;

    // `way` and `length` are the labels of the answer; the actions belong
    // to `window`.
    AnswerView(plot::DrawingSurface* surface, PictureView* picture, AnswerLabel* way,
               AnswerLabel* length, QWidget* window);

    QAction* SavePictureAction() const { return savePicture_; }
    QAction* CopyPictureAction() const { return copyPicture_; }
    QAction* CopyAnswerAction() const { return copyAnswer_; }
    QAction* DistancesAction() const { return distances_; }

    // Draws what `calculation` found over the links already drawn: with the
    // distances on, the links of every shortest way under the way and each
    // node's distance over it. The way itself goes through `showWay`, which
    // also writes it out. The length is written, or the answer greyed when
    // there is no way.
    void Calculated(Calculation calculation, const WayShower& showWay);
    // The last calculation's picture again, from what it read.
    void Redraw();
    // The answer no longer belongs to the tables.
    void MarkStale();
    // Back to the state before any calculation.
    void Reset();

    // Asks for a file and writes the picture to it; throws FileError.
    void SavePicture();

private:
    void DrawAnswer(const WayShower& showWay);
    void CopyAnswer();

    plot::DrawingSurface* surface_;
    PictureView* picture_;
    AnswerLabel* way_;
    AnswerLabel* length_;
    std::optional<Calculation> last_;
    bool shown_ = false;
    QAction* savePicture_;
    QAction* copyPicture_;
    QAction* copyAnswer_;
    QAction* distances_;
};

}  // namespace app
