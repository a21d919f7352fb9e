#include "core/chart_math.h"

#include "core/numbers.h"

#include <cmath>

namespace chart_math {

double step(double width, double positions) {
    return core::intFloor(core::checked((width - 400) / (positions - 1)));
}

double scale(double height, double largest) {
    const double quotient = core::checked((height - 300) / largest);
    const double whole = core::intFloor(quotient);
    if (whole >= -32768 && whole <= 32767) return whole;
    return quotient;
}

void scaleOr50(core::ResumeNext& resume, double height, const core::Variant& largest, double& k) {
    if (resume.test([&] { return largest == 0.0; }))
        k = 50;
    else
        resume([&] { k = scale(height, largest.toDouble()); });
}

double ordinate(double height, double value, double k) {
    return core::checked((height - 200) - core::intFloor(core::checked(value * k)));
}

QPointF onRadius(double cx, double cy, double rho, double a) {
    const double t = kQuarterTurn - core::checked(a) / 100;
    return {cx + core::intFloor(rho * std::cos(t)), cy - core::intFloor(rho * std::sin(t))};
}

namespace {
// How far inside its twip an end must lie for the rounding of cos, sin and the angle
// to be unable to move it out: far above their errors, far below any real step.
constexpr double kMargin = 1e-7;
// Steps this close are the same step.
constexpr double kSameStep = 1e-13;
// Rounding of one rotation, as an angle, with room to spare.
constexpr double kRotationError = 1e-15;

// The distance from v to the nearest whole number.
double toEdge(double v) {
    const double n = std::floor(v);
    return std::min(v - n, n + 1 - v);
}

// Int(rho f(t)) from a value that may be off by far less than the margin: the exact
// function decides where the value lies within the margin of a whole number.
double floorOf(double approximate, double rho, double (*exact)(double), double t) {
    const double whole = std::floor(approximate);
    if (approximate - whole > kMargin && whole + 1 - approximate > kMargin) return whole;
    return std::floor(rho * exact(t));
}

}  // namespace

Extremes::Extremes(double cx, double cy, double rho, const double* a, int n)
    : cx_(cx), cy_(cy), rho_(rho), a_(a), n_(n) {
    // Spokes a tenth of a twip apart at the rim or more make short runs: looking for
    // them costs more than it saves, and a rotation by the same step is cheaper.
    runs_ = n < 2 || !(std::abs(rho * (a[1] - a[0]) / 100) > 0.1);
}

// cos t and sin t, from the previous ones by a rotation while the rotations' error stays
// far inside the margin, else afresh.
inline void Extremes::rotate(double t) {
    bool rotated = false;
    // Past this radius, a rotation's error in twips could reach the margin.
    if (known_ && std::abs(rho_) < 1e4) {
        const double d = t - t_;
        if (std::abs(d - step_) > kSameStep) {
            step_ = d;
            cosStep_ = std::cos(d);
            sinStep_ = std::sin(d);
        }
        error_ += std::abs(t_ + step_ - t) + kRotationError;
        if (error_ < kMargin / 1e5) {
            const double c = cos_ * cosStep_ - sin_ * sinStep_;
            sin_ = sin_ * cosStep_ + cos_ * sinStep_;
            cos_ = c;
            rotated = true;
        }
    }
    if (!rotated) {
        cos_ = std::cos(t);
        sin_ = std::sin(t);
        error_ = 0;
        known_ = true;
    }
    t_ = t;
}

bool Extremes::next(int& first, int& number, QPointF& P) {
    if (next_ >= n_) return false;
    const double t = kQuarterTurn - core::checked(a_[next_]) / 100;
    rotate(t);
    const double c = rho_ * cos_, s = rho_ * sin_;
    P = QPointF(cx_ + floorOf(c, rho_, std::cos, t), cy_ - floorOf(s, rho_, std::sin, t));
    int last = next_;
    if (runs_) {
        // Turning by d moves rho cos by at most |rho| d (|sin t| + d), and rho sin by at
        // most |rho| d (|cos t| + d): each may turn until it would reach its twip's edge.
        const double cosEdge = toEdge(c) - kMargin, sinEdge = toEdge(s) - kMargin;
        const double r = std::abs(rho_), sinT = std::abs(sin_), cosT = std::abs(cos_);
        while (last + 1 < n_) {
            const double turned = std::abs(kQuarterTurn - a_[last + 1] / 100 - t);
            if (!(r * turned * (sinT + turned) < cosEdge && r * turned * (cosT + turned) < sinEdge))
                break;
            ++last;
        }
    }
    first = next_;
    number = last - next_ + 1;
    next_ = last + 1;
    return true;
}

}  // namespace chart_math
