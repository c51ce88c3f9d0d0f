// «Варианты для класса»: a tool window that makes a class set from its
// parameters on a worker thread, with progress and «Остановить», lists the
// variants with their ways and lengths, shows the selected one's picture,
// puts it into the main window's tables («Открыть в окне») and writes the
// set into a folder («Сохранить набор…»): the variants' graph files and the
// key, byte for byte as graphway --generate writes them, and the booklet;
// «Экспорт в Moodle…» writes it as a quiz file.
// Its failures go to Failed, for the main window to show.
#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <exception>
#include <stdexcept>
#include <variant>
#include <vector>

#include "document/graph_document.h"
#include "graph/class_set.h"
#include "plot/drawing_surface.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace app {

class PictureView;

// A set that cannot be made as asked; the message names what to change.
class SetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The person's words for `fault` of the set `parameters` asks for, naming
// the parameter to change by its caption.
QString SetFaultText(const graph::ClassSetFault& fault,
                     const graph::ClassSetParameters& parameters);

class ClassSetWindow : public QWidget {
    Q_OBJECT

public:
    explicit ClassSetWindow(QWidget* parent = nullptr);
    ~ClassSetWindow() override;

    // The parameters as the controls give them.
    graph::ClassSetParameters Parameters() const;
    // Starts making a set, unless one is being made. Throws SetError for
    // parameters out of their ranges and ImageLoadError for a background
    // that cannot be read.
    void Create();
    // Stops the set being made; the variants listed before stay gone.
    void Stop();
    // From «Создать» until the set, or why there is none, is shown.
    bool IsCreating() const { return creating_; }
    const std::vector<graph::ClassVariant>& Variants() const { return set_; }
    // Asks for a folder and writes the set into it; throws FileError.
    void SaveSet();
    // Asks for a quiz file and writes the set into it; throws as
    // ExportSetAsQuiz.
    void ExportQuiz();

signals:
    void Failed(const std::exception& error);
    // The person asks for `texts`, the selected variant, in the main window.
    void OpenRequested(const document::GraphTexts& texts);
    // A set is made, or making it failed or was stopped.
    void Finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    using Made = std::variant<std::vector<graph::ClassVariant>, graph::ClassSetFault>;

    void CreateControls();
    void TakeResult();
    void ShowVariant(int row);
    void EnableControls();
    // Runs `handler`, its failure to Failed.
    template <typename Handler>
    void Run(Handler handler);

    QSpinBox* variants_;
    QSpinBox* nodes_;
    QSpinBox* lightest_;
    QSpinBox* heaviest_;
    QSpinBox* minLinks_;
    QSpinBox* seed_;
    QCheckBox* uniqueTable_;
    QPushButton* create_;
    QPushButton* stop_;
    QProgressBar* progress_;
    QLabel* state_;
    QListWidget* list_;
    PictureView* picture_;
    QPushButton* open_;
    QPushButton* save_;
    QPushButton* export_;

    plot::DrawingSurface surface_;
    // The background and axes the pictures are drawn over, read when a set
    // is asked for.
    plot::DrawingSurface::Scene axes_;
    QFutureWatcher<Made> watcher_;
    bool creating_ = false;
    // What the set being made, and the one listed, were asked with.
    graph::ClassSetParameters asked_;
    graph::ClassSetParameters madeWith_;
    std::vector<graph::ClassVariant> set_;
};

}  // namespace app
