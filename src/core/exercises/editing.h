#pragma once

// What the teacher's exercise editor needs of the engine: an exercise written back as the
// JSON the reader takes (writer.cpp), the quantities offered for each shape of data with
// the parameters each takes, the faults that forbid saving, and where the teacher's own
// exercises are kept (checks.cpp). The reader and the engine stay the only judges: the
// quantities offered are those the reader accepts, and a question is refused when the
// engine finds no answer for it.

#include "core/exercises/exercise.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace core {

// The JSON of an exercise, keys in the order and spelling of the shipped files; reading
// it gives the same exercise back.
QByteArray exerciseJson(const Exercise& e);

// What a question of that quantity is given beside its text, precision and unit.
enum QuestionParameter : unsigned {
    NoParameter = 0,
    ParameterValue = 1 << 0,       // "valeur": the value whose frequency is asked
    ParameterThreshold = 1 << 1,   // "seuil"
    ParameterXOrY = 1 << 2,        // "x" or "y": what an estimation starts from
    ParameterMethod = 1 << 3,      // "methode": least squares or Mayer
    ParameterChange = 1 << 4,      // "changement": ln y
    ParameterK = 1 << 5,           // "k", or the interval 1/√n
    ParameterChoice = 1 << 6,      // "choix" and "reponse"
    ParameterComparedBy = 1 << 7,  // "de": what several series are compared by
    ParameterPrecision = 1 << 8,   // a figure: its precision and its unit
};

struct OfferedQuantity {
    Quantity quantity;
    QString name;     // as the file writes it: "moyenne"
    QString caption;  // as the list shows it: "Moyenne"
    unsigned parameters = NoParameter;
};
// The quantities the reader accepts on one series of that shape, in the reader's order.
std::vector<OfferedQuantity> offeredQuantities(ExerciseSeries::Shape shape);
// The French label of a quantity, for the list and the faults.
QString captionOf(Quantity q);
unsigned parametersOf(Quantity q);

// Why the exercise cannot be saved, one sentence a fault ("Question 2 : …"); empty
// when it can. The reader judges the file, the engine whether each question has an answer.
QStringList exerciseFaults(const Exercise& e);

// Where the teacher's exercises go: the learner's own folder of exerciseFolders().
QString teacherFolder();
// A file name made of the title in plain ASCII, "-2", "-3"… when the name is taken.
QString pathForTitle(const QString& folder, const QString& title);
// Writes the exercise whole or not at all, making its folder; the empty text, or why not.
QString saveExercise(const Exercise& e, const QString& path);

}  // namespace core
