// Of core/tableau_effectifs, what a table's analysis shows: its computed columns, its
// parameters, the values above and below a threshold, and the series it gives the main list.

#include "core/frequency_table.h"

#include "core/numbers.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
namespace {

using Nature = FrequencyTable::Nature;

QString three(const std::optional<double>& x) {
    return x ? formatThreeDecimals(textOfNumber(*x)) : u"—"_s;
}

QString whole(double x) {
    return textOfNumber(x);
}

}  // namespace

QStringList computedTexts(const TableAnalysis& a, int line) {
    const bool classes = a.nature == Nature::Classes;
    QStringList texts;
    const int columns = int(computedColumns(a.nature).size());
    if (line < 0 || size_t(line) >= a.lines.size() || a.lines[size_t(line)].rank < 0) {
        for (int i = 0; i < columns; ++i) texts << QString();
        return texts;
    }
    const size_t r = size_t(a.lines[size_t(line)].rank);
    const double N = double(a.total);
    const qint64 n = classes ? a.classes[r].count : a.values[r].count;
    const auto percent = [&](double x) { return N > 0 ? three(x / N * 100) : u"—"_s; };
    if (classes)
        texts << textOfNumber(a.classes[r].centre()) << textOfNumber(a.classes[r].amplitude());
    texts << percent(double(n)) << whole(double(a.cumulativeCounts[r]))
          << percent(double(a.cumulativeCounts[r]));
    return texts;
}
std::vector<std::pair<QString, QString>> tableParameters(const TableAnalysis& a) {
    std::vector<std::pair<QString, QString>> lines;
    if (a.nature == Nature::Values) {
        const WeightedParameters p = weightedParameters(a.values);
        QString mode = u"—"_s;
        if (p.count > 0) {
            QStringList modes;
            for (double m : p.modes) modes << textOfNumber(m);
            mode = modes.isEmpty() ? u"aucun"_s : modes.join(u" ; "_s);
        }
        lines = {{u"Effectif total"_s, whole(double(a.total))},
                 {u"Minimum"_s, three(p.minimum)},
                 {u"Maximum"_s, three(p.maximum)},
                 {u"Étendue"_s, three(p.range)},
                 {u"Moyenne"_s, three(p.mean)},
                 {u"Médiane"_s, three(p.median)},
                 {u"Premier quartile"_s, three(p.firstQuartile)},
                 {u"Troisième quartile"_s, three(p.thirdQuartile)},
                 {u"Écart interquartile"_s, three(p.interquartileRange)},
                 {u"Premier décile"_s, three(p.firstDecile)},
                 {u"Neuvième décile"_s, three(p.ninthDecile)},
                 {u"Mode"_s, mode},
                 {u"Variance"_s, three(p.variance)},
                 {u"Écart-type"_s, three(p.standardDeviation)}};
        return lines;
    }
    const ClassParameters p = classParameters(a.classes);
    const auto countedClass = [&](int i) {
        return intervalText(a.classes[size_t(i)].lower, a.classes[size_t(i)].upper, a.closedRight);
    };
    const auto estimation = [&](const std::optional<Estimation>& e) {
        return e ? three(e->value) : u"—"_s;
    };
    const auto classOf = [&](const std::optional<Estimation>& e) {
        return e && e->countedClass >= 0 ? countedClass(e->countedClass) : u"—"_s;
    };
    QStringList modalTexts;
    for (int i : p.modalClasses) modalTexts << countedClass(i);
    lines = {{u"Effectif total"_s, whole(double(a.total))},
             {u"Borne inférieure"_s, three(p.minimum)},
             {u"Borne supérieure"_s, three(p.maximum)},
             {u"Étendue"_s, three(p.range)},
             {u"Moyenne (par les centres)"_s, three(p.mean)},
             {u"Classe modale"_s, modalTexts.isEmpty() ? u"—"_s : modalTexts.join(u" ; "_s)},
             {u"Médiane (estimation)"_s, estimation(p.median)},
             {u"Classe de la médiane"_s, classOf(p.median)},
             {u"Premier quartile (estimation)"_s, estimation(p.firstQuartile)},
             {u"Classe du premier quartile"_s, classOf(p.firstQuartile)},
             {u"Troisième quartile (estimation)"_s, estimation(p.thirdQuartile)},
             {u"Classe du troisième quartile"_s, classOf(p.thirdQuartile)},
             {u"Écart interquartile (estimation)"_s, three(p.interquartileRange)},
             {u"Premier décile (estimation)"_s, estimation(p.firstDecile)},
             {u"Neuvième décile (estimation)"_s, estimation(p.ninthDecile)},
             {u"Variance (par les centres)"_s, three(p.variance)},
             {u"Écart-type (par les centres)"_s, three(p.standardDeviation)}};
    return lines;
}

