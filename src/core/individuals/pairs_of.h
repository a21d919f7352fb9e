#pragma once

// Two numeric variables of the selected individuals as pairs, for the study of two
// variables: an individual missing either value is left out.

#include "core/individuals/dataset.h"
#include "core/pairs/pairs.h"

namespace core::individuals {

// `x` and `y` index numeric variables of `dataset`.
pairs::Pairs pairsOf(const Dataset& dataset, int x, int y, const Selection& selection);

}  // namespace core::individuals
