#pragma once

// Numbers in increasing order, as std::sort puts them, faster where there are many: the
// parameters of a series of 32,767 values and the counts of a million individuals sort
// their values on every change.

#include <vector>

namespace core {

// Increasing; -0 comes just before 0, NaN after +inf (before -inf when negative).
void sortNumbers(std::vector<double>& values);

}  // namespace core
