// Opening a graph file far too large for the window: the window refuses it
// once the first row of its matrix is read. Reports the time of a refusal
// and how far it raised the resident memory at its peak. The file is named
// by GRAPHWAY_LARGE_FILE; bench/app/refuse_large_file.sh makes one of 300 MB
// and 3,000 nodes and runs this.
#include <benchmark/benchmark.h>

#include <QString>
#include <cstdlib>
#include <fstream>
#include <string>

#include "graph_files.h"

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

void BM_RefuseLargeFile(benchmark::State& state) {
    const char* path = std::getenv("GRAPHWAY_LARGE_FILE");
    if (path == nullptr) {
        state.SkipWithError("GRAPHWAY_LARGE_FILE names no file");
        return;
    }
    const double before = StatusKb("VmRSS:");
    bool refused = true;
    for (auto _ : state) {
        try {
            app::ReadGraphFile(QString::fromLocal8Bit(path));
            refused = false;
        } catch (const app::FileError&) {
        }
    }
    if (!refused) state.SkipWithError("the file was opened, not refused");
    state.counters["peak_rise_MB"] = (StatusKb("VmHWM:") - before) / 1024;
}
// Once first, on the file as it comes from the disk; then repeated.
BENCHMARK(BM_RefuseLargeFile)
    ->Name("BM_RefuseLargeFile/first")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefuseLargeFile)->Unit(benchmark::kMillisecond);

}  // namespace
