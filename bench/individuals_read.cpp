// Reads one file of individuals and prints how long it took and the process's peak
// memory, for bench/run.py to set beside pandas: "seconds peak-kB rows variables".

#include "core/individuals/reader.h"

#include <QCoreApplication>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file>\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const auto reading = core::individuals::readIndividualsFile(QString::fromLocal8Bit(argv[1]));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!reading) {
        std::fprintf(stderr, "%s\n", qPrintable(reading.error.why));
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.3f %ld %zu %zu\n", took.count(), usage.ru_maxrss, reading.value->rowCount(),
                reading.value->variables().size());
    return 0;
}
