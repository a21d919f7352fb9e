#pragma once

// The parameters of a series as taught in French classrooms: position (median and
// quartiles by the classroom's definition), spread, mode, variance by n, and the table
// of counts; as pure functions of the values.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace core {

// x, or nothing where it has left the double range.
std::optional<double> finiteOrNone(double x);
// The mean of two values without leaving the double range on the way.
double halfway(double a, double b);

struct SeriesParameters {
    int count = 0;
    // Empty where the series is, or where the value leaves the double range.
    std::optional<double> minimum, maximum, range, mean, median, firstQuartile, thirdQuartile,
        interquartileRange, variance, standardDeviation;
    // The values of largest count, ascending; none where every value has the same count
    // and there are at least two of them ("aucun").
    std::vector<double> modes;
};

// One row of the table of counts: a distinct value and how often it comes.
struct CountedClass {
    double value;
    int count;
    double frequency;  // percent
    int cumulativeCount;
    double cumulativeFrequency;  // percent
};

// The numbers among the texts, in order; a text that is not a number is left out.
std::vector<double> numbers(const QStringList& texts);

SeriesParameters parameters(std::vector<double> values);
// One row per distinct value (values compared as numbers), ascending.
std::vector<CountedClass> countsTable(std::vector<double> values);

// The names of the parameters, in the order they are shown.
QStringList parameterNames();
// The parameters as shown: Effectif total whole, the modes in the general form, every
// other one with three decimals; "—" where a value is missing.
QStringList parameterTexts(const SeriesParameters& p);
// The columns of the table of counts and one row as shown.
QStringList countsTableColumns();
QStringList classText(const CountedClass& countedClass);
// How the quartiles are defined, in a sentence.
QString quartilesDefinition();

// The parameters of two series, a row per parameter, tab-separated, for a spreadsheet
// or standard output; the first row names the columns.
QString parametersTable(const SeriesParameters& series1, const SeriesParameters& series2);

}  // namespace core
