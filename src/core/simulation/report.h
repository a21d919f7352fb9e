#pragma once

// A simulation's results in words and tables: the rows the command line prints, each
// share with its interval written out, and the frequencies (or means) as a table of
// counts the table window opens.

#include "core/frequency_table.h"
#include "core/reading.h"
#include "core/simulation/simulation.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace core::simulation {

using Rows = std::vector<std::pair<QString, QString>>;

// For a proportion: the number and size of the samples, the mean and standard deviation
// of the frequencies and the four shares as decimals; for means, the population's μ and
// σ, the mean and standard deviation of the means and the share within μ ± 2σ/√n.
Rows rowsOf(const Result& result);
// "Paramètre\tValeur" then a row each, a line per row.
QString textOfRows(const Rows& rows);

// A whole number, its thousands apart as the program writes its bounds: "32 767".
QString grouped(std::int64_t count);
// "[0,4 ; 0,6]": an interval's bounds as the learner reads them, four decimals at most.
QString intervalText(double lower, double upper);
// "[p − 1/√n ; p + 1/√n] = [0,4 ; 0,6] : 9 648 échantillons sur 10 000, soit 96,48 %".
QString shareText(const Share& share, std::int64_t samples);

// The values with their counts, or, beyond `mostValues` distinct values, classes
// [a ; b[ of one width.
FrequencyTable tableOfCounts(const Result& result, int mostValues = 40);

// The values as the main list takes them, in the samples' order; empty with `tooMany`
// set beyond the list's 32,767.
QStringList listOf(const Result& result, bool& tooMany);

// The sizes of the fluctuation as the learner types them, "25 ; 50 ; 100" (blanks, ";"
// or new lines between), each a whole number from 1 to 100,000, in the order typed.
Reading<std::vector<std::int64_t>> readSizes(QStringView text);

}  // namespace core::simulation
