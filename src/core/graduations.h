#pragma once

// A graduated axis for any range of values: round steps (1, 2, 2.5 or 5 times a power
// of ten), from 0 to 1 as from -1e308 to 1e308; a single value gets an axis around it.
// Worked in extended precision, so the span of the largest doubles still fits.

#include <vector>

namespace core {

struct Axis {
    long double start = 0, end = 1;
    std::vector<long double> graduations;  // from debut to fin, ascending

    // Where a value stands along a length, 0 at debut.
    double position(double value, double length) const;
};

// Where values stand along one length of an axis, the axis's span taken once for a
// million of them: the same sums as Axe::position, so the same results to the bit.
class AxisScale {
public:
    AxisScale(const Axis& axis, double length)
        : start_(axis.start), span_(axis.end - axis.start), length_(length) {}
    double operator()(double value) const {
        return double((static_cast<long double>(value) - start_) / span_ * length_);
    }

private:
    long double start_, span_, length_;
};

inline double Axis::position(double value, double length) const {
    return AxisScale(*this, length)(value);
}

// About `wanted` graduations that cover [minimum, maximum].
Axis graduatedAxis(double minimum, double maximum, int wanted = 5);

}  // namespace core
