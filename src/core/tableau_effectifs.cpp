#include "core/tableau_effectifs.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace core {
namespace {

using Nature = Tableau::Nature;

QString trois(const std::optional<double>& x) {
    return x ? formatThreeDecimals(textOfNumber(*x)) : u"—"_s;
}

QString entier(double x) {
    return textOfNumber(x);
}

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

bool Tableau::Ligne::estVide() const {
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

QString cellule(const Tableau::Ligne& ligne, Nature nature, int colonne) {
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

void changerCellule(Tableau::Ligne& ligne, Nature nature, int colonne, const QString& texte) {
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

Tableau tableauDeLExercice() {
    Tableau t{.nature = Nature::Classes, .fermeADroite = true};
    const int effectifs[8] = {5, 14, 31, 124, 106, 51, 22, 7};
    for (int i = 0; i < 8; ++i)
        t.lignes.push_back({.inferieure = QString::number(90 + 10 * i),
                            .superieure = QString::number(100 + 10 * i),
                            .effectif = QString::number(effectifs[i])});
    return t;
}

LigneLue lireLigne(const Tableau::Ligne& l, Nature nature) {
    LigneLue lue;
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

Analyse analyser(const Tableau& tableau) {
    std::vector<LigneLue> lues;
    lues.reserve(tableau.lignes.size());
    for (const Tableau::Ligne& l : tableau.lignes) lues.push_back(lireLigne(l, tableau.nature));
    return analyser(tableau, lues);
}

Analyse analyser(const Tableau& tableau, const std::vector<LigneLue>& lues) {
    Analyse a;
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
        const LigneLue& l = lues[i];
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

QStringList textesCalcules(const Analyse& a, int ligne) {
    const bool classes = a.nature == Nature::Classes;
    QStringList textes;
    const int colonnes = int(colonnesCalculees(a.nature).size());
    if (ligne < 0 || size_t(ligne) >= a.lignes.size() || a.lignes[size_t(ligne)].rang < 0) {
        for (int i = 0; i < colonnes; ++i) textes << QString();
        return textes;
    }
    const size_t r = size_t(a.lignes[size_t(ligne)].rang);
    const double N = double(a.total);
    const qint64 n = classes ? a.classes[r].effectif : a.valeurs[r].effectif;
    const auto pourcent = [&](double x) { return N > 0 ? trois(x / N * 100) : u"—"_s; };
    if (classes)
        textes << textOfNumber(a.classes[r].centre()) << textOfNumber(a.classes[r].amplitude());
    textes << pourcent(double(n)) << entier(double(a.cumules[r])) << pourcent(double(a.cumules[r]));
    return textes;
}

QString texteDeLaFaute(const Analyse& a) {
    if (a.premiereFaute < 0) return {};
    const AnalyseLigne& l = a.lignes[size_t(a.premiereFaute)];
    const QString colonne = colonnesSaisies(a.nature).value(l.colonneFautive);
    return u"Ligne %1, %2 : %3 ; la ligne n'est pas comptée."_s.arg(a.premiereFaute + 1)
        .arg(colonne, l.pourquoi);
}

std::vector<std::pair<QString, QString>> parametresDuTableau(const Analyse& a) {
    std::vector<std::pair<QString, QString>> lignes;
    if (a.nature == Nature::Valeurs) {
        const ParametresPonderes p = parametresPonderes(a.valeurs);
        QString mode = u"—"_s;
        if (p.effectif > 0) {
            QStringList modes;
            for (double m : p.modes) modes << textOfNumber(m);
            mode = modes.isEmpty() ? u"aucun"_s : modes.join(u" ; "_s);
        }
        lignes = {{u"Effectif total"_s, entier(double(a.total))},
                  {u"Minimum"_s, trois(p.minimum)},
                  {u"Maximum"_s, trois(p.maximum)},
                  {u"Étendue"_s, trois(p.etendue)},
                  {u"Moyenne"_s, trois(p.moyenne)},
                  {u"Médiane"_s, trois(p.mediane)},
                  {u"Premier quartile"_s, trois(p.premierQuartile)},
                  {u"Troisième quartile"_s, trois(p.troisiemeQuartile)},
                  {u"Écart interquartile"_s, trois(p.ecartInterquartile)},
                  {u"Premier décile"_s, trois(p.premierDecile)},
                  {u"Neuvième décile"_s, trois(p.neuviemeDecile)},
                  {u"Mode"_s, mode},
                  {u"Variance"_s, trois(p.variance)},
                  {u"Écart-type"_s, trois(p.ecartType)}};
        return lignes;
    }
    const ParametresClasses p = parametresClasses(a.classes);
    const auto classe = [&](int i) {
        return texteIntervalle(a.classes[size_t(i)].inferieure, a.classes[size_t(i)].superieure,
                               a.fermeADroite);
    };
    const auto estimation = [&](const std::optional<Estimation>& e) {
        return e ? trois(e->valeur) : u"—"_s;
    };
    const auto classeDe = [&](const std::optional<Estimation>& e) {
        return e && e->classe >= 0 ? classe(e->classe) : u"—"_s;
    };
    QStringList modales;
    for (int i : p.classesModales) modales << classe(i);
    lignes = {{u"Effectif total"_s, entier(double(a.total))},
              {u"Borne inférieure"_s, trois(p.minimum)},
              {u"Borne supérieure"_s, trois(p.maximum)},
              {u"Étendue"_s, trois(p.etendue)},
              {u"Moyenne (par les centres)"_s, trois(p.moyenne)},
              {u"Classe modale"_s, modales.isEmpty() ? u"—"_s : modales.join(u" ; "_s)},
              {u"Médiane (estimation)"_s, estimation(p.mediane)},
              {u"Classe de la médiane"_s, classeDe(p.mediane)},
              {u"Premier quartile (estimation)"_s, estimation(p.premierQuartile)},
              {u"Classe du premier quartile"_s, classeDe(p.premierQuartile)},
              {u"Troisième quartile (estimation)"_s, estimation(p.troisiemeQuartile)},
              {u"Classe du troisième quartile"_s, classeDe(p.troisiemeQuartile)},
              {u"Écart interquartile (estimation)"_s, trois(p.ecartInterquartile)},
              {u"Premier décile (estimation)"_s, estimation(p.premierDecile)},
              {u"Neuvième décile (estimation)"_s, estimation(p.neuviemeDecile)},
              {u"Variance (par les centres)"_s, trois(p.variance)},
              {u"Écart-type (par les centres)"_s, trois(p.ecartType)}};
    return lignes;
}

QString tableauDesParametresDuTableau(const Analyse& a) {
    QString texte = u"Paramètre\tValeur\n"_s;
    for (const auto& [nom, valeur] : parametresDuTableau(a)) texte += nom + u'\t' + valeur + u'\n';
    return texte;
}

QString definitionDesQuantiles(Nature nature) {
    if (nature == Nature::Classes)
        return u"Les classes sont représentées par leur centre pour la moyenne et la "
               u"variance. La médiane, les quartiles et les déciles sont estimés sur le "
               u"polygone des effectifs cumulés croissants, par interpolation linéaire aux "
               u"niveaux N/2, N/4, 3N/4, N/10 et 9N/10."_s;
    return u"Le premier quartile est la plus petite valeur de la série telle qu'au moins un "
           u"quart des valeurs lui soient inférieures ou égales ; le troisième quartile, la "
           u"plus petite telle qu'au moins trois quarts des valeurs lui soient inférieures ou "
           u"égales. Les déciles D1 et D9 se définissent de même avec un dixième et neuf "
           u"dixièmes des valeurs."_s;
}

namespace {

// Above and below, as counts and percentages; read on the polygon, a count is an
// estimate and keeps its decimals.
struct Seuil {
    QString dessus, partDessus, dessous, partDessous;
};
Seuil seuil(const Analyse& a, double t) {
    const bool classes = a.nature == Nature::Classes;
    const double dessus = classes ? effectifAuDessus(a.classes, t) : effectifAuDessus(a.valeurs, t);
    const double dessous =
        classes ? effectifAuDessous(a.classes, t) : effectifAuDessous(a.valeurs, t);
    const double N = double(a.total);
    const auto part = [&](double x) { return N > 0 ? trois(x / N * 100) + u" %"_s : u"—"_s; };
    const auto effectif = [&](double x) {
        return classes && x != std::floor(x) ? u"≈ "_s + formatThreeDecimals(x) : textOfNumber(x);
    };
    return {effectif(dessus), part(dessus), effectif(dessous), part(dessous)};
}

}  // namespace

QString texteDuSeuil(const Analyse& a, double t) {
    const Seuil s = seuil(a, t);
    return u"Au-dessus de %1 : %2 valeurs (%3) ; au-dessous : %4 valeurs (%5)."_s.arg(
        textOfNumber(t), s.dessus, s.partDessus, s.dessous, s.partDessous);
}

std::vector<std::pair<QString, QString>> lignesDuSeuil(const Analyse& a, double t) {
    const Seuil s = seuil(a, t);
    const QString x = textOfNumber(t);
    return {{u"Effectif au-dessus de %1"_s.arg(x), s.dessus},
            {u"Pourcentage au-dessus de %1"_s.arg(x), s.partDessus},
            {u"Effectif au-dessous de %1"_s.arg(x), s.dessous},
            {u"Pourcentage au-dessous de %1"_s.arg(x), s.partDessous}};
}

QStringList versLaListe(const Analyse& a, bool& trop) {
    trop = false;
    QStringList textes;
    if (a.nature == Nature::Classes) {
        if (a.classes.size() > size_t(kMostValues)) {
            trop = true;
            return {};
        }
        for (const Intervalle& c : a.classes) textes << textOfNumber(double(c.effectif));
        return textes;
    }
    if (a.total > kMostValues) {
        trop = true;
        return {};
    }
    for (const ValeurEffectif& v : a.valeurs)
        for (qint64 k = 0; k < v.effectif; ++k) textes << textOfNumber(v.valeur);
    return textes;
}

namespace {

TableReading rate(int line, int column, const QString& why) {
    return {std::nullopt, {line, column, why}, false};
}

bool estClasse(const QString& cellule) {
    const QString t = cellule.trimmed();
    return !t.isEmpty() && (t.front() == u'[' || t.front() == u']');
}

}  // namespace

TableReading readTable(const QByteArray& bytes) {
    SeriesError error;
    auto rows = readCellRows(bytes, error);
    if (!rows) return {std::nullopt, error, false};
    // A class text holds the column separator itself when unquoted: "]90 ; 100];5".
    for (CellRow& row : *rows) {
        QStringList& c = row.cells;
        if (c.size() >= 2 && estClasse(c[0]) && !lireIntervalle(c[0]) &&
            lireIntervalle(c[0] + u';' + c[1])) {
            c[0] += u';' + c[1];
            c.removeAt(1);
        }
        while (!c.isEmpty() && c.last().trimmed().isEmpty()) c.removeLast();
    }
    std::erase_if(*rows, [](const CellRow& row) { return row.cells.isEmpty(); });
    if (rows->empty()) return rate(0, 0, u"il ne contient aucune ligne"_s);

    // The header, where there is one, is a row with a cell that is neither a number nor
    // a class.
    size_t debut = 0;
    const CellRow& premiere = rows->front();
    bool entete = false;
    for (const QString& c : premiere.cells)
        if (!c.trimmed().isEmpty() && !cellNumber(c) && !lireIntervalle(c)) entete = true;
    if (entete) debut = 1;
    if (debut == rows->size()) return rate(0, 0, u"il ne contient aucune ligne"_s);

    Tableau t;
    const CellRow& modele = (*rows)[debut];
    // Classes written as texts: under a header "Classe", or where the first row holds a
    // text that reads as a class. The first that reads says on which side they close.
    const bool textesDeClasses = (entete && premiere.cells.value(0).trimmed().compare(
                                                u"Classe"_s, Qt::CaseInsensitive) == 0) ||
                                 bool(lireIntervalle(modele.cells.value(0)));
    int largeur = int(modele.cells.size());
    if (entete && !textesDeClasses) largeur = std::max(largeur, int(premiere.cells.size()));
    if (textesDeClasses) {
        t.nature = Nature::Classes;
        for (size_t r = debut; r < rows->size(); ++r)
            if (const auto c = lireIntervalle((*rows)[r].cells.value(0))) {
                t.fermeADroite = c->fermeADroite;
                break;
            }
    } else {
        t.nature = largeur >= 3 ? Nature::Classes : Nature::Valeurs;
    }
    const int colonnes = textesDeClasses ? 2 : t.nature == Nature::Classes ? 3 : 2;
    TableReading lecture;
    for (size_t r = debut; r < rows->size(); ++r) {
        CellRow& row = (*rows)[r];
        // A class that does not read, split by the separator all the same: "]1 ; x];2".
        if (textesDeClasses && row.cells.size() == 3 && estClasse(row.cells[0])) {
            row.cells[0] += u';' + row.cells[1];
            row.cells.removeAt(1);
        }
        if (row.cells.size() > colonnes)
            return rate(row.line, colonnes + 1,
                        u"le tableau a plus de %1 colonnes"_s.arg(colonnes));
        if (t.lignes.size() == size_t(kMostValues))
            return rate(row.line, 1, u"le tableau a plus de 32 767 lignes"_s);
        // Numbers as the window shows them; a cell that is none stays as it was.
        const auto texte = [&](int c) {
            const QString brut = row.cells.value(c).trimmed();
            return cellNumber(brut).value_or(brut);
        };
        Tableau::Ligne ligne;
        if (textesDeClasses) {
            const QString brut = row.cells.value(0).trimmed();
            if (const auto c = lireIntervalle(brut)) {
                ligne.inferieure = textOfNumber(c->inferieure);
                ligne.superieure = textOfNumber(c->superieure);
                if (c->fermeADroite != t.fermeADroite && !lecture.faute) {
                    lecture.faute = true;
                    lecture.error = {row.line, 1,
                                     u"les classes ne sont pas toutes fermées du même côté"_s};
                }
            } else {
                // Its bounds as typed, so that nothing of it is lost: "[abc ; 5[".
                QStringView dedans(brut);
                if (estClasse(brut)) dedans = dedans.sliced(1);
                if (dedans.endsWith(u'[') || dedans.endsWith(u']')) dedans.chop(1);
                const qsizetype coupe = dedans.indexOf(u';');
                const auto borneLue = [](QStringView b) {
                    const QString texte = b.trimmed().toString();
                    return cellNumber(texte).value_or(texte);
                };
                ligne.inferieure = borneLue(coupe < 0 ? dedans : dedans.first(coupe));
                if (coupe >= 0) ligne.superieure = borneLue(dedans.sliced(coupe + 1));
                if (!lecture.faute) {
                    lecture.faute = true;
                    lecture.error = {row.line, 1, u"« %1 » n'est pas une classe"_s.arg(brut)};
                }
            }
            ligne.effectif = texte(1);
        } else if (t.nature == Nature::Classes) {
            ligne.inferieure = texte(0);
            ligne.superieure = texte(1);
            ligne.effectif = texte(2);
        } else {
            ligne.valeur = texte(0);
            ligne.effectif = texte(1);
        }
        t.lignes.push_back(ligne);
    }
    // Brackets with nothing in them hold no row.
    if (std::all_of(t.lignes.begin(), t.lignes.end(),
                    [](const Tableau::Ligne& l) { return l.estVide(); }))
        return rate(0, 0, u"il ne contient aucune ligne"_s);
    // The first fault of the cells, with the file's line and column.
    if (!lecture.faute) {
        const Analyse a = analyser(t);
        if (a.premiereFaute >= 0) {
            const AnalyseLigne& l = a.lignes[size_t(a.premiereFaute)];
            const int colonne =
                textesDeClasses ? (l.colonneFautive <= 1 ? 1 : 2) : l.colonneFautive + 1;
            lecture.faute = true;
            lecture.error = {(*rows)[debut + size_t(a.premiereFaute)].line, colonne, l.pourquoi};
        }
    }
    lecture.tableau = std::move(t);
    return lecture;
}

TableReading readTableFile(const QString& path) {
    SeriesError error;
    const auto bytes = readFileBytes(path, error);
    if (!bytes) return {std::nullopt, error, false};
    return readTable(*bytes);
}

QByteArray tableFile(const Tableau& t) {
    const bool classes = t.nature == Nature::Classes;
    // Bounds alone would read back as ]a, b]: classes [a, b[ are written as texts.
    if (classes && !t.fermeADroite) {
        QString texte = u"Classe;Effectif\r\n"_s;
        for (const Tableau::Ligne& l : t.lignes) {
            if (l.estVide()) continue;
            texte += csvCell(u"[%1 ; %2["_s.arg(l.inferieure.trimmed(), l.superieure.trimmed())) +
                     u';' + csvCell(l.effectif.trimmed()) + u"\r\n"_s;
        }
        return "\xEF\xBB\xBF" + texte.toUtf8();
    }
    QString texte = colonnesSaisies(t.nature).join(u';') + u"\r\n"_s;
    for (const Tableau::Ligne& l : t.lignes) {
        if (l.estVide()) continue;
        QStringList cellules;
        for (int c = 0; c < (classes ? 3 : 2); ++c)
            cellules << csvCell(cellule(l, t.nature, c).trimmed());
        texte += cellules.join(u';') + u"\r\n"_s;
    }
    return "\xEF\xBB\xBF" + texte.toUtf8();
}

}  // namespace core
