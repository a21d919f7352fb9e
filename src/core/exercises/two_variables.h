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

bool surDesPaires(Quantite q);  // moyenne_x … estimation
bool surUneSimulation(Quantite q);

// Each returns why the file is at fault, or nothing.
QString lirePaires(const QJsonObject& o, SerieExercice& s);
QString lireSimulation(const QJsonObject& o, SerieExercice& s);
QString lireQuestionDeuxVariables(const QJsonObject& o, const SerieExercice& s,
                                  QuestionExercice& q);

// The figures expected: one, or none where the data give none (V(x) = 0...).
std::vector<double> attendusPaires(const SerieExercice& s, const QuestionExercice& q);
std::vector<double> attendusSimulation(const SerieExercice& s, const QuestionExercice& q);
QString solutionPaires(const SerieExercice& s, const QuestionExercice& q);
QString solutionSimulation(const SerieExercice& s, const QuestionExercice& q);
QString indiceDeuxVariables(const QuestionExercice& q);

// The run a simulation's series stands for, with its series number.
std::optional<simulation::Result> simulationDe(const SerieExercice& s);
// Whether the observed frequency lies within [p − 1/√n ; p + 1/√n].
bool observeeDansIntervalle(const SerieExercice& s);

}  // namespace core::exercises
