// A table of counts of 32,767 rows: one cell typed in the window, and the analysis and
// parameters that follow it, each within a frame.

#include "core/tableau_effectifs.h"
#include "table/saisie.h"

#include <benchmark/benchmark.h>

namespace {

core::Tableau grandTableau(core::Tableau::Nature nature) {
    core::Tableau t{.nature = nature};
    for (int i = 0; i < 32767; ++i)
        t.lignes.push_back({.valeur = QString::number(i),
                            .inferieure = QString::number(10 * i),
                            .superieure = QString::number(10 * i + 10),
                            .effectif = QString::number((i * 37) % 101)});
    return t;
}

void BM_table_edit_values(benchmark::State& state) {
    ModeleSaisie modele(nullptr);
    modele.remplacer(grandTableau(core::Tableau::Nature::Valeurs));
    int n = 0;
    for (auto _ : state) {
        modele.setData(modele.index(16000, 1), QString::number(++n % 50), Qt::EditRole);
        benchmark::DoNotOptimize(core::parametresDuTableau(modele.analyse()));
    }
}
BENCHMARK(BM_table_edit_values)->Unit(benchmark::kMillisecond);

void BM_table_edit_classes(benchmark::State& state) {
    ModeleSaisie modele(nullptr);
    modele.remplacer(grandTableau(core::Tableau::Nature::Classes));
    int n = 0;
    for (auto _ : state) {
        modele.setData(modele.index(16000, 2), QString::number(++n % 50), Qt::EditRole);
        benchmark::DoNotOptimize(core::parametresDuTableau(modele.analyse()));
    }
}
BENCHMARK(BM_table_edit_classes)->Unit(benchmark::kMillisecond);

}  // namespace
