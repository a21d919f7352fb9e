#include "core/simulation/report.h"

#include "core/numbers.h"
#include "core/series_file.h"

#include <algorithm>
#include <cmath>
#include <map>

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace core::simulation {
namespace {

QString rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double r = std::round(value * scale) / scale;
    return textOfNumber(r == 0 ? 0.0 : r);  // never "-0"
}

}  // namespace

Rows rowsOf(const Result& r) {
    const Parameters& p = r.parameters;
    Rows rows;
    if (p.population) {
        rows = {{u"Moyenne de la population"_s, textOfNumber(p.population->mean)},
                {u"Écart-type de la population"_s, textOfNumber(p.population->sd)},
                {u"Moyenne des moyennes"_s, textOfNumber(r.mean)},
                {u"Écart-type des moyennes"_s, textOfNumber(r.sd)}};
        rows.push_back(
            {u"Part dans "_s + r.shares.back().name, textOfNumber(r.shares.back().share)});
        return rows;
    }
    rows = {{u"Nombre d'échantillons"_s, textOfNumber(double(p.samples))},
            {u"Taille des échantillons"_s, textOfNumber(double(p.n))},
            {u"Moyenne des fréquences"_s, textOfNumber(r.mean)},
            {u"Écart-type des fréquences"_s, textOfNumber(r.sd)}};
    for (const Share& s : r.shares)
        rows.push_back({u"Part dans "_s + s.name, textOfNumber(s.share)});
    return rows;
}

QString textOfRows(const Rows& rows) {
    QString text = u"Paramètre\tValeur\n"_s;
    for (const auto& [name, value] : rows) text += name + u'\t' + value + u'\n';
    return text;
}

QString grouped(std::int64_t count) {
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0 && digits[at - 1].isDigit(); at -= 3)
        digits.insert(at, u' ');
    return digits;
}

QString intervalText(double lower, double upper) {
    return u"["_s + rounded(lower, 4) + u" ; "_s + rounded(upper, 4) + u"]"_s;
}

QString shareText(const Share& s, std::int64_t samples) {
    return s.name + u" = "_s + intervalText(s.lower, s.upper) + u" : "_s + grouped(s.count) +
           (s.count > 1 ? u" échantillons sur "_s : u" échantillon sur "_s) + grouped(samples) +
           u", soit "_s + rounded(100 * s.share, 2) + u" %"_s;
}

FrequencyTable tableOfCounts(const Result& r, int mostValues) {
    FrequencyTable t;
    std::map<double, std::int64_t> counts;
    for (double v : r.values) {
        ++counts[v];
        if (std::ssize(counts) > mostValues) break;
    }
    if (std::ssize(counts) <= mostValues) {
        for (const auto& [value, count] : counts)
            t.lines.push_back({.value = textOfNumber(value), .count = textOfNumber(double(count))});
        return t;
    }
    // Classes [a ; b[ of one width: about 20 from the smallest value to past the largest.
    const auto [low, high] = std::minmax_element(r.values.begin(), r.values.end());
    const double span = *high - *low;
    const double step = std::pow(10.0, std::floor(std::log10(span / 20)));
    double width = step;
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (span / (m * step) <= 20) {
            width = m * step;
            break;
        }
    const double start = std::floor(*low / width) * width;
    const auto classes = std::int64_t(std::floor((*high - start) / width)) + 1;
    std::vector<std::int64_t> perClass(size_t(classes), 0);
    for (double v : r.values)
        ++perClass[size_t(std::clamp<std::int64_t>(std::int64_t(std::floor((v - start) / width)), 0,
                                                   classes - 1))];
    t.nature = FrequencyTable::Nature::Classes;
    t.closedRight = false;
    for (std::int64_t k = 0; k < classes; ++k) {
        if (perClass[size_t(k)] == 0 && (k == 0 || k == classes - 1)) continue;
        t.lines.push_back({.lower = rounded(start + double(k) * width, 10),
                           .upper = rounded(start + double(k + 1) * width, 10),
                           .count = textOfNumber(double(perClass[size_t(k)]))});
    }
    return t;
}

QStringList listOf(const Result& r, bool& tooMany) {
    tooMany = std::ssize(r.values) > kMostValues;
    QStringList list;
    if (tooMany) return list;
    for (double v : r.values) list << textOfNumber(v);
    return list;
}

Reading<std::vector<std::int64_t>> readSizes(QStringView text) {
    using Sizes = Reading<std::vector<std::int64_t>>;
    std::vector<std::int64_t> sizes;
    static const QRegularExpression between(u"[\\s;]+"_s);
    int column = 1;
    for (const QString& word : text.toString().split(between)) {
        if (word.isEmpty()) continue;
        column = int(text.indexOf(word, column - 1)) + 1;
        bool whole = false;
        const qlonglong n = word.toLongLong(&whole);
        if (!whole || n < 1 || n > kLargestSample)
            return Sizes::failure({1,
                                   column,
                                   u"« %1 » n'est pas une taille d'échantillon : un entier de 1 "
                                   u"à 100 000"_s.arg(word),
                                   {}});
        sizes.push_back(n);
        column += int(word.size());
    }
    if (sizes.empty())
        return Sizes::failure({1, 1, u"aucune taille d'échantillon n'est donnée"_s, {}});
    return Sizes::success(std::move(sizes));
}

}  // namespace core::simulation
