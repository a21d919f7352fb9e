#include "core/simulation/simulation.h"

#include "core/frequency_table.h"
#include "core/parameters.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace core::simulation {
namespace {

void meanAndSd(Population& p) {
    if (p.size <= 0) return;
    double sum = 0;
    for (size_t i = 0; i < p.values.size(); ++i) sum += p.values[i] * double(countOf(p, i));
    p.mean = sum / double(p.size);
    double squares = 0;
    for (size_t i = 0; i < p.values.size(); ++i) {
        const double d = p.values[i] - p.mean;
        squares += d * d * double(countOf(p, i));
    }
    p.sd = std::sqrt(squares / double(p.size));
}

}  // namespace

std::int64_t countOf(const Population& p, size_t i) {
    if (p.cumulative.empty()) return 1;
    return p.cumulative[i] - (i == 0 ? 0 : p.cumulative[i - 1]);
}

Population populationOf(std::vector<double> values) {
    Population p;
    p.size = std::int64_t(values.size());
    p.values = std::move(values);
    meanAndSd(p);
    return p;
}

Population populationOf(const std::vector<ValueCount>& values) {
    Population p;
    for (const ValueCount& v : values) {
        if (v.count <= 0) continue;
        p.size += v.count;
        p.values.push_back(v.value);
        p.cumulative.push_back(p.size);
    }
    meanAndSd(p);
    return p;
}

Population populationOf(const TableAnalysis& table) {
    if (table.nature == FrequencyTable::Nature::Values) return populationOf(table.values);
    std::vector<ValueCount> centres;
    for (const Interval& k : table.classes) centres.push_back({k.centre(), k.count});
    return populationOf(centres);
}

Reading<Population> readPopulationFile(const QString& path) {
    SeriesError error;
    const auto bytes = readFileBytes(path, error);
    const auto failed = [](const ReadError& e) { return Reading<Population>::failure(e); };
    if (!bytes) return failed(error);
    // A table names its counts in its header, or starts its rows with classes.
    const QString start = QString::fromUtf8(bytes->left(4096)).trimmed().remove(QChar(0xFEFF));
    const QString first = start.section(u'\n', 0, 0);
    if (first.contains(u"effectif", Qt::CaseInsensitive) || first.startsWith(u']') ||
        first.startsWith(u'[')) {
        const TableReading table = readTable(*bytes);
        if (!table.value) return failed(table.error);
        if (table.faultyCell) return failed(table.error);
        Population p = populationOf(analyseTable(*table.value));
        if (p.size <= 0) return failed({0, 0, u"le tableau n'a aucune valeur"_s});
        return Reading<Population>::success(std::move(p));
    }
    const SeriesReading series = readSeries(*bytes);
    if (!series.value) return failed(series.error);
    if (series.value->first.isEmpty()) return failed({0, 0, u"la série n'a aucune valeur"_s});
    return Reading<Population>::success(populationOf(numbers(series.value->first)));
}

}  // namespace core::simulation
