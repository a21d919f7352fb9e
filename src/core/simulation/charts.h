#pragma once

// A simulation's charts, each a record (core::Drawing) on graduated axes with a French
// description for a screen reader: the histogram of the frequencies (or means) with
// the intervals drawn over it; s against 1/√n with the line through the origin of
// slope √(p(1 − p)); the running frequency on a logarithmic axis of n with the line
// y = p.

#include "core/simulation/simulation.h"
#include "core/table_charts.h"

#include <optional>

namespace core::simulation {

enum class ChartKind { Frequencies, Fluctuation, LargeNumbers };
// The chart a command line names: frequencies, fluctuation or large-numbers.
std::optional<ChartKind> chartNamed(QStringView name);

TableChartRecord histogram(const Result& result, const Surface& surface = {});
TableChartRecord fluctuationChart(const Fluctuation& fluctuation, const Surface& surface = {});
TableChartRecord largeNumbersChart(const LargeNumbers& sequence, const Surface& surface = {});

}  // namespace core::simulation
