#include "core/chart_math.h"

#include "core/numbers.h"

#include <cmath>

namespace chart_math {

double pas(double largeur, double positions) {
    return core::intFloor(core::checked((largeur - 400) / (positions - 1)));
}

double echelle(double hauteur, double plusGrande) {
    const double quotient = core::checked((hauteur - 300) / plusGrande);
    const double entier = core::intFloor(quotient);
    if (entier >= -32768 && entier <= 32767) return entier;
    return quotient;
}

void echelleOu50(core::ResumeNext& resume, double hauteur, const core::Variant& plusGrande,
                 double& k) {
    if (resume.test([&] { return plusGrande == 0.0; }))
        k = 50;
    else
        resume([&] { k = echelle(hauteur, plusGrande.toDouble()); });
}

double ordonnee(double hauteur, double valeur, double k) {
    return core::checked((hauteur - 200) - core::intFloor(core::checked(valeur * k)));
}

QPointF surRayon(double cx, double cy, double rho, double a) {
    const double t = kQuartDeTour - core::checked(a) / 100;
    return {cx + core::intFloor(rho * std::cos(t)), cy - core::intFloor(rho * std::sin(t))};
}

namespace {
// How far inside its twip an end must lie for the rounding of cos, sin and the angle
// to be unable to move it out: far above their errors, far below any real step.
constexpr double kMargin = 1e-7;

// The distance from v to the nearest whole number.
double jusquAuBord(double v) {
    const double n = std::floor(v);
    return std::min(v - n, n + 1 - v);
}
}  // namespace

void extremites(double cx, double cy, double rho, const double* a, int n,
                const std::function<void(int first, int count, QPointF P)>& run) {
    int first = 0;
    while (first < n) {
        const double t = kQuartDeTour - core::checked(a[first]) / 100;
        const double cosT = std::cos(t), sinT = std::sin(t);
        const double c = rho * cosT, s = rho * sinT;
        const QPointF P(cx + core::intFloor(c), cy - core::intFloor(s));
        // Turning by d moves rho cos by at most |rho| d (|sin t| + d), and rho sin by at
        // most |rho| d (|cos t| + d): each may turn until it would reach its twip's edge.
        const double bordC = jusquAuBord(c) - kMargin, bordS = jusquAuBord(s) - kMargin;
        const double r = std::abs(rho);
        const auto reste = [&](double turned) {
            return r * turned * (std::abs(sinT) + turned) < bordC &&
                   r * turned * (std::abs(cosT) + turned) < bordS;
        };
        int last = first;
        while (last + 1 < n && reste(std::abs(kQuartDeTour - a[last + 1] / 100 - t))) ++last;
        run(first, last - first + 1, P);
        first = last + 1;
    }
}

}  // namespace chart_math
