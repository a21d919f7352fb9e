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

core::WorkState etatDe(int n) {
    statistique& w = windowWithSeries(n);
    core::FrequencyTable t;
    for (int i = 0; i < 1000; ++i)
        t.lignes.push_back({.valeur = QString::number(i), .effectif = QString::number(i % 7)});
    return {.serie = w.serie(), .texteListe2 = w.Text_liste2->text(), .tableau = t};
}

// The state taken from the windows and queued: all the learner's thread does.
void BM_recovery_hand_over(benchmark::State& state) {
    const int n = int(state.range(0));
    windowWithSeries(n);
    QTemporaryDir dossier;
    core::Recovery r(dossier.path());
    for (auto _ : state) {
        statistique& w = program::mainWindow();
        r.enregistrer({.serie = w.serie(), .texteListe2 = w.Text_liste2->text()});
        state.PauseTiming();
        r.attendre();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_recovery_hand_over)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The writer's work, off the learner's thread: the state written whole to disk.
void BM_recovery_write(benchmark::State& state) {
    const core::WorkState etat = etatDe(int(state.range(0)));
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("etat.json"));
    for (auto _ : state) {
        const QByteArray octets = core::ecrireEtat(etat);
        core::saveAtomically(chemin,
                             [&](QIODevice& f) { return f.write(octets) == octets.size(); });
    }
}
BENCHMARK(BM_recovery_write)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
