// Keeping the learner's work: what the learner's thread pays each time a state is
// taken and handed over (once a second at most), and what the writer's thread then
// does with it, on the largest series and a table of 1,000 rows.

#include "series.h"

#include "core/atomic_file.h"
#include "core/recovery_state.h"
#include "main_window/program.h"
#include "main_window/statistique.h"

#include <benchmark/benchmark.h>
#include <QIODevice>
#include <QTemporaryDir>

namespace {

core::WorkState workStateOf(int n) {
    statistique& w = windowWithSeries(n);
    core::FrequencyTable t;
    for (int i = 0; i < 1000; ++i)
        t.lines.push_back({.value = QString::number(i), .count = QString::number(i % 7)});
    return {.series = w.series(), .list2Text = w.Text_liste2->text(), .table = t};
}

// The state taken from the windows and queued: all the learner's thread does.
void BM_recovery_hand_over(benchmark::State& state) {
    const int n = int(state.range(0));
    windowWithSeries(n);
    QTemporaryDir folder;
    core::Recovery r(folder.path());
    for (auto _ : state) {
        statistique& w = program::mainWindow();
        r.save({.series = w.series(), .list2Text = w.Text_liste2->text()});
        state.PauseTiming();
        r.waitForWrites();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_recovery_hand_over)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The writer's work, off the learner's thread: the state written whole to disk.
void BM_recovery_write(benchmark::State& state) {
    const core::WorkState workState = workStateOf(int(state.range(0)));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("etat.json"));
    for (auto _ : state) {
        const QByteArray bytes = core::writeState(workState);
        core::saveAtomically(path, [&](QIODevice& f) { return f.write(bytes) == bytes.size(); });
    }
}
BENCHMARK(BM_recovery_write)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
