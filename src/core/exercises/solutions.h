#pragma once

// The worked solution of each kind of figure, written out in French: the sums, ranks,
// interpolations and roundings a learner would write. Internal to the exercise engine;
// solutionDe() chooses among them.

#include "core/exercises/figures.h"

#include <QString>

namespace core::exercises {

// Central tendency and spread.
QString solutionMoyenne(const ExerciseSeries& s, int dec, const QString& unite);
// Where the rank or the level of a quantile lands, and what it reads there.
QString solutionQuantile(const ExerciseSeries& s, const Quantile& k, int dec, const QString& unite,
                         bool rangeesDites = false);
QString solutionEtendue(const ExerciseSeries& s, int dec, const QString& unite);
QString solutionVariance(const ExerciseSeries& s, int dec, bool ecartType, const QString& unite);
QString solutionMode(const ExerciseSeries& s, int dec, const QString& unite);

// Counts, thresholds and classes.
QString solutionEffectifTotal(const ExerciseSeries& s);
QString solutionFrequence(const ExerciseSeries& s, double valeur, int dec);
QString solutionSeuil(const ExerciseSeries& s, double seuil, bool dessus, bool pourcentage,
                      int dec);
QString solutionClasseModale(const ExerciseSeries& s);

}  // namespace core::exercises
