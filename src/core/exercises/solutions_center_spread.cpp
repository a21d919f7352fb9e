#include "core/exercises/solutions.h"

#include "core/exercises/wording.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::exercises {

QString solutionMoyenne(const ExerciseSeries& s, int dec, const QString& unite) {
    QStringList termes;
    long double total = 0;
    QString avant;
    if (s.forme == Forme::Brute) {
        for (double x : s.brutes) {
            termes << exact(x);
            total += x;
        }
    } else if (s.forme == Forme::Valeurs) {
        for (const auto& p : s.valeurs) {
            termes << exact(p.valeur) + u" × "_s + exact(double(p.effectif));
            total += (long double)p.valeur * p.effectif;
        }
    } else {
        QStringList centres;
        for (const auto& k : s.classes) {
            centres << exact(k.centre());
            termes << exact(k.centre()) + u" × "_s + exact(double(k.effectif));
            total += (long double)k.centre() * k.effectif;
        }
        avant = u"Chaque classe est représentée par son centre, le milieu de ses bornes ("_s +
                somme(centres).replace(u" + "_s, u", "_s) +
                u"), compté autant de fois que l'effectif de la classe. "_s;
    }
    const double N = double(s.effectif());
    return avant + u"Moyenne = ("_s + somme(termes) + u") / "_s + exact(N) + u" = "_s +
           exact(double(total)) + u" / "_s + exact(N) + u' ' +
           avecUnite(egal(double(total / N), dec), unite) + u'.';
}

QString solutionQuantile(const ExerciseSeries& s, const Quantile& k, int dec, const QString& unite,
                         bool rangeesDites) {
    const qint64 N = s.effectif();
    const QString sym = QString::fromUtf16(k.symbole);
    if (s.forme == Forme::Classes) {
        const double niveau = double(N) * k.num / k.den;
        const auto lu = lectureCumulee(s.classes, niveau);
        if (!lu) return {};
        const Interval& c = s.classes[size_t(lu->classe)];
        const double bas = effectifCumuleEn(s.classes, c.inferieure);
        const double haut = effectifCumuleEn(s.classes, c.superieure);
        const QString niveauTexte = niveauDe(k) + u" = "_s + exact(niveau);
        return niveauTexte + u" : les effectifs cumulés croissants passent de "_s + exact(bas) +
               u" en "_s + exact(c.inferieure) + u" à "_s + exact(haut) + u" en "_s +
               exact(c.superieure) + u", donc "_s + sym + u" est dans la classe "_s +
               intervalle(s, c) +
               u". Par interpolation linéaire sur le polygone des effectifs cumulés : "_s + sym +
               u" = "_s + exact(c.inferieure) + u" + ("_s + exact(c.superieure) + u" − "_s +
               exact(c.inferieure) + u") × ("_s + exact(niveau) + u" − "_s + exact(bas) +
               u") / ("_s + exact(haut) + u" − "_s + exact(bas) + u") "_s +
               avecUnite(egal(lu->valeur, dec), unite) + u'.';
    }
    const std::vector<ValueCount> v = triees(s.ponderees());
    QString rangees;
    if (!rangeesDites && s.forme == Forme::Brute && s.brutes.size() <= 60) {
        std::vector<double> b = s.brutes;
        std::sort(b.begin(), b.end());
        rangees = u"Les "_s + exact(double(N)) + u" valeurs dans l'ordre croissant : "_s +
                  texteDesValeurs(b) + u". "_s;
    } else if (!rangeesDites && s.forme == Forme::Valeurs && v.size() <= 30) {
        QStringList cumuls;
        qint64 cumul = 0;
        for (const auto& p : v)
            cumuls << exact(p.valeur) + u" → "_s + exact(double(cumul += p.effectif));
        rangees = u"Effectifs cumulés croissants : "_s + cumuls.join(u", "_s) + u". "_s;
    }
    if (k.den == 2) {
        if (N % 2) {
            const qint64 r = (N + 1) / 2;
            return rangees + u"N = "_s + exact(double(N)) +
                   u" est impair : la médiane est la valeur de rang (N + 1) / 2 = "_s +
                   exact(double(r)) + u", soit Me "_s +
                   avecUnite(egal(valeurDeRang(v, r), dec), unite) + u'.';
        }
        const double a = valeurDeRang(v, N / 2), b = valeurDeRang(v, N / 2 + 1);
        return rangees + u"N = "_s + exact(double(N)) +
               u" est pair : la médiane est la moyenne des valeurs de rangs "_s +
               exact(double(N / 2)) + u" et "_s + exact(double(N / 2 + 1)) + u", soit Me = ("_s +
               exact(a) + u" + "_s + exact(b) + u") / 2 "_s +
               avecUnite(egal((a + b) / 2, dec), unite) + u'.';
    }
    const qint64 r = rangAuDessus(N, k.num, k.den);
    return rangees + sym + u" est la plus petite valeur telle qu'au moins "_s +
           QString::fromUtf16(k.part) +
           u" des valeurs lui soient inférieures ou égales : la valeur de rang ⌈"_s + niveauDe(k) +
           u"⌉ = ⌈"_s + exact(double(N) * k.num / k.den) + u"⌉ = "_s + exact(double(r)) +
           u", soit "_s + sym + u' ' + avecUnite(egal(valeurDeRang(v, r), dec), unite) + u'.';
}

