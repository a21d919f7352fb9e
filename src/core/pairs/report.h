#pragma once

// The figures of two variables as rows of a name and its text, as the command line
// prints them under "Paramètre" and "Valeur", tab-separated: the statistics, a fit's
// own rows, the estimates, the Gini index.

#include "core/pairs/fits.h"
#include "core/pairs/lorenz.h"

#include <QString>

#include <utility>
#include <vector>

namespace core::pairs {

using Rows = std::vector<std::pair<QString, QString>>;

// The fits a command line names: least-squares, mayer, exponential.
enum class FitKind { LeastSquares, Mayer, Exponential };
std::optional<FitKind> fitKindNamed(QStringView name);
// The fit as a curve over the pairs.
Computed<Curve> curveOf(const Pairs& pairs, FitKind kind);

// Effectif, the means, variances, covariance, r, least squares' a and b, Mayer's G1,
// G2, a and b: every row, or why the pairs have none (fewer than two, V(x) = 0...).
Computed<Rows> statisticsRows(const Pairs& pairs, int decimals);
// The fit's equation, its own coefficients (k and a for y = k × aˣ) and its sum of
// squared residuals.
Computed<Rows> fitRows(const Pairs& pairs, FitKind kind, int decimals);
// "Estimation de y" for x (or "Estimation de x" for y) on the fit, and whether it is
// an interpolation or an extrapolation.
Computed<Rows> estimateRows(const Pairs& pairs, FitKind kind, std::optional<double> x,
                            std::optional<double> y, int decimals);
Rows giniRows(const Lorenz& lorenz, int decimals);

// "Paramètre\tValeur\n" then a line per row.
QString rowsText(const Rows& rows);

}  // namespace core::pairs
