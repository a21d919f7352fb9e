// Opening and saving a file of 32,767 values, the most a series holds, with a second
// column of 51.

#include "series.h"

#include "main_window/statistique.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString largestFile(const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("grande.csv"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write("\xEF\xBB\xBFS\xC3\xA9rie 1;S\xC3\xA9rie 2\r\n");
        for (int i = 0; i < 32767; ++i)
            file.write(QStringLiteral("%1,%2;%3\r\n")
                           .arg(i % 97)
                           .arg(i % 10)
                           .arg(i < 51 ? QString::number(i) : QString())
                           .toUtf8());
    }
    return path;
}

void BM_open_32767(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = largestFile(folder);
    statistique& w = windowWithItems({});
    for (auto _ : state) w.openSeries(path);
    windowWithItems({});
}
BENCHMARK(BM_open_32767)->Unit(benchmark::kMillisecond);

void BM_save_32767(benchmark::State& state) {
    QTemporaryDir folder;
    statistique& w = windowWithItems({});
    w.openSeries(largestFile(folder));
    for (auto _ : state) w.mnuEnregistrer->trigger();
    windowWithItems({});
}
BENCHMARK(BM_save_32767)->Unit(benchmark::kMillisecond);

}  // namespace
