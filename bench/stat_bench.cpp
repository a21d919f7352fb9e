// What each user action costs, offscreen, on series of growing length: the statistics
// engine and every chart, painting included. The buttons and the hostile series are
// in buttons_bench.cpp.

#include "series.h"

#include "core/numbers.h"
#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "main_window/program.h"
#include "main_window/statistique.h"
#include "recovery/work_keeper.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>

namespace {
int loaded = -1;  // the length of the series windowWithSeries() loaded last, or -1
}  // namespace

statistique& windowWithItems(const QStringList& items) {
    statistique& w = program::mainWindow();
    w.List1->clearItems();
    for (const QString& item : items) w.List1->append(item);
    dexo_mod::calculer_bilan();
    loaded = -1;
    return w;
}

statistique& windowWithSeries(int n) {
    if (loaded != n) {
        QStringList items;
        for (int i = 0; i < n; ++i) items << QString::number(1 + (i * 37) % 97);
        windowWithItems(items);
        loaded = n;
    }
    return program::mainWindow();
}

void withSecondList(bool taken) {
    statistique& w = program::mainWindow();
    if (taken == dexo_mod::prendre_liste2().isTrue()) return;
    if (taken && dexo_mod::effectif_liste2().toDouble() == 0) {
        QString text;
        for (int i = 0; i < 51; ++i)
            text += QString::number(1 + (i * 13) % 50) + QStringLiteral("\r\n");
        w.Text_liste2->setText(text);
    }
    w.Check1->click();
}

namespace {

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
        if (!qEnvironmentVariableIsSet("NOPAINT")) w.Picture1->surface()->repaint();
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

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen screen cannot raise a window, and says so at every "EXERCICE".
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        if (!message.contains(QLatin1String("does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication application(argc, argv);
    program::prepare();
    core::setRegionalLocale(QLocale(QLocale::French, QLocale::France));
    statistique& window = program::mainWindow();
    window.showCentred();
    // Every action is measured with the learner's work being kept, as in the program,
    // in a folder of the bench's own.
    QTemporaryDir recovery;
    const auto workKeeper = program::keepWork(window, recovery.path());
    // Painting needs the window on the (offscreen) screen.
    for (int i = 0; i < 1000 && !window.windowHandle()->isExposed(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program::end();
    return 0;
}
