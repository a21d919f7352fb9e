#pragma once

// What a question asks, and the figures of an exercise's series the checking, the hints
// and the solutions all work from. Internal to the exercise engine.

#include "core/exercises/exercise.h"

#include <QString>

#include <optional>
#include <vector>

namespace core::exercises {

using Shape = ExerciseSeries::Shape;

// What a quantity is called in a sentence.
QString nameOf(Quantity q);
bool isChoice(Quantity q);
bool asksThreshold(Quantity q);
// The quantities plus_grand and plus_petit compare: one figure per series.
bool comparable(Quantity q);

// The series as the question sees it: every value x becomes multiplier × x + ajouter.
ExerciseSeries transformed(const ExerciseSeries& s, double m, double a);
std::vector<ValueCount> sorted(std::vector<ValueCount> v);
std::vector<Interval> sorted(std::vector<Interval> c);
// The value of rank r (from 1) in ascending order.
double valueAtRank(const std::vector<ValueCount>& ascending, qint64 r);
qint64 rankAbove(qint64 n, int num, int den);

struct Quantile {
    int num, den;  // the level, N × num / den
    const char16_t* symbol;
    const char16_t* part;  // "un quart", for the rank's sentence
};
// "N/4", "3N/4": the level a quantile is read at.
QString levelOf(const Quantile& k);
std::optional<Quantile> quantileOf(Quantity q);

std::optional<double> valueOf(const ExerciseSeries& s, Quantity q);
double thresholdCount(const ExerciseSeries& s, double threshold, bool above);
std::vector<double> modesOf(const ExerciseSeries& s);
// The figure each series gives for what plus_grand and plus_petit compare.
std::vector<std::optional<double>> comparedFigures(const Exercise& e, const ExerciseQuestion& q);

}  // namespace core::exercises
