#pragma once

// What a teacher hands out: one sheet per pupil, each with the data of its own series
// number, and the answer key that goes with them. The content only, as plain records
// that a writer lays out on pages (sheets/ writes them as PDF); the answers and the
// working are the exercise engine's, exactly as the corrected sheet of that series
// prints them.

#include "core/exercises/exercise.h"
#include "core/exercises/exercise_chart.h"
#include "core/reading.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace core::sheets {

// The most pupils a class list may hold, and the highest series number drawn.
inline constexpr int kMostPupils = 1000;
inline constexpr quint32 kLastSeries = 999999;

struct SheetQuestion {
    int number = 0;  // from 1
    QString text;
    QStringList choices;  // offered, for a question answered by a choice
};

struct SheetExercise {
    QString title, statement;
    DataTable data;
    std::vector<SheetQuestion> questions;
    std::vector<exercises::ExerciseChartRecord> charts;  // below the data, where asked
};

// A pupil's sheet: its name, its series number and its exercises.
struct Sheet {
    QString title;  // "Feuille d'exercices"
    QString pupil;
    quint32 series = 0;
    std::vector<SheetExercise> exercises;
};

struct KeyAnswer {
    int number = 0;
    QString question, answer, solution;
};

struct KeyExercise {
    QString title;
    DataTable data;
    std::vector<KeyAnswer> answers;
};

struct KeyEntry {
    QString pupil;
    quint32 series = 0;
    std::vector<KeyExercise> exercises;
};

// "Élève 1" … "Élève n".
QStringList numberedPupils(int count);

// The pupils a command line or a window names: a whole number (that many pupils,
// numbered), or a file with one name a line, or a CSV file whose column "Nom" (or
// "Élève", else the first) holds the names under a header row.
Reading<QStringList> readPupils(const QString& numberOrFile);
// The same for a file's bytes already read.
Reading<QStringList> pupilsOfText(const QByteArray& bytes);

// Pupils typed in a window: a whole number, or one name a line.
Reading<QStringList> pupilsTyped(const QString& text);

// Why these pupils and this first series cannot make sheets, or the empty text.
QString fault(int pupils, quint32 firstSeries);

// Pupil i (from 1) gets series number firstSeries + i − 1, for every exercise.
std::vector<Sheet> sheetsFor(const std::vector<Exercise>& exercises, const QStringList& pupils,
                             quint32 firstSeries);
std::vector<KeyEntry> answerKeyFor(const std::vector<Exercise>& exercises,
                                   const QStringList& pupils, quint32 firstSeries);

}  // namespace core::sheets
