#include "command_line/pairs.h"

#include "command_line/runner.h"
#include "core/command_line.h"
#include "core/individuals/filter.h"
#include "core/individuals/pairs_of.h"
#include "core/individuals/reader.h"
#include "core/numbers.h"
#include "core/pairs/lorenz_chart.h"
#include "core/pairs/pairs_file.h"
#include "core/pairs/report.h"
#include "core/pairs/scatter_chart.h"
#include "core/pairs/texts.h"
#include "core/series_file.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <array>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;
namespace pairs = core::pairs;

namespace command_line {
namespace {

constexpr int kDefaultDecimals = 3;

void print(const pairs::Rows& rows) {
    std::fputs(pairs::rowsText(rows).toUtf8().constData(), stdout);
}

int writeChart(int argc, char* argv[], const pairs::ChartRecord& chart, const QString& output) {
    const QString fault = chartFileFault(output);
    if (!fault.isEmpty()) return refuse(fault);
    const QString why = command_line::writeChart(argc, argv, chart.drawing, pairs::kPairsSurface,
                                                 chart.description, output);
    if (why.isEmpty()) return 0;
    return refuse(u"impossible d'écrire « %1 » : %2."_s.arg(output, why));
}

std::optional<double> number(const QString& text) {
    const auto cell = core::cellNumber(text);
    if (!cell) return std::nullopt;
    return core::numberFromText(*cell);
}

// Two numeric variables of a file of individuals, under a filter; or why not, as the
// message to print.
std::optional<pairs::Pairs> pairsOfIndividuals(const QString& file, const QString& xName,
                                               const QString& yName, const QString& filterText,
                                               QString& fault) {
    namespace ci = core::individuals;
    const QString fileName = QFileInfo(file).fileName();
    const core::Reading<ci::Dataset> read = ci::readIndividualsFile(file);
    if (!read) {
        fault = ci::explain(read.error, fileName);
        return std::nullopt;
    }
    const ci::Dataset& d = *read.value;
    const QString where = u"statistique : « %1 » : "_s.arg(fileName);
    std::array<int, 2> chosen{};
    for (int k = 0; k < 2; ++k) {
        const QString name = (k == 0 ? xName : yName).trimmed();
        chosen[k] = d.indexOf(name);
        if (chosen[k] < 0) {
            fault = where + u"la variable « %1 » n'existe pas ; les variables sont : %2"_s.arg(
                                name, d.names().join(u", "_s));
            return std::nullopt;
        }
        if (d.variables()[std::size_t(chosen[k])].nature != ci::Nature::Numeric) {
            fault = where + u"la variable « %1 » n'est pas numérique"_s.arg(name);
            return std::nullopt;
        }
    }
    const core::Reading<ci::Filter> filter = ci::parseFilter(filterText, d);
    if (!filter) {
        fault = where + u"le filtre ne se lit pas : "_s + ci::filterFault(filter.error);
        return std::nullopt;
    }
    return ci::pairsOf(d, chosen[0], chosen[1], ci::evaluate(*filter.value, d));
}

int lorenz(int argc, char* argv[], const QCommandLineParser& parser, int decimals) {
    const QString file = parser.value(u"lorenz"_s);
    const core::Reading<pairs::Lorenz> read = pairs::readLorenzFile(file);
    if (!read) return fail(pairs::explain(read.error, QFileInfo(file).fileName()));
    if (parser.isSet(u"stats"_s)) {
        print(pairs::giniRows(*read.value, decimals));
        return 0;
    }
    return writeChart(argc, argv, pairs::lorenzChart(*read.value, decimals),
                      parser.value(u"export"_s));
}

}  // namespace

namespace {

// `--pairs=F --x=V --y=W [--filter=E]` and nothing else: the window on two variables.
bool opensWindowOnVariables(const QStringList& arguments, QCommandLineParser& parser) {
    parser.addOptions({{u"pairs"_s, {}, u"f"_s},
                       {u"x"_s, {}, u"v"_s},
                       {u"y"_s, {}, u"v"_s},
                       {u"filter"_s, {}, u"e"_s}});
    return parser.parse(arguments) && parser.positionalArguments().isEmpty() &&
           parser.isSet(u"pairs"_s) && parser.isSet(u"x"_s) && parser.isSet(u"y"_s);
}

QString pairsWindowFile(const QStringList& arguments) {
    const QStringList rest = arguments.mid(1);
    if (rest.size() == 1 && rest[0].startsWith(u"--pairs="_s)) return rest[0].mid(8);
    if (rest.size() == 2 && rest[0] == u"--pairs"_s) return rest[1];
    return {};
}

}  // namespace

PairsWindowStart pairsWindowStart(const QStringList& arguments) {
    PairsWindowStart start{.file = pairsWindowFile(arguments)};
    QCommandLineParser parser;
    if (!start.file.isEmpty() || !opensWindowOnVariables(arguments, parser)) return start;
    QString fault;
    start.pairs = pairsOfIndividuals(parser.value(u"pairs"_s), parser.value(u"x"_s),
                                     parser.value(u"y"_s), parser.value(u"filter"_s), fault);
    if (!start.pairs) start.status = fail(fault);
    return start;
}

bool wantsPairs(const QStringList& arguments) {
    // A file of pairs alone, or two variables of a file of individuals, open the window.
    QCommandLineParser parser;
    if (!pairsWindowFile(arguments).isEmpty() || opensWindowOnVariables(arguments, parser))
        return false;
    bool wanted = false;
    for (const QString& a : arguments.mid(1)) {
        if (a == u"--"_s) break;
        wanted = wanted || a.startsWith(u"--pairs"_s) || a.startsWith(u"--lorenz"_s);
    }
    return wanted;
}

int runPairs(int argc, char* argv[], const QStringList& arguments) {
    // The usage and the version are the program's, whatever else is asked.
    for (const QString& a : arguments.mid(1)) {
        if (a == u"--"_s) break;
        if (a == u"-h"_s || a == u"--help"_s || a == u"-v"_s || a == u"--version"_s)
            return printUsage(arguments, a);
    }
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOptions({{u"pairs"_s, {}, u"f"_s},
                       {u"lorenz"_s, {}, u"f"_s},
                       {u"stats"_s, {}},
                       {u"fit"_s, {}, u"k"_s},
                       {u"predict-x"_s, {}, u"x"_s},
                       {u"predict-y"_s, {}, u"y"_s},
                       {u"chart"_s, {}, u"c"_s},
                       {u"export"_s, {}, u"s"_s},
                       {u"decimals"_s, {}, u"n"_s},
                       {u"x"_s, {}, u"v"_s},
                       {u"y"_s, {}, u"v"_s},
                       {u"filter"_s, {}, u"e"_s}});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(u"option inconnue « --%1 »"_s.arg(unknown.first()));
        return usageError(u"les arguments ne se lisent pas"_s);
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(u"--pairs et --lorenz ne prennent pas d'autre FICHIER"_s);
    int decimals = kDefaultDecimals;
    if (parser.isSet(u"decimals"_s)) {
        bool ok = false;
        decimals = parser.value(u"decimals"_s).toInt(&ok);
        if (!ok || decimals < 0 || decimals > pairs::kMostDecimals)
            return usageError(u"--decimals prend un nombre de 0 à 12"_s);
    }
    const bool stats = parser.isSet(u"stats"_s), output = parser.isSet(u"export"_s);
    const QString chart = parser.value(u"chart"_s);
    if (stats == output || (output != parser.isSet(u"chart"_s)))
        return usageError(u"--pairs et --lorenz vont avec --stats, ou avec --chart et --export"_s);
    if (parser.isSet(u"pairs"_s) == parser.isSet(u"lorenz"_s))
        return usageError(u"--pairs et --lorenz ne vont pas ensemble"_s);
    const QStringList fitNames = parser.values(u"fit"_s);
    if (parser.isSet(u"lorenz"_s)) {
        if (!fitNames.isEmpty() || parser.isSet(u"predict-x"_s) || parser.isSet(u"predict-y"_s))
            return usageError(u"--fit et --predict vont avec --pairs"_s);
        if (output && chart != u"lorenz"_s)
            return usageError(u"le graphique de --lorenz est lorenz, pas « %1 »"_s.arg(chart));
        return lorenz(argc, argv, parser, decimals);
    }
    std::vector<pairs::FitKind> kinds;
    for (const QString& name : fitNames) {
        const auto kind = pairs::fitKindNamed(name);
        if (!kind)
            return usageError(
                u"ajustement inconnu « %1 » (least-squares, mayer ou exponential)"_s.arg(name));
        kinds.push_back(*kind);
    }
    std::optional<double> x, y;
    for (const auto& [option, value] : {std::pair{u"predict-x"_s, &x}, {u"predict-y"_s, &y}}) {
        if (!parser.isSet(option)) continue;
        *value = number(parser.value(option));
        if (!*value)
            return usageError(
                u"--%1 : « %2 » n'est pas un nombre"_s.arg(option, parser.value(option)));
    }
    if (output && (x || y)) return usageError(u"--predict-x et --predict-y vont avec --stats"_s);
    if (output && chart != u"scatter"_s && chart != u"residuals"_s)
        return usageError(u"graphique inconnu « %1 » (scatter ou residuals)"_s.arg(chart));

    const QString file = parser.value(u"pairs"_s);
    const bool individuals = parser.isSet(u"x"_s) || parser.isSet(u"y"_s);
    if (individuals != (parser.isSet(u"x"_s) && parser.isSet(u"y"_s)))
        return usageError(u"--x et --y vont ensemble, chacun avec une variable numérique"_s);
    if (parser.isSet(u"filter"_s) && !individuals)
        return usageError(u"--filter va avec --x et --y, sur un fichier d'individus"_s);
    std::optional<pairs::Pairs> chosen;
    if (individuals) {
        QString fault;
        chosen = pairsOfIndividuals(file, parser.value(u"x"_s), parser.value(u"y"_s),
                                    parser.value(u"filter"_s), fault);
        if (!chosen) return fail(fault);
    } else {
        core::Reading<pairs::Pairs> read = pairs::readPairsFile(file);
        if (!read) return fail(pairs::explain(read.error, QFileInfo(file).fileName()));
        chosen = std::move(read.value);
    }
    const pairs::Pairs& data = *chosen;
    const QString where = u"statistique : « %1 » : "_s.arg(QFileInfo(file).fileName());
    if (stats) {
        const pairs::Computed<pairs::Rows> rows = pairs::statisticsRows(data, decimals);
        if (!rows) return fail(where + rows.fault);
        pairs::Rows all = *rows.value;
        for (pairs::FitKind kind : kinds) {
            const pairs::Computed<pairs::Rows> more = pairs::fitRows(data, kind, decimals);
            if (!more) return fail(where + more.fault);
            all.insert(all.end(), more->begin(), more->end());
        }
        if (x || y) {
            const pairs::FitKind by = kinds.empty() ? pairs::FitKind::LeastSquares : kinds.front();
            const pairs::Computed<pairs::Rows> more = pairs::estimateRows(data, by, x, y, decimals);
            if (!more) return fail(where + more.fault);
            all.insert(all.end(), more->begin(), more->end());
        }
        print(all);
        return 0;
    }
    pairs::ScatterOptions options{.decimals = decimals};
    for (pairs::FitKind kind : kinds) {
        const pairs::Computed<pairs::Curve> c = pairs::curveOf(data, kind);
        if (!c) return fail(where + c.fault);
        options.fits.push_back(*c.value);
    }
    pairs::Computed<pairs::ChartRecord> record;
    if (chart == u"scatter"_s) {
        record = pairs::scatterChart(data, options);
    } else {
        const pairs::Computed<pairs::Curve> c =
            options.fits.empty() ? pairs::curveOf(data, pairs::FitKind::LeastSquares)
                                 : pairs::Computed<pairs::Curve>::success(options.fits.front());
        if (!c) return fail(where + c.fault);
        record = pairs::residualChart(data, *c.value, decimals);
    }
    if (!record) return fail(where + record.fault);
    return writeChart(argc, argv, *record.value, parser.value(u"export"_s));
}

}  // namespace command_line
