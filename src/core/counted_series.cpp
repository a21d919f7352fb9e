#include "core/counted_series.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace core {
namespace {

// The weighted mean and variance of points x with weights n, by N: the same corrected
// two-pass sums as for a raw series, so both agree on the same values.
struct Moments {
    std::optional<double> moyenne, variance, ecartType;
};
template <class X, class N>
Moments moments(size_t k, qint64 total, X x, N n) {
    Moments m;
    if (total <= 0) return m;
    const double N_ = double(total);
    double somme = 0;
    for (size_t i = 0; i < k; ++i) somme += double(n(i)) * x(i);
    double moyenne = somme / N_;
    if (!std::isfinite(moyenne)) {
        moyenne = 0;
        for (size_t i = 0; i < k; ++i) moyenne += x(i) * (double(n(i)) / N_);
    }
    m.moyenne = finiteOrNone(moyenne);
    if (!m.moyenne) return m;
    double carres = 0, ecarts = 0;
    for (size_t i = 0; i < k; ++i) {
        const double d = x(i) - moyenne;
        carres += double(n(i)) * d * d;
        ecarts += double(n(i)) * d;
    }
    const double variance = (carres - ecarts * ecarts / N_) / N_;
    if (std::isfinite(variance)) m.variance = std::max(0.0, variance);
    if (m.variance) m.ecartType = std::sqrt(*m.variance);
    return m;
}

qint64 plafond(qint64 numerateur, qint64 denominateur) {
    return (numerateur + denominateur - 1) / denominateur;
}

}  // namespace

WeightedParameters parametresPonderes(std::vector<ValueCount> v) {
    WeightedParameters p;
    std::erase_if(v, [](const ValueCount& x) { return x.effectif <= 0; });
    std::sort(v.begin(), v.end(),
              [](const ValueCount& a, const ValueCount& b) { return a.valeur < b.valeur; });
    qint64 N = 0;
    for (const ValueCount& x : v) N += x.effectif;
    p.effectif = int(std::min(N, kPlusGrandEffectifTotal));
    if (N == 0) return p;
    std::vector<qint64> cumul(v.size());
    cumul[0] = v[0].effectif;
    for (size_t i = 1; i < v.size(); ++i) cumul[i] = cumul[i - 1] + v[i].effectif;
    // The value of rank k (from 1) in the series written out.
    const auto rang = [&](qint64 k) {
        k = std::clamp<qint64>(k, 1, N);
        const auto at = std::lower_bound(cumul.begin(), cumul.end(), k);
        return v[size_t(at - cumul.begin())].valeur;
    };
    p.minimum = v.front().valeur;
    p.maximum = v.back().valeur;
    p.etendue = finiteOrNone(v.back().valeur - v.front().valeur);
    p.mediane = N % 2 ? rang((N + 1) / 2) : halfway(rang(N / 2), rang(N / 2 + 1));
    p.premierQuartile = rang(plafond(N, 4));
    p.troisiemeQuartile = rang(plafond(3 * N, 4));
    p.premierDecile = rang(plafond(N, 10));
    p.neuviemeDecile = rang(plafond(9 * N, 10));
    p.ecartInterquartile = finiteOrNone(*p.troisiemeQuartile - *p.premierQuartile);
    const Moments m = moments(
        v.size(), N, [&](size_t i) { return v[i].valeur; },
        [&](size_t i) { return v[i].effectif; });
    p.moyenne = m.moyenne;
    p.variance = m.variance;
    p.ecartType = m.ecartType;

    qint64 plusGrand = 0;
    bool egaux = true;
    for (const ValueCount& x : v) {
        if (x.effectif != v.front().effectif) egaux = false;
        if (x.effectif > plusGrand) {
            plusGrand = x.effectif;
            p.modes.clear();
        }
        if (x.effectif == plusGrand) p.modes.push_back(x.valeur);
    }
    if (v.size() >= 2 && egaux) p.modes.clear();
    return p;
}

namespace {

// The classes with a count, by lower bound, each with its place among those given.
struct Rangee {
    std::vector<Interval> classes;
    std::vector<int> origines;
    qint64 total = 0;
};
Rangee ranger(const std::vector<Interval>& classes) {
    Rangee r;
    std::vector<int> ordre(classes.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) {
        return classes[size_t(a)].inferieure < classes[size_t(b)].inferieure;
    });
    for (int i : ordre) {
        r.classes.push_back(classes[size_t(i)]);
        r.origines.push_back(i);
        r.total += std::max<qint64>(0, classes[size_t(i)].effectif);
    }
    return r;
}

std::optional<Estimation> lecture(const Rangee& r, double niveau) {
    if (r.total <= 0 || !(niveau > 0) || niveau > double(r.total)) return std::nullopt;
    double avant = 0;
    for (size_t i = 0; i < r.classes.size(); ++i) {
        const Interval& c = r.classes[i];
        if (c.effectif <= 0) continue;
        const double apres = avant + double(c.effectif);
        if (niveau <= apres) {
            const double part = (niveau - avant) / double(c.effectif);
            return Estimation{c.inferieure + part * c.amplitude(), r.origines[i]};
        }
        avant = apres;
    }
    return std::nullopt;
}

}  // namespace

