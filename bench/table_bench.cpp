// A table of counts of 32,767 rows: one cell typed in the window, and the analysis and
// parameters that follow it, each within a frame.

#include "core/frequency_table.h"
#include "core/table_charts.h"
#include "table/table_entry.h"
#include "ui/chart_output.h"

#include <benchmark/benchmark.h>

namespace {

core::FrequencyTable grandTableau(core::FrequencyTable::Nature nature) {
    core::FrequencyTable t{.nature = nature};
    for (int i = 0; i < 32767; ++i)
        t.lignes.push_back({.valeur = QString::number(i),
                            .inferieure = QString::number(10 * i),
                            .superieure = QString::number(10 * i + 10),
                            .effectif = QString::number((i * 37) % 101)});
    return t;
}

void BM_table_edit_values(benchmark::State& state) {
    ModeleSaisie modele(nullptr);
    modele.remplacer(grandTableau(core::FrequencyTable::Nature::Valeurs));
    int n = 0;
    for (auto _ : state) {
        modele.setData(modele.index(16000, 1), QString::number(++n % 50), Qt::EditRole);
        benchmark::DoNotOptimize(core::parametresDuTableau(modele.analyse()));
    }
}
BENCHMARK(BM_table_edit_values)->Unit(benchmark::kMillisecond);

void BM_table_edit_classes(benchmark::State& state) {
    ModeleSaisie modele(nullptr);
    modele.remplacer(grandTableau(core::FrequencyTable::Nature::Classes));
    int n = 0;
    for (auto _ : state) {
        modele.setData(modele.index(16000, 2), QString::number(++n % 50), Qt::EditRole);
        benchmark::DoNotOptimize(core::parametresDuTableau(modele.analyse()));
    }
}
BENCHMARK(BM_table_edit_classes)->Unit(benchmark::kMillisecond);

// Each chart of a table of 1,000 classes (or values), worked out and painted as the
// screen paints it.
void BM_table_chart(benchmark::State& state) {
    const auto graphique = core::TableChart(state.range(0));
    const bool valeurs = graphique == core::TableChart::Sticks;
    core::FrequencyTable t{.nature = valeurs ? core::FrequencyTable::Nature::Valeurs
                                             : core::FrequencyTable::Nature::Classes};
    for (int i = 0; i < 1000; ++i)
        t.lignes.push_back({.valeur = QString::number(i),
                            .inferieure = QString::number(10 * i),
                            .superieure = QString::number(10 * i + 10),
                            .effectif = QString::number((i * 37) % 101)});
    const core::TableAnalysis analyse = core::analyser(t);
    const core::Surface surface;
    for (auto _ : state) {
        const core::TableChartRecord g = core::graphiqueDuTableau(analyse, graphique, surface);
        benchmark::DoNotOptimize(
            ui::chartImage({g.dessin, ui::chartAreaSize(surface.largeur, surface.hauteur), 0xFFFFFF,
                            g.description},
                           1));
    }
}
BENCHMARK(BM_table_chart)->DenseRange(0, core::kTableCharts - 1)->Unit(benchmark::kMillisecond);

}  // namespace
