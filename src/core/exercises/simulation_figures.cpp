#include "core/exercises/two_variables.h"

#include "core/exercises/wording.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace core::exercises {
namespace {

QString f(double x) {
    return plain(x, 4);
}

// Where the shares of a run stand: ± s, ± 2s, ± 3s, then ± 1/√n.
const simulation::Share& shareOf(const simulation::Result& r, int k) {
    return r.shares[size_t(k == 0 ? 3 : k - 1)];
}

QString bounds(const simulation::Share& p) {
    return u"["_s + f(p.lower) + u" ; "_s + f(p.upper) + u']';
}

}  // namespace

bool onPairs(Quantity q) {
    return q >= Quantity::MeanX && q <= Quantity::Estimation;
}

bool onSimulation(Quantity q) {
    return q >= Quantity::FrequencyStandardDeviation && q <= Quantity::IntervalDecision;
}

std::optional<simulation::Result> simulationOf(const ExerciseSeries& s) {
    simulation::Parameters p;
    p.p = s.p;
    p.n = s.n;
    p.samples = s.samples;
    p.series = s.draw;
    if (!s.population.empty())
        p.population =
            std::make_shared<const simulation::Population>(simulation::populationOf(s.population));
    return simulation::simulate(p, {}, 1);
}

bool observedInInterval(const ExerciseSeries& s) {
    const auto r = simulationOf(s);
    if (!r || !s.observedFrequency) return false;
    const auto& i = shareOf(*r, 0);
    return *s.observedFrequency >= i.lower && *s.observedFrequency <= i.upper;
}

std::vector<double> expectedSimulationFigures(const ExerciseSeries& s, const ExerciseQuestion& q) {
    const auto r = simulationOf(s);
    if (!r) return {};
    switch (q.quantity) {
        case Quantity::FrequencyStandardDeviation:
            return {r->sd};
        case Quantity::ShareInInterval:
            return {shareOf(*r, q.k).share};
        case Quantity::LowerBound:
            return {shareOf(*r, 0).lower};
        case Quantity::UpperBound:
            return {shareOf(*r, 0).upper};
        default:
            return {};
    }
}

QString solutionSimulation(const ExerciseSeries& s, const ExerciseQuestion& q) {
    const auto r = simulationOf(s);
    if (!r) return {};
    const int dec = decimalsOf(q.precision);
    const QString root =
        u"1/√n = 1/√"_s + exact(double(s.n)) + u' ' + equals(1 / std::sqrt(double(s.n)), 4);
    const bool withMeans = !s.population.empty();
    const QString run = u"La simulation n° "_s + QString::number(s.draw) + u" tire "_s +
                        exact(double(s.samples)) + u" échantillons de taille n = "_s +
                        exact(double(s.n)) +
                        (withMeans ? u" dans la population, de moyenne μ "_s + equals(r->centre, 4)
                                   : u" avec p = "_s + exact(s.p)) +
                        u" ; "_s;
    const QString spread = (withMeans ? u"leurs moyennes ont pour moyenne "_s
                                      : u"leurs fréquences ont pour moyenne "_s) +
                           f(r->mean) +
                           (withMeans ? u" et pour écart type s = √(Σ(mᵢ − m̄)² / N) "_s
                                      : u" et pour écart type s = √(Σ(fᵢ − f̄)² / N) "_s) +
                           equals(r->sd, 4);
    switch (q.quantity) {
        case Quantity::FrequencyStandardDeviation:
            return run + spread + u". On l'arrondit : s "_s + equals(r->sd, dec) +
                   (withMeans ? u" (à comparer à σ/√n "_s : u" (à comparer à √(p(1 − p)/n) "_s) +
                   equals(r->spread / std::sqrt(double(s.n)), 4) + u")."_s;
        case Quantity::ShareInInterval: {
            const auto& p = shareOf(*r, q.k);
            const QString name = q.k == 0 ? u"[p − 1/√n ; p + 1/√n], avec "_s + root + u','
                                          : u"[%2 − %1s ; %2 + %1s]"_s.arg(
                                                q.k > 1 ? QString::number(q.k) : QString(),
                                                withMeans ? u"μ"_s : u"p"_s);
            return run + spread + u". L'intervalle "_s + name + u" est "_s + bounds(p) +
                   u" ; il contient "_s + exact(double(p.count)) + u" des "_s +
                   exact(double(s.samples)) +
                   (withMeans ? u" moyennes, soit une part de "_s
                              : u" fréquences, soit une part de "_s) +
                   exact(double(p.count)) + u" / "_s + exact(double(s.samples)) + u' ' +
                   equals(p.share, dec) + u'.';
        }
        case Quantity::LowerBound:
        case Quantity::UpperBound: {
            const bool low = q.quantity == Quantity::LowerBound;
            const auto& p = shareOf(*r, 0);
            return root + u", donc p "_s + (low ? u"−"_s : u"+"_s) + u" 1/√n = "_s + exact(s.p) +
                   (low ? u" − "_s : u" + "_s) + f(1 / std::sqrt(double(s.n))) + u' ' +
                   equals(low ? p.lower : p.upper, dec) + u'.';
        }
        case Quantity::IntervalDecision: {
            const auto& p = shareOf(*r, 0);
            const bool inside = observedInInterval(s);
            return u"Avec "_s + root + u", l'intervalle [p − 1/√n ; p + 1/√n] est "_s + bounds(p) +
                   u". La fréquence observée "_s + exact(*s.observedFrequency) +
                   (inside ? u" y est"_s : u" n'y est pas"_s) + u" : « "_s +
                   q.choices[inside ? 0 : 1] + u" »."_s;
        }
        default:
            return {};
    }
}

QString twoVariablesHint(const ExerciseQuestion& q) {
    switch (q.quantity) {
        case Quantity::MeanX:
        case Quantity::MeanY:
            return u"Additionnez les valeurs de la variable, puis divisez par le nombre de paires n."_s;
        case Quantity::Covariance:
            return u"cov(x ; y) = Σxᵢyᵢ / n − x̄ × ȳ : calculez d'abord les deux moyennes et la "
                   u"somme des produits."_s;
        case Quantity::Correlation:
            return u"r = cov(x ; y) / √(V(x) × V(y)), avec V(x) = Σxᵢ² / n − x̄²."_s;
        case Quantity::Slope:
        case Quantity::Intercept:
        case Quantity::Estimation:
            return q.mayer ? u"Rangez les paires par x croissants, coupez-les en deux groupes (le "
                             u"premier prend la paire du milieu si n est impair) : la droite de "
                             u"Mayer passe par leurs points moyens G₁ et G₂."_s
                           : u"Droite des moindres carrés : a = cov(x ; y) / V(x) et b = ȳ − a × "
                             u"x̄."_s;
        case Quantity::Gini:
            return u"G = 1 − Σ (xᵢ − xᵢ₋₁)(yᵢ + yᵢ₋₁), sur les points de la courbe de Lorenz."_s;
        case Quantity::FrequencyStandardDeviation:
        case Quantity::ShareInInterval:
            return u"Les fréquences des échantillons simulés sont une série : calculez leur écart "
                   u"type s, puis comptez celles qui tombent dans l'intervalle."_s;
        default:
            return u"L'intervalle de fluctuation est [p − 1/√n ; p + 1/√n]."_s;
    }
}

}  // namespace core::exercises
