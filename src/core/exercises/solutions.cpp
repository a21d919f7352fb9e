#include "core/exercises/solutions.h"
#include "core/exercises/two_variables.h"

#include "core/exercises/wording.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;
namespace {

QString solutionNumber(const ExerciseQuestion& q, const ExerciseSeries& s) {
    const int dec = decimalsOf(q.precision);
    if (const auto k = quantileOf(q.quantity)) return solutionQuantile(s, *k, dec, q.unit);
    switch (q.quantity) {
        case Quantity::Mean:
            return solutionMean(s, dec, q.unit);
        case Quantity::Range:
            return solutionRange(s, dec, q.unit);
        case Quantity::InterquartileRange: {
            const auto one = valueOf(s, Quantity::Q1), three = valueOf(s, Quantity::Q3);
            if (!one || !three) return {};
            return solutionQuantile(s, *quantileOf(Quantity::Q1), 3, q.unit) + u' ' +
                   solutionQuantile(s, *quantileOf(Quantity::Q3), 3, q.unit, true) +
                   u" Écart interquartile = Q3 − Q1 = "_s + plain(*three) + u" − "_s + plain(*one) +
                   u' ' + withUnit(equals(*three - *one, dec), q.unit) + u'.';
        }
        case Quantity::Variance:
            return solutionVariance(s, dec, false, q.unit);
        case Quantity::StandardDeviation:
            return solutionVariance(s, dec, true, q.unit);
        case Quantity::Mode:
            return solutionMode(s, dec, q.unit);
        case Quantity::TotalCount:
            return solutionTotalCount(s);
        case Quantity::ValueFrequency:
            return solutionFrequency(s, q.parameter, dec);
        case Quantity::CountAbove:
        case Quantity::CountBelow:
        case Quantity::PercentAbove:
        case Quantity::PercentBelow:
            return solutionThreshold(
                s, q.parameter,
                q.quantity == Quantity::CountAbove || q.quantity == Quantity::PercentAbove,
                q.quantity == Quantity::PercentAbove || q.quantity == Quantity::PercentBelow, dec);
        default:
            break;
    }
    return {};
}

// What an affine change of every value does to the figure asked, or nothing where the
// question is simply worked on the changed values.
QString linearity(const ExerciseQuestion& q, double before, double after) {
    const int dec = decimalsOf(q.precision);
    const QString m = exact(q.multiplier), a = exact(std::abs(q.add));
    const QString sign = q.add < 0 ? u" − "_s : u" + "_s;
    QString what;
    if (q.multiplier != 1 && q.add != 0)
        what = u"Chaque valeur x devient "_s + m + u" × x"_s + sign + a;
    else if (q.multiplier != 1)
        what = u"Chaque valeur est multipliée par "_s + m;
    else
        what = (q.add < 0 ? u"Retirer "_s : u"Ajouter "_s) + a + u" à chaque valeur"_s;
    const QString av = plain(before);
    switch (q.quantity) {
        case Quantity::Mean:
        case Quantity::Median:
        case Quantity::Q1:
        case Quantity::Q3:
        case Quantity::D1:
        case Quantity::D9:
        case Quantity::Mode: {
            const QString name = nameOf(q.quantity);
            return what + u" : "_s + name + u" subit la même transformation. Après : "_s +
                   (q.multiplier != 1 ? m + u" × "_s + av : av) +
                   (q.add != 0 ? sign + a : QString()) + u' ' +
                   withUnit(equals(after, dec), q.unit) + u'.';
        }
        case Quantity::Range:
        case Quantity::InterquartileRange:
        case Quantity::StandardDeviation:
            return what + u" : "_s + nameOf(q.quantity) +
                   (q.multiplier != 1
                        ? (q.quantity == Quantity::Range ? u" est multipliée par "_s
                                                         : u" est multiplié par "_s) +
                              m +
                              (q.add == 0                      ? QString()
                               : q.quantity == Quantity::Range ? u", l'ajout ne la change pas"_s
                                                               : u", l'ajout ne le change pas"_s) +
                              u". Après : "_s + m + u" × "_s + av + u' '
                        : u" ne change pas : les écarts entre les valeurs restent les "
                          u"mêmes. Après : "_s) +
                   withUnit(equals(after, dec), q.unit) + u'.';
        case Quantity::Variance:
            return what + u" : la variance"_s +
                   (q.multiplier != 1 ? u" est multipliée par "_s + m + u"². Après : "_s + m +
                                            u"² × "_s + av + u' '
                                      : u" ne change pas. Après : "_s) +
                   equals(after, dec) + u'.';
        default:
            return {};
    }
}

}  // namespace

QString solutionOf(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    const QString plus = q.explanation.isEmpty() ? QString() : u' ' + q.explanation;
    if (onPairs(q.quantity) || q.quantity == Quantity::Gini)
        return solutionPairs(e.series[size_t(q.series)], q) + plus;
    if (onSimulation(q.quantity)) return solutionSimulation(e.series[size_t(q.series)], q) + plus;
    switch (q.quantity) {
        case Quantity::Choice:
            return u"Réponse : "_s + q.answer + u'.' + plus;
        case Quantity::ModalClass:
            return solutionModalClass(e.series[size_t(q.series)]) + plus;
        case Quantity::Largest:
        case Quantity::Smallest: {
            const auto v = comparedFigures(e, q);
            QStringList figures;
            for (size_t i = 0; i < v.size(); ++i)
                figures << u"« "_s + e.series[i].name + u" » : "_s +
                               (v[i] ? plain(*v[i], decimalsOf(q.precision)) : u"—"_s);
            const QStringList rightOnes = rightChoicesOf(e, question);
            QString name = nameOf(q.comparedBy);
            name[0] = name[0].toUpper();
            return name + u" de chaque série : "_s + figures.join(u" ; "_s) +
                   u". La valeur la plus "_s +
                   (q.quantity == Quantity::Largest ? u"grande"_s : u"petite"_s) +
                   u" est celle de « "_s + rightOnes.join(u" » et « "_s) + u" »."_s + plus;
        }
        default:
            break;
    }
    const ExerciseSeries& origin = e.series[size_t(q.series)];
    const bool change = q.add != 0 || q.multiplier != 1;
    if (!change) return solutionNumber(q, origin) + plus;
    const ExerciseSeries after = transformed(origin, q.multiplier, q.add);
    const auto v = expectedFigures(e, question);
    const auto before =
        q.quantity == Quantity::Mode ? std::optional<double>() : valueOf(origin, q.quantity);
    const QString law = before && !v.empty() ? linearity(q, *before, v.front()) : QString();
    if (law.isEmpty())
        return u"Sur les valeurs après le changement : "_s + solutionNumber(q, after) + plus;
    ExerciseQuestion without = q;
    without.add = 0;
    without.multiplier = 1;
    without.precision = 0.001;
    // The unit asked may be the changed values' own (°F from °C): not said before.
    without.unit.clear();
    QString beforeText = solutionNumber(without, origin);
    if (!beforeText.isEmpty()) beforeText[0] = beforeText[0].toLower();
    return u"Avant le changement, "_s + beforeText + u' ' + law + plus;
}

}  // namespace core
