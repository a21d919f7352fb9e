#include "core/parameters.h"

#include "core/numbers.h"
#include "core/sorted_numbers.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
namespace {

QString threeDecimals(const std::optional<double>& x) {
    return x ? formatThreeDecimals(textOfNumber(*x)) : u"—"_s;
}

}  // namespace

std::optional<double> finiteOrNone(double x) {
    return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

double halfway(double a, double b) {
    const double sum = a + b;
    return std::isfinite(sum) ? sum / 2 : a / 2 + b / 2;
}

std::vector<double> numbers(const QStringList& texts) {
    std::vector<double> values;
    values.reserve(size_t(texts.size()));
    for (const QString& text : texts)
        if (const auto x = readNumber(text)) values.push_back(*x);
    return values;
}

SeriesParameters parameters(std::vector<double> x) {
    SeriesParameters p;
    const size_t n = x.size();
    p.count = int(n);
    if (n == 0) return p;
    sortNumbers(x);
    // x(k) of the classroom, counted from 1.
    const auto atRank = [&](size_t k) { return x[std::clamp<size_t>(k, 1, n) - 1]; };
    p.minimum = x.front();
    p.maximum = x.back();
    p.range = finiteOrNone(x.back() - x.front());
    p.median = n % 2 ? atRank((n + 1) / 2) : halfway(atRank(n / 2), atRank(n / 2 + 1));
    p.firstQuartile = atRank((n + 3) / 4);
    p.thirdQuartile = atRank((3 * n + 3) / 4);
    p.interquartileRange = finiteOrNone(*p.thirdQuartile - *p.firstQuartile);

    // The sum as the summary under the list computes it; where it leaves the range,
    // the mean is still within it.
    double sum = 0;
    for (double v : x) sum += v;
    double mean = sum / double(n);
    if (!std::isfinite(mean)) {
        mean = 0;
        for (double v : x) mean += v / double(n);
    }
    p.mean = finiteOrNone(mean);
    if (p.mean) {
        // Deviations from the mean, corrected by their own sum (which would be 0 but
        // for rounding): 1e9 + 1, 1e9 + 2, 1e9 + 3 give 2/3 exactly enough.
        double squares = 0, deviations = 0;
        for (double v : x) {
            const double d = v - mean;
            squares += d * d;
            deviations += d;
        }
        // Past the double range the two sums give inf - inf; a NaN must not pass the
        // clamp to 0 below as a variance of 0.
        const double variance = (squares - deviations * deviations / double(n)) / double(n);
        if (std::isfinite(variance)) p.variance = std::max(0.0, variance);
        if (p.variance) p.standardDeviation = std::sqrt(*p.variance);
    }

    int largest = 0, distinct = 0;
    bool allEqual = true;
    for (size_t i = 0; i < n;) {
        size_t j = i;
        while (j < n && x[j] == x[i]) ++j;
        const int counted = int(j - i);
        if (distinct > 0 && counted != largest) allEqual = false;
        if (counted > largest) {
            largest = counted;
            p.modes.clear();
        }
        if (counted == largest) p.modes.push_back(x[i]);
        ++distinct;
        i = j;
    }
    if (distinct >= 2 && allEqual) p.modes.clear();
    return p;
}

std::vector<CountedClass> countsTable(std::vector<double> x) {
    sortNumbers(x);
    std::vector<CountedClass> classes;
    const double n = double(x.size());
    int cumulative = 0;
    for (size_t i = 0; i < x.size();) {
        size_t j = i;
        while (j < x.size() && x[j] == x[i]) ++j;
        const int counted = int(j - i);
        cumulative += counted;
        classes.push_back(
            {x[i] == 0 ? 0.0 : x[i], counted, counted / n * 100, cumulative, cumulative / n * 100});
        i = j;
    }
    return classes;
}

QStringList parameterNames() {
    return {u"Effectif total"_s,
            u"Minimum"_s,
            u"Maximum"_s,
            u"Étendue"_s,
            u"Moyenne"_s,
            u"Médiane"_s,
            u"Premier quartile"_s,
            u"Troisième quartile"_s,
            u"Écart interquartile"_s,
            u"Mode"_s,
            u"Variance"_s,
            u"Écart-type"_s};
}

QStringList parameterTexts(const SeriesParameters& p) {
    QString mode = u"—"_s;
    if (p.count > 0) {
        QStringList modes;
        for (double m : p.modes) modes << textOfNumber(m);
        mode = modes.isEmpty() ? u"aucun"_s : modes.join(u" ; "_s);
    }
    return {QString::number(p.count),
            threeDecimals(p.minimum),
            threeDecimals(p.maximum),
            threeDecimals(p.range),
            threeDecimals(p.mean),
            threeDecimals(p.median),
            threeDecimals(p.firstQuartile),
            threeDecimals(p.thirdQuartile),
            threeDecimals(p.interquartileRange),
            mode,
            threeDecimals(p.variance),
            threeDecimals(p.standardDeviation)};
}

QStringList countsTableColumns() {
    return {u"Valeur"_s, u"Effectif"_s, u"Fréquence (%)"_s, u"Effectif cumulé croissant"_s,
            u"Fréquence cumulée croissante (%)"_s};
}

QStringList classText(const CountedClass& c) {
    return {textOfNumber(c.value), QString::number(c.count), threeDecimals(c.frequency),
            QString::number(c.cumulativeCount), threeDecimals(c.cumulativeFrequency)};
}

QString quartilesDefinition() {
    return u"Le premier quartile est la plus petite valeur de la série telle qu'au moins un "
           u"quart des valeurs lui soient inférieures ou égales ; le troisième quartile, la "
           u"plus petite telle qu'au moins trois quarts des valeurs lui soient inférieures ou "
           u"égales."_s;
}

QString parametersTable(const SeriesParameters& series1, const SeriesParameters& series2) {
    const QStringList names = parameterNames();
    const QStringList first = parameterTexts(series1);
    const QStringList second = parameterTexts(series2);
    QString text = u"Paramètre\tSérie 1\tSérie 2\n"_s;
    for (qsizetype i = 0; i < names.size(); ++i)
        text += names[i] + u'\t' + first[i] + u'\t' + second[i] + u'\n';
    return text;
}

}  // namespace core
