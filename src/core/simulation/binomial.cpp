#include "core/simulation/binomial.h"

#include <algorithm>
#include <cmath>

namespace core::simulation {
namespace {

// Below this mean, inversion is faster than rejection, and rejection's hat too loose.
constexpr double kInversionBelow = 10;

// Exact values of the correction for k = 0..9, where the series is not yet close.
constexpr double kCorrection[10] = {
    0.08106146679532733, 0.04134069595540946,  0.027677925684997717, 0.02079067210376584,
    0.01664469118982126, 0.013876128823072875, 0.011896709945893313, 0.010411265261973668,
    0.00925546218270945, 0.008330563433359472};

}  // namespace

double stirlingCorrection(std::int64_t k) {
    if (k < 10) return kCorrection[k];
    // 1/12x − 1/360x³ + 1/1260x⁵ − 1/1680x⁷ with x = k + 1: below 1e-12 from 10 on.
    const double x = double(k + 1), x2 = x * x;
    return (1.0 / 12 - (1.0 / 360 - (1.0 / 1260 - 1.0 / (1680 * x2)) / x2) / x2) / x;
}

Binomial::Binomial(std::int64_t n, double p) : n_(n), p_(std::min(p, 1 - p)), flip_(p > 0.5) {
    const double q = 1 - p_;
    if (double(n_) * p_ < kInversionBelow) {
        // P(0) = qⁿ, then P(k + 1) = P(k)·(n − k)/(k + 1)·p/q, until the tail is below
        // what a double draw can reach.
        std::vector<double> masses;
        double mass = n_ == 0 || p_ == 0 ? 1.0 : std::exp(double(n_) * std::log1p(-p_));
        double total = 0;
        const double ratio = p_ / q;
        for (std::int64_t k = 0;; ++k) {
            total += mass;
            cumulative_.push_back(total);
            if (k == n_ || (double(k) > double(n_) * p_ && mass < 1e-20 * total)) break;
            mass *= double(n_ - k) / double(k + 1) * ratio;
        }
        for (double& c : cumulative_) c /= total;
        cumulative_.back() = 1.0;
        return;
    }
    rejection_ = true;
    const double spq = std::sqrt(double(n_) * p_ * q);
    b_ = 1.15 + 2.53 * spq;
    a_ = -0.0873 + 0.0248 * b_ + 0.01 * p_;
    c_ = double(n_) * p_ + 0.5;
    twoA_ = 2 * a_;
    vr_ = 0.92 - 4.2 / b_;
    alpha_ = (2.83 + 5.1 / b_) * spq;
    m_ = std::floor(double(n_ + 1) * p_);
    const double m = m_;
    const double h = (m + 0.5) * std::log((m + 1) / ((p_ / q) * (double(n_) - m + 1))) +
                     stirlingCorrection(std::int64_t(m)) + stirlingCorrection(n_ - std::int64_t(m));
    // P(k)/P(m) for every k, by Stirling's formula and its correction: worked out once,
    // the test of a draw the squeeze leaves is then one comparison.
    const double size = double(n_), r = p_ / q;
    ratio_.resize(size_t(n_ + 1));
    for (std::int64_t j = 0; j <= n_; ++j) {
        const double k = double(j);
        ratio_[size_t(j)] = std::exp(h + (size + 1) * std::log((size - m + 1) / (size - k + 1)) +
                                     (k + 0.5) * std::log(r * (size - k + 1) / (k + 1)) -
                                     stirlingCorrection(j) - stirlingCorrection(n_ - j));
    }
}

std::int64_t Binomial::operator()(Generator& g) const {
    const std::int64_t k = rejection_ ? btrs(g) : inversion(g);
    return flip_ ? n_ - k : k;
}

std::int64_t Binomial::inversion(Generator& g) const {
    const double u = g.uniform();
    std::int64_t k = 0;
    while (cumulative_[size_t(k)] <= u) ++k;
    return k;
}

std::int64_t Binomial::btrs(Generator& g) const {
    const double past = double(n_) + 1;
    for (;;) {
        const double u = g.uniform() - 0.5;
        const double v = g.uniform();
        const double us = 0.5 - std::abs(u);
        const double x = (twoA_ / us + b_) * u + c_;
        // Outside [0 ; n + 1[ the count is out of the law; inside, truncating is floor.
        if (!(x >= 0 && x < past)) continue;
        const auto k = std::int64_t(x);
        // The squeeze: wholly under the law, taken without its probability.
        if (us >= 0.07 && v <= vr_) return k;
        if (v * alpha_ / (a_ / (us * us) + b_) <= ratio_[size_t(k)]) return k;
    }
}

}  // namespace core::simulation
