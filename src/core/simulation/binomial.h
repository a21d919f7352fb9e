#pragma once

// Draws from the binomial law B(n, p), exactly in distribution and with the program's
// own arithmetic, so a series number gives the same counts everywhere (the standard
// library's distributions differ between implementations). Where n·min(p, 1 − p) is
// below 10, inversion of the cumulative probabilities worked out once; above, Hörmann's
// transformed rejection with squeeze (BTRS), whose test against the exact
// probabilities uses Stirling's series for the log-factorials.

#include "core/simulation/generator.h"

#include <cstdint>
#include <vector>

namespace core::simulation {

class Binomial {
public:
    // n >= 0, p in [0, 1].
    Binomial(std::int64_t n, double p);
    std::int64_t operator()(Generator& g) const;

    // Which of the two methods draws (for the tests that cover both).
    bool byInversion() const { return !rejection_; }

private:
    std::int64_t inversion(Generator& g) const;
    std::int64_t btrs(Generator& g) const;

    std::int64_t n_;
    double p_;  // min(p, 1 - p): the count drawn is turned over where p > 1/2
    bool flip_ = false;
    bool rejection_ = false;
    // Inversion: the cumulative probabilities of 0, 1, 2… until the rest is negligible.
    std::vector<double> cumulative_;
    // BTRS's constants.
    double a_ = 0, twoA_ = 0, b_ = 0, c_ = 0, vr_ = 0, alpha_ = 0, m_ = 0;
    std::vector<double> ratio_;  // P(k)/P(m), k = 0..n
};

// log(k!) − ((k + 1/2)·log(k + 1) − (k + 1) + log(2π)/2): the correction to Stirling's
// formula, from a table below 10 and its series above.
double stirlingCorrection(std::int64_t k);

}  // namespace core::simulation
