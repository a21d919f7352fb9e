#include "core/exercises/wording.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::exercises {

int decimalsOf(double precision) {
    return std::clamp(int(std::ceil(-std::log10(precision) - 1e-9)), 0, 9);
}

// A figure of the data: whole numbers grouped by thousands as the region writes them.
QString exact(double x) {
    if (x == std::floor(x) && std::abs(x) < 1e15) return regionalLocale().toString(qint64(x));
    return textOfNumber(std::round(x * 1e6) / 1e6);
}

QString roundedText(double x, int decimals) {
    return regionalLocale().toString(x, 'f', decimals);
}

double roundedValue(double x, int decimals) {
    return std::round(x * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
}

bool lossless(double x, int decimals) {
    return std::abs(x - roundedValue(x, decimals)) <= 1e-9 * std::max(1.0, std::abs(x));
}

// A figure rounded to that many decimals, without the zeros that say nothing.
QString plain(double x, int decimals) {
    return lossless(x, decimals) ? exact(roundedValue(x, decimals)) : roundedText(x, decimals);
}

// "= 38" where the rounding loses nothing, "≈ 131,3" where it does.
QString equals(double x, int decimals) {
    return (lossless(x, decimals) ? u"= "_s : u"≈ "_s) + plain(x, decimals);
}

QString withUnit(const QString& t, const QString& unit) {
    return unit.isEmpty() ? t : t + u' ' + unit;
}

// A long sum keeps its first three terms and its last.
QString sum(const QStringList& terms) {
    if (terms.size() <= 6) return terms.join(u" + "_s);
    return terms.mid(0, 3).join(u" + "_s) + u" + … + "_s + terms.last();
}

QString intervalOf(const ExerciseSeries& s, const Interval& k) {
    return intervalText(k.lower, k.upper, s.closedRight);
}

QString valuesText(const std::vector<double>& v) {
    QStringList t;
    for (double x : v) t << exact(x);
    return t.join(u" ; "_s);
}

}  // namespace core::exercises
