#include "core/exercises/figures.h"

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace core {
namespace {

struct NomDeQuantite {
    const char16_t* nom;
    Quantite quantite;
};
constexpr NomDeQuantite kQuantites[] = {
    {u"moyenne", Quantite::Moyenne},
    {u"mediane", Quantite::Mediane},
    {u"q1", Quantite::Q1},
    {u"q3", Quantite::Q3},
    {u"d1", Quantite::D1},
    {u"d9", Quantite::D9},
    {u"etendue", Quantite::Etendue},
    {u"ecart_interquartile", Quantite::EcartInterquartile},
    {u"variance", Quantite::Variance},
    {u"ecart_type", Quantite::EcartType},
    {u"mode", Quantite::Mode},
    {u"effectif_total", Quantite::EffectifTotal},
    {u"frequence_valeur", Quantite::FrequenceValeur},
    {u"effectif_au_dessus", Quantite::EffectifAuDessus},
    {u"effectif_au_dessous", Quantite::EffectifAuDessous},
    {u"pourcentage_au_dessus", Quantite::PourcentageAuDessus},
    {u"pourcentage_au_dessous", Quantite::PourcentageAuDessous},
    {u"classe_modale", Quantite::ClasseModale},
    {u"choix", Quantite::Choix},
    {u"plus_grand", Quantite::PlusGrand},
    {u"plus_petit", Quantite::PlusPetit},
    {u"moyenne_x", Quantite::MoyenneX},
    {u"moyenne_y", Quantite::MoyenneY},
    {u"covariance", Quantite::Covariance},
    {u"correlation", Quantite::Correlation},
    {u"coefficient_directeur", Quantite::CoefficientDirecteur},
    {u"ordonnee_origine", Quantite::OrdonneeOrigine},
    {u"estimation", Quantite::Estimation},
    {u"gini", Quantite::Gini},
    {u"ecart_type_frequences", Quantite::EcartTypeFrequences},
    {u"part_dans_intervalle", Quantite::PartDansIntervalle},
    {u"borne_inferieure", Quantite::BorneInferieure},
    {u"borne_superieure", Quantite::BorneSuperieure},
    {u"decision_intervalle", Quantite::DecisionIntervalle},
};

}  // namespace

namespace exercises {

// What a quantity is called in a sentence.
QString nomDe(Quantite q) {
    switch (q) {
        case Quantite::Moyenne:
            return u"la moyenne"_s;
        case Quantite::Mediane:
            return u"la médiane"_s;
        case Quantite::Q1:
            return u"le premier quartile"_s;
        case Quantite::Q3:
            return u"le troisième quartile"_s;
        case Quantite::D1:
            return u"le premier décile"_s;
        case Quantite::D9:
            return u"le neuvième décile"_s;
        case Quantite::Etendue:
            return u"l'étendue"_s;
        case Quantite::EcartInterquartile:
            return u"l'écart interquartile"_s;
        case Quantite::Variance:
            return u"la variance"_s;
        case Quantite::EcartType:
            return u"l'écart type"_s;
        case Quantite::Mode:
            return u"le mode"_s;
        case Quantite::EffectifTotal:
            return u"l'effectif total"_s;
        default:
            return u"la réponse"_s;
    }
}

bool estUnChoix(Quantite q) {
    return q == Quantite::ClasseModale || q == Quantite::Choix || q == Quantite::PlusGrand ||
           q == Quantite::PlusPetit || q == Quantite::DecisionIntervalle;
}

bool demandeUnSeuil(Quantite q) {
    return q == Quantite::EffectifAuDessus || q == Quantite::EffectifAuDessous ||
           q == Quantite::PourcentageAuDessus || q == Quantite::PourcentageAuDessous;
}

// The quantities plus_grand and plus_petit compare: one figure per series.
bool comparable(Quantite q) {
    return q <= Quantite::EcartType || q == Quantite::EffectifTotal;
}

// The series as the question sees it: every value x becomes multiplier × x + ajouter.
SerieExercice transformee(const SerieExercice& s, double m, double a) {
    if (m == 1 && a == 0) return s;
    SerieExercice t = s;
    for (double& x : t.brutes) x = m * x + a;
    for (auto& p : t.valeurs) p.valeur = m * p.valeur + a;
    for (auto& k : t.classes) {
        k.inferieure = m * k.inferieure + a;
        k.superieure = m * k.superieure + a;
    }
    return t;
}

std::vector<ValeurEffectif> triees(std::vector<ValeurEffectif> v) {
    std::sort(v.begin(), v.end(), [](auto& p, auto& q) { return p.valeur < q.valeur; });
    return v;
}

std::vector<Intervalle> triees(std::vector<Intervalle> c) {
    std::sort(c.begin(), c.end(), [](auto& p, auto& q) { return p.inferieure < q.inferieure; });
    return c;
}

// The value of rank r (from 1) in ascending order.
double valeurDeRang(const std::vector<ValeurEffectif>& croissantes, qint64 r) {
    qint64 cumul = 0;
    for (const auto& p : croissantes) {
        cumul += p.effectif;
        if (cumul >= r) return p.valeur;
    }
    return croissantes.empty() ? 0 : croissantes.back().valeur;
}

qint64 rangAuDessus(qint64 n, int num, int den) {
    return (n * num + den - 1) / den;
}

// "N/4", "3N/4": the level a quantile is read at.
QString niveauDe(const Quantile& k) {
    return (k.num == 1 ? QString() : QString::number(k.num)) + u"N/"_s + QString::number(k.den);
}

std::optional<Quantile> quantileDe(Quantite q) {
    switch (q) {
        case Quantite::Mediane:
            return Quantile{1, 2, u"Me", u"la moitié"};
        case Quantite::Q1:
            return Quantile{1, 4, u"Q1", u"un quart"};
        case Quantite::Q3:
            return Quantile{3, 4, u"Q3", u"trois quarts"};
        case Quantite::D1:
            return Quantile{1, 10, u"D1", u"un dixième"};
        case Quantite::D9:
            return Quantile{9, 10, u"D9", u"neuf dixièmes"};
        default:
            return std::nullopt;
    }
}

namespace {

std::optional<double> figure(std::optional<double> x) {
    return x;
}
std::optional<double> figure(const std::optional<Estimation>& e) {
    return e ? std::optional<double>(e->valeur) : std::nullopt;
}

// A quantity among the parameters of values with counts, or of classes (whose quantiles
// are estimated on the cumulative polygon).
template <class Parameters>
std::optional<double> figureOf(const Parameters& p, Quantite q, qint64 total) {
    switch (q) {
        case Quantite::Moyenne:
            return figure(p.moyenne);
        case Quantite::Mediane:
            return figure(p.mediane);
        case Quantite::Q1:
            return figure(p.premierQuartile);
        case Quantite::Q3:
            return figure(p.troisiemeQuartile);
        case Quantite::D1:
            return figure(p.premierDecile);
        case Quantite::D9:
            return figure(p.neuviemeDecile);
        case Quantite::Etendue:
            return figure(p.etendue);
        case Quantite::EcartInterquartile:
            return figure(p.ecartInterquartile);
        case Quantite::Variance:
            return figure(p.variance);
        case Quantite::EcartType:
            return figure(p.ecartType);
        case Quantite::EffectifTotal:
            return double(total);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<double> valeurDe(const SerieExercice& s, Quantite q) {
    if (s.forme == Forme::Classes) {
        const ParametresClasses p = parametresClasses(s.classes);
        return figureOf(p, q, p.effectif);
    }
    return figureOf(parametresPonderes(s.ponderees()), q, s.effectif());
}

double effectifDuSeuil(const SerieExercice& s, double seuil, bool dessus) {
    if (s.forme == Forme::Classes)
        return dessus ? effectifAuDessus(s.classes, seuil) : effectifAuDessous(s.classes, seuil);
    return dessus ? effectifAuDessus(s.ponderees(), seuil)
                  : effectifAuDessous(s.ponderees(), seuil);
}

std::vector<double> modesDe(const SerieExercice& s) {
    return parametresPonderes(s.ponderees()).modes;
}

// The figure each series gives for what plus_grand and plus_petit compare.
std::vector<std::optional<double>> comparees(const Exercice& e, const QuestionExercice& q) {
    std::vector<std::optional<double>> v;
    for (const SerieExercice& s : e.series)
        v.push_back(valeurDe(transformee(s, q.multiplier, q.ajouter), q.de));
    return v;
}

}  // namespace exercises

qint64 SerieExercice::effectif() const {
    if (forme == Forme::Brute) return qint64(brutes.size());
    if (forme == Forme::Paires) return qint64(paires.size());
    if (forme == Forme::Simulation) return echantillons;
    qint64 n = 0;
    for (const auto& p : valeurs) n += p.effectif;
    for (const auto& k : classes) n += k.effectif;
    return n;
}

std::vector<ValeurEffectif> SerieExercice::ponderees() const {
    if (forme != Forme::Brute) return valeurs;
    std::map<double, qint64> comptes;
    for (double x : brutes) ++comptes[x];
    std::vector<ValeurEffectif> v;
    for (const auto& [x, n] : comptes) v.push_back({x, n});
    return v;
}

std::optional<Quantite> quantiteNommee(QStringView nom) {
    for (const auto& q : kQuantites)
        if (nom == QStringView(q.nom)) return q.quantite;
    return std::nullopt;
}

QString nomDeQuantite(Quantite q) {
    for (const auto& n : kQuantites)
        if (n.quantite == q) return QString::fromUtf16(n.nom);
    return {};
}

}  // namespace core
