#pragma once

// The worked solution of each kind of figure, written out in French: the sums, ranks,
// interpolations and roundings a learner would write. Internal to the exercise engine;
// solutionOf() chooses among them.

#include "core/exercises/figures.h"

#include <QString>

namespace core::exercises {

// Central tendency and spread.
QString solutionMean(const ExerciseSeries& s, int dec, const QString& unit);
// Where the rank or the level of a quantile lands, and what it reads there.
QString solutionQuantile(const ExerciseSeries& s, const Quantile& k, int dec, const QString& unit,
                         bool sortedAlready = false);
QString solutionRange(const ExerciseSeries& s, int dec, const QString& unit);
QString solutionVariance(const ExerciseSeries& s, int dec, bool standardDeviation,
                         const QString& unit);
QString solutionMode(const ExerciseSeries& s, int dec, const QString& unit);

// Counts, thresholds and classes.
QString solutionTotalCount(const ExerciseSeries& s);
QString solutionFrequency(const ExerciseSeries& s, double value, int dec);
QString solutionThreshold(const ExerciseSeries& s, double threshold, bool above, bool percentage,
                          int dec);
QString solutionModalClass(const ExerciseSeries& s);

}  // namespace core::exercises
