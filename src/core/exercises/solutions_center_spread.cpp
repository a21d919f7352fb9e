#include "core/exercises/solutions.h"

#include "core/exercises/wording.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::exercises {

QString solutionMean(const ExerciseSeries& s, int dec, const QString& unit) {
    QStringList terms;
    long double total = 0;
    QString before;
    if (s.shape == Shape::Raw) {
        for (double x : s.rawValues) {
            terms << exact(x);
            total += x;
        }
    } else if (s.shape == Shape::Values) {
        for (const auto& p : s.values) {
            terms << exact(p.value) + u" × "_s + exact(double(p.count));
            total += (long double)p.value * p.count;
        }
    } else {
        QStringList centres;
        for (const auto& k : s.classes) {
            centres << exact(k.centre());
            terms << exact(k.centre()) + u" × "_s + exact(double(k.count));
            total += (long double)k.centre() * k.count;
        }
        before = u"Chaque classe est représentée par son centre, le milieu de ses bornes ("_s +
                 sum(centres).replace(u" + "_s, u", "_s) +
                 u"), compté autant de fois que l'effectif de la classe. "_s;
    }
    const double N = double(s.count());
    return before + u"Moyenne = ("_s + sum(terms) + u") / "_s + exact(N) + u" = "_s +
           exact(double(total)) + u" / "_s + exact(N) + u' ' +
           withUnit(equals(double(total / N), dec), unit) + u'.';
}

QString solutionQuantile(const ExerciseSeries& s, const Quantile& k, int dec, const QString& unit,
                         bool sortedAlready) {
    const qint64 N = s.count();
    const QString sym = QString::fromUtf16(k.symbol);
    if (s.shape == Shape::Classes) {
        const double level = double(N) * k.num / k.den;
        const auto read = cumulativeReading(s.classes, level);
        if (!read) return {};
        const Interval& c = s.classes[size_t(read->countedClass)];
        const double low = cumulativeCountAt(s.classes, c.lower);
        const double high = cumulativeCountAt(s.classes, c.upper);
        const QString levelText = levelOf(k) + u" = "_s + exact(level);
        return levelText + u" : les effectifs cumulés croissants passent de "_s + exact(low) +
               u" en "_s + exact(c.lower) + u" à "_s + exact(high) + u" en "_s + exact(c.upper) +
               u", donc "_s + sym + u" est dans la classe "_s + intervalOf(s, c) +
               u". Par interpolation linéaire sur le polygone des effectifs cumulés : "_s + sym +
               u" = "_s + exact(c.lower) + u" + ("_s + exact(c.upper) + u" − "_s + exact(c.lower) +
               u") × ("_s + exact(level) + u" − "_s + exact(low) + u") / ("_s + exact(high) +
               u" − "_s + exact(low) + u") "_s + withUnit(equals(read->value, dec), unit) + u'.';
    }
    const std::vector<ValueCount> v = sorted(s.weighted());
    QString sortedText;
    if (!sortedAlready && s.shape == Shape::Raw && s.rawValues.size() <= 60) {
        std::vector<double> b = s.rawValues;
        std::sort(b.begin(), b.end());
        sortedText = u"Les "_s + exact(double(N)) + u" valeurs dans l'ordre croissant : "_s +
                     valuesText(b) + u". "_s;
    } else if (!sortedAlready && s.shape == Shape::Values && v.size() <= 30) {
        QStringList runningTotals;
        qint64 runningTotal = 0;
        for (const auto& p : v)
            runningTotals << exact(p.value) + u" → "_s + exact(double(runningTotal += p.count));
        sortedText = u"Effectifs cumulés croissants : "_s + runningTotals.join(u", "_s) + u". "_s;
    }
    if (k.den == 2) {
        if (N % 2) {
            const qint64 r = (N + 1) / 2;
            return sortedText + u"N = "_s + exact(double(N)) +
                   u" est impair : la médiane est la valeur de rang (N + 1) / 2 = "_s +
                   exact(double(r)) + u", soit Me "_s +
                   withUnit(equals(valueAtRank(v, r), dec), unit) + u'.';
        }
        const double a = valueAtRank(v, N / 2), b = valueAtRank(v, N / 2 + 1);
        return sortedText + u"N = "_s + exact(double(N)) +
               u" est pair : la médiane est la moyenne des valeurs de rangs "_s +
               exact(double(N / 2)) + u" et "_s + exact(double(N / 2 + 1)) + u", soit Me = ("_s +
               exact(a) + u" + "_s + exact(b) + u") / 2 "_s +
               withUnit(equals((a + b) / 2, dec), unit) + u'.';
    }
    const qint64 r = rankAbove(N, k.num, k.den);
    return sortedText + sym + u" est la plus petite valeur telle qu'au moins "_s +
           QString::fromUtf16(k.part) +
           u" des valeurs lui soient inférieures ou égales : la valeur de rang ⌈"_s + levelOf(k) +
           u"⌉ = ⌈"_s + exact(double(N) * k.num / k.den) + u"⌉ = "_s + exact(double(r)) +
           u", soit "_s + sym + u' ' + withUnit(equals(valueAtRank(v, r), dec), unit) + u'.';
}

