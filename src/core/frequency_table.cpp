#include "core/frequency_table.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace core {
namespace {

using Nature = FrequencyTable::Nature;

std::optional<double> nombre(const QString& texte) {
    const auto cellule = cellNumber(texte);
    if (!cellule) return std::nullopt;
    return readNumber(*cellule);
}

// A count is a whole number from 0 to 2^31 - 1.
std::optional<qint64> compte(const QString& texte, QString& pourquoi) {
    const auto x = nombre(texte);
    if (!x) {
        pourquoi = texte.trimmed().isEmpty() ? u"la case est vide"_s
                                             : u"« %1 » n'est pas un nombre"_s.arg(texte.trimmed());
        return std::nullopt;
    }
    if (*x < 0 || *x != std::floor(*x) || *x > double(kPlusGrandEffectifTotal)) {
        pourquoi = u"un effectif est un nombre entier positif ou nul"_s;
        return std::nullopt;
    }
    return qint64(*x);
}

std::optional<double> borne(const QString& texte, QString& pourquoi) {
    const auto x = nombre(texte);
    if (!x) {
        pourquoi = texte.trimmed().isEmpty() ? u"la case est vide"_s
                                             : u"« %1 » n'est pas un nombre"_s.arg(texte.trimmed());
    }
    return x;
}

}  // namespace

bool FrequencyTable::Ligne::estVide() const {
    return valeur.trimmed().isEmpty() && inferieure.trimmed().isEmpty() &&
           superieure.trimmed().isEmpty() && effectif.trimmed().isEmpty();
}

QStringList colonnesSaisies(Nature nature) {
    if (nature == Nature::Classes)
        return {u"Borne inférieure"_s, u"Borne supérieure"_s, u"Effectif"_s};
    return {u"Valeur"_s, u"Effectif"_s};
}

QStringList colonnesCalculees(Nature nature) {
    QStringList colonnes;
    if (nature == Nature::Classes) colonnes << u"Centre"_s << u"Amplitude"_s;
    colonnes << u"Fréquence (%)"_s << u"Effectif cumulé croissant"_s
             << u"Fréquence cumulée croissante (%)"_s;
    return colonnes;
}

QString cellule(const FrequencyTable::Ligne& ligne, Nature nature, int colonne) {
    if (nature == Nature::Classes) {
        switch (colonne) {
            case 0:
                return ligne.inferieure;
            case 1:
                return ligne.superieure;
            case 2:
                return ligne.effectif;
            default:
                return {};
        }
    }
    return colonne == 0 ? ligne.valeur : colonne == 1 ? ligne.effectif : QString();
}

void changerCellule(FrequencyTable::Ligne& ligne, Nature nature, int colonne,
                    const QString& texte) {
    QString* cible = nullptr;
    if (nature == Nature::Classes)
        cible = colonne == 0   ? &ligne.inferieure
                : colonne == 1 ? &ligne.superieure
                : colonne == 2 ? &ligne.effectif
                               : nullptr;
    else
        cible = colonne == 0 ? &ligne.valeur : colonne == 1 ? &ligne.effectif : nullptr;
    if (cible) *cible = texte;
}

FrequencyTable tableauDeLExercice() {
    FrequencyTable t{.nature = Nature::Classes, .fermeADroite = true};
    const int effectifs[8] = {5, 14, 31, 124, 106, 51, 22, 7};
    for (int i = 0; i < 8; ++i)
        t.lignes.push_back({.inferieure = QString::number(90 + 10 * i),
                            .superieure = QString::number(100 + 10 * i),
                            .effectif = QString::number(effectifs[i])});
    return t;
}

ReadRow lireLigne(const FrequencyTable::Ligne& l, Nature nature) {
    ReadRow lue;
    if (l.estVide()) return lue;
    lue.vide = false;
    const bool classes = nature == Nature::Classes;
    const auto faute = [&](int colonne, const QString& pourquoi) {
        lue.colonneFautive = colonne;
        lue.pourquoi = pourquoi;
        return lue;
    };
    QString pourquoi;
    if (classes) {
        const auto inf = borne(l.inferieure, pourquoi);
        if (!inf) return faute(0, pourquoi);
        const auto sup = borne(l.superieure, pourquoi);
        if (!sup) return faute(1, pourquoi);
        if (!(*inf < *sup) || !std::isfinite(*sup - *inf))
            return faute(1, u"la borne supérieure doit dépasser la borne inférieure"_s);
        lue.debut = *inf;
        lue.fin = *sup;
    } else {
        const auto x = borne(l.valeur, pourquoi);
        if (!x) return faute(0, pourquoi);
        lue.debut = lue.fin = *x;
    }
    const auto n = compte(l.effectif, pourquoi);
    if (!n) return faute(classes ? 2 : 1, pourquoi);
    lue.effectif = *n;
    return lue;
}

