#include "core/counted_series.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace core {
namespace {

// The weighted mean and variance of points x with weights n, by N: the same corrected
// two-pass sums as for a raw series, so both agree on the same values.
struct Moments {
    std::optional<double> mean, variance, standardDeviation;
};
template <class X, class N>
Moments moments(size_t k, qint64 total, X x, N n) {
    Moments m;
    if (total <= 0) return m;
    const double N_ = double(total);
    double sum = 0;
    for (size_t i = 0; i < k; ++i) sum += double(n(i)) * x(i);
    double mean = sum / N_;
    if (!std::isfinite(mean)) {
        mean = 0;
        for (size_t i = 0; i < k; ++i) mean += x(i) * (double(n(i)) / N_);
    }
    m.mean = finiteOrNone(mean);
    if (!m.mean) return m;
    double squares = 0, deviations = 0;
    for (size_t i = 0; i < k; ++i) {
        const double d = x(i) - mean;
        squares += double(n(i)) * d * d;
        deviations += double(n(i)) * d;
    }
    const double variance = (squares - deviations * deviations / N_) / N_;
    if (std::isfinite(variance)) m.variance = std::max(0.0, variance);
    if (m.variance) m.standardDeviation = std::sqrt(*m.variance);
    return m;
}

qint64 ceilDiv(qint64 numerator, qint64 denominator) {
    return (numerator + denominator - 1) / denominator;
}

}  // namespace

WeightedParameters weightedParameters(std::vector<ValueCount> v) {
    WeightedParameters p;
    std::erase_if(v, [](const ValueCount& x) { return x.count <= 0; });
    std::sort(v.begin(), v.end(),
              [](const ValueCount& a, const ValueCount& b) { return a.value < b.value; });
    qint64 N = 0;
    for (const ValueCount& x : v) N += x.count;
    p.count = int(std::min(N, kLargestTotalCount));
    if (N == 0) return p;
    std::vector<qint64> runningTotal(v.size());
    runningTotal[0] = v[0].count;
    for (size_t i = 1; i < v.size(); ++i) runningTotal[i] = runningTotal[i - 1] + v[i].count;
    // The value of rank k (from 1) in the series written out.
    const auto atRank = [&](qint64 k) {
        k = std::clamp<qint64>(k, 1, N);
        const auto at = std::lower_bound(runningTotal.begin(), runningTotal.end(), k);
        return v[size_t(at - runningTotal.begin())].value;
    };
    p.minimum = v.front().value;
    p.maximum = v.back().value;
    p.range = finiteOrNone(v.back().value - v.front().value);
    p.median = N % 2 ? atRank((N + 1) / 2) : halfway(atRank(N / 2), atRank(N / 2 + 1));
    p.firstQuartile = atRank(ceilDiv(N, 4));
    p.thirdQuartile = atRank(ceilDiv(3 * N, 4));
    p.firstDecile = atRank(ceilDiv(N, 10));
    p.ninthDecile = atRank(ceilDiv(9 * N, 10));
    p.interquartileRange = finiteOrNone(*p.thirdQuartile - *p.firstQuartile);
    const Moments m = moments(
        v.size(), N, [&](size_t i) { return v[i].value; }, [&](size_t i) { return v[i].count; });
    p.mean = m.mean;
    p.variance = m.variance;
    p.standardDeviation = m.standardDeviation;

    qint64 largest = 0;
    bool allEqual = true;
    for (const ValueCount& x : v) {
        if (x.count != v.front().count) allEqual = false;
        if (x.count > largest) {
            largest = x.count;
            p.modes.clear();
        }
        if (x.count == largest) p.modes.push_back(x.value);
    }
    if (v.size() >= 2 && allEqual) p.modes.clear();
    return p;
}

namespace {

// The classes with a count, by lower bound, each with its place among those given.
struct SortedClasses {
    std::vector<Interval> classes;
    std::vector<int> origins;
    qint64 total = 0;
};
SortedClasses sortClasses(const std::vector<Interval>& classes) {
    SortedClasses r;
    std::vector<int> order(classes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return classes[size_t(a)].lower < classes[size_t(b)].lower;
    });
    for (int i : order) {
        r.classes.push_back(classes[size_t(i)]);
        r.origins.push_back(i);
        r.total += std::max<qint64>(0, classes[size_t(i)].count);
    }
    return r;
}

std::optional<Estimation> reading(const SortedClasses& r, double level) {
    if (r.total <= 0 || !(level > 0) || level > double(r.total)) return std::nullopt;
    double before = 0;
    for (size_t i = 0; i < r.classes.size(); ++i) {
        const Interval& c = r.classes[i];
        if (c.count <= 0) continue;
        const double after = before + double(c.count);
        if (level <= after) {
            const double part = (level - before) / double(c.count);
            return Estimation{c.lower + part * c.amplitude(), r.origins[i]};
        }
        before = after;
    }
    return std::nullopt;
}

}  // namespace

