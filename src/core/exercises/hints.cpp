#include "core/exercises/exercise.h"

#include "core/exercises/figures.h"
#include "core/exercises/two_variables.h"
#include "core/exercises/wording.h"

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;

QString indiceDe(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    if (!q.indice.isEmpty()) return q.indice;
    if (surDesPaires(q.quantite) || surUneSimulation(q.quantite) || q.quantite == Quantity::Gini)
        return indiceDeuxVariables(q);
    const ExerciseSeries& s = e.series[size_t(q.serie)];
    const bool classes = s.forme == Forme::Classes;
    QString t;
    if (const auto k = quantileDe(q.quantite)) {
        if (classes)
            t = u"Cherchez la classe où les effectifs cumulés croissants atteignent "_s +
                niveauDe(*k) +
                u", puis lisez la valeur par interpolation linéaire sur le polygone des effectifs "
                u"cumulés croissants."_s;
        else if (k->den == 2)
            t = u"Rangez les valeurs dans l'ordre croissant : si N est impair, la médiane est la "
                u"valeur de rang (N + 1) / 2 ; si N est pair, c'est la moyenne des valeurs de "
                u"rangs N/2 et N/2 + 1."_s;
        else
            t = QString::fromUtf16(k->symbole) +
                u" est la plus petite valeur telle qu'au moins "_s + QString::fromUtf16(k->part) +
                u" des valeurs lui soient inférieures ou égales : cherchez la valeur de rang ⌈"_s +
                niveauDe(*k) + u"⌉ dans les effectifs cumulés croissants."_s;
    } else {
        switch (q.quantite) {
            case Quantity::Moyenne:
                if (classes) {
                    const Interval c = triees(s.classes).front();
                    t = u"Le centre d'une classe est le milieu de ses bornes : "_s +
                        exact(c.centre()) + u" pour "_s + intervalle(s, c) +
                        u". Chaque centre compte autant de fois que l'effectif de sa classe : "
                        u"multipliez chaque centre par son effectif, additionnez les produits, "
                        u"puis divisez par l'effectif total."_s;
                } else if (s.forme == Forme::Valeurs) {
                    t = u"Multipliez chaque valeur par son effectif, additionnez les produits, "
                        u"puis divisez par l'effectif total."_s;
                } else {
                    t = u"Additionnez toutes les valeurs, puis divisez par leur nombre."_s;
                }
                break;
            case Quantity::Etendue:
                t = u"L'étendue est la différence entre la plus grande et la plus petite valeur."_s;
                break;
            case Quantity::EcartInterquartile:
                t = u"L'écart interquartile est Q3 − Q1 : cherchez d'abord les deux quartiles."_s;
                break;
            case Quantity::Variance:
                t = u"La variance est la moyenne des carrés des écarts à la moyenne."_s;
                break;
            case Quantity::EcartType:
                t = u"L'écart type est la racine carrée de la variance, moyenne des carrés des "
                    u"écarts à la moyenne."_s;
                break;
            case Quantity::Mode:
                t = u"Le mode est la valeur de plus grand effectif."_s;
                break;
            case Quantity::EffectifTotal:
                t = u"Additionnez les effectifs."_s;
                break;
            case Quantity::FrequenceValeur:
                t = u"La fréquence d'une valeur est son effectif divisé par l'effectif total ; "
                    u"multipliez par 100 pour l'avoir en pourcentage."_s;
                break;
            case Quantity::EffectifAuDessus:
            case Quantity::EffectifAuDessous:
            case Quantity::PourcentageAuDessus:
            case Quantity::PourcentageAuDessous: {
                const bool dessus = q.quantite == Quantity::EffectifAuDessus ||
                                    q.quantite == Quantity::PourcentageAuDessus;
                t = classes ? u"Additionnez les effectifs des classes situées "_s +
                                  (dessus ? u"au-dessus"_s : u"au-dessous"_s) +
                                  u" du seuil ; d'une classe qui contient le seuil, comptez la "
                                  u"part de l'effectif située du bon côté, les valeurs y étant "
                                  u"supposées réparties uniformément."_s
                            : u"Additionnez les effectifs des valeurs strictement "_s +
                                  (dessus ? u"supérieures"_s : u"inférieures"_s) + u" au seuil."_s;
                if (q.quantite == Quantity::PourcentageAuDessus ||
                    q.quantite == Quantity::PourcentageAuDessous)
                    t += u" Divisez ensuite par l'effectif total et multipliez par 100."_s;
                break;
            }
            case Quantity::ClasseModale:
                t = u"Si les classes ont la même amplitude, la classe modale est celle de plus "
                    u"grand effectif ; sinon, comparez les densités : effectif divisé par "
                    u"amplitude."_s;
                break;
            case Quantity::PlusGrand:
            case Quantity::PlusPetit:
                t = u"Calculez "_s + nomDe(q.de) + u" de chaque série, puis comparez."_s;
                break;
            default:
                t = u"Relisez l'énoncé et regardez la nature des données."_s;
                break;
        }
    }
    if (q.ajouter != 0 || q.multiplier != 1)
        t += u" Demandez-vous d'abord ce que devient chaque valeur, puis ce que devient "_s +
             nomDe(q.quantite) + u'.';
    return t;
}

}  // namespace core
