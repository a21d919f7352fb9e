#pragma once

// Series given as a table, as a class meets them: distinct values with their counts,
// or classes [a, b[ or ]a, b] with their counts. The parameters follow the classroom's
// definitions, as if each value were written as often as its count; for classes, the
// centres stand for the values and the cumulative polygon gives the quantiles by
// linear interpolation. Pure functions, tested without a window.

#include "core/parameters.h"

#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace core {

// The largest total a table may reach: 2^31 - 1 values.
inline constexpr qint64 kLargestTotalCount = 2147483647;

struct ValueCount {
    double value;
    qint64 count;
};

struct Interval {
    double lower, upper;
    qint64 count;
    double centre() const { return lower / 2 + upper / 2; }
    double amplitude() const { return upper - lower; }
};

// The parameters of a raw series, and the first and ninth deciles (values of ranks
// ⌈N/10⌉ and ⌈9N/10⌉).
struct WeightedParameters : SeriesParameters {
    std::optional<double> firstDecile, ninthDecile;
};

// Values in any order, each at most once; zero counts are allowed and weigh nothing.
WeightedParameters weightedParameters(std::vector<ValueCount> values);

// A figure read on the cumulative polygon, and the class (an index into the classes as
// given) that holds it.
struct Estimation {
    double value = 0;
    int countedClass = -1;
};

struct ClassParameters {
    qint64 count = 0;
    std::optional<double> minimum, maximum, range, mean, variance, standardDeviation;
    // The classes of largest density (largest count where widths are equal), as given.
    std::vector<int> modalClasses;
    std::optional<Estimation> median, firstQuartile, thirdQuartile, firstDecile, ninthDecile;
    std::optional<double> interquartileRange;
};

// Classes that do not overlap, in any order.
ClassParameters classParameters(const std::vector<Interval>& classes);

// The cumulative count polygon: (a1, 0), (b1, n1), (b2, n1 + n2), ...; a gap between
// two classes holds the count flat, through (a(i+1), cumulated so far).
std::vector<QPointF> cumulativePolygon(std::vector<Interval> classes);
// The count of values below x, read on the polygon; 0 before it, N after it.
double cumulativeCountAt(const std::vector<Interval>& classes, double x);
// The x where the polygon reaches `level` (0 < niveau <= N), with its class.
std::optional<Estimation> cumulativeReading(const std::vector<Interval>& classes, double level);

// How many values lie above, or below, a threshold: for values, strictly; for classes,
// read on the polygon.
double countAbove(const std::vector<ValueCount>& values, double threshold);
double countBelow(const std::vector<ValueCount>& values, double threshold);
double countAbove(const std::vector<Interval>& classes, double threshold);
double countBelow(const std::vector<Interval>& classes, double threshold);

// "]90 ; 100]" or "[90 ; 100[", in the general form of the numbers.
QString intervalText(double a, double b, bool closedRight);
// A class written as a text, "]90, 100]", "[90;100[", "] 90 ; 100 ]": its bounds and on
// which side it is closed. Either separator, ";" or a comma followed by a blank.
struct ReadInterval {
    double lower, upper;
    bool closedRight;
};
std::optional<ReadInterval> readInterval(QStringView text);

}  // namespace core
