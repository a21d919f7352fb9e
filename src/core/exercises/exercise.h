#pragma once

// Exercises a learner answers and the program checks: read from a JSON file (a title,
// a statement, one or more series, and for each question the quantity it asks, its
// precision and its hint), the expected answers computed here from the data and never
// read from the file, the verdict on a typed answer, the worked solution written out
// in French with regional decimals, and new data of the same shape drawn from a
// numbered series. Pure functions of Qt Core, tested without a window.
//
// The engine's parts, each in its own file of this folder: reader.cpp and folders.cpp
// (files in), figures.cpp and checking.cpp (expected answers, verdicts), hints.cpp,
// solutions*.cpp (the working), new_data.cpp, data_table.cpp and corrected_sheet.cpp; pairs
// and simulations in two_variables.h (reader_two_variables.cpp, pairs_figures.cpp and
// simulation_figures.cpp), their figures taken from core::pairs and core::simulation.

#include "core/counted_series.h"
#include "core/frequency_table.h"
#include "core/pairs/pairs.h"
#include "core/reading.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace core {

struct ExerciseSeries {
    enum class Shape { Raw, Values, Classes, Pairs, Simulation };
    QString name;  // how the questions and the table name it, when there are several
    Shape shape = Shape::Raw;
    bool closedRight = true;
    std::vector<double> rawValues;   // a raw series, in its order
    std::vector<ValueCount> values;  // values with counts
    std::vector<Interval> classes;   // classes with counts
    // How new data are drawn: raw values between min and max by steps of pas, about
    // the series' own mean and spread; counts adding up to total.
    double min = 0, max = 0, step = 1;
    qint64 total = 0;
    // Pairs (x ; y) with the variables' names; new y are rounded to decimalsY.
    pairs::Pairs pairs;
    int decimalsY = 0;
    // A simulation: N samples of size n of a character of proportion p, drawn from
    // series n° tirage, and the frequency a real sample gave.
    double p = 0.5;
    qint64 n = 100, samples = 1000;
    quint64 draw = 4711;
    std::optional<double> observedFrequency;
    std::vector<double> population;  // set: means of samples drawn from it, in place of p

    qint64 count() const;
    // The raw series as distinct values with their counts, or the values as given.
    std::vector<ValueCount> weighted() const;
};

enum class Quantity {
    Mean,
    Median,
    Q1,
    Q3,
    D1,
    D9,
    Range,
    InterquartileRange,
    Variance,
    StandardDeviation,
    Mode,
    TotalCount,
    ValueFrequency,
    CountAbove,
    CountBelow,
    PercentAbove,
    PercentBelow,
    ModalClass,
    Choice,
    Largest,
    Smallest,
    // Two variables.
    MeanX,
    MeanY,
    Covariance,
    Correlation,
    Slope,
    Intercept,
    Estimation,
    Gini,
    // A simulation.
    FrequencyStandardDeviation,
    ShareInInterval,
    LowerBound,
    UpperBound,
    IntervalDecision,
};

// The quantity a file names ("moyenne", "ecart_type", ...), if any.
std::optional<Quantity> quantityNamed(QStringView name);
// The name a file gives a quantity: the reverse of quantityNamed.
QString quantityName(Quantity q);

struct ExerciseQuestion {
    QString text;
    Quantity quantity = Quantity::Mean;
    Quantity comparedBy = Quantity::Mean;  // what plus_grand and plus_petit compare
    double parameter = 0;                  // the value or the threshold asked about
    int series = 0;                        // which series, from 0
    double add = 0, multiplier = 1;        // asked of the values y = multiplier × x + ajouter
    double precision = 0.01;
    double tolerance = 0.005;
    QString unit;
    QString hint;         // the file's own, or empty for the quantity's
    QStringList choices;  // a choice given by the file, and its right answer
    QString answer;
    QString explanation;  // added to the solution
    // Two variables: the fit's method, ln y in place of y, the x or y estimated from.
    bool mayer = false;
    bool lnY = false;
    std::optional<double> x, y;
    // A simulation: the interval p ± k·s, or p ± 1/√n where k is 0.
    int k = 0;
};

// The chart an exercise shows its data with ("graphique": "batons", "histogramme",
// "polygone_cumule", "boite", "camembert", "nuage"), worked out in exercise_chart.h.
enum class ExerciseChart { None, Bars, Histogram, CumulativePolygon, Box, Pie, Scatter };

struct Exercise {
    QString title, statement;
    QString level;       // "5e", "4e", "3e", "2nde", "1re", "Tle", or empty when not said
    QStringList themes;  // what it practises, as the list may group or show it
    ExerciseChart chosenChart = ExerciseChart::None;
    std::vector<ExerciseSeries> series;
    std::vector<ExerciseQuestion> questions;
};

// The error's line is the file's line at fault, 0 where the whole file is (unreadable,
// too big).
using ExerciseReading = Reading<Exercise>;
// The fault as the teacher reads it: "ligne L : why", or why alone for the whole file.
QString exerciseFault(const ReadError& error);
ExerciseReading readExercise(const QByteArray& json);
ExerciseReading readExerciseFile(const QString& path);
// The school levels, from the youngest: where each exercise is listed.
const QStringList& schoolLevels();

// The answers offered by a question answered by a choice; empty for a figure.
QStringList choicesOf(const Exercise& e, int question);
// The exact figure expected, for a question answered by a figure. Several for modes.
std::vector<double> expectedFigures(const Exercise& e, int question);
// The right choices, for a question answered by a choice.
QStringList rightChoicesOf(const Exercise& e, int question);
// The expected answer as the solution writes it, rounded to the precision asked.
QString expectedAnswerOf(const Exercise& e, int question);

enum class Verdict { NoAnswer, Right, Wrong };
// A figure with "," or "." for its decimals, blanks between its digits allowed.
Verdict check(const Exercise& e, int question, const QString& answer);
QString verdictText(Verdict v);                   // "Juste", "Faux", or nothing
QString scoreText(int rightOnes, int questions);  // "3 réponses justes sur 4"

QString hintOf(const Exercise& e, int question);
QString solutionOf(const Exercise& e, int question);

// The same exercise with new data of the same shape, drawn from series n° numero
// (from 1): the same classes or values with new counts of the same total, or as many
// raw values between the same bounds. The same number always gives the same data.
Exercise withNewData(const Exercise& e, quint32 serial);

// The data as a table for the window: its columns and its rows.
struct DataTable {
    QStringList columns;
    std::vector<QStringList> lines;
};
DataTable dataTable(const Exercise& e);
// A series as a table of counts, to explore it in the table window.
FrequencyTable toTable(const ExerciseSeries& s);

// The exercises of some folders, each folder's files in the order of their names:
// those that read, and those that do not with the reason.
struct ExerciseFile {
    QString path;
    ExerciseReading reading;
};
std::vector<ExerciseFile> exercisesIn(const QStringList& folders);
// Where exercises are looked for: those shipped beside the program, then those of the
// system's data folders, then the learner's own (AppDataLocation/exercices).
QStringList exerciseFolders();

// The statement, the data, and each question with its answer and its working: a
// corrected sheet, as plain text.
QString correctedSheet(const Exercise& e, quint32 serial);

}  // namespace core
