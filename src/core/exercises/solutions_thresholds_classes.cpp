#include "core/exercises/solutions.h"

#include "core/exercises/wording.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::exercises {

QString solutionEffectifTotal(const ExerciseSeries& s) {
    if (s.forme == Forme::Brute)
        return u"La série compte "_s + exact(double(s.effectif())) + u" valeurs : N = "_s +
               exact(double(s.effectif())) + u'.';
    QStringList termes;
    if (s.forme == Forme::Valeurs)
        for (const auto& p : s.valeurs) termes << exact(double(p.effectif));
    else
        for (const auto& k : s.classes) termes << exact(double(k.effectif));
    return u"N = "_s + somme(termes) + u" = "_s + exact(double(s.effectif())) + u'.';
}

QString solutionFrequence(const ExerciseSeries& s, double valeur, int dec) {
    qint64 n = 0;
    for (const auto& p : s.ponderees())
        if (p.valeur == valeur) n += p.effectif;
    const double N = double(s.effectif());
    return u"La valeur "_s + exact(valeur) + u" apparaît "_s + exact(double(n)) +
           u" fois sur N = "_s + exact(N) + u" : fréquence = "_s + exact(double(n)) + u" / "_s +
           exact(N) + u' ' + egal(double(n) / N, 4) + u", soit "_s +
           arrondi(100 * double(n) / N, dec) + u" %."_s;
}

QString solutionSeuil(const ExerciseSeries& s, double seuil, bool dessus, bool pourcentage,
                      int dec) {
    const QString cote = dessus ? u"au-dessus"_s : u"au-dessous"_s;
    QStringList termes;
    QString part;
    if (s.forme == Forme::Classes) {
        for (const auto& k : triees(s.classes)) {
            const bool entiere = dessus ? k.inferieure >= seuil : k.superieure <= seuil;
            const bool coupee = k.inferieure < seuil && seuil < k.superieure;
            if (entiere) {
                termes << exact(double(k.effectif));
            } else if (coupee) {
                const double longueur = dessus ? k.superieure - seuil : seuil - k.inferieure;
                const double compte = longueur / k.amplitude() * double(k.effectif);
                termes << exact(std::round(compte * 1000) / 1000);
                part = u" La classe "_s + intervalle(s, k) + u" contient "_s + exact(seuil) +
                       u" : les valeurs y étant supposées réparties uniformément, on compte la "
                       u"part de son effectif située "_s +
                       cote + u", ("_s +
                       (dessus ? exact(k.superieure) + u" − "_s + exact(seuil)
                               : exact(seuil) + u" − "_s + exact(k.inferieure)) +
                       u") / ("_s + exact(k.superieure) + u" − "_s + exact(k.inferieure) +
                       u") × "_s + exact(double(k.effectif)) + u' ' + egal(compte, 3) + u'.';
            }
        }
    } else {
        for (const auto& p : triees(s.ponderees()))
            if (dessus ? p.valeur > seuil : p.valeur < seuil)
                termes << exact(double(p.effectif)) + u" ("_s + exact(p.valeur) + u")"_s;
    }
    const double n = effectifDuSeuil(s, seuil, dessus);
    const QString quoi = s.forme == Forme::Classes
                             ? u"Effectifs des classes "_s + cote + u" de "_s + exact(seuil)
                             : u"Effectifs des valeurs strictement "_s +
                                   (dessus ? u"supérieures"_s : u"inférieures"_s) + u" à "_s +
                                   exact(seuil);
    QString t = termes.isEmpty()
                    ? u"Aucune valeur n'est "_s + cote + u" de "_s + exact(seuil) + u" : 0."_s
                    : quoi + u" : "_s + somme(termes) + u' ' + egal(n, 3) +
                          (pourcentage || sansPerte(n, dec) ? QString() : u' ' + egal(n, dec)) +
                          u'.';
    t += part;
    if (pourcentage)
        t += u" Pourcentage = "_s + sobre(n) + u" / "_s + exact(double(s.effectif())) +
             u" × 100 "_s + egal(100 * n / double(s.effectif()), dec) + u" %."_s;
    return t;
}

QString solutionClasseModale(const ExerciseSeries& s) {
    const ClassParameters p = parametresClasses(s.classes);
    if (p.classesModales.empty()) return {};
    const auto c = triees(s.classes);
    const bool egales = std::all_of(c.begin(), c.end(), [&](const Interval& k) {
        return std::abs(k.amplitude() - c.front().amplitude()) <=
               1e-9 * std::abs(c.front().amplitude());
    });
    QStringList modales;
    for (int i : p.classesModales) modales << intervalle(s, s.classes[size_t(i)]);
    const QString fin =
        modales.size() == 1
            ? u"celle de "_s + modales.front() + u" : c'est la classe modale"_s
            : u"celles de "_s + modales.join(u", "_s) + u" : ce sont les classes modales"_s;
    if (egales)
        return u"Les classes ont toutes la même amplitude : on compare leurs effectifs. Le plus "
               u"grand ("_s +
               exact(double(s.classes[size_t(p.classesModales.front())].effectif)) + u") est "_s +
               fin + u'.';
    QStringList densites;
    for (const auto& k : c)
        densites << intervalle(s, k) + u" : "_s + exact(double(k.effectif)) + u" / "_s +
                        exact(k.amplitude()) + u' ' + egal(double(k.effectif) / k.amplitude(), 2);
    return u"Les amplitudes des classes diffèrent : on compare les densités, effectif / "
           u"amplitude ("_s +
           densites.join(u" ; "_s) + u"). La plus grande est "_s + fin + u'.';
}

}  // namespace core::exercises
