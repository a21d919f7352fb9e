#pragma once

// What a question asks, and the figures of an exercise's series the checking, the hints
// and the solutions all work from. Internal to the exercise engine.

#include "core/exercises/exercise.h"

#include <QString>

#include <optional>
#include <vector>

namespace core::exercises {

using Forme = ExerciseSeries::Forme;

// What a quantity is called in a sentence.
QString nomDe(Quantity q);
bool estUnChoix(Quantity q);
bool demandeUnSeuil(Quantity q);
// The quantities plus_grand and plus_petit compare: one figure per series.
bool comparable(Quantity q);

// The series as the question sees it: every value x becomes multiplier × x + ajouter.
ExerciseSeries transformee(const ExerciseSeries& s, double m, double a);
std::vector<ValueCount> triees(std::vector<ValueCount> v);
std::vector<Interval> triees(std::vector<Interval> c);
// The value of rank r (from 1) in ascending order.
double valeurDeRang(const std::vector<ValueCount>& croissantes, qint64 r);
qint64 rangAuDessus(qint64 n, int num, int den);

struct Quantile {
    int num, den;  // the level, N × num / den
    const char16_t* symbole;
    const char16_t* part;  // "un quart", for the rank's sentence
};
// "N/4", "3N/4": the level a quantile is read at.
QString niveauDe(const Quantile& k);
std::optional<Quantile> quantileDe(Quantity q);

std::optional<double> valeurDe(const ExerciseSeries& s, Quantity q);
double effectifDuSeuil(const ExerciseSeries& s, double seuil, bool dessus);
std::vector<double> modesDe(const ExerciseSeries& s);
// The figure each series gives for what plus_grand and plus_petit compare.
std::vector<std::optional<double>> comparees(const Exercise& e, const ExerciseQuestion& q);

}  // namespace core::exercises
