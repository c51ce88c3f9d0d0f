// Filling the matrix at full size: pasting a whole 100 x 100 matrix from
// text already on the clipboard until both halves are filled and shown,
// and taking that paste back; then the memory the history of edits holds
// after many whole-matrix pastes.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QStringList>
#include <QTableView>
#include <fstream>
#include <random>

#include "app/tables/graph_tables.h"
#include "app/tables/table_commands.h"
#include "bench/app/bench_window.h"

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

// The resident memory of this process.
double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096 / (1 << 20);
}

// What the history holds after `edits` pastes of a whole 100-node matrix of
// three-digit weights, each over the one before: the bytes its edits keep,
// and how much the process grew.
void BM_HistoryMemory(benchmark::State& state) {
    const int edits = static_cast<int>(state.range(0));
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> weight(100, 999);
    for (auto _ : state) {
        const double before = ResidentMiB();
        app::GraphTables tables(100);
        tables.Resize(100);
        for (int k = 0; k < edits; ++k) {
            app::CellBlock block(100, QStringList(100));
            for (int r = 0; r < 100; ++r) {
                for (int c = r + 1; c < 100; ++c) {
                    block[r][c] = block[c][r] = QString::number(weight(random));
                }
            }
            app::PasteCells(tables, app::TableId::Matrix, 1, 1, block);
        }
        std::size_t bytes = 0;
        const QUndoStack* history = tables.History();
        for (int k = 0; k < history->count(); ++k) {
            bytes += static_cast<const app::TableEdit*>(history->command(k))->Bytes();
        }
        state.counters["edits_kept"] = history->count();
        state.counters["history_MiB"] = static_cast<double>(bytes) / (1 << 20);
        state.counters["resident_growth_MiB"] = ResidentMiB() - before;
    }
}

}  // namespace

BENCHMARK_CAPTURE(BM_PasteMatrix, paste, false)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PasteMatrix, undo, true)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryMemory)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);
