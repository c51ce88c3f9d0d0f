// Filling the matrix at full size: pasting a whole 100 x 100 matrix from
// text already on the clipboard until both halves are filled and shown,
// and taking that paste back; then the memory the history of edits holds
// after many small steps and after many whole-matrix steps.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QStringList>
#include <QTableView>
#include <random>

#include "bench_window.h"
#include "edit_history.h"

namespace {

// A symmetric n x n matrix of random weights with an empty diagonal, as
// tab-separated rows.
QString MatrixText(int n) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> weight(1, 1000);
    std::vector<std::vector<QString>> cells(n, std::vector<QString>(n));
    for (int r = 0; r < n; ++r) {
        for (int c = r + 1; c < n; ++c) cells[r][c] = cells[c][r] = QString::number(weight(random));
    }
    QStringList rows;
    for (const auto& row : cells) rows << QStringList(row.begin(), row.end()).join(u'\t');
    return rows.join(u'\n');
}

void PressPaste(QWidget* grid) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::sendEvent(grid, &press);
    QCoreApplication::processEvents();
}

void Trigger(TForm1& form, const char* action) {
    form.findChild<QAction*>(action)->trigger();
    QCoreApplication::processEvents();
}

void BM_PasteMatrix(benchmark::State& state, bool timeUndo) {
    BenchWindow window;
    const int n = static_cast<int>(state.range(0));
    QApplication::clipboard()->setText(MatrixText(n));
    auto* grid = window.Form().findChild<QTableView*>("StringGrid2");
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 0));
    for (auto _ : state) {
        if (timeUndo) state.PauseTiming();
        PressPaste(grid);
        if (timeUndo) {
            state.ResumeTiming();
        } else {
            state.PauseTiming();
        }
        Trigger(window.Form(), "undoAction");
        if (!timeUndo) state.ResumeTiming();
    }
    Trigger(window.Form(), "redoAction");
    if (window.Table("StringGrid2").Text(n, n - 1).isEmpty() || window.Messages() != 0) {
        state.SkipWithError("the matrix was not pasted");
    }
}

// What the history holds after `steps` steps as the tables record them: one
// typed cell with its mirror each, or a whole pasted 100-node matrix each.
void BM_HistoryMemory(benchmark::State& state, bool wholeMatrices) {
    const int steps = static_cast<int>(state.range(0));
    for (auto _ : state) {
        app::EditHistory history;
        for (int k = 0; k < steps; ++k) {
            app::EditStep step{app::EditStep::Kind::Edit, 100, 100, {}, std::nullopt};
            // A typed cell and its mirror are the block of nodes 1 and 2.
            const int size = wholeMatrices ? 100 : 2;
            for (int c = 1; c <= size; ++c) {
                for (int r = 1; r <= size; ++r) {
                    if (c == r) continue;
                    step.changes.push_back(
                        {app::TableId::Matrix, c, r, "", std::to_string(k % 1000)});
                }
            }
            history.Push(std::move(step));
        }
        state.counters["steps_kept"] = static_cast<double>(history.Size());
        state.counters["history_MiB"] = static_cast<double>(history.Bytes()) / (1 << 20);
    }
}

}  // namespace

BENCHMARK_CAPTURE(BM_PasteMatrix, paste, false)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PasteMatrix, undo, true)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HistoryMemory, typed_cells, false)
    ->Arg(1000)
    ->Arg(5000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HistoryMemory, whole_matrices, true)
    ->Arg(100)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
