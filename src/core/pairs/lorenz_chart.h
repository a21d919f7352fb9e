#pragma once

// The Lorenz curve as a record: the broken line from (0 ; 0) to (1 ; 1) over the line
// of equality, on axes of cumulated shares, with its Gini index.

#include "core/pairs/lorenz.h"
#include "core/pairs/scatter_chart.h"

namespace core::pairs {

ChartRecord lorenzChart(const Lorenz& lorenz, int decimals = 3,
                        const Surface& surface = kPairsSurface);

}  // namespace core::pairs
