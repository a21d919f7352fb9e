#include "command_line/simulation.h"

#include "chart_export/chart_export.h"
#include "core/command_line.h"
#include "core/numbers.h"
#include "core/series_file.h"
#include "core/simulation/charts.h"
#include "core/simulation/report.h"
#include "ui/chart_output.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;
namespace simulation = core::simulation;

namespace command_line {
namespace {

int usageError(QString why) {
    // The core's sentences, in the shape of the program's other messages.
    if (!why.isEmpty()) why[0] = why[0].toLower();
    if (why.endsWith(u'.')) why.chop(1);
    std::fprintf(stderr, "%s\n", qPrintable(u"statistique : "_s + why));
    return core::kUsageError;
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
    const auto type = chart_export::typeOf(output);
    if (!type) return usageError(u"« %1 » n'est ni .png, ni .svg, ni .pdf"_s.arg(output));
    core::GraphiqueDuTableau chart;
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
    // Painted off screen: the toolkit is needed for the text alone.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QGuiApplication application(argc, argv);
    const core::Surface surface;
    const QString why =
        chart_export::write({chart.dessin, ui::chartAreaSize(surface.largeur, surface.hauteur),
                             0xFFFFFF, chart.description},
                            output, *type);
    if (why.isEmpty()) return 0;
    return usageError(u"impossible d'écrire « %1 » : %2"_s.arg(output, why));
}

}  // namespace

int runSimulation(int argc, char* argv[], const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption simulate(u"simulate"_s), p(u"p"_s, {}, u"p"_s),
        population(u"population"_s, {}, u"fichier"_s), n(u"n"_s, {}, u"n"_s),
        samples(u"samples"_s, {}, u"k"_s), serie(u"serie"_s, {}, u"s"_s),
        chart(u"chart"_s, {}, u"graphique"_s), output(u"export"_s, {}, u"sortie"_s);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    parser.addOptions({simulate, p, population, n, samples, serie, chart, output, help});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(u"option inconnue « %1%2 » avec --simulate"_s.arg(
                unknown.first().size() == 1 ? u"-"_s : u"--"_s, unknown.first()));
        return usageError(u"les arguments de --simulate ne se lisent pas"_s);
    }
    if (parser.isSet(help)) {
        // The program's one usage, which tells --simulate with the rest.
        const bool english = QLocale::system().language() == QLocale::English;
        std::fputs(
            qPrintable(core::parseCommandLine({arguments.value(0), u"--help"_s}, english).text),
            stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            u"--simulate ne prend pas de FICHIER ; la population se donne par "
            u"--population"_s);
    if (parser.isSet(p) == parser.isSet(population))
        return usageError(u"--simulate demande --p ou --population, l'un des deux"_s);
    if (!parser.isSet(n) || !parser.isSet(samples))
        return usageError(u"--simulate demande --n et --samples"_s);
    if (parser.isSet(chart) != parser.isSet(output))
        return usageError(u"--chart et --export vont ensemble"_s);

    simulation::Parameters parameters{.n = whole(parser.value(n)),
                                      .samples = whole(parser.value(samples))};
    if (parser.isSet(serie)) {
        const std::int64_t s = whole(parser.value(serie));
        if (s < 1 || s > 999999) return usageError(u"--serie prend un nombre de 1 à 999999"_s);
        parameters.series = std::uint64_t(s);
    }
    if (parser.isSet(p)) {
        parameters.p = proportion(parser.value(p));
    } else {
        // The bounds first: a file is read only for a run that can start.
        const QString quick = simulation::fault(parameters);
        if (!quick.isEmpty()) return usageError(quick);
        const QString file = parser.value(population);
        auto read = simulation::readPopulationFile(file);
        if (!read)
            return usageError(core::explain({read.error.line, read.error.column, read.error.why},
                                            QFileInfo(file).fileName()));
        parameters.population = std::make_shared<simulation::Population>(std::move(*read.value));
    }
    const QString why = simulation::fault(parameters);
    if (!why.isEmpty()) return usageError(why);

    if (parser.isSet(chart)) {
        const auto kind = simulation::chartNamed(parser.value(chart));
        if (!kind)
            return usageError(
                u"graphique de simulation inconnu « %1 » (frequencies, "
                u"fluctuation ou large-numbers)"_s.arg(parser.value(chart)));
        return exportChart(argc, argv, parameters, *kind, parser.value(output));
    }
    const auto result = simulation::simulate(parameters);
    std::fputs(simulation::textOfRows(simulation::rowsOf(*result)).toUtf8().constData(), stdout);
    return 0;
}

}  // namespace command_line
