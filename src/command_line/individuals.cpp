#include "command_line/individuals.h"

#include "command_line/runner.h"
#include "core/command_line.h"
#include "core/individuals/charts.h"
#include "core/individuals/counts.h"
#include "core/individuals/cross_table.h"
#include "core/individuals/filter.h"
#include "core/individuals/reader.h"
#include "core/numbers.h"
#include "core/series_file.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace core::individuals;

namespace command_line {
namespace {

// Every refusal says why on standard error and ends with the usage status.
struct Refusal {
    QString why;
};

[[noreturn]] void stop(const QString& why) {
    throw Refusal{u"statistique : "_s + why};
}

int variableNamed(const Dataset& d, const QString& name) {
    const int index = d.indexOf(name.trimmed());
    if (index < 0)
        stop(u"la variable « %1 » n'existe pas ; les variables sont : %2"_s.arg(
            name, d.names().join(u", "_s)));
    return index;
}

std::optional<double> numberOption(const QCommandLineParser& p, const QString& option,
                                   const QString& what) {
    if (!p.isSet(option)) return std::nullopt;
    const QString text = p.value(option);
    const auto cell = core::cellNumber(text);
    if (!cell) stop(u"%1 « %2 » n'est pas un nombre"_s.arg(what, text));
    return core::numberFromText(*cell);
}

// "A,B": the split where both sides name variables, so a name may hold a comma.
std::pair<int, int> crossed(const Dataset& d, const QString& text) {
    for (qsizetype comma = text.indexOf(u','); comma >= 0; comma = text.indexOf(u',', comma + 1)) {
        const int a = d.indexOf(text.left(comma).trimmed());
        const int b = d.indexOf(text.mid(comma + 1).trimmed());
        if (a >= 0 && b >= 0) return {a, b};
    }
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        stop(
            u"--crosstab attend deux variables séparées par une virgule, par exemple "
            u"--crosstab=Sexe,Transport"_s);
    const int a = variableNamed(d, text.left(comma));
    return {a, variableNamed(d, text.mid(comma + 1))};
}

Percentages percentagesNamed(const QCommandLineParser& p) {
    if (!p.isSet(u"percentages"_s)) return Percentages::None;
    const QString name = p.value(u"percentages"_s);
    if (name == u"row") return Percentages::Row;
    if (name == u"column") return Percentages::Column;
    if (name == u"total") return Percentages::Total;
    stop(u"--percentages attend row (en ligne), column (en colonne) ou total, pas « %1 »"_s.arg(
        name));
}

Classes classesOf(const Dataset& d, int variable, const Selection& s, const QCommandLineParser& p) {
    if (d.variables()[size_t(variable)].nature != Nature::Numeric)
        stop(u"« %1 » est qualitative : elle n'a pas de classes"_s.arg(
            d.variables()[size_t(variable)].name));
    const auto width = numberOption(p, u"classes"_s, u"l'amplitude"_s);
    const Classes c = classes(d, variable, s, width.value_or(suggestedWidth(d, variable, s)),
                              numberOption(p, u"start"_s, u"la première borne"_s));
    if (!c.fault.isEmpty()) stop(c.fault);
    return c;
}

void print(const Cells& cells) {
    std::fputs(tabSeparated(cells).toUtf8().constData(), stdout);
}

int exportChart(int argc, char* argv[], const core::TableChartRecord& chart,
                const QString& output) {
    const QString fault = chartFileFault(output);
    if (!fault.isEmpty()) stop(fault);
    if (!chart.fault.isEmpty()) stop(chart.fault);
    const QString why =
        writeChart(argc, argv, chart.drawing, core::Surface{}, chart.description, output);
    if (!why.isEmpty()) stop(u"impossible d'écrire « %1 » : %2."_s.arg(output, why));
    return 0;
}

int run(int argc, char* argv[], const QStringList& arguments) {
    QCommandLineParser p;
    p.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const char16_t* flag : {u"variables", u"stats"})
        p.addOption(QCommandLineOption(QString::fromUtf16(flag)));
    for (const char16_t* valued :
         {u"individuals", u"variable", u"filter", u"classes", u"start", u"crosstab", u"percentages",
          u"chart", u"export", u"order", u"qualitative"})
        p.addOption(QCommandLineOption(QString::fromUtf16(valued), {}, u"valeur"_s));
    if (!p.parse(arguments)) {
        const QStringList unknown = p.unknownOptionNames();
        stop(unknown.isEmpty()
                 ? u"les arguments ne se lisent pas : %1"_s.arg(p.errorText())
                 : u"l'option « %1 » est inconnue avec --individuals"_s.arg(unknown.front()));
    }
    if (!p.positionalArguments().isEmpty())
        stop(u"« %1 » est de trop : le fichier se donne par --individuals=FICHIER"_s.arg(
            p.positionalArguments().front()));
    const QString file = p.value(u"individuals"_s);
    const core::Reading<Dataset> reading = readIndividualsFile(file);
    if (!reading)
        throw Refusal{core::individuals::explain(reading.error, QFileInfo(file).fileName())};
    const Dataset& d = *reading.value;
    const core::Reading<Filter> filter = parseFilter(p.value(u"filter"_s), d);
    if (!filter) stop(u"le filtre ne se lit pas : "_s + filterFault(filter.error));
    const Selection s = evaluate(*filter.value, d);
    const int v = p.isSet(u"variable"_s) ? variableNamed(d, p.value(u"variable"_s)) : -1;
    // Codes such as a postcode read as numbers; --qualitative (repeatable) counts them as words.
    std::vector<bool> asWords(d.variables().size());
    for (const QString& name : p.values(u"qualitative"_s))
        asWords[size_t(variableNamed(d, name))] = true;
    const auto numeric = [&](int i) {
        return d.variables()[size_t(i)].nature == Nature::Numeric && !asWords[size_t(i)];
    };
    const auto needVariable = [&](const QString& mode) {
        if (v < 0) stop(u"%1 demande une variable : --variable=NOM"_s.arg(mode));
    };
    const QString orderName = p.value(u"order"_s);
    if (!orderName.isEmpty() && orderName != u"appearance" && orderName != u"alphabetical" &&
        orderName != u"count")
        stop(
            u"--order attend appearance (apparition), alphabetical (alphabétique) ou count "
            u"(effectifs), pas « %1 »"_s.arg(orderName));
    const Order order = orderName == u"alphabetical" ? Order::Alphabetical
                        : orderName == u"count"      ? Order::Count
                                                     : Order::Appearance;

