#pragma once

// How the exercise engine writes figures and pieces of sentences: regional decimals,
// "= 38" or "≈ 131,3", long sums cut short. Internal to the exercise engine.

#include "core/exercises/exercise.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace core::exercises {

int decimalesDe(double precision);
// A figure of the data: whole numbers grouped by thousands as the region writes them.
QString exact(double x);
QString arrondi(double x, int decimales);
double arrondie(double x, int decimales);
bool sansPerte(double x, int decimales);
// A figure rounded to that many decimals, without the zeros that say nothing.
QString sobre(double x, int decimales = 3);
// "= 38" where the rounding loses nothing, "≈ 131,3" where it does.
QString egal(double x, int decimales);
QString avecUnite(const QString& t, const QString& unite);
// A long sum keeps its first three terms and its last.
QString somme(const QStringList& termes);
QString intervalle(const ExerciseSeries& s, const Interval& k);
QString texteDesValeurs(const std::vector<double>& v);

}  // namespace core::exercises
