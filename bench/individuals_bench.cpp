// A million individuals of nine variables, three of them words: a new filter, the
// counts of a variable and a cross table, each within 50 ms (run.py's goal for them),
// and a screen of the grid within a frame.

#include "core/individuals/counts.h"
#include "core/individuals/cross_table.h"
#include "core/individuals/filter.h"
#include "individuals_window/grid_model.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace core::individuals;

namespace {

constexpr std::size_t kRows = 1000000;

Variable words(const QString& name, const QStringList& labels, QRandomGenerator& draw) {
    Variable v{.name = name, .labels = labels};
    v.codes.resize(kRows);
    for (auto& c : v.codes)
        c = draw.bounded(50) == 0 ? Variable::kMissing : std::int32_t(draw.bounded(labels.size()));
    return v;
}

Variable numbers(const QString& name, double low, double span, QRandomGenerator& draw) {
    Variable v{.name = name, .nature = Nature::Numeric};
    v.numbers.resize(kRows);
    for (auto& x : v.numbers) x = low + std::round(draw.generateDouble() * span * 10) / 10;
    return v;
}

const Dataset& survey() {
    static const Dataset d = [] {
        QRandomGenerator draw(2026);
        QStringList towns;
        for (int i = 0; i < 300; ++i) towns << u"Commune %1"_s.arg(i);
        Dataset data;
        data.assign({words(u"Sexe"_s, {u"F"_s, u"M"_s}, draw),
                     words(u"Transport"_s, {u"Bus"_s, u"Vélo"_s, u"À pied"_s, u"Voiture"_s}, draw),
                     words(u"Commune"_s, towns, draw), numbers(u"Âge"_s, 11, 8, draw),
                     numbers(u"Taille"_s, 140, 60, draw), numbers(u"Pointure"_s, 33, 14, draw),
                     numbers(u"Temps"_s, 1, 60, draw), numbers(u"Masse"_s, 35, 50, draw),
                     numbers(u"Note"_s, 0, 20, draw)},
                    kRows);
        return data;
    }();
    return d;
}

Selection girls() {
    return evaluate(*parseFilter(u"Sexe = \"F\""_s, survey()).value, survey());
}

void BM_individuals_filter(benchmark::State& state) {
    const Dataset& d = survey();
    for (auto _ : state) {
        const auto f = parseFilter(
            u"Sexe = \"F\" ET [Taille] > 160 OU NON (Transport = \"Bus\" OU Âge ≤ 14)"_s, d);
        benchmark::DoNotOptimize(evaluate(*f.value, d).count);
    }
}
BENCHMARK(BM_individuals_filter)->Unit(benchmark::kMillisecond);

void BM_individuals_counts(benchmark::State& state) {
    const Selection s = girls();
    for (auto _ : state) benchmark::DoNotOptimize(modalities(survey(), 2, s, Order::Count));
}
BENCHMARK(BM_individuals_counts)->Unit(benchmark::kMillisecond);

void BM_individuals_classes(benchmark::State& state) {
    const Selection s = girls();
    for (auto _ : state) benchmark::DoNotOptimize(classes(survey(), 4, s, 5));
}
BENCHMARK(BM_individuals_classes)->Unit(benchmark::kMillisecond);

void BM_individuals_cross_table(benchmark::State& state) {
    const Selection s = girls();
    for (auto _ : state)
        benchmark::DoNotOptimize(crossTable(survey(), {1}, {4, 10.0, std::nullopt}, s));
}
BENCHMARK(BM_individuals_cross_table)->Unit(benchmark::kMillisecond);

// A numeric variable taken as qualitative (codes such as a postcode) crossed with words.
void BM_individuals_cross_table_by_value(benchmark::State& state) {
    const Selection s = girls();
    Side age{3};
    age.asModalities = true;
    for (auto _ : state) benchmark::DoNotOptimize(crossTable(survey(), age, {1}, s));
}
BENCHMARK(BM_individuals_cross_table_by_value)->Unit(benchmark::kMillisecond);

// The counts by value of the window's tab: heights to the tenth, six hundred values.
void BM_individuals_counts_by_value(benchmark::State& state) {
    const Selection s = girls();
    for (auto _ : state) benchmark::DoNotOptimize(countsByValue(survey(), 4, s));
}
BENCHMARK(BM_individuals_counts_by_value)->Unit(benchmark::kMillisecond);

// Scrolling the grid: a screen of rows among the selected million written, as the view
// asks for them once the selection is shown.
void BM_individuals_grid_screen(benchmark::State& state) {
    auto data = std::make_shared<const Dataset>(survey());
    const Selection s = girls();
    individuals_window::GridModel grid;
    grid.show(data, s);
    int top = 0;
    for (auto _ : state) {
        top = (top + 40 * 997) % (grid.rowCount() - 40);
        for (int r = top; r < top + 40; ++r)
            for (int c = 0; c < grid.columnCount(); ++c)
                benchmark::DoNotOptimize(grid.data(grid.index(r, c), Qt::DisplayRole));
    }
}
BENCHMARK(BM_individuals_grid_screen)->Unit(benchmark::kMillisecond);

}  // namespace
