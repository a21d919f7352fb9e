#include "core/parameters.h"

#include "core/numbers.h"
#include "core/sorted_numbers.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
namespace {

QString troisDecimales(const std::optional<double>& x) {
    return x ? formatThreeDecimals(textOfNumber(*x)) : u"—"_s;
}

}  // namespace

std::optional<double> finiteOrNone(double x) {
    return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

double halfway(double a, double b) {
    const double sum = a + b;
    return std::isfinite(sum) ? sum / 2 : a / 2 + b / 2;
}

std::vector<double> nombres(const QStringList& textes) {
    std::vector<double> valeurs;
    valeurs.reserve(size_t(textes.size()));
    for (const QString& texte : textes)
        if (const auto x = readNumber(texte)) valeurs.push_back(*x);
    return valeurs;
}

SeriesParameters parametres(std::vector<double> x) {
    SeriesParameters p;
    const size_t n = x.size();
    p.effectif = int(n);
    if (n == 0) return p;
    sortNumbers(x);
    // x(k) of the classroom, counted from 1.
    const auto rang = [&](size_t k) { return x[std::clamp<size_t>(k, 1, n) - 1]; };
    p.minimum = x.front();
    p.maximum = x.back();
    p.etendue = finiteOrNone(x.back() - x.front());
    p.mediane = n % 2 ? rang((n + 1) / 2) : halfway(rang(n / 2), rang(n / 2 + 1));
    p.premierQuartile = rang((n + 3) / 4);
    p.troisiemeQuartile = rang((3 * n + 3) / 4);
    p.ecartInterquartile = finiteOrNone(*p.troisiemeQuartile - *p.premierQuartile);

    // The sum as the summary under the list computes it; where it leaves the range,
    // the mean is still within it.
    double somme = 0;
    for (double v : x) somme += v;
    double moyenne = somme / double(n);
    if (!std::isfinite(moyenne)) {
        moyenne = 0;
        for (double v : x) moyenne += v / double(n);
    }
    p.moyenne = finiteOrNone(moyenne);
    if (p.moyenne) {
        // Deviations from the mean, corrected by their own sum (which would be 0 but
        // for rounding): 1e9 + 1, 1e9 + 2, 1e9 + 3 give 2/3 exactly enough.
        double carres = 0, ecarts = 0;
        for (double v : x) {
            const double d = v - moyenne;
            carres += d * d;
            ecarts += d;
        }
        // Past the double range the two sums give inf - inf; a NaN must not pass the
        // clamp to 0 below as a variance of 0.
        const double variance = (carres - ecarts * ecarts / double(n)) / double(n);
        if (std::isfinite(variance)) p.variance = std::max(0.0, variance);
        if (p.variance) p.ecartType = std::sqrt(*p.variance);
    }

    int plusGrand = 0, distinctes = 0;
    bool egaux = true;
    for (size_t i = 0; i < n;) {
        size_t j = i;
        while (j < n && x[j] == x[i]) ++j;
        const int compte = int(j - i);
        if (distinctes > 0 && compte != plusGrand) egaux = false;
        if (compte > plusGrand) {
            plusGrand = compte;
            p.modes.clear();
        }
        if (compte == plusGrand) p.modes.push_back(x[i]);
        ++distinctes;
        i = j;
    }
    if (distinctes >= 2 && egaux) p.modes.clear();
    return p;
}

std::vector<CountedClass> tableDesEffectifs(std::vector<double> x) {
    sortNumbers(x);
    std::vector<CountedClass> classes;
    const double n = double(x.size());
    int cumule = 0;
    for (size_t i = 0; i < x.size();) {
        size_t j = i;
        while (j < x.size() && x[j] == x[i]) ++j;
        const int compte = int(j - i);
        cumule += compte;
        classes.push_back(
            {x[i] == 0 ? 0.0 : x[i], compte, compte / n * 100, cumule, cumule / n * 100});
        i = j;
    }
    return classes;
}

QStringList nomsDesParametres() {
    return {u"Effectif total"_s,
            u"Minimum"_s,
            u"Maximum"_s,
            u"Étendue"_s,
            u"Moyenne"_s,
            u"Médiane"_s,
            u"Premier quartile"_s,
            u"Troisième quartile"_s,
            u"Écart interquartile"_s,
            u"Mode"_s,
            u"Variance"_s,
            u"Écart-type"_s};
}

QStringList textesDesParametres(const SeriesParameters& p) {
    QString mode = u"—"_s;
    if (p.effectif > 0) {
        QStringList modes;
        for (double m : p.modes) modes << textOfNumber(m);
        mode = modes.isEmpty() ? u"aucun"_s : modes.join(u" ; "_s);
    }
    return {QString::number(p.effectif),
            troisDecimales(p.minimum),
            troisDecimales(p.maximum),
            troisDecimales(p.etendue),
            troisDecimales(p.moyenne),
            troisDecimales(p.mediane),
            troisDecimales(p.premierQuartile),
            troisDecimales(p.troisiemeQuartile),
            troisDecimales(p.ecartInterquartile),
            mode,
            troisDecimales(p.variance),
            troisDecimales(p.ecartType)};
}

QStringList colonnesDesEffectifs() {
    return {u"Valeur"_s, u"Effectif"_s, u"Fréquence (%)"_s, u"Effectif cumulé croissant"_s,
            u"Fréquence cumulée croissante (%)"_s};
}

QStringList texteDeClasse(const CountedClass& c) {
    return {textOfNumber(c.valeur), QString::number(c.effectif), troisDecimales(c.frequence),
            QString::number(c.effectifCumule), troisDecimales(c.frequenceCumulee)};
}

QString definitionDesQuartiles() {
    return u"Le premier quartile est la plus petite valeur de la série telle qu'au moins un "
           u"quart des valeurs lui soient inférieures ou égales ; le troisième quartile, la "
           u"plus petite telle qu'au moins trois quarts des valeurs lui soient inférieures ou "
           u"égales."_s;
}

QString tableauDesParametres(const SeriesParameters& serie1, const SeriesParameters& serie2) {
    const QStringList noms = nomsDesParametres();
    const QStringList premiere = textesDesParametres(serie1);
    const QStringList seconde = textesDesParametres(serie2);
    QString texte = u"Paramètre\tSérie 1\tSérie 2\n"_s;
    for (qsizetype i = 0; i < noms.size(); ++i)
        texte += noms[i] + u'\t' + premiere[i] + u'\t' + seconde[i] + u'\n';
    return texte;
}

}  // namespace core
