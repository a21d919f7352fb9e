#include "command_line/simulation.h"

#include "command_line/runner.h"
#include "core/command_line.h"
#include "core/numbers.h"
#include "core/series_file.h"
#include "core/simulation/charts.h"
#include "core/simulation/report.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;
namespace simulation = core::simulation;

namespace command_line {
namespace {

int refuseAsLine(QString why) {
    // The core's sentences, in the shape of the program's other messages.
    if (!why.isEmpty()) why[0] = why[0].toLower();
    if (why.endsWith(u'.')) why.chop(1);
    return refuse(why);
}

// "0,5", "0.5" or a fraction such as "1/6"; NaN for anything else.
double proportion(const QString& text) {
    const auto number = [](QStringView part) {
        const auto cell = core::cellNumber(part);
        const auto value = cell ? core::readNumber(*cell) : std::nullopt;
        return value.value_or(std::nan(""));
    };
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0) return number(text);
    const double below = number(QStringView(text).sliced(slash + 1));
    return below == 0 ? std::nan("") : number(QStringView(text).first(slash)) / below;
}

// A whole number, or 0 (out of every bound) for anything else.
std::int64_t whole(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

int exportChart(int argc, char* argv[], const simulation::Parameters& parameters,
                simulation::ChartKind kind, const QString& output) {
    const QString fault = chartFileFault(output);
    if (!fault.isEmpty()) return refuseAsLine(fault);
    core::TableChartRecord chart;
    switch (kind) {
        case simulation::ChartKind::Frequencies:
            chart = simulation::histogram(*simulation::simulate(parameters));
            break;
        case simulation::ChartKind::Fluctuation:
            chart = simulation::fluctuationChart(
                *simulation::fluctuation(parameters, simulation::defaultSizes()));
            break;
        case simulation::ChartKind::LargeNumbers:
            chart = simulation::largeNumbersChart(*simulation::largeNumbers(parameters));
            break;
    }
    const QString why =
        writeChart(argc, argv, chart.drawing, core::Surface{}, chart.description, output);
    if (why.isEmpty()) return 0;
    return refuseAsLine(u"impossible d'écrire « %1 » : %2"_s.arg(output, why));
}

}  // namespace

int runSimulation(int argc, char* argv[], const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption simulate(u"simulate"_s), p(u"p"_s, {}, u"p"_s),
        population(u"population"_s, {}, u"fichier"_s), n(u"n"_s, {}, u"n"_s),
        samples(u"samples"_s, {}, u"k"_s), series(u"serie"_s, {}, u"s"_s),
        chart(u"chart"_s, {}, u"graphique"_s), output(u"export"_s, {}, u"sortie"_s);
    parser.addOptions({simulate, p, population, n, samples, series, chart, output});
    if (const auto status = readOptions(parser, arguments, u"--simulate"_s)) return *status;
    if (!parser.positionalArguments().isEmpty())
        return refuseAsLine(
            u"--simulate ne prend pas de FICHIER ; la population se donne par "
            u"--population"_s);
    if (parser.isSet(p) == parser.isSet(population))
        return refuseAsLine(u"--simulate demande --p ou --population, l'un des deux"_s);
    if (!parser.isSet(n) || !parser.isSet(samples))
        return refuseAsLine(u"--simulate demande --n et --samples"_s);
    if (parser.isSet(chart) != parser.isSet(output))
        return refuseAsLine(u"--chart et --export vont ensemble"_s);

    simulation::Parameters parameters{.n = whole(parser.value(n)),
                                      .samples = whole(parser.value(samples))};
    if (parser.isSet(series)) {
        const std::int64_t s = whole(parser.value(series));
        if (s < 1 || s > 999999) return refuseAsLine(u"--serie prend un nombre de 1 à 999999"_s);
        parameters.series = std::uint64_t(s);
    }
    if (parser.isSet(p)) {
        parameters.p = proportion(parser.value(p));
    } else {
        // The bounds first: a file is read only for a run that can start.
        const QString quick = simulation::fault(parameters);
        if (!quick.isEmpty()) return refuseAsLine(quick);
        const QString file = parser.value(population);
        auto read = simulation::readPopulationFile(file);
        if (!read)
            return refuseAsLine(core::explain({read.error.line, read.error.column, read.error.why},
                                              QFileInfo(file).fileName()));
        parameters.population = std::make_shared<simulation::Population>(std::move(*read.value));
    }
    const QString why = simulation::fault(parameters);
    if (!why.isEmpty()) return refuseAsLine(why);

    if (parser.isSet(chart)) {
        const auto kind = simulation::chartNamed(parser.value(chart));
        if (!kind)
            return refuseAsLine(
                u"graphique de simulation inconnu « %1 » (frequencies, "
                u"fluctuation ou large-numbers)"_s.arg(parser.value(chart)));
        return exportChart(argc, argv, parameters, *kind, parser.value(output));
    }
    const auto result = simulation::simulate(parameters);
    std::fputs(simulation::textOfRows(simulation::rowsOf(*result)).toUtf8().constData(), stdout);
    return 0;
}

}  // namespace command_line
