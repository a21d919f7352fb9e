#include "core/exercises/exercise.h"

#include "core/exercises/figures.h"
#include "core/exercises/wording.h"
#include "core/numbers.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;

DataTable tableDesDonnees(const Exercise& e) {
    DataTable t;
    const ExerciseSeries& seule = e.series.front();
    if (seule.forme == Forme::Paires) {
        t.colonnes << seule.paires.nameX << seule.paires.nameY;
        for (size_t i = 0; i < seule.paires.size(); ++i)
            t.lignes.push_back({exact(seule.paires.x[i]), exact(seule.paires.y[i])});
        return t;
    }
    if (seule.forme == Forme::Simulation) {
        t.colonnes << u"Paramètre"_s << u"Valeur"_s;
        t.lignes = {seule.population.empty()
                        ? QStringList{u"Proportion p"_s, exact(seule.p)}
                        : QStringList{u"Population"_s, texteDesValeurs(seule.population)},
                    {u"Taille des échantillons n"_s, exact(double(seule.n))},
                    {u"Nombre d'échantillons N"_s, exact(double(seule.echantillons))},
                    {u"Simulation n°"_s, QString::number(seule.tirage)}};
        if (seule.frequenceObservee)
            t.lignes.push_back({u"Fréquence observée"_s, exact(*seule.frequenceObservee)});
        return t;
    }
    const bool plusieurs = e.series.size() > 1;
    if (plusieurs) t.colonnes << u"Série"_s;
    const ExerciseSeries& premiere = e.series.front();
    const bool memeForme =
        std::all_of(e.series.begin(), e.series.end(),
                    [&](const ExerciseSeries& s) { return s.forme == premiere.forme; });
    if (memeForme && premiere.forme == Forme::Classes)
        t.colonnes << u"Classe"_s << u"Effectif"_s;
    else if (memeForme && premiere.forme == Forme::Valeurs)
        t.colonnes << u"Valeur"_s << u"Effectif"_s;
    else
        t.colonnes << u"Valeurs"_s;
    for (const ExerciseSeries& s : e.series) {
        const QStringList tete = plusieurs ? QStringList{s.nom} : QStringList{};
        if (!memeForme || s.forme == Forme::Brute) {
            QStringList valeurs;
            if (s.forme == Forme::Brute) {
                valeurs << texteDesValeurs(s.brutes);
            } else {
                for (const auto& p : s.ponderees())
                    valeurs << exact(p.valeur) + u" (× "_s + exact(double(p.effectif)) + u')';
                for (const auto& k : s.classes)
                    valeurs << intervalle(s, k) + u" : "_s + exact(double(k.effectif));
            }
            t.lignes.push_back(tete + QStringList{valeurs.join(u" ; "_s)});
            continue;
        }
        for (const auto& p : s.valeurs)
            t.lignes.push_back(tete + QStringList{exact(p.valeur), exact(double(p.effectif))});
        for (const auto& k : s.classes)
            t.lignes.push_back(tete + QStringList{intervalle(s, k), exact(double(k.effectif))});
    }
    return t;
}

FrequencyTable versTableau(const ExerciseSeries& s) {
    FrequencyTable t;
    t.nature = s.forme == Forme::Classes ? FrequencyTable::Nature::Classes
                                         : FrequencyTable::Nature::Valeurs;
    t.fermeADroite = s.fermeADroite;
    for (const auto& p : s.ponderees())
        t.lignes.push_back(
            {.valeur = textOfNumber(p.valeur), .effectif = QString::number(p.effectif)});
    for (const auto& k : s.classes)
        t.lignes.push_back({.inferieure = textOfNumber(k.inferieure),
                            .superieure = textOfNumber(k.superieure),
                            .effectif = QString::number(k.effectif)});
    return t;
}

}  // namespace core