ClassParameters parametresClasses(const std::vector<Interval>& classes) {
    ClassParameters p;
    const Rangee r = ranger(classes);
    p.effectif = r.total;
    if (r.classes.empty()) return p;
    double haut = r.classes.front().superieure;
    for (const Interval& c : r.classes) haut = std::max(haut, c.superieure);
    p.minimum = r.classes.front().inferieure;
    p.maximum = haut;
    p.etendue = finiteOrNone(haut - r.classes.front().inferieure);
    if (r.total == 0) return p;
    const Moments m = moments(
        r.classes.size(), r.total, [&](size_t i) { return r.classes[i].centre(); },
        [&](size_t i) { return std::max<qint64>(0, r.classes[i].effectif); });
    p.moyenne = m.moyenne;
    p.variance = m.variance;
    p.ecartType = m.ecartType;

    double plusDense = 0;
    for (size_t i = 0; i < classes.size(); ++i) {
        if (classes[i].effectif <= 0) continue;
        const double densite = double(classes[i].effectif) / classes[i].amplitude();
        if (densite > plusDense) {
            plusDense = densite;
            p.classesModales.clear();
        }
        if (densite == plusDense) p.classesModales.push_back(int(i));
    }
    const double N = double(r.total);
    p.mediane = lecture(r, N / 2);
    p.premierQuartile = lecture(r, N / 4);
    p.troisiemeQuartile = lecture(r, 3 * N / 4);
    p.premierDecile = lecture(r, N / 10);
    p.neuviemeDecile = lecture(r, 9 * N / 10);
    if (p.premierQuartile && p.troisiemeQuartile)
        p.ecartInterquartile =
            finiteOrNone(p.troisiemeQuartile->valeur - p.premierQuartile->valeur);
    return p;
}

std::vector<QPointF> polygoneCumule(std::vector<Interval> classes) {
    const Rangee r = ranger(classes);
    std::vector<QPointF> points;
    double cumul = 0;
    for (const Interval& c : r.classes) {
        if (points.empty() || points.back().x() != c.inferieure)
            points.emplace_back(c.inferieure, cumul);
        cumul += double(std::max<qint64>(0, c.effectif));
        points.emplace_back(c.superieure, cumul);
    }
    return points;
}

double effectifCumuleEn(const std::vector<Interval>& classes, double x) {
    double cumul = 0;
    for (const Interval& c : classes) {
        const double n = double(std::max<qint64>(0, c.effectif));
        if (x >= c.superieure)
            cumul += n;
        else if (x > c.inferieure)
            cumul += n * (x - c.inferieure) / c.amplitude();
    }
    return cumul;
}

std::optional<Estimation> lectureCumulee(const std::vector<Interval>& classes, double niveau) {
    return lecture(ranger(classes), niveau);
}

double effectifAuDessus(const std::vector<ValueCount>& valeurs, double seuil) {
    double n = 0;
    for (const ValueCount& v : valeurs)
        if (v.valeur > seuil) n += double(std::max<qint64>(0, v.effectif));
    return n;
}

double effectifAuDessous(const std::vector<ValueCount>& valeurs, double seuil) {
    double n = 0;
    for (const ValueCount& v : valeurs)
        if (v.valeur < seuil) n += double(std::max<qint64>(0, v.effectif));
    return n;
}

double effectifAuDessus(const std::vector<Interval>& classes, double seuil) {
    double total = 0;
    for (const Interval& c : classes) total += double(std::max<qint64>(0, c.effectif));
    return total - effectifCumuleEn(classes, seuil);
}

double effectifAuDessous(const std::vector<Interval>& classes, double seuil) {
    return effectifCumuleEn(classes, seuil);
}

QString texteIntervalle(double a, double b, bool fermeADroite) {
    return fermeADroite ? u"]%1 ; %2]"_s.arg(textOfNumber(a), textOfNumber(b))
                        : u"[%1 ; %2["_s.arg(textOfNumber(a), textOfNumber(b));
}

std::optional<ReadInterval> lireIntervalle(QStringView texte) {
    const QStringView t = texte.trimmed();
    if (t.size() < 5) return std::nullopt;
    const QChar ouvre = t.front(), ferme = t.back();
    if ((ouvre != u'[' && ouvre != u']') || (ferme != u'[' && ferme != u']')) return std::nullopt;
    // Closed on one side only, as every class of a table is.
    const bool fermeADroite = ouvre == u']' && ferme == u']';
    const bool fermeAGauche = ouvre == u'[' && ferme == u'[';
    if (!fermeADroite && !fermeAGauche) return std::nullopt;
    const QStringView dedans = t.sliced(1, t.size() - 2);
    // ";" divides the bounds wherever it stands; otherwise a comma that a blank follows
    // (a decimal comma never has one after it).
    qsizetype coupe = dedans.indexOf(u';');
    if (coupe < 0) {
        coupe = dedans.indexOf(u", ");
        if (coupe < 0 && decimalSeparator() != u","_s) coupe = dedans.indexOf(u',');
    }
    if (coupe < 0) return std::nullopt;
    const auto borne = [](QStringView s) -> std::optional<double> {
        QString texte = s.trimmed().toString();
        texte.replace(u'.', decimalSeparator()).replace(u',', decimalSeparator());
        return readNumber(texte);
    };
    const auto a = borne(dedans.first(coupe));
    const auto b = borne(dedans.sliced(coupe + 1));
    if (!a || !b) return std::nullopt;
    return ReadInterval{*a, *b, fermeADroite};
}

}  // namespace core