TableAnalysis analyser(const FrequencyTable& tableau) {
    std::vector<ReadRow> lues;
    lues.reserve(tableau.lignes.size());
    for (const FrequencyTable::Ligne& l : tableau.lignes)
        lues.push_back(lireLigne(l, tableau.nature));
    return analyser(tableau, lues);
}

TableAnalysis analyser(const FrequencyTable& tableau, const std::vector<ReadRow>& lues) {
    TableAnalysis a;
    a.nature = tableau.nature;
    a.fermeADroite = tableau.fermeADroite;
    a.lignes.resize(lues.size());
    const bool classes = tableau.nature == Nature::Classes;
    const int colonneEffectif = classes ? 2 : 1;
    const auto faute = [&](size_t i, int colonne, const QString& pourquoi) {
        a.lignes[i].colonneFautive = colonne;
        a.lignes[i].pourquoi = pourquoi;
    };
    // Each row on its own first; the rows that read well, by position, then.
    std::vector<size_t> bonnes;
    std::vector<double> positions;
    std::vector<double> fins;
    std::vector<qint64> effectifs;
    for (size_t i = 0; i < lues.size(); ++i) {
        const ReadRow& l = lues[i];
        a.lignes[i].vide = l.vide;
        if (l.vide) continue;
        if (l.colonneFautive >= 0) {
            faute(i, l.colonneFautive, l.pourquoi);
            continue;
        }
        bonnes.push_back(i);
        positions.push_back(l.debut);
        fins.push_back(l.fin);
        effectifs.push_back(l.effectif);
    }

    // A value twice, or two classes that overlap: the later row is at fault.
    std::vector<size_t> ordre(bonnes.size());
    std::iota(ordre.begin(), ordre.end(), size_t(0));
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](size_t x, size_t y) { return positions[x] < positions[y]; });
    std::vector<bool> rejetee(bonnes.size(), false);
    size_t tenante = SIZE_MAX;  // the row whose class reaches furthest so far
    for (size_t k : ordre) {
        if (tenante != SIZE_MAX) {
            const bool chevauche =
                classes ? positions[k] < fins[tenante] : positions[k] == positions[tenante];
            if (chevauche) {
                const size_t fautive = bonnes[k] > bonnes[tenante] ? k : tenante;
                rejetee[fautive] = true;
                faute(bonnes[fautive], 0,
                      classes ? u"cette classe empiète sur une autre"_s
                              : u"cette valeur figure déjà dans le tableau"_s);
                if (fautive == k) continue;
            }
        }
        if (tenante == SIZE_MAX || rejetee[tenante] || fins[k] > fins[tenante]) tenante = k;
    }

    // The total stays within 2^31 - 1: the row that would pass it is at fault.
    for (size_t k = 0; k < bonnes.size(); ++k) {
        if (rejetee[k]) continue;
        if (a.total + effectifs[k] > kPlusGrandEffectifTotal) {
            rejetee[k] = true;
            faute(bonnes[k], colonneEffectif, u"l'effectif total dépasse 2 147 483 647"_s);
            continue;
        }
        a.total += effectifs[k];
        a.lignes[bonnes[k]].rang = classes ? int(a.classes.size()) : int(a.valeurs.size());
        if (classes)
            a.classes.push_back({positions[k], fins[k], effectifs[k]});
        else
            a.valeurs.push_back({positions[k], effectifs[k]});
    }

    // Cumulated in ascending order, whatever order the rows were typed in.
    const size_t n = classes ? a.classes.size() : a.valeurs.size();
    std::vector<size_t> croissant(n);
    std::iota(croissant.begin(), croissant.end(), size_t(0));
    const auto position = [&](size_t r) {
        return classes ? a.classes[r].inferieure : a.valeurs[r].valeur;
    };
    std::sort(croissant.begin(), croissant.end(),
              [&](size_t x, size_t y) { return position(x) < position(y); });
    a.cumules.assign(n, 0);
    qint64 cumul = 0;
    for (size_t r : croissant) {
        cumul += classes ? a.classes[r].effectif : a.valeurs[r].effectif;
        a.cumules[r] = cumul;
    }
    for (size_t i = 0; i < a.lignes.size(); ++i)
        if (a.lignes[i].colonneFautive >= 0) {
            a.premiereFaute = int(i);
            break;
        }
    return a;
}

QString texteDeLaFaute(const TableAnalysis& a) {
    if (a.premiereFaute < 0) return {};
    const RowAnalysis& l = a.lignes[size_t(a.premiereFaute)];
    const QString colonne = colonnesSaisies(a.nature).value(l.colonneFautive);
    return u"Ligne %1, %2 : %3 ; la ligne n'est pas comptée."_s.arg(a.premiereFaute + 1)
        .arg(colonne, l.pourquoi);
}

}  // namespace core
