#pragma once

// The charts of one variable of the selected individuals, as records like the table's
// charts (core::TableChartRecord): bars and a pie of the modalities, the histogram of
// classes of equal width. Each says in words what it shows, for a screen reader.

#include "core/individuals/counts.h"
#include "core/table_charts.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace core::individuals {

enum class Chart { Bars, Pie, Histogram };

// The chart a command line names: bars, pie or histogram.
std::optional<Chart> chartNamed(QStringView name);

TableChartRecord barsOfModalities(const QString& variable, const Modalities& modalities,
                                  const Surface& surface = {});
TableChartRecord pieOfModalities(const QString& variable, const Modalities& modalities,
                                 const Surface& surface = {});
// The table's own histogram of these classes, its description naming the variable.
TableChartRecord histogramOfClasses(const QString& variable, const Classes& classes,
                                    const Surface& surface = {});

}  // namespace core::individuals
