// The node count's up arrow held down with the mouse: the spin box steps by
// itself, on its own clock, one node at a time, and every step resizes both
// tables. Reports the time from the press to the third step; fails when a
// step skips or repeats a count.
#include <benchmark/benchmark.h>

#include <QSpinBox>
#include <QTest>

#include "bench/app/bench_window.h"

namespace {

void BM_MouseHeldOnUpArrow(benchmark::State& state) {
    BenchWindow window;
    auto* count = window.Form().findChild<QSpinBox*>("UpDown1");
    const QPoint upArrow(count->width() - 5, 4);
    bool byOne = true;
    bool held = false;
    int last = 0;
    QObject::connect(count, &QSpinBox::valueChanged, [&](int value) {
        byOne = byOne && (!held || value == last + 1);
        last = value;
    });
    for (auto _ : state) {
        window.SetCount(2);
        held = true;
        QTest::mousePress(count, Qt::LeftButton, Qt::NoModifier, upArrow);
        const bool stepped = QTest::qWaitFor([&] { return count->value() >= 5; }, 5000);
        QTest::mouseRelease(count, Qt::LeftButton, Qt::NoModifier, upArrow);
        held = false;
        if (!stepped || !byOne) {
            state.SkipWithError(stepped ? "a step skipped or repeated a count"
                                        : "no third step within 5 s");
            return;
        }
    }
}
BENCHMARK(BM_MouseHeldOnUpArrow)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