    if (p.isSet(u"variables"_s)) {
        print(variableCells(d));
    } else if (p.isSet(u"crosstab"_s)) {
        const auto [a, b] = crossed(d, p.value(u"crosstab"_s));
        const auto width = numberOption(p, u"classes"_s, u"l'amplitude"_s);
        const auto start = numberOption(p, u"start"_s, u"la première borne"_s);
        const CrossTable t = crossTable(d, {a, width, start, asWords[size_t(a)]},
                                        {b, width, start, asWords[size_t(b)]}, s);
        if (!t.fault.isEmpty()) stop(t.fault);
        print(crossCells(t, percentagesNamed(p)));
    } else if (p.isSet(u"classes"_s) && !p.isSet(u"export"_s)) {
        needVariable(u"--classes"_s);
        print(classCells(classesOf(d, v, s, p)));
    } else if (p.isSet(u"stats"_s)) {
        needVariable(u"--stats"_s);
        if (numeric(v))
            print(parameterCells(numericParameters(d, v, s)));
        else
            print(modalityCells(modalities(d, v, s, order)));
    } else if (!p.isSet(u"export"_s)) {
        stop(
            u"avec --individuals, demandez --variables, --stats, --classes, --crosstab ou "
            u"--export"_s);
    }
    if (!p.isSet(u"export"_s)) return 0;

    const auto chart = chartNamed(p.value(u"chart"_s));
    if (!chart) stop(u"--export demande --chart=bars (barres), pie (circulaire) ou histogram"_s);
    needVariable(u"--export"_s);
    const QString name = d.variables()[size_t(v)].name;
    core::TableChartRecord g;
    if (*chart == Chart::Histogram && !numeric(v))
        stop(u"« %1 » est prise comme qualitative : elle n'a pas d'histogramme"_s.arg(name));
    if (*chart == Chart::Histogram)
        g = histogramOfClasses(name, classesOf(d, v, s, p));
    else if (*chart == Chart::Bars)
        g = barsOfModalities(name, modalities(d, v, s, order));
    else
        g = pieOfModalities(name, modalities(d, v, s, order));
    return exportChart(argc, argv, g, p.value(u"export"_s));
}

}  // namespace

bool wantsIndividuals(const QStringList& arguments) {
    const auto given = [&](QStringView option) {
        for (const QString& a : arguments)
            if (a == option || (a.startsWith(option) && a.mid(option.size()).startsWith(u'=')))
                return true;
        return false;
    };
    if (!given(u"--individuals")) return false;
    for (QStringView mode : {u"--variables", u"--stats", u"--classes", u"--crosstab", u"--export"})
        if (given(mode)) return true;
    return false;
}

QString takeIndividualsFile(QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(u"--individuals="_s))
            return arguments.takeAt(i).mid(QStringView(u"--individuals=").size());
        if (arguments[i] == u"--individuals"_s && i + 1 < arguments.size()) {
            arguments.removeAt(i);
            return arguments.takeAt(i);
        }
    }
    return {};
}

int runIndividuals(int argc, char* argv[], const QStringList& arguments) {
    try {
        return run(argc, argv, arguments);
    } catch (const Refusal& refusal) {
        return fail(refusal.why);
    }
}

}  // namespace command_line
