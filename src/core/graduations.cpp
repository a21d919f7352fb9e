#include "core/graduations.h"

#include <algorithm>
#include <cmath>

namespace core {

Axis axeGradue(double minimum, double maximum, int voulues) {
    long double bas = minimum, haut = maximum;
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || minimum > maximum) bas = 0, haut = 1;
    if (haut == bas) {
        // A single value stands in the middle, one power of ten either side.
        const long double unite =
            bas == 0 ? 1.0L : std::pow(10.0L, std::floor(std::log10(std::fabs(bas))));
        bas -= unite;
        haut += unite;
    }
    const long double brut = (haut - bas) / std::max(1, voulues);
    const long double magnitude = std::pow(10.0L, std::floor(std::log10(brut)));
    long double pas = 10 * magnitude;
    for (const long double facteur : {1.0L, 2.0L, 2.5L, 5.0L}) {
        if (brut <= facteur * magnitude) {
            pas = facteur * magnitude;
            break;
        }
    }
    Axis axe;
    axe.debut = std::floor(bas / pas) * pas;
    axe.fin = std::ceil(haut / pas) * pas;
    const long long nombre = std::llround((axe.fin - axe.debut) / pas);
    for (long long k = 0; k <= nombre; ++k) axe.graduations.push_back(axe.debut + k * pas);
    return axe;
}

}  // namespace core
