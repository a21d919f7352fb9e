#include "core/exercises/exercise.h"

#include "core/exercises/figures.h"
#include "core/exercises/two_variables.h"
#include "core/exercises/wording.h"

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;

QString hintOf(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    if (!q.hint.isEmpty()) return q.hint;
    if (onPairs(q.quantity) || onSimulation(q.quantity) || q.quantity == Quantity::Gini)
        return twoVariablesHint(q);
    const ExerciseSeries& s = e.series[size_t(q.series)];
    const bool classes = s.shape == Shape::Classes;
    QString t;
    if (const auto k = quantileOf(q.quantity)) {
        if (classes)
            t = u"Cherchez la classe où les effectifs cumulés croissants atteignent "_s +
                levelOf(*k) +
                u", puis lisez la valeur par interpolation linéaire sur le polygone des effectifs "
                u"cumulés croissants."_s;
        else if (k->den == 2)
            t = u"Rangez les valeurs dans l'ordre croissant : si N est impair, la médiane est la "
                u"valeur de rang (N + 1) / 2 ; si N est pair, c'est la moyenne des valeurs de "
                u"rangs N/2 et N/2 + 1."_s;
        else
            t = QString::fromUtf16(k->symbol) + u" est la plus petite valeur telle qu'au moins "_s +
                QString::fromUtf16(k->part) +
                u" des valeurs lui soient inférieures ou égales : cherchez la valeur de rang ⌈"_s +
                levelOf(*k) + u"⌉ dans les effectifs cumulés croissants."_s;
    } else {
        switch (q.quantity) {
            case Quantity::Mean:
                if (classes) {
                    const Interval c = sorted(s.classes).front();
                    t = u"Le centre d'une classe est le milieu de ses bornes : "_s +
                        exact(c.centre()) + u" pour "_s + intervalOf(s, c) +
                        u". Chaque centre compte autant de fois que l'effectif de sa classe : "
                        u"multipliez chaque centre par son effectif, additionnez les produits, "
                        u"puis divisez par l'effectif total."_s;
                } else if (s.shape == Shape::Values) {
                    t = u"Multipliez chaque valeur par son effectif, additionnez les produits, "
                        u"puis divisez par l'effectif total."_s;
                } else {
                    t = u"Additionnez toutes les valeurs, puis divisez par leur nombre."_s;
                }
                break;
            case Quantity::Range:
                t = u"L'étendue est la différence entre la plus grande et la plus petite valeur."_s;
                break;
            case Quantity::InterquartileRange:
                t = u"L'écart interquartile est Q3 − Q1 : cherchez d'abord les deux quartiles."_s;
                break;
            case Quantity::Variance:
                t = u"La variance est la moyenne des carrés des écarts à la moyenne."_s;
                break;
            case Quantity::StandardDeviation:
                t = u"L'écart type est la racine carrée de la variance, moyenne des carrés des "
                    u"écarts à la moyenne."_s;
                break;
            case Quantity::Mode:
                t = u"Le mode est la valeur de plus grand effectif."_s;
                break;
            case Quantity::TotalCount:
                t = u"Additionnez les effectifs."_s;
                break;
            case Quantity::ValueFrequency:
                t = u"La fréquence d'une valeur est son effectif divisé par l'effectif total ; "
                    u"multipliez par 100 pour l'avoir en pourcentage."_s;
                break;
            case Quantity::CountAbove:
            case Quantity::CountBelow:
            case Quantity::PercentAbove:
            case Quantity::PercentBelow: {
                const bool above =
                    q.quantity == Quantity::CountAbove || q.quantity == Quantity::PercentAbove;
                t = classes ? u"Additionnez les effectifs des classes situées "_s +
                                  (above ? u"au-dessus"_s : u"au-dessous"_s) +
                                  u" du seuil ; d'une classe qui contient le seuil, comptez la "
                                  u"part de l'effectif située du bon côté, les valeurs y étant "
                                  u"supposées réparties uniformément."_s
                            : u"Additionnez les effectifs des valeurs strictement "_s +
                                  (above ? u"supérieures"_s : u"inférieures"_s) + u" au seuil."_s;
                if (q.quantity == Quantity::PercentAbove || q.quantity == Quantity::PercentBelow)
                    t += u" Divisez ensuite par l'effectif total et multipliez par 100."_s;
                break;
            }
            case Quantity::ModalClass:
                t = u"Si les classes ont la même amplitude, la classe modale est celle de plus "
                    u"grand effectif ; sinon, comparez les densités : effectif divisé par "
                    u"amplitude."_s;
                break;
            case Quantity::Largest:
            case Quantity::Smallest:
                t = u"Calculez "_s + nameOf(q.comparedBy) + u" de chaque série, puis comparez."_s;
                break;
            default:
                t = u"Relisez l'énoncé et regardez la nature des données."_s;
                break;
        }
    }
    if (q.add != 0 || q.multiplier != 1)
        t += u" Demandez-vous d'abord ce que devient chaque valeur, puis ce que devient "_s +
             nameOf(q.quantity) + u'.';
    return t;
}

}  // namespace core
