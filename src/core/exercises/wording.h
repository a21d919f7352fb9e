#pragma once

// How the exercise engine writes figures and pieces of sentences: regional decimals,
// "= 38" or "≈ 131,3", long sums cut short. Internal to the exercise engine.

#include "core/exercises/exercise.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace core::exercises {

int decimalsOf(double precision);
// A figure of the data: whole numbers grouped by thousands as the region writes them.
QString exact(double x);
QString roundedText(double x, int decimals);
double roundedValue(double x, int decimals);
bool lossless(double x, int decimals);
// A figure rounded to that many decimals, without the zeros that say nothing.
QString plain(double x, int decimals = 3);
// "= 38" where the rounding loses nothing, "≈ 131,3" where it does.
QString equals(double x, int decimals);
QString withUnit(const QString& t, const QString& unit);
// A long sum keeps its first three terms and its last.
QString sum(const QStringList& terms);
QString intervalOf(const ExerciseSeries& s, const Interval& k);
QString valuesText(const std::vector<double>& v);

}  // namespace core::exercises
