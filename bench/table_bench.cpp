// A table of counts of 32,767 rows: one cell typed in the window, and the analysis and
// parameters that follow it, each within a frame.

#include "core/frequency_table.h"
#include "core/table_charts.h"
#include "table/table_entry.h"
#include "ui/chart_output.h"

#include <benchmark/benchmark.h>

namespace {

core::FrequencyTable bigTable(core::FrequencyTable::Nature nature) {
    core::FrequencyTable t{.nature = nature};
    for (int i = 0; i < 32767; ++i)
        t.lines.push_back({.value = QString::number(i),
                           .lower = QString::number(10 * i),
                           .upper = QString::number(10 * i + 10),
                           .count = QString::number((i * 37) % 101)});
    return t;
}

void BM_table_edit_values(benchmark::State& state) {
    TableEntryModel model(nullptr);
    model.replace(bigTable(core::FrequencyTable::Nature::Values));
    int n = 0;
    for (auto _ : state) {
        model.setData(model.index(16000, 1), QString::number(++n % 50), Qt::EditRole);
        benchmark::DoNotOptimize(core::tableParameters(model.analysis()));
    }
}
BENCHMARK(BM_table_edit_values)->Unit(benchmark::kMillisecond);

void BM_table_edit_classes(benchmark::State& state) {
    TableEntryModel model(nullptr);
    model.replace(bigTable(core::FrequencyTable::Nature::Classes));
    int n = 0;
    for (auto _ : state) {
        model.setData(model.index(16000, 2), QString::number(++n % 50), Qt::EditRole);
        benchmark::DoNotOptimize(core::tableParameters(model.analysis()));
    }
}
BENCHMARK(BM_table_edit_classes)->Unit(benchmark::kMillisecond);

// Each chart of a table of 1,000 classes (or values), worked out and painted as the
// screen paints it.
void BM_table_chart(benchmark::State& state) {
    const auto chosenChart = core::TableChart(state.range(0));
    const bool values = chosenChart == core::TableChart::Sticks;
    core::FrequencyTable t{.nature = values ? core::FrequencyTable::Nature::Values
                                            : core::FrequencyTable::Nature::Classes};
    for (int i = 0; i < 1000; ++i)
        t.lines.push_back({.value = QString::number(i),
                           .lower = QString::number(10 * i),
                           .upper = QString::number(10 * i + 10),
                           .count = QString::number((i * 37) % 101)});
    const core::TableAnalysis analysis = core::analyseTable(t);
    const core::Surface surface;
    for (auto _ : state) {
        const core::TableChartRecord g = core::tableChartRecord(analysis, chosenChart, surface);
        benchmark::DoNotOptimize(ui::chartImage(
            {g.drawing, ui::chartAreaSize(surface.width, surface.height), 0xFFFFFF, g.description},
            1));
    }
}
BENCHMARK(BM_table_chart)->DenseRange(0, core::kTableCharts - 1)->Unit(benchmark::kMillisecond);

}  // namespace
