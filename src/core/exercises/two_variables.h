#pragma once

// Exercises on two variables (pairs, a Lorenz curve) and on a simulation of samples:
// how the file describes them, the figures expected, taken from core::pairs and
// core::simulation, and their working. Internal to the exercise engine.

#include "core/exercises/figures.h"
#include "core/simulation/simulation.h"

#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

namespace core::exercises {

bool onPairs(Quantity q);  // moyenne_x … estimation
bool onSimulation(Quantity q);

// Each returns why the file is at fault, or nothing.
QString readPairs(const QJsonObject& o, ExerciseSeries& s);
QString readSimulation(const QJsonObject& o, ExerciseSeries& s);
QString readTwoVariablesQuestion(const QJsonObject& o, const ExerciseSeries& s,
                                 ExerciseQuestion& q);

// The figures expected: one, or none where the data give none (V(x) = 0...).
std::vector<double> expectedPairsFigures(const ExerciseSeries& s, const ExerciseQuestion& q);
std::vector<double> expectedSimulationFigures(const ExerciseSeries& s, const ExerciseQuestion& q);
QString solutionPairs(const ExerciseSeries& s, const ExerciseQuestion& q);
QString solutionSimulation(const ExerciseSeries& s, const ExerciseQuestion& q);
QString twoVariablesHint(const ExerciseQuestion& q);

// The run a simulation's series stands for, with its series number.
std::optional<simulation::Result> simulationOf(const ExerciseSeries& s);
// Whether the observed frequency lies within [p − 1/√n ; p + 1/√n].
bool observedInInterval(const ExerciseSeries& s);

}  // namespace core::exercises