QString solutionRange(const ExerciseSeries& s, int dec, const QString& unit) {
    const auto p = valueOf(s, Quantity::Range);
    if (!p) return {};
    if (s.shape == Shape::Classes) {
        const auto c = sorted(s.classes);
        double high = c.front().upper;
        for (const auto& k : c) high = std::max(high, k.upper);
        return u"L'étendue va de la borne inférieure de la première classe à la borne supérieure "
               u"de la dernière : "_s +
               exact(high) + u" − "_s + exact(c.front().lower) + u' ' +
               withUnit(equals(*p, dec), unit) + u'.';
    }
    const auto v = sorted(s.weighted());
    return u"Étendue = plus grande valeur − plus petite valeur = "_s + exact(v.back().value) +
           u" − "_s + exact(v.front().value) + u' ' + withUnit(equals(*p, dec), unit) + u'.';
}

QString solutionVariance(const ExerciseSeries& s, int dec, bool standardDeviation,
                         const QString& unit) {
    const auto mean = valueOf(s, Quantity::Mean);
    const auto variance = valueOf(s, Quantity::Variance);
    if (!mean || !variance) return {};
    QStringList terms;
    long double squares = 0;
    const QString m = plain(*mean);
    const auto term = [&](double x, qint64 n, bool raw) {
        const long double d = (long double)x - *mean;
        squares += d * d * n;
        terms << (raw ? QString() : exact(double(n)) + u" × "_s) + u"("_s + exact(x) + u" − "_s +
                     m + u")²"_s;
    };
    if (s.shape == Shape::Raw)
        for (double x : s.rawValues) term(x, 1, true);
    else if (s.shape == Shape::Values)
        for (const auto& p : s.values) term(p.value, p.count, false);
    else
        for (const auto& k : s.classes) term(k.centre(), k.count, false);
    const double N = double(s.count());
    QString t =
        u"La variance est la moyenne des carrés des écarts à la moyenne x̄ "_s + equals(*mean, 3) +
        (s.shape == Shape::Classes ? u" (les classes représentées par leurs centres)"_s
                                   : QString()) +
        u" : V = ("_s + sum(terms) + u") / "_s + exact(N) + u' ' + equals(double(squares), 3) +
        u" / "_s + exact(N) + u' ' +
        (standardDeviation
             ? equals(*variance, 3)
             : withUnit(equals(*variance, dec), unit + (unit.isEmpty() ? QString() : u"²"_s))) +
        u'.';
    if (standardDeviation)
        t += u" L'écart type est la racine carrée de la variance : σ = √V "_s +
             withUnit(equals(std::sqrt(*variance), dec), unit) + u'.';
    return t;
}

QString solutionMode(const ExerciseSeries& s, int dec, const QString& unit) {
    const std::vector<double> modes = modesOf(s);
    const auto v = s.weighted();
    qint64 plus = 0;
    for (const auto& p : v) plus = std::max(plus, p.count);
    if (modes.empty())
        return u"Toutes les valeurs ont le même effectif : la série n'a pas de mode."_s;
    if (modes.size() == 1)
        return u"La valeur de plus grand effectif ("_s + exact(double(plus)) + u") est "_s +
               exact(modes.front()) + u" : le mode "_s +
               withUnit(equals(modes.front(), dec), unit) + u'.';
    return u"Les valeurs "_s + valuesText(modes) + u" ont toutes le plus grand effectif ("_s +
           exact(double(plus)) + u") : chacune est un mode."_s;
}

}  // namespace core::exercises
