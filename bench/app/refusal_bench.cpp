// Opening a graph file the window cannot use: a graph of far too many nodes,
// or a couple of nodes with one enormous cell. Reports the time from the
// opening to the window's message and how far it raised the resident memory
// at its peak; a file the window takes instead is timed all the same and
// reported as opened. The file is named by GRAPHWAY_LARGE_FILE;
// bench/app/refuse_large_file.sh makes each kind and runs this.
#include <benchmark/benchmark.h>

#include <QString>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/app/bench_window.h"

namespace {

// A field of /proc/self/status in kB, e.g. "VmRSS:" or "VmHWM:".
double StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string name; status >> name;) {
        double kb = 0;
        if (name == field && status >> kb) return kb;
    }
    return 0;
}

// Lowers the peak resident memory to the present one, so that the window's
// start-up does not hide the opening's peak.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void BM_OpenInWindow(benchmark::State& state) {
    const char* path = std::getenv("GRAPHWAY_LARGE_FILE");
    if (path == nullptr) {
        state.SkipWithError("GRAPHWAY_LARGE_FILE names no file");
        return;
    }
    BenchWindow window;
    ResetPeak();
    const double before = StatusKb("VmRSS:");
    int opened = 0;
    for (auto _ : state) {
        const int messages = window.Messages();
        window.Form().OpenFile(QString::fromLocal8Bit(path));
        opened += window.Messages() == messages;
    }
    state.counters["peak_rise_MB"] = (StatusKb("VmHWM:") - before) / 1024;
    state.SetLabel(opened == 0 ? "refused" : "opened");
}
// Once first, on the file as it comes from the disk; then repeated.
BENCHMARK(BM_OpenInWindow)
    ->Name("BM_OpenInWindow/first")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInWindow)->Unit(benchmark::kMillisecond);

}  // namespace