QString solutionEtendue(const ExerciseSeries& s, int dec, const QString& unite) {
    const auto p = valeurDe(s, Quantity::Etendue);
    if (!p) return {};
    if (s.forme == Forme::Classes) {
        const auto c = triees(s.classes);
        double haut = c.front().superieure;
        for (const auto& k : c) haut = std::max(haut, k.superieure);
        return u"L'étendue va de la borne inférieure de la première classe à la borne supérieure "
               u"de la dernière : "_s +
               exact(haut) + u" − "_s + exact(c.front().inferieure) + u' ' +
               avecUnite(egal(*p, dec), unite) + u'.';
    }
    const auto v = triees(s.ponderees());
    return u"Étendue = plus grande valeur − plus petite valeur = "_s + exact(v.back().valeur) +
           u" − "_s + exact(v.front().valeur) + u' ' + avecUnite(egal(*p, dec), unite) + u'.';
}

QString solutionVariance(const ExerciseSeries& s, int dec, bool ecartType, const QString& unite) {
    const auto moyenne = valeurDe(s, Quantity::Moyenne);
    const auto variance = valeurDe(s, Quantity::Variance);
    if (!moyenne || !variance) return {};
    QStringList termes;
    long double carres = 0;
    const QString m = sobre(*moyenne);
    const auto terme = [&](double x, qint64 n, bool brute) {
        const long double d = (long double)x - *moyenne;
        carres += d * d * n;
        termes << (brute ? QString() : exact(double(n)) + u" × "_s) + u"("_s + exact(x) + u" − "_s +
                      m + u")²"_s;
    };
    if (s.forme == Forme::Brute)
        for (double x : s.brutes) terme(x, 1, true);
    else if (s.forme == Forme::Valeurs)
        for (const auto& p : s.valeurs) terme(p.valeur, p.effectif, false);
    else
        for (const auto& k : s.classes) terme(k.centre(), k.effectif, false);
    const double N = double(s.effectif());
    QString t =
        u"La variance est la moyenne des carrés des écarts à la moyenne x̄ "_s + egal(*moyenne, 3) +
        (s.forme == Forme::Classes ? u" (les classes représentées par leurs centres)"_s
                                   : QString()) +
        u" : V = ("_s + somme(termes) + u") / "_s + exact(N) + u' ' + egal(double(carres), 3) +
        u" / "_s + exact(N) + u' ' +
        (ecartType
             ? egal(*variance, 3)
             : avecUnite(egal(*variance, dec), unite + (unite.isEmpty() ? QString() : u"²"_s))) +
        u'.';
    if (ecartType)
        t += u" L'écart type est la racine carrée de la variance : σ = √V "_s +
             avecUnite(egal(std::sqrt(*variance), dec), unite) + u'.';
    return t;
}

QString solutionMode(const ExerciseSeries& s, int dec, const QString& unite) {
    const std::vector<double> modes = modesDe(s);
    const auto v = s.ponderees();
    qint64 plus = 0;
    for (const auto& p : v) plus = std::max(plus, p.effectif);
    if (modes.empty())
        return u"Toutes les valeurs ont le même effectif : la série n'a pas de mode."_s;
    if (modes.size() == 1)
        return u"La valeur de plus grand effectif ("_s + exact(double(plus)) + u") est "_s +
               exact(modes.front()) + u" : le mode "_s +
               avecUnite(egal(modes.front(), dec), unite) + u'.';
    return u"Les valeurs "_s + texteDesValeurs(modes) + u" ont toutes le plus grand effectif ("_s +
           exact(double(plus)) + u") : chacune est un mode."_s;
}

}  // namespace core::exercises