ClassParameters classParameters(const std::vector<Interval>& classes) {
    ClassParameters p;
    const SortedClasses r = sortClasses(classes);
    p.count = r.total;
    if (r.classes.empty()) return p;
    double high = r.classes.front().upper;
    for (const Interval& c : r.classes) high = std::max(high, c.upper);
    p.minimum = r.classes.front().lower;
    p.maximum = high;
    p.range = finiteOrNone(high - r.classes.front().lower);
    if (r.total == 0) return p;
    const Moments m = moments(
        r.classes.size(), r.total, [&](size_t i) { return r.classes[i].centre(); },
        [&](size_t i) { return std::max<qint64>(0, r.classes[i].count); });
    p.mean = m.mean;
    p.variance = m.variance;
    p.standardDeviation = m.standardDeviation;

    double plusDense = 0;
    for (size_t i = 0; i < classes.size(); ++i) {
        if (classes[i].count <= 0) continue;
        const double density = double(classes[i].count) / classes[i].amplitude();
        if (density > plusDense) {
            plusDense = density;
            p.modalClasses.clear();
        }
        if (density == plusDense) p.modalClasses.push_back(int(i));
    }
    const double N = double(r.total);
    p.median = reading(r, N / 2);
    p.firstQuartile = reading(r, N / 4);
    p.thirdQuartile = reading(r, 3 * N / 4);
    p.firstDecile = reading(r, N / 10);
    p.ninthDecile = reading(r, 9 * N / 10);
    if (p.firstQuartile && p.thirdQuartile)
        p.interquartileRange = finiteOrNone(p.thirdQuartile->value - p.firstQuartile->value);
    return p;
}

std::vector<QPointF> cumulativePolygon(std::vector<Interval> classes) {
    const SortedClasses r = sortClasses(classes);
    std::vector<QPointF> points;
    double runningTotal = 0;
    for (const Interval& c : r.classes) {
        if (points.empty() || points.back().x() != c.lower)
            points.emplace_back(c.lower, runningTotal);
        runningTotal += double(std::max<qint64>(0, c.count));
        points.emplace_back(c.upper, runningTotal);
    }
    return points;
}

double cumulativeCountAt(const std::vector<Interval>& classes, double x) {
    double runningTotal = 0;
    for (const Interval& c : classes) {
        const double n = double(std::max<qint64>(0, c.count));
        if (x >= c.upper)
            runningTotal += n;
        else if (x > c.lower)
            runningTotal += n * (x - c.lower) / c.amplitude();
    }
    return runningTotal;
}

std::optional<Estimation> cumulativeReading(const std::vector<Interval>& classes, double level) {
    return reading(sortClasses(classes), level);
}

double countAbove(const std::vector<ValueCount>& values, double threshold) {
    double n = 0;
    for (const ValueCount& v : values)
        if (v.value > threshold) n += double(std::max<qint64>(0, v.count));
    return n;
}

double countBelow(const std::vector<ValueCount>& values, double threshold) {
    double n = 0;
    for (const ValueCount& v : values)
        if (v.value < threshold) n += double(std::max<qint64>(0, v.count));
    return n;
}

double countAbove(const std::vector<Interval>& classes, double threshold) {
    double total = 0;
    for (const Interval& c : classes) total += double(std::max<qint64>(0, c.count));
    return total - cumulativeCountAt(classes, threshold);
}

double countBelow(const std::vector<Interval>& classes, double threshold) {
    return cumulativeCountAt(classes, threshold);
}

QString intervalText(double a, double b, bool closedRight) {
    return closedRight ? u"]%1 ; %2]"_s.arg(textOfNumber(a), textOfNumber(b))
                       : u"[%1 ; %2["_s.arg(textOfNumber(a), textOfNumber(b));
}

std::optional<ReadInterval> readInterval(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.size() < 5) return std::nullopt;
    const QChar opening = t.front(), closing = t.back();
    if ((opening != u'[' && opening != u']') || (closing != u'[' && closing != u']'))
        return std::nullopt;
    // Closed on one side only, as every class of a table is.
    const bool closedRight = opening == u']' && closing == u']';
    const bool closedLeft = opening == u'[' && closing == u'[';
    if (!closedRight && !closedLeft) return std::nullopt;
    const QStringView inside = t.sliced(1, t.size() - 2);
    // ";" divides the bounds wherever it stands; otherwise a comma that a blank follows
    // (a decimal comma never has one after it).
    qsizetype cut = inside.indexOf(u';');
    if (cut < 0) {
        cut = inside.indexOf(u", ");
        if (cut < 0 && decimalSeparator() != u","_s) cut = inside.indexOf(u',');
    }
    if (cut < 0) return std::nullopt;
    const auto bound = [](QStringView s) -> std::optional<double> {
        QString text = s.trimmed().toString();
        text.replace(u'.', decimalSeparator()).replace(u',', decimalSeparator());
        return readNumber(text);
    };
    const auto a = bound(inside.first(cut));
    const auto b = bound(inside.sliced(cut + 1));
    if (!a || !b) return std::nullopt;
    return ReadInterval{*a, *b, closedRight};
}

}  // namespace core
