// The parameters of 32,767 values: the open window updated after one more value, and
// what "statistique --stats" computes for a file of that size.

#include "series.h"

#include "core/parameters.h"
#include "core/series_file.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"
#include "parameters/parameters_window.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_parameters_window_update(benchmark::State& state) {
    windowWithSeries(32766);
    Parametres_serie::instance().showCentred();
    for (auto _ : state) emit dexo_mod::model().series1Changed();
    Parametres_serie::instance().close();
}
BENCHMARK(BM_parameters_window_update)->Unit(benchmark::kMillisecond);

void BM_stats_32767(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("serie.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return state.SkipWithError("no temporary file");
    for (int i = 0; i < 32767; ++i) file.write(QByteArray::number((i * 37) % 1009) + "\n");
    file.close();
    for (auto _ : state) {
        const core::SeriesReading reading = core::readSeriesFile(path);
        benchmark::DoNotOptimize(core::parametersTable(
            core::parameters(core::numbers(reading.value->first)), core::parameters({})));
    }
}
BENCHMARK(BM_stats_32767)->Unit(benchmark::kMillisecond);

}  // namespace
