#include "core/exercises/figures.h"

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace core {
namespace {

struct QuantityName {
    const char16_t* nom;
    Quantity quantite;
};
constexpr QuantityName kQuantites[] = {
    {u"moyenne", Quantity::Moyenne},
    {u"mediane", Quantity::Mediane},
    {u"q1", Quantity::Q1},
    {u"q3", Quantity::Q3},
    {u"d1", Quantity::D1},
    {u"d9", Quantity::D9},
    {u"etendue", Quantity::Etendue},
    {u"ecart_interquartile", Quantity::EcartInterquartile},
    {u"variance", Quantity::Variance},
    {u"ecart_type", Quantity::EcartType},
    {u"mode", Quantity::Mode},
    {u"effectif_total", Quantity::EffectifTotal},
    {u"frequence_valeur", Quantity::FrequenceValeur},
    {u"effectif_au_dessus", Quantity::EffectifAuDessus},
    {u"effectif_au_dessous", Quantity::EffectifAuDessous},
    {u"pourcentage_au_dessus", Quantity::PourcentageAuDessus},
    {u"pourcentage_au_dessous", Quantity::PourcentageAuDessous},
    {u"classe_modale", Quantity::ClasseModale},
    {u"choix", Quantity::Choix},
    {u"plus_grand", Quantity::PlusGrand},
    {u"plus_petit", Quantity::PlusPetit},
    {u"moyenne_x", Quantity::MoyenneX},
    {u"moyenne_y", Quantity::MoyenneY},
    {u"covariance", Quantity::Covariance},
    {u"correlation", Quantity::Correlation},
    {u"coefficient_directeur", Quantity::CoefficientDirecteur},
    {u"ordonnee_origine", Quantity::OrdonneeOrigine},
    {u"estimation", Quantity::Estimation},
    {u"gini", Quantity::Gini},
    {u"ecart_type_frequences", Quantity::EcartTypeFrequences},
    {u"part_dans_intervalle", Quantity::PartDansIntervalle},
    {u"borne_inferieure", Quantity::BorneInferieure},
    {u"borne_superieure", Quantity::BorneSuperieure},
    {u"decision_intervalle", Quantity::DecisionIntervalle},
};

}  // namespace

namespace exercises {

// What a quantity is called in a sentence.
QString nomDe(Quantity q) {
    switch (q) {
        case Quantity::Moyenne:
            return u"la moyenne"_s;
        case Quantity::Mediane:
            return u"la médiane"_s;
        case Quantity::Q1:
            return u"le premier quartile"_s;
        case Quantity::Q3:
            return u"le troisième quartile"_s;
        case Quantity::D1:
            return u"le premier décile"_s;
        case Quantity::D9:
            return u"le neuvième décile"_s;
        case Quantity::Etendue:
            return u"l'étendue"_s;
        case Quantity::EcartInterquartile:
            return u"l'écart interquartile"_s;
        case Quantity::Variance:
            return u"la variance"_s;
        case Quantity::EcartType:
            return u"l'écart type"_s;
        case Quantity::Mode:
            return u"le mode"_s;
        case Quantity::EffectifTotal:
            return u"l'effectif total"_s;
        default:
            return u"la réponse"_s;
    }
}

bool estUnChoix(Quantity q) {
    return q == Quantity::ClasseModale || q == Quantity::Choix || q == Quantity::PlusGrand ||
           q == Quantity::PlusPetit || q == Quantity::DecisionIntervalle;
}

bool demandeUnSeuil(Quantity q) {
    return q == Quantity::EffectifAuDessus || q == Quantity::EffectifAuDessous ||
           q == Quantity::PourcentageAuDessus || q == Quantity::PourcentageAuDessous;
}

// The quantities plus_grand and plus_petit compare: one figure per series.
bool comparable(Quantity q) {
    return q <= Quantity::EcartType || q == Quantity::EffectifTotal;
}

// The series as the question sees it: every value x becomes multiplier × x + ajouter.
ExerciseSeries transformee(const ExerciseSeries& s, double m, double a) {
    if (m == 1 && a == 0) return s;
    ExerciseSeries t = s;
    for (double& x : t.brutes) x = m * x + a;
    for (auto& p : t.valeurs) p.valeur = m * p.valeur + a;
    for (auto& k : t.classes) {
        k.inferieure = m * k.inferieure + a;
        k.superieure = m * k.superieure + a;
    }
    return t;
}

std::vector<ValueCount> triees(std::vector<ValueCount> v) {
    std::sort(v.begin(), v.end(), [](auto& p, auto& q) { return p.valeur < q.valeur; });
    return v;
}

std::vector<Interval> triees(std::vector<Interval> c) {
    std::sort(c.begin(), c.end(), [](auto& p, auto& q) { return p.inferieure < q.inferieure; });
    return c;
}

// The value of rank r (from 1) in ascending order.
double valeurDeRang(const std::vector<ValueCount>& croissantes, qint64 r) {
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

std::optional<Quantile> quantileDe(Quantity q) {
    switch (q) {
        case Quantity::Mediane:
            return Quantile{1, 2, u"Me", u"la moitié"};
        case Quantity::Q1:
            return Quantile{1, 4, u"Q1", u"un quart"};
        case Quantity::Q3:
            return Quantile{3, 4, u"Q3", u"trois quarts"};
        case Quantity::D1:
            return Quantile{1, 10, u"D1", u"un dixième"};
        case Quantity::D9:
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
std::optional<double> figureOf(const Parameters& p, Quantity q, qint64 total) {
    switch (q) {
        case Quantity::Moyenne:
            return figure(p.moyenne);
        case Quantity::Mediane:
            return figure(p.mediane);
        case Quantity::Q1:
            return figure(p.premierQuartile);
        case Quantity::Q3:
            return figure(p.troisiemeQuartile);
        case Quantity::D1:
            return figure(p.premierDecile);
        case Quantity::D9:
            return figure(p.neuviemeDecile);
        case Quantity::Etendue:
            return figure(p.etendue);
        case Quantity::EcartInterquartile:
            return figure(p.ecartInterquartile);
        case Quantity::Variance:
            return figure(p.variance);
        case Quantity::EcartType:
            return figure(p.ecartType);
        case Quantity::EffectifTotal:
            return double(total);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<double> valeurDe(const ExerciseSeries& s, Quantity q) {
    if (s.forme == Forme::Classes) {
        const ClassParameters p = parametresClasses(s.classes);
        return figureOf(p, q, p.effectif);
    }
    return figureOf(parametresPonderes(s.ponderees()), q, s.effectif());
}

double effectifDuSeuil(const ExerciseSeries& s, double seuil, bool dessus) {
    if (s.forme == Forme::Classes)
        return dessus ? effectifAuDessus(s.classes, seuil) : effectifAuDessous(s.classes, seuil);
    return dessus ? effectifAuDessus(s.ponderees(), seuil)
                  : effectifAuDessous(s.ponderees(), seuil);
}

std::vector<double> modesDe(const ExerciseSeries& s) {
    return parametresPonderes(s.ponderees()).modes;
}

// The figure each series gives for what plus_grand and plus_petit compare.
std::vector<std::optional<double>> comparees(const Exercise& e, const ExerciseQuestion& q) {
    std::vector<std::optional<double>> v;
    for (const ExerciseSeries& s : e.series)
        v.push_back(valeurDe(transformee(s, q.multiplier, q.ajouter), q.de));
    return v;
}

}  // namespace exercises

qint64 ExerciseSeries::effectif() const {
    if (forme == Forme::Brute) return qint64(brutes.size());
    if (forme == Forme::Paires) return qint64(paires.size());
    if (forme == Forme::Simulation) return echantillons;
    qint64 n = 0;
    for (const auto& p : valeurs) n += p.effectif;
    for (const auto& k : classes) n += k.effectif;
    return n;
}

std::vector<ValueCount> ExerciseSeries::ponderees() const {
    if (forme != Forme::Brute) return valeurs;
    std::map<double, qint64> comptes;
    for (double x : brutes) ++comptes[x];
    std::vector<ValueCount> v;
    for (const auto& [x, n] : comptes) v.push_back({x, n});
    return v;
}

std::optional<Quantity> quantiteNommee(QStringView nom) {
    for (const auto& q : kQuantites)
        if (nom == QStringView(q.nom)) return q.quantite;
    return std::nullopt;
}

QString nomDeQuantite(Quantity q) {
    for (const auto& n : kQuantites)
        if (n.quantite == q) return QString::fromUtf16(n.nom);
    return {};
}

}  // namespace core