QString tableParametersTable(const TableAnalysis& a) {
    QString text = u"Paramètre\tValeur\n"_s;
    for (const auto& [name, value] : tableParameters(a)) text += name + u'\t' + value + u'\n';
    return text;
}

QString quantilesDefinition(Nature nature) {
    if (nature == Nature::Classes)
        return u"Les classes sont représentées par leur centre pour la moyenne et la "
               u"variance. La médiane, les quartiles et les déciles sont estimés sur le "
               u"polygone des effectifs cumulés croissants, par interpolation linéaire aux "
               u"niveaux N/2, N/4, 3N/4, N/10 et 9N/10."_s;
    return u"Le premier quartile est la plus petite valeur de la série telle qu'au moins un "
           u"quart des valeurs lui soient inférieures ou égales ; le troisième quartile, la "
           u"plus petite telle qu'au moins trois quarts des valeurs lui soient inférieures ou "
           u"égales. Les déciles D1 et D9 se définissent de même avec un dixième et neuf "
           u"dixièmes des valeurs."_s;
}

namespace {

// Above and below, as counts and percentages; read on the polygon, a count is an
// estimate and keeps its decimals.
struct Threshold {
    QString above, shareAbove, below, shareBelow;
};
Threshold threshold(const TableAnalysis& a, double t) {
    const bool classes = a.nature == Nature::Classes;
    const double above = classes ? countAbove(a.classes, t) : countAbove(a.values, t);
    const double below = classes ? countBelow(a.classes, t) : countBelow(a.values, t);
    const double N = double(a.total);
    const auto part = [&](double x) { return N > 0 ? three(x / N * 100) + u" %"_s : u"—"_s; };
    const auto count = [&](double x) {
        return classes && x != std::floor(x) ? u"≈ "_s + formatThreeDecimals(x) : textOfNumber(x);
    };
    return {count(above), part(above), count(below), part(below)};
}

}  // namespace

QString thresholdText(const TableAnalysis& a, double t) {
    const Threshold s = threshold(a, t);
    return u"Au-dessus de %1 : %2 valeurs (%3) ; au-dessous : %4 valeurs (%5)."_s.arg(
        textOfNumber(t), s.above, s.shareAbove, s.below, s.shareBelow);
}

std::vector<std::pair<QString, QString>> thresholdLines(const TableAnalysis& a, double t) {
    const Threshold s = threshold(a, t);
    const QString x = textOfNumber(t);
    return {{u"Effectif au-dessus de %1"_s.arg(x), s.above},
            {u"Pourcentage au-dessus de %1"_s.arg(x), s.shareAbove},
            {u"Effectif au-dessous de %1"_s.arg(x), s.below},
            {u"Pourcentage au-dessous de %1"_s.arg(x), s.shareBelow}};
}

QStringList toList(const TableAnalysis& a, bool& tooMany) {
    tooMany = false;
    QStringList texts;
    if (a.nature == Nature::Classes) {
        if (a.classes.size() > size_t(kMostValues)) {
            tooMany = true;
            return {};
        }
        for (const Interval& c : a.classes) texts << textOfNumber(double(c.count));
        return texts;
    }
    if (a.total > kMostValues) {
        tooMany = true;
        return {};
    }
    for (const ValueCount& v : a.values)
        for (qint64 k = 0; k < v.count; ++k) texts << textOfNumber(v.value);
    return texts;
}

}  // namespace core
