// The answer of the last calculation and the picture that shows it: the way
// and length labels and whether they still belong to the tables, the
// distances drawn on demand, and the picture and the answer copied or saved
// for a report. Its failures go to Failed.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "app/messages.h"
#include "app/steps/step_window.h"
#include "graph/dijkstra_steps.h"
#include "graph/graph_model.h"
#include "graph/way_distances.h"
#include "graph/ways.h"
#include "plot/drawing_surface.h"

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace app {

class AnswerLabel;
class GraphTables;
class PictureView;

class AnswerView : public WindowPart {
    Q_OBJECT

public:
    // What the distances draw, worked out once for a graph.
    struct DistancesShown {
        graph::Distances fromStart;
        std::vector<graph::Link> onShortestWays;
    };
    // What a calculation read and found, so that the picture can be drawn
    // again from it and the answer copied; the distances the first time
    // they are drawn, kept for every redraw after.
    struct Calculation {
        graph::Graph graph;
        std::optional<graph::ShortestWay> found;
        std::optional<DistancesShown> distances = std::nullopt;
    };
    using WayShower = std::function<void(const graph::Way&)>;

    // `way` and `length` are the labels of the answer; the actions belong
    // to `window`; the step window and the TikZ picture read `tables` as a
    // calculation does.
    AnswerView(plot::DrawingSurface* surface, PictureView* picture, AnswerLabel* way,
               AnswerLabel* length, GraphTables* tables, QWidget* window);

    QAction* SavePictureAction() const { return savePicture_; }
    QAction* CopyPictureAction() const { return copyPicture_; }
    QAction* CopyAnswerAction() const { return copyAnswer_; }
    QAction* DistancesAction() const { return distances_; }
    QAction* StepsAction() const { return steps_; }
    QAction* TikzAction() const { return tikz_; }

    // The picture's right-click menu at `at` on the screen: `node`'s entry
    // first when the mouse is over a node, then `layout`, then `files`, then
    // this view's actions. The answer box's menu copies the answer.
    void ShowPictureMenu(const QPoint& at, QAction* node, QAction* layout,
                         const QList<QAction*>& files);
    void ShowAnswerMenu(const QPoint& at);

    // Opens the step window beside the main one, above it, or brings it to
    // the front and reads the tables again.
    void OpenSteps();

    // Draws what `calculation` found over the links already drawn: with the
    // distances on, the links of every shortest way under the way and each
    // node's distance over it. The way itself goes through `showWay`, which
    // also writes it out. The length is written, or the answer greyed when
    // there is no way.
    void Calculated(Calculation calculation, const WayShower& showWay);
    // The last calculation's picture again, from what it read.
    void Redraw();
    // The same with its nodes at `points`.
    void Redraw(const graph::NodePoints& points);
    // The last command drew the picture from the tables as they are.
    void PictureDrawn();
    // The answer no longer belongs to the tables.
    void MarkStale();
    // The tables changed: the answer, the picture and the steps shown no
    // longer belong to them, nor what the last command left.
    void TablesChanged();
    // Back to the state before any calculation, the picture the bare axes
    // as a command left them.
    void Reset();

    // The answer while it belongs to the tables: the way and "Длина: …", or
    // «нет пути»; empty otherwise.
    QStringList CurrentAnswer() const;

    // Asks for a file and writes the picture to it; throws FileError.
    void SavePicture();

    // Step `step` of a Dijkstra run of `graph`,
    // read from the tables as they are, on the picture, over the links; the
    // last one as a calculation with the distances on shows it, and its
    // answer becomes the answer of the tables.
    void ShowStep(const graph::Graph& graph, const graph::DijkstraSteps& steps, int step);
    // Keeps the picture and the answer as a command left them, so that
    // they come back when the step window closes, greyed and faded if the
    // tables have changed since.
    void KeepCommandPicture();

signals:
    // Before the tables are read: an open cell editor must commit.
    void EditingMustEnd();

private:
    // The tables read as a calculation reads them; nothing when a cell
    // cannot be read, which has gone to Failed.
    std::optional<graph::Graph> ReadGraph();
    void BringBackCommandPicture();
    // Greys the labels unless they hold the answer of the tables as they
    // are, and offers the answer for copying only while there is one.
    void ShowWhetherCurrent();
    void DrawAnswer(Calculation& calculation, bool distances, const WayShower& showWay);
    void WriteAnswer(const graph::ShortestWay& found);
    // The last calculation's answer, one text a line of the labels.
    QStringList AnswerTexts() const;
    void CopyAnswer();
    // The tables as a TikZ picture on the clipboard, with the way while the
    // answer belongs to them.
    void CopyTikz();

    plot::DrawingSurface* surface_;
    PictureView* picture_;
    AnswerLabel* way_;
    AnswerLabel* length_;
    std::optional<Calculation> last_;
    // The labels hold a way and its length, of the last calculation or of
    // one before it.
    bool shown_ = false;
    // The last calculation's answer still belongs to the tables.
    bool current_ = false;
    // What the last command left, while the steps are shown.
    plot::DrawingSurface::Scene commandPicture_;
    QString commandWay_;
    QString commandLength_;
    bool commandShown_ = false;
    std::optional<Calculation> commandLast_;
    bool commandCurrent_ = false;
    bool commandFaded_ = false;
    QAction* savePicture_;
    QAction* copyPicture_;
    QAction* copyAnswer_;
    QAction* distances_;
    QAction* steps_;
    QAction* tikz_;
    GraphTables* tables_;
    QPointer<StepWindow> stepWindow_;
};

}  // namespace app
