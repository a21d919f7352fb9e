#pragma once

// Both series' box plots on one graduated horizontal axis, as a record like the table's
// charts: series 1 in blue above series 2 in red, whiskers from the minimum to Q1 and
// from Q3 to the maximum, a box from Q1 to Q3, a thicker line at the median. Each
// series' name stands at the left of its box; a screen reader reads the five figures.

#include "core/parameters.h"
#include "core/table_charts.h"

namespace core {

// The height the parameters window gives it, in twips: two rows and the axis.
inline constexpr double kSeriesBoxPlotHeight = 1950;

// A series without values, or whose figures leave the double range, is not drawn.
TableChartRecord seriesBoxPlot(const SeriesParameters& first, const SeriesParameters& second,
                               const Surface& surface);

}  // namespace core
