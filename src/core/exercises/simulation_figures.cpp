#include "core/exercises/two_variables.h"

#include "core/exercises/wording.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace core::exercises {
namespace {

QString f(double x) {
    return sobre(x, 4);
}

// Where the shares of a run stand: ± s, ± 2s, ± 3s, then ± 1/√n.
const simulation::Share& partDe(const simulation::Result& r, int k) {
    return r.shares[size_t(k == 0 ? 3 : k - 1)];
}

QString bornes(const simulation::Share& p) {
    return u"["_s + f(p.lower) + u" ; "_s + f(p.upper) + u']';
}

}  // namespace

bool surDesPaires(Quantity q) {
    return q >= Quantity::MoyenneX && q <= Quantity::Estimation;
}

bool surUneSimulation(Quantity q) {
    return q >= Quantity::EcartTypeFrequences && q <= Quantity::DecisionIntervalle;
}

std::optional<simulation::Result> simulationDe(const ExerciseSeries& s) {
    simulation::Parameters p;
    p.p = s.p;
    p.n = s.n;
    p.samples = s.echantillons;
    p.series = s.tirage;
    if (!s.population.empty())
        p.population =
            std::make_shared<const simulation::Population>(simulation::populationOf(s.population));
    return simulation::simulate(p, {}, 1);
}

bool observeeDansIntervalle(const ExerciseSeries& s) {
    const auto r = simulationDe(s);
    if (!r || !s.frequenceObservee) return false;
    const auto& i = partDe(*r, 0);
    return *s.frequenceObservee >= i.lower && *s.frequenceObservee <= i.upper;
}

std::vector<double> attendusSimulation(const ExerciseSeries& s, const ExerciseQuestion& q) {
    const auto r = simulationDe(s);
    if (!r) return {};
    switch (q.quantite) {
        case Quantity::EcartTypeFrequences:
            return {r->sd};
        case Quantity::PartDansIntervalle:
            return {partDe(*r, q.k).share};
        case Quantity::BorneInferieure:
            return {partDe(*r, 0).lower};
        case Quantity::BorneSuperieure:
            return {partDe(*r, 0).upper};
        default:
            return {};
    }
}

QString solutionSimulation(const ExerciseSeries& s, const ExerciseQuestion& q) {
    const auto r = simulationDe(s);
    if (!r) return {};
    const int dec = decimalesDe(q.precision);
    const QString racine =
        u"1/√n = 1/√"_s + exact(double(s.n)) + u' ' + egal(1 / std::sqrt(double(s.n)), 4);
    const bool moyennes = !s.population.empty();
    const QString run = u"La simulation n° "_s + QString::number(s.tirage) + u" tire "_s +
                        exact(double(s.echantillons)) + u" échantillons de taille n = "_s +
                        exact(double(s.n)) +
                        (moyennes ? u" dans la population, de moyenne μ "_s + egal(r->centre, 4)
                                  : u" avec p = "_s + exact(s.p)) +
                        u" ; "_s;
    const QString ecart = (moyennes ? u"leurs moyennes ont pour moyenne "_s
                                    : u"leurs fréquences ont pour moyenne "_s) +
                          f(r->mean) +
                          (moyennes ? u" et pour écart type s = √(Σ(mᵢ − m̄)² / N) "_s
                                    : u" et pour écart type s = √(Σ(fᵢ − f̄)² / N) "_s) +
                          egal(r->sd, 4);
    switch (q.quantite) {
        case Quantity::EcartTypeFrequences:
            return run + ecart + u". On l'arrondit : s "_s + egal(r->sd, dec) +
                   (moyennes ? u" (à comparer à σ/√n "_s : u" (à comparer à √(p(1 − p)/n) "_s) +
                   egal(r->spread / std::sqrt(double(s.n)), 4) + u")."_s;
        case Quantity::PartDansIntervalle: {
            const auto& p = partDe(*r, q.k);
            const QString nom = q.k == 0 ? u"[p − 1/√n ; p + 1/√n], avec "_s + racine + u','
                                         : u"[%2 − %1s ; %2 + %1s]"_s.arg(
                                               q.k > 1 ? QString::number(q.k) : QString(),
                                               moyennes ? u"μ"_s : u"p"_s);
            return run + ecart + u". L'intervalle "_s + nom + u" est "_s + bornes(p) +
                   u" ; il contient "_s + exact(double(p.count)) + u" des "_s +
                   exact(double(s.echantillons)) +
                   (moyennes ? u" moyennes, soit une part de "_s
                             : u" fréquences, soit une part de "_s) +
                   exact(double(p.count)) + u" / "_s + exact(double(s.echantillons)) + u' ' +
                   egal(p.share, dec) + u'.';
        }
        case Quantity::BorneInferieure:
        case Quantity::BorneSuperieure: {
            const bool bas = q.quantite == Quantity::BorneInferieure;
            const auto& p = partDe(*r, 0);
            return racine + u", donc p "_s + (bas ? u"−"_s : u"+"_s) + u" 1/√n = "_s + exact(s.p) +
                   (bas ? u" − "_s : u" + "_s) + f(1 / std::sqrt(double(s.n))) + u' ' +
                   egal(bas ? p.lower : p.upper, dec) + u'.';
        }
        case Quantity::DecisionIntervalle: {
            const auto& p = partDe(*r, 0);
            const bool dedans = observeeDansIntervalle(s);
            return u"Avec "_s + racine + u", l'intervalle [p − 1/√n ; p + 1/√n] est "_s +
                   bornes(p) + u". La fréquence observée "_s + exact(*s.frequenceObservee) +
                   (dedans ? u" y est"_s : u" n'y est pas"_s) + u" : « "_s +
                   q.choix[dedans ? 0 : 1] + u" »."_s;
        }
        default:
            return {};
    }
}

QString indiceDeuxVariables(const ExerciseQuestion& q) {
    switch (q.quantite) {
        case Quantity::MoyenneX:
        case Quantity::MoyenneY:
            return u"Additionnez les valeurs de la variable, puis divisez par le nombre de paires n."_s;
        case Quantity::Covariance:
            return u"cov(x ; y) = Σxᵢyᵢ / n − x̄ × ȳ : calculez d'abord les deux moyennes et la "
                   u"somme des produits."_s;
        case Quantity::Correlation:
            return u"r = cov(x ; y) / √(V(x) × V(y)), avec V(x) = Σxᵢ² / n − x̄²."_s;
        case Quantity::CoefficientDirecteur:
        case Quantity::OrdonneeOrigine:
        case Quantity::Estimation:
            return q.mayer ? u"Rangez les paires par x croissants, coupez-les en deux groupes (le "
                             u"premier prend la paire du milieu si n est impair) : la droite de "
                             u"Mayer passe par leurs points moyens G₁ et G₂."_s
                           : u"Droite des moindres carrés : a = cov(x ; y) / V(x) et b = ȳ − a × "
                             u"x̄."_s;
        case Quantity::Gini:
            return u"G = 1 − Σ (xᵢ − xᵢ₋₁)(yᵢ + yᵢ₋₁), sur les points de la courbe de Lorenz."_s;
        case Quantity::EcartTypeFrequences:
        case Quantity::PartDansIntervalle:
            return u"Les fréquences des échantillons simulés sont une série : calculez leur écart "
                   u"type s, puis comptez celles qui tombent dans l'intervalle."_s;
        default:
            return u"L'intervalle de fluctuation est [p − 1/√n ; p + 1/√n]."_s;
    }
}

}  // namespace core::exercises
