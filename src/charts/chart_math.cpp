#include "charts/chart_math.h"

#include "ui/numbers.h"

#include <cmath>

namespace chart_math {

double pas(double largeur, double positions) {
    return ui::intFloor(ui::checked((largeur - 400) / (positions - 1)));
}

double echelle(double hauteur, double plusGrande) {
    const double quotient = ui::checked((hauteur - 300) / plusGrande);
    const double entier = ui::intFloor(quotient);
    if (entier >= -32768 && entier <= 32767) return entier;
    return quotient;
}

double ordonnee(double hauteur, double valeur, double k) {
    return ui::checked((hauteur - 200) - ui::intFloor(ui::checked(valeur * k)));
}

QPointF surRayon(double cx, double cy, double rho, double a) {
    const double t = kQuartDeTour - ui::checked(a) / 100;
    return {cx + ui::intFloor(rho * std::cos(t)), cy - ui::intFloor(rho * std::sin(t))};
}

namespace {
// Steps this close are the same step.
constexpr double kSameStep = 1e-13;
// Values nearer a whole twip than this are floored from the exact functions; the
// rotated values are kept within a tenth of it of the exact ones.
constexpr double kMargin = 1e-7;
// Rounding of one rotation, as an angle, with room to spare.
constexpr double kRotationError = 1e-15;
}  // namespace

QPointF Rayons::point(double a) {
    const double t = kQuartDeTour - ui::checked(a) / 100;
    bool rotated = false;
    if (known_) {
        const double d = t - t_;
        if (std::abs(d - step_) > kSameStep) {
            step_ = d;
            cosStep_ = std::cos(d);
            sinStep_ = std::sin(d);
        }
        // How far the rotated state may stand from t, at most.
        error_ += std::abs(t_ + step_ - t) + kRotationError;
        if (std::abs(rho_) < 1e9 && std::abs(rho_) * error_ < kMargin / 10) {
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
    return {cx_ + floorOf(rho_ * cos_, std::cos, t), cy_ - floorOf(rho_ * sin_, std::sin, t)};
}

double Rayons::floorOf(double approximate, double (*exact)(double), double t) const {
    if (!(std::abs(approximate) < 1e15)) return std::floor(rho_ * exact(t));
    // A truncation gives the floor cheaply.
    double whole = double(static_cast<long long>(approximate));
    if (whole > approximate) whole -= 1;
    if (approximate - whole > kMargin && whole + 1 - approximate > kMargin) return whole;
    return std::floor(rho_ * exact(t));
}

}  // namespace chart_math
