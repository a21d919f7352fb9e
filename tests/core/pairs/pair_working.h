#pragma once

// What the two-variable tests work their expected figures with, apart from the code
// they check.

#include "core/pairs/fits.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace test {

inline core::pairs::Pairs pairsOf(const QList<double>& x, const QList<double>& y) {
    return {QStringLiteral("x"), QStringLiteral("y"), std::vector<double>(x.begin(), x.end()),
            std::vector<double>(y.begin(), y.end())};
}

inline bool near(double a, double b, double tolerance = 1e-9) {
    return std::abs(a - b) <= tolerance * std::max({1.0, std::abs(a), std::abs(b)});
}

// The least-squares line from the normal equations, in raw sums, by Cramer's rule:
// Σx²·a + Σx·b = Σxy and Σx·a + n·b = Σy. Long double keeps the raw sums honest.
inline core::pairs::Line normalEquations(const core::pairs::Pairs& p) {
    long double sx = 0, sy = 0, sxx = 0, sxy = 0, n = p.size();
    for (std::size_t i = 0; i < p.size(); ++i) {
        sx += p.x[i];
        sy += p.y[i];
        sxx += (long double)p.x[i] * p.x[i];
        sxy += (long double)p.x[i] * p.y[i];
    }
    const long double d = sxx * n - sx * sx;
    return {double((sxy * n - sx * sy) / d), double((sxx * sy - sx * sxy) / d)};
}

}  // namespace test
