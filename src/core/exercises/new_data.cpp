#include "core/exercises/exercise.h"

#include "core/exercises/figures.h"
#include "core/pairs/fits.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;
namespace {

// The program's generator, as a series of its own: the same 24-bit congruence, started
// from the series' number, so that a number gives the same data everywhere.
class Tirage {
public:
    explicit Tirage(quint32 numero) : etat_((numero * 2654435761u) & 0xFFFFFFu) {
        for (int i = 0; i < 8; ++i) suivant();
    }
    double suivant() {
        etat_ = (etat_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return double(etat_) / 16777216.0;
    }

private:
    quint32 etat_;
};

void tirerComptes(std::vector<qint64*>& comptes, const std::vector<double>& poids, qint64 total,
                  Tirage& t) {
    std::vector<double> cumules;
    double s = 0;
    for (double p : poids) cumules.push_back(s += p);
    for (qint64* c : comptes) *c = 0;
    if (s <= 0) return;
    for (qint64 i = 0; i < total; ++i) {
        const double u = t.suivant() * s;
        const size_t k =
            size_t(std::upper_bound(cumules.begin(), cumules.end(), u) - cumules.begin());
        ++*comptes[std::min(k, comptes.size() - 1)];
    }
}

double normale(Tirage& t) {
    return (t.suivant() + t.suivant() + t.suivant() + t.suivant() - 2) * std::sqrt(3.0);
}

// y = a·x + b + noise about the data's own fit, the noise as large as its residuals, rounded
// as the data were; about ln y where the questions fit ln y, so y stays positive.
void tirerPaires(ExerciseSeries& s, bool lnY, Tirage& t) {
    using pairs::Change;
    const auto c = pairs::fit(s.paires, pairs::Method::LeastSquares, Change::None,
                              lnY ? Change::Log : Change::None);
    if (!c) return;
    const auto vus = pairs::changedPairs(s.paires, Change::None, lnY ? Change::Log : Change::None);
    const auto r = pairs::residuals(*vus, c->line);
    double carres = 0;
    for (double e : r) carres += e * e;
    const double pas = std::pow(10.0, -s.decimalesY);
    // Data that fit too well would round back to the same figures for every number.
    const double ecart = std::max(std::sqrt(carres / double(r.size())), lnY ? 0.02 : pas);
    for (size_t i = 0; i < s.paires.size(); ++i) {
        const double z = c->line.at(s.paires.x[i]) + ecart * normale(t);
        double y = std::round((lnY ? std::exp(z) : z) / pas) * pas;
        if (lnY && y <= 0) y = pas;
        s.paires.y[i] = y;
    }
}

void tirerSerie(ExerciseSeries& s, Tirage& t) {
    if (s.forme == Forme::Simulation) return;
    if (s.forme == Forme::Paires) return;
    if (s.forme == Forme::Brute) {
        long double somme = 0, carres = 0;
        for (double x : s.brutes) somme += x;
        const long double moyenne = somme / s.brutes.size();
        for (double x : s.brutes) carres += (x - moyenne) * (x - moyenne);
        const double ecart = std::max(double(std::sqrt(carres / s.brutes.size())), s.pas);
        for (double& x : s.brutes) {
            // Nearly normal about the series' own mean and spread, within its bounds.
            const double z =
                (t.suivant() + t.suivant() + t.suivant() + t.suivant() - 2) * std::sqrt(3.0);
            const double y = std::clamp(double(moyenne) + ecart * z, s.min, s.max);
            x = std::clamp(s.min + std::round((y - s.min) / s.pas) * s.pas, s.min, s.max);
        }
        return;
    }
    std::vector<qint64*> comptes;
    std::vector<double> poids;
    if (s.forme == Forme::Valeurs)
        for (auto& p : s.valeurs) {
            comptes.push_back(&p.effectif);
            poids.push_back(double(p.effectif));
        }
    else
        for (auto& k : s.classes) {
            comptes.push_back(&k.effectif);
            poids.push_back(double(k.effectif));
        }
    tirerComptes(comptes, poids, s.total, t);
}

}  // namespace

Exercise nouvellesDonnees(const Exercise& e, quint32 numero) {
    Exercise n = e;
    Tirage t(numero);
    const bool lnY =
        std::any_of(e.questions.begin(), e.questions.end(), [](auto& q) { return q.lnY; });
    const bool lorenz = std::any_of(e.questions.begin(), e.questions.end(),
                                    [](auto& q) { return q.quantite == Quantity::Gini; });
    for (ExerciseSeries& s : n.series) {
        if (s.forme == Forme::Simulation) s.tirage = numero;
        // Cumulated shares stay as given: drawn anew, they would no longer be a Lorenz curve.
        if (s.forme == Forme::Paires && !lorenz) tirerPaires(s, lnY, t);
        tirerSerie(s, t);
    }
    return n;
}

}  // namespace core
