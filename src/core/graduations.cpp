#include "core/graduations.h"

#include <algorithm>
#include <cmath>

namespace core {

Axis graduatedAxis(double minimum, double maximum, int wanted) {
    long double low = minimum, high = maximum;
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || minimum > maximum) low = 0, high = 1;
    if (high == low) {
        // A single value stands in the middle, one power of ten either side.
        const long double unit =
            low == 0 ? 1.0L : std::pow(10.0L, std::floor(std::log10(std::fabs(low))));
        low -= unit;
        high += unit;
    }
    const long double raw = (high - low) / std::max(1, wanted);
    const long double magnitude = std::pow(10.0L, std::floor(std::log10(raw)));
    long double step = 10 * magnitude;
    for (const long double factor : {1.0L, 2.0L, 2.5L, 5.0L}) {
        if (raw <= factor * magnitude) {
            step = factor * magnitude;
            break;
        }
    }
    Axis axis;
    axis.start = std::floor(low / step) * step;
    axis.end = std::ceil(high / step) * step;
    const long long number = std::llround((axis.end - axis.start) / step);
    for (long long k = 0; k <= number; ++k) axis.graduations.push_back(axis.start + k * step);
    return axis;
}

}  // namespace core
