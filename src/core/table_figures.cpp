// Of core/tableau_effectifs, what a table's analysis shows: its computed columns, its
// parameters, the values above and below a threshold, and the series it gives the main list.

#include "core/frequency_table.h"

#include "core/numbers.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
namespace {

using Nature = FrequencyTable::Nature;

QString trois(const std::optional<double>& x) {
    return x ? formatThreeDecimals(textOfNumber(*x)) : u"—"_s;
}

QString entier(double x) {
    return textOfNumber(x);
}

}  // namespace

QStringList textesCalcules(const TableAnalysis& a, int ligne) {
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
std::vector<std::pair<QString, QString>> parametresDuTableau(const TableAnalysis& a) {
    std::vector<std::pair<QString, QString>> lignes;
    if (a.nature == Nature::Valeurs) {
        const WeightedParameters p = parametresPonderes(a.valeurs);
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
    const ClassParameters p = parametresClasses(a.classes);
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

QString tableauDesParametresDuTableau(const TableAnalysis& a) {
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
struct Threshold {
    QString dessus, partDessus, dessous, partDessous;
};
Threshold seuil(const TableAnalysis& a, double t) {
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

QString texteDuSeuil(const TableAnalysis& a, double t) {
    const Threshold s = seuil(a, t);
    return u"Au-dessus de %1 : %2 valeurs (%3) ; au-dessous : %4 valeurs (%5)."_s.arg(
        textOfNumber(t), s.dessus, s.partDessus, s.dessous, s.partDessous);
}

std::vector<std::pair<QString, QString>> lignesDuSeuil(const TableAnalysis& a, double t) {
    const Threshold s = seuil(a, t);
    const QString x = textOfNumber(t);
    return {{u"Effectif au-dessus de %1"_s.arg(x), s.dessus},
            {u"Pourcentage au-dessus de %1"_s.arg(x), s.partDessus},
            {u"Effectif au-dessous de %1"_s.arg(x), s.dessous},
            {u"Pourcentage au-dessous de %1"_s.arg(x), s.partDessous}};
}

QStringList versLaListe(const TableAnalysis& a, bool& trop) {
    trop = false;
    QStringList textes;
    if (a.nature == Nature::Classes) {
        if (a.classes.size() > size_t(kMostValues)) {
            trop = true;
            return {};
        }
        for (const Interval& c : a.classes) textes << textOfNumber(double(c.effectif));
        return textes;
    }
    if (a.total > kMostValues) {
        trop = true;
        return {};
    }
    for (const ValueCount& v : a.valeurs)
        for (qint64 k = 0; k < v.effectif; ++k) textes << textOfNumber(v.valeur);
    return textes;
}

}  // namespace core
