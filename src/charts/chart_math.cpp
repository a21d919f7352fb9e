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

}  // namespace chart_math
