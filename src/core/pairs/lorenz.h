#pragma once

// The Lorenz curve of a distribution of a mass (incomes, wealth) over a population: the
// broken line through the cumulated shares (population ; mass) from (0 ; 0) to (1 ; 1),
// given as such or worked out from a table of classes and counts, each class holding
// its centre times its count. The Gini index is read on it by trapezoids:
// 1 − Σ (xᵢ − xᵢ₋₁)(yᵢ + yᵢ₋₁).

#include "core/frequency_table.h"
#include "core/pairs/pairs.h"

#include <vector>

namespace core::pairs {

struct Lorenz {
    std::vector<Point> points;  // from (0 ; 0) to (1 ; 1), both shares increasing
    double gini = 0;
};

// Shares as given: each within [0 ; 1], neither decreasing from one point to the next,
// the last (1 ; 1); (0 ; 0) is added in front where it is missing.
Computed<Lorenz> lorenzFromShares(const std::vector<Point>& shares);
// A table's rows that count, in increasing order of value (or class): each holds its
// value (or its class's centre) times its count. Values must not be negative.
Computed<Lorenz> lorenzFromTable(const TableAnalysis& table);

// 1 − Σ (xᵢ − xᵢ₋₁)(yᵢ + yᵢ₋₁) over a broken line from (0 ; 0) to (1 ; 1).
double gini(const std::vector<Point>& points);

}  // namespace core::pairs
