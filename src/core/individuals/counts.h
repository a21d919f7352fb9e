#pragma once

// One variable of the selected individuals counted: a qualitative one by modality (a
// numeric one may be taken as qualitative, its distinct values for modalities), a
// numeric one by value and in classes of equal width [a ; b[, and its parameters by the
// program's own definitions. Each count is one pass over a column, so a million rows
// take a few milliseconds. The results go to the table of counts and to the list.

#include "core/counted_series.h"
#include "core/frequency_table.h"
#include "core/individuals/dataset.h"
#include "core/parameters.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace core::individuals {

enum class Order { Appearance, Alphabetical, Count };

struct Modality {
    QString label;
    std::int64_t count = 0;
    double percent = 0;
};

struct Modalities {
    std::vector<Modality> rows;  // those met among the selected individuals
    std::int64_t total = 0;      // selected individuals with a value
    std::int64_t missing = 0;    // selected individuals without one
};

// Appearance is among the selected rows; alphabetical is the French order, numbers
// inside labels by their value (a numeric variable's values simply ascending); by
// count, largest first, ties by appearance.
Modalities modalities(const Dataset& dataset, int variable, const Selection& selection,
                      Order order = Order::Appearance);

// A numeric variable's values among the selected rows, in the file's order.
std::vector<double> selectedValues(const Dataset& dataset, int variable,
                                   const Selection& selection);
// Its distinct values with their counts, ascending. A million different values take a
// sort, not a table of a million entries.
std::vector<ValueCount> countsByValue(const Dataset& dataset, int variable,
                                      const Selection& selection);
// Its parameters, as the parameters window gives them.
SeriesParameters numericParameters(const Dataset& dataset, int variable,
                                   const Selection& selection);

struct ClassCount {
    double lower = 0, upper = 0;  // [lower ; upper[
    std::int64_t count = 0;
    double percent = 0;
};

struct Classes {
    std::vector<ClassCount> rows;  // from the first bound to the class of the largest value
    std::int64_t total = 0;
    double width = 0, start = 0;
    QString fault;  // why no classes could be made (French), empty otherwise
};

// The largest number of classes made; more is a fault asking for a larger width.
inline constexpr std::int64_t kMostClasses = 10000;

// Classes of equal `width` from `start`, or from the minimum rounded down to a multiple
// of the width. A start above the minimum would leave values out: a fault.
Classes classes(const Dataset& dataset, int variable, const Selection& selection, double width,
                std::optional<double> start = {});
// The same classes, their counts left at zero.
Classes classBounds(const Dataset& dataset, int variable, const Selection& selection, double width,
                    std::optional<double> start = {});
// The class a value falls in; values outside the classes go to the first or last one.
// Inline: it runs once per row.
inline std::int64_t classIndex(const Classes& classes, double x) {
    const auto last = std::int64_t(classes.rows.size()) - 1;
    const double estimate = (x - classes.start) / classes.width;
    std::int64_t k = estimate <= 0 ? 0 : estimate >= double(last) ? last : std::int64_t(estimate);
    // The division may land one class off a bound as written.
    while (k > 0 && x < classes.rows[size_t(k)].lower) --k;
    while (k < last && x >= classes.rows[size_t(k)].upper) ++k;
    return k;
}
// A round width giving about eight classes over the selected values.
double suggestedWidth(const Dataset& dataset, int variable, const Selection& selection);

// What the table of counts takes: values with counts, or classes [a ; b[ with counts.
FrequencyTable toTable(const std::vector<ValueCount>& counts);
FrequencyTable toTable(const Classes& classes);
// The values for the list, in the file's order, when there are at most 32,767.
inline constexpr std::size_t kLongestList = 32767;
std::optional<QStringList> toList(const std::vector<double>& values);

// Rows of cells: a header, then one per modality or class, then "Total".
using Cells = std::vector<QStringList>;
Cells modalityCells(const Modalities& modalities);
// One row of the counts by value, "Valeur", "Effectif", "Fréquence (%)", written when it
// is shown: the row after the last is "Total".
QStringList valueRow(const std::vector<ValueCount>& counts, std::int64_t total, std::size_t row);
Cells classCells(const Classes& classes);
// "Variable", "Nature" (numérique or qualitative), "Effectif", "Non renseignés".
Cells variableCells(const Dataset& dataset);
// "Paramètre", "Valeur": the rows the parameters of a series are printed as.
Cells parameterCells(const SeriesParameters& parameters);
// Cells a spreadsheet pastes (tabs, one row per line), and the CSV file this program
// writes (";" between cells, UTF-8 with its mark, CR LF).
QString tabSeparated(const Cells& cells);
QByteArray csvFile(const Cells& cells);
// A share in percent written as the tables write it: three decimals.
QString percentText(double percent);

}  // namespace core::individuals
