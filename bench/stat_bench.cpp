// What each user action costs, offscreen, on series of growing length: the statistics
// engine, every chart (painting included), and the everyday buttons on a long series.

#include "engine/dexo_mod.h"
#include "main_window/program.h"
#include "main_window/statistique.h"
#include "ui/numbers.h"
#include "ui/random.h"

#include <benchmark/benchmark.h>
#include <QApplication>

namespace {

statistique& windowWithSeries(int n) {
    static int loaded = -1;
    statistique& w = statistique::instance();
    if (loaded != n) {
        w.List1->clearItems();
        for (int i = 0; i < n; ++i) w.List1->append(QString::number(1 + (i * 37) % 97));
        dexo_mod::calculer_bilan();
        loaded = n;
    }
    return w;
}

void withSecondList(bool taken) {
    statistique& w = statistique::instance();
    if (taken == dexo_mod::prendre_liste2.isTrue()) return;
    if (taken && dexo_mod::effectif_liste2.toDouble() == 0) {
        QString text;
        for (int i = 0; i < 51; ++i)
            text += QString::number(1 + (i * 13) % 50) + QStringLiteral("\r\n");
        w.Text_liste2->setText(text);
    }
    w.Check1->click();
}

void BM_calculer_bilan(benchmark::State& state) {
    windowWithSeries(int(state.range(0)));
    for (auto _ : state) dexo_mod::calculer_bilan();
}
BENCHMARK(BM_calculer_bilan)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A chart button clicked, then the chart area painted into its kept image.
void chart(benchmark::State& state, int button, bool secondList) {
    statistique& w = windowWithSeries(int(state.range(0)));
    withSecondList(secondList);
    for (auto _ : state) {
        w.Option_graph(button).click();
        if (!qEnvironmentVariableIsSet("NOPAINT"))
            benchmark::DoNotOptimize(w.Picture1->image().constBits());
    }
    withSecondList(false);
}
void BM_sticks(benchmark::State& s) {
    chart(s, 0, false);
}
void BM_curve(benchmark::State& s) {
    chart(s, 2, false);
}
void BM_both(benchmark::State& s) {
    chart(s, 3, false);
}
void BM_pie(benchmark::State& s) {
    chart(s, 1, false);
}
void BM_two_pies(benchmark::State& s) {
    chart(s, 1, true);
}
#define CHART_SIZES Arg(8)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_sticks)->CHART_SIZES;
BENCHMARK(BM_curve)->CHART_SIZES;
BENCHMARK(BM_both)->CHART_SIZES;
BENCHMARK(BM_pie)->CHART_SIZES;
BENCHMARK(BM_two_pies)->CHART_SIZES;

// The everyday buttons on a series of 10,000 values.
void BM_add_then_remove(benchmark::State& state) {
    statistique& w = windowWithSeries(10000);
    w.Text1->setText(QStringLiteral("42"));
    for (auto _ : state) {
        w.Command_ajout->click();
        w.Command_enlever(0).click();
    }
}
BENCHMARK(BM_add_then_remove)->Unit(benchmark::kMillisecond);

void BM_frequency(benchmark::State& state) {
    statistique& w = windowWithSeries(10000);
    for (auto _ : state) w.Command2->click();
}
BENCHMARK(BM_frequency)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    program::prepare();
    ui::setRegionalLocale(QLocale(QLocale::French, QLocale::France));
    statistique::instance();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program::end();
    return 0;
}
