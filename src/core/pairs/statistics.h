#pragma once

// The figures of two variables as they are taught: means, variances and covariance
// with 1/n, the correlation coefficient, the least-squares lines, Mayer's line, and
// the sum of squared residuals of any line. Sums are taken in two passes (the means,
// then the deviations from them) with compensation, so a million pairs far from zero
// lose no digit a learner would see.

#include "core/pairs/pairs.h"

#include <cmath>
#include <span>

namespace core::pairs {

struct Summary {
    std::size_t n = 0;
    double meanX = 0, meanY = 0;
    double varianceX = 0, varianceY = 0;  // with 1/n
    double covariance = 0;                // with 1/n
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    std::optional<double> r;  // none when one of the variables is constant
};

// Every figure of the pairs; fails for fewer than two pairs or values too large. The
// columns may come from elsewhere (a change of variable, a file of individuals): their
// shorter length counts. Values are finite.
Computed<Summary> summarize(std::span<const double> x, std::span<const double> y);
inline Computed<Summary> summarize(const Pairs& pairs) {
    return summarize(pairs.x, pairs.y);
}

// y in x: a = cov / V(x), b = ȳ − a·x̄. Fails where V(x) = 0.
Computed<Line> leastSquares(const Summary& summary);
// x in y: x = a·y + b with a = cov / V(y). Fails where V(y) = 0.
Computed<Line> leastSquaresXInY(const Summary& summary);

// Mayer's line: the pairs sorted by x (equal x kept in their order), split into two
// groups of equal size, the first taking the middle pair when n is odd; the line
// through the groups' mean points.
struct Mayer {
    std::size_t firstCount = 0, secondCount = 0;
    Point g1, g2;
    Line line;
};
Computed<Mayer> mayer(std::span<const double> x, std::span<const double> y);
inline Computed<Mayer> mayer(const Pairs& pairs) {
    return mayer(pairs.x, pairs.y);
}

// Σ (yᵢ − (a·xᵢ + b))², compensated: what the learner's line is judged by, worked out
// anew at each of its moves.
double sumOfSquaredResiduals(const Pairs& pairs, const Line& line);
// yᵢ − (a·xᵢ + b), in the pairs' order.
std::vector<double> residuals(const Pairs& pairs, const Line& line);

// A sum that keeps the low digits each addition would drop (Neumaier).
class CompensatedSum {
public:
    void add(double v) {
        const double t = sum_ + v;
        compensation_ += std::abs(sum_) >= std::abs(v) ? (sum_ - t) + v : (v - t) + sum_;
        sum_ = t;
    }
    double value() const { return sum_ + compensation_; }

private:
    double sum_ = 0, compensation_ = 0;
};

}  // namespace core::pairs
