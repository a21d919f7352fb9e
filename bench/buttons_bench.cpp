// Every button once on a series of 10,000 values, the charts of 10,000 hostile values,
// and the two things the chart area and the lists must do cheaply whatever they hold:
// walk ten thousand items, and clip lines that end far off the area.

#include "series.h"

#include "core/drawing.h"
#include "engine/dexo_mod.h"
#include "exercise/dexo_enonce.h"
#include "main_window/statistique.h"
#include "ui/raster.h"

#include <benchmark/benchmark.h>

namespace {

// A button that replaces or empties the series has it loaded again, untimed.
void button(benchmark::State& state, QAbstractButton* (*which)(statistique&), bool replaces) {
    statistique& w = windowWithSeries(10000);
    withSecondList(true);
    for (auto _ : state) {
        which(w)->click();
        if (replaces) {
            state.PauseTiming();
            windowWithItems({});
            windowWithSeries(10000);
            state.ResumeTiming();
        }
    }
    withSecondList(false);
}

void BM_add_then_remove(benchmark::State& state) {
    statistique& w = windowWithSeries(10000);
    w.Text1->setText(QStringLiteral("42"));
    for (auto _ : state) {
        w.Command_ajout->click();
        w.Command_enlever(0).click();
    }
}
BENCHMARK(BM_add_then_remove)->Unit(benchmark::kMillisecond);

#define BUTTON(name, expression, replaces)                                               \
    void BM_##name(benchmark::State& s) {                                                \
        button(                                                                          \
            s, [](statistique& w) -> QAbstractButton* { return expression; }, replaces); \
    }                                                                                    \
    BENCHMARK(BM_##name)->Unit(benchmark::kMillisecond)

BUTTON(frequency, w.Command2, false);
BUTTON(remove_all, &w.Command_enlever(1), true);
BUTTON(random_fill, w.Command_aleatoire, true);
BUTTON(second_list_check, w.Check1, false);
BUTTON(second_list_random, w.Command_aleatoire2, false);
BUTTON(second_list_ascending, w.Command_asc, false);
BUTTON(second_list_descending, w.Command_desc, false);
BUTTON(exercise_open, w.Command_enonce, false);
BUTTON(exercise_load, (w.Command_enonce->click(), &Dexo_enonce::instance().command_camembert(1)),
       true);

// The charts of 10,000 extreme values, second list taken: nothing may stall on them.
void BM_hostile_chart(benchmark::State& state) {
    static const QStringList kHostile = {QStringLiteral("1e308"),
                                         QStringLiteral("-1e308"),
                                         QStringLiteral("12345678901234567890"),
                                         QStringLiteral("0,123456789012345678"),
                                         QStringLiteral("-0,000001"),
                                         QStringLiteral("1,79769313486232E+308"),
                                         QStringLiteral("5e-324"),
                                         QStringLiteral("0")};
    QStringList items;
    for (int i = 0; i < 10000; ++i) items << kHostile[i % kHostile.size()];
    statistique& w = windowWithItems(items);
    withSecondList(true);
    for (auto _ : state) {
        w.Option_graph(int(state.range(0))).click();
        w.Picture1->surface()->repaint();
    }
    withSecondList(false);
}
BENCHMARK(BM_hostile_chart)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A routine walking the list by its selection costs the walk, not a view update per item.
void BM_list_walk(benchmark::State& state) {
    statistique& w = windowWithSeries(10000);
    for (auto _ : state)
        for (int i = 0; i < w.List1->count(); ++i) w.List1->setSelectedIndex(i);
}
BENCHMARK(BM_list_walk)->Unit(benchmark::kMillisecond);

// Lines that end at the edge of the single range are clipped before painting.
void BM_far_off_lines(benchmark::State& state) {
    core::Drawing drawing;
    for (int i = 0; i < 100; ++i) {
        drawing.line(100 + i, 4615, 100 + i, -3e38, 0, 2);
        drawing.line(-3e38, -3e38, 3e38, 3e38, 0, 2);
    }
    for (auto _ : state) {
        ui::Rasteriser raster;
        raster.paint(drawing, QSize(553, 321), 1, 0xFFFFFF);
        benchmark::DoNotOptimize(raster.image().constBits());
    }
}
BENCHMARK(BM_far_off_lines)->Unit(benchmark::kMillisecond);

}  // namespace
