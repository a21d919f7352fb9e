#pragma once

// The figures of two variables as the learner reads them: numbers rounded to a chosen
// number of decimals in the region's form with no trailing zeros, points "(x ; y)",
// and equations "y = 2,35x − 10,4".

#include "core/pairs/fits.h"

#include <QString>

namespace core::pairs {

inline constexpr int kMostDecimals = 12;

// Rounded half away from zero at `decimals` (0 to 12) decimals, as the value's
// shortest decimal text reads, then written as textOfNumber writes it.
QString rounded(double value, int decimals);
// The same with a true minus sign (−), as in an equation or a coordinate.
QString signedText(double value, int decimals);
// "(12,5 ; 40,1)"
QString pointText(Point p, int decimals);
// "y = 2,35x + 10,4", "x = 0,4y − 3", "ln y = 0,2x + 1,3", "y = 3 ln x + 1", "y = 5/x + 2".
QString equation(const Curve& curve, int decimals);
// "y = 3,67 × 1,22ˣ"
QString equation(const Exponential& fit, int decimals);
// How Mayer's groups were made: "2 groupes de 12 paires", or for an odd count
// "25 paires, un nombre impair : le premier groupe prend la paire du milieu (13 paires
// contre 12)".
QString mayerGroups(const Mayer& mayer);

}  // namespace core::pairs
