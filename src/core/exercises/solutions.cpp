#include "core/exercises/solutions.h"
#include "core/exercises/two_variables.h"

#include "core/exercises/wording.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;
namespace {

QString solutionNombre(const ExerciseQuestion& q, const ExerciseSeries& s) {
    const int dec = decimalesDe(q.precision);
    if (const auto k = quantileDe(q.quantite)) return solutionQuantile(s, *k, dec, q.unite);
    switch (q.quantite) {
        case Quantity::Moyenne:
            return solutionMoyenne(s, dec, q.unite);
        case Quantity::Etendue:
            return solutionEtendue(s, dec, q.unite);
        case Quantity::EcartInterquartile: {
            const auto un = valeurDe(s, Quantity::Q1), trois = valeurDe(s, Quantity::Q3);
            if (!un || !trois) return {};
            return solutionQuantile(s, *quantileDe(Quantity::Q1), 3, q.unite) + u' ' +
                   solutionQuantile(s, *quantileDe(Quantity::Q3), 3, q.unite, true) +
                   u" Écart interquartile = Q3 − Q1 = "_s + sobre(*trois) + u" − "_s + sobre(*un) +
                   u' ' + avecUnite(egal(*trois - *un, dec), q.unite) + u'.';
        }
        case Quantity::Variance:
            return solutionVariance(s, dec, false, q.unite);
        case Quantity::EcartType:
            return solutionVariance(s, dec, true, q.unite);
        case Quantity::Mode:
            return solutionMode(s, dec, q.unite);
        case Quantity::EffectifTotal:
            return solutionEffectifTotal(s);
        case Quantity::FrequenceValeur:
            return solutionFrequence(s, q.parametre, dec);
        case Quantity::EffectifAuDessus:
        case Quantity::EffectifAuDessous:
        case Quantity::PourcentageAuDessus:
        case Quantity::PourcentageAuDessous:
            return solutionSeuil(s, q.parametre,
                                 q.quantite == Quantity::EffectifAuDessus ||
                                     q.quantite == Quantity::PourcentageAuDessus,
                                 q.quantite == Quantity::PourcentageAuDessus ||
                                     q.quantite == Quantity::PourcentageAuDessous,
                                 dec);
        default:
            break;
    }
    return {};
}

// What an affine change of every value does to the figure asked, or nothing where the
// question is simply worked on the changed values.
QString linearite(const ExerciseQuestion& q, double avant, double apres) {
    const int dec = decimalesDe(q.precision);
    const QString m = exact(q.multiplier), a = exact(std::abs(q.ajouter));
    const QString signe = q.ajouter < 0 ? u" − "_s : u" + "_s;
    QString quoi;
    if (q.multiplier != 1 && q.ajouter != 0)
        quoi = u"Chaque valeur x devient "_s + m + u" × x"_s + signe + a;
    else if (q.multiplier != 1)
        quoi = u"Chaque valeur est multipliée par "_s + m;
    else
        quoi = (q.ajouter < 0 ? u"Retirer "_s : u"Ajouter "_s) + a + u" à chaque valeur"_s;
    const QString av = sobre(avant);
    switch (q.quantite) {
        case Quantity::Moyenne:
        case Quantity::Mediane:
        case Quantity::Q1:
        case Quantity::Q3:
        case Quantity::D1:
        case Quantity::D9:
        case Quantity::Mode: {
            const QString nom = nomDe(q.quantite);
            return quoi + u" : "_s + nom + u" subit la même transformation. Après : "_s +
                   (q.multiplier != 1 ? m + u" × "_s + av : av) +
                   (q.ajouter != 0 ? signe + a : QString()) + u' ' +
                   avecUnite(egal(apres, dec), q.unite) + u'.';
        }
        case Quantity::Etendue:
        case Quantity::EcartInterquartile:
        case Quantity::EcartType:
            return quoi + u" : "_s + nomDe(q.quantite) +
                   (q.multiplier != 1
                        ? (q.quantite == Quantity::Etendue ? u" est multipliée par "_s
                                                           : u" est multiplié par "_s) +
                              m +
                              (q.ajouter == 0 ? QString()
                               : q.quantite == Quantity::Etendue
                                   ? u", l'ajout ne la change pas"_s
                                   : u", l'ajout ne le change pas"_s) +
                              u". Après : "_s + m + u" × "_s + av + u' '
                        : u" ne change pas : les écarts entre les valeurs restent les "
                          u"mêmes. Après : "_s) +
                   avecUnite(egal(apres, dec), q.unite) + u'.';
        case Quantity::Variance:
            return quoi + u" : la variance"_s +
                   (q.multiplier != 1 ? u" est multipliée par "_s + m + u"². Après : "_s + m +
                                            u"² × "_s + av + u' '
                                      : u" ne change pas. Après : "_s) +
                   egal(apres, dec) + u'.';
        default:
            return {};
    }
}

}  // namespace

QString solutionDe(const Exercise& e, int question) {
    const ExerciseQuestion& q = e.questions[size_t(question)];
    const QString plus = q.explication.isEmpty() ? QString() : u' ' + q.explication;
    if (surDesPaires(q.quantite) || q.quantite == Quantity::Gini)
        return solutionPaires(e.series[size_t(q.serie)], q) + plus;
    if (surUneSimulation(q.quantite))
        return solutionSimulation(e.series[size_t(q.serie)], q) + plus;
    switch (q.quantite) {
        case Quantity::Choix:
            return u"Réponse : "_s + q.reponse + u'.' + plus;
        case Quantity::ClasseModale:
            return solutionClasseModale(e.series[size_t(q.serie)]) + plus;
        case Quantity::PlusGrand:
        case Quantity::PlusPetit: {
            const auto v = comparees(e, q);
            QStringList par;
            for (size_t i = 0; i < v.size(); ++i)
                par << u"« "_s + e.series[i].nom + u" » : "_s +
                           (v[i] ? sobre(*v[i], decimalesDe(q.precision)) : u"—"_s);
            const QStringList justes = choixJustes(e, question);
            QString nom = nomDe(q.de);
            nom[0] = nom[0].toUpper();
            return nom + u" de chaque série : "_s + par.join(u" ; "_s) + u". La valeur la plus "_s +
                   (q.quantite == Quantity::PlusGrand ? u"grande"_s : u"petite"_s) +
                   u" est celle de « "_s + justes.join(u" » et « "_s) + u" »."_s + plus;
        }
        default:
            break;
    }
    const ExerciseSeries& origine = e.series[size_t(q.serie)];
    const bool change = q.ajouter != 0 || q.multiplier != 1;
    if (!change) return solutionNombre(q, origine) + plus;
    const ExerciseSeries apres = transformee(origine, q.multiplier, q.ajouter);
    const auto v = attendus(e, question);
    const auto avant =
        q.quantite == Quantity::Mode ? std::optional<double>() : valeurDe(origine, q.quantite);
    const QString loi = avant && !v.empty() ? linearite(q, *avant, v.front()) : QString();
    if (loi.isEmpty())
        return u"Sur les valeurs après le changement : "_s + solutionNombre(q, apres) + plus;
    ExerciseQuestion sans = q;
    sans.ajouter = 0;
    sans.multiplier = 1;
    sans.precision = 0.001;
    // The unit asked may be the changed values' own (°F from °C): not said before.
    sans.unite.clear();
    QString avantLui = solutionNombre(sans, origine);
    if (!avantLui.isEmpty()) avantLui[0] = avantLui[0].toLower();
    return u"Avant le changement, "_s + avantLui + u' ' + loi + plus;
}

}  // namespace core
