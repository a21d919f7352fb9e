// Every chart of 10,000 values written as PNG, SVG and PDF, as "Exporter le graphique…"
// and "statistique --export" write them.

#include "series.h"

#include "chart_export/chart_export.h"
#include "main_window/statistique.h"
#include "ui/chart_output.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_export(benchmark::State& state) {
    const int chart = int(state.range(0));
    const auto type = chart_export::Type(state.range(1));
    static const char* const kSuffixes[] = {"png", "svg", "pdf"};
    QTemporaryDir folder;
    const QString path =
        folder.filePath(QStringLiteral("graphique.") + QLatin1String(kSuffixes[state.range(1)]));
    statistique& w = windowWithSeries(10000);
    w.Option_graph(chart).click();
    for (auto _ : state)
        benchmark::DoNotOptimize(chart_export::write(ui::chartOf(*w.Picture1), path, type));
}
// Charts 0 to 3 (sticks, pie, curve, both), types 0 to 2 (PNG, SVG, PDF).
BENCHMARK(BM_export)->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

}  // namespace
