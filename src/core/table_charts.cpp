#include "core/table_charts.h"

#include "core/numbers.h"
#include "core/text_places.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr quint32 kNoir = 0;
constexpr quint32 kBleu = 65536u * 200 + 256u * 80 + 30;
constexpr quint32 kGris = 128 + 256u * 128 + 65536u * 128;
constexpr int kTiret = 80;         // twips of a dash, and of the gap after it
constexpr double kCleHaute = 600;  // the histogram's key at most, in twips

struct Nom {
    const char16_t* option;
    const char16_t* titre;
};
constexpr Nom kNoms[kTableCharts] = {
    {u"bars", u"Diagramme en bâtons"},
    {u"histogram", u"Histogramme"},
    {u"cumulative", u"Polygone des effectifs cumulés croissants"},
    {u"cumulative-percent", u"Polygone des fréquences cumulées croissantes"},
    {u"box", u"Diagramme en boîte"},
};

// At most three decimals, as the parameters show them, and none where there are none.
QString texte(double valeur) {
    const double arrondi = std::round(valeur * 1000) / 1000;
    return textOfNumber(std::isfinite(arrondi) ? arrondi : valeur);
}

// Draws into one record, each free text in its own label slot.
class Plotter {
public:
    Plotter(Drawing& d) : d_(d) {}
    void ligne(QPointF a, QPointF b, quint32 couleur = kNoir, int epaisseur = 1) {
        d_.line(a.x(), a.y(), b.x(), b.y(), couleur, epaisseur);
    }
    void tirets(QPointF a, QPointF b, quint32 couleur = kGris) {
        const double longueur = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (longueur <= 0) return;
        const QPointF pas = (b - a) / longueur;
        for (double t = 0; t < longueur; t += 2 * kTiret)
            ligne(a + pas * t, a + pas * std::min(longueur, t + kTiret), couleur);
    }
    void rectangle(QPointF a, QPointF b, quint32 couleur, int epaisseur = 2) {
        ligne(a, {b.x(), a.y()}, couleur, epaisseur);
        ligne({b.x(), a.y()}, b, couleur, epaisseur);
        ligne(b, {a.x(), b.y()}, couleur, epaisseur);
        ligne({a.x(), b.y()}, a, couleur, epaisseur);
    }
    void ecrire(const QString& t, QPointF at, Qt::Alignment ancre, bool gras = false) {
        d_.label({.array = 2,
                  .index = n_++,
                  .text = t,
                  .left = at.x(),
                  .top = at.y(),
                  .points = 8.25,
                  .bold = gras,
                  .fond = false,
                  .ancre = ancre});
    }

private:
    Drawing& d_;
    int n_ = 0;
};

// The area between the axes leaves room for the graduations and the titles.
QRectF zoneDe(const Surface& s) {
    return QRectF(QPointF(1000, 700), QPointF(s.largeur - 400, s.hauteur - 750));
}

void axes(Plotter& t, const CoordinateFrame& r, const QString& titre, const QString& titreX,
          const QString& titreY, bool axeY = true) {
    const QRectF& z = r.zone;
    t.ecrire(titre, {z.center().x(), 120}, Qt::AlignHCenter | Qt::AlignTop, true);
    t.ligne(z.bottomLeft(), z.bottomRight());
    for (long double g : r.x.graduations) {
        const QPointF p = r.point(double(g), double(r.y.debut));
        t.ligne(p, p + QPointF(0, 60));
        t.ecrire(texte(double(g)), p + QPointF(0, 80), Qt::AlignHCenter | Qt::AlignTop);
    }
    t.ecrire(titreX, {z.right(), z.bottom() + 380}, Qt::AlignRight | Qt::AlignTop);
    if (!axeY) return;
    t.ligne(z.bottomLeft(), z.topLeft());
    for (long double g : r.y.graduations) {
        const QPointF p(z.left(), r.point(double(r.x.debut), double(g)).y());
        t.ligne(p, p - QPointF(60, 0));
        t.ecrire(texte(double(g)), p - QPointF(90, 0), Qt::AlignRight | Qt::AlignVCenter);
    }
    t.ecrire(titreY, {z.left() - 900, z.top() - 330}, Qt::AlignLeft | Qt::AlignTop);
}

// The x axis the bars and the histogram stand on, and the box plot with them: the
// classes' bounds, or the values with a little room on each side, so that no bar
// stands on the y axis.
Axis axeDesDonnees(const TableAnalysis& a) {
    if (a.nature == FrequencyTable::Nature::Classes) {
        double bas = a.classes.front().inferieure, haut = a.classes.front().superieure;
        for (const auto& k : a.classes) {
            bas = std::min(bas, k.inferieure);
            haut = std::max(haut, k.superieure);
        }
        return axeGradue(bas, haut, 8);
    }
    double bas = a.valeurs.front().valeur, haut = bas;
    for (const auto& p : a.valeurs) {
        bas = std::min(bas, p.valeur);
        haut = std::max(haut, p.valeur);
    }
    const double marge = std::max((haut - bas) / 20, 0.5);
    return axeGradue(bas - marge, haut + marge, 8);
}

void batons(Plotter& t, TableChartRecord& g, const TableAnalysis& a) {
    std::vector<ValueCount> v = a.valeurs;
    std::sort(v.begin(), v.end(), [](auto& p, auto& q) { return p.valeur < q.valeur; });
    qint64 plusHaut = 0;
    for (const auto& p : v) plusHaut = std::max(plusHaut, p.effectif);
    CoordinateFrame& r = g.repere;
    r.x = axeDesDonnees(a);
    r.y = axeGradue(0, double(std::max<qint64>(plusHaut, 1)), 5);
    axes(t, r, titreDuGraphique(TableChart::Sticks), u"Valeur"_s, u"Effectif"_s);
    QStringList decrits;
    // Counts above the bars only while they have room to be read: about 20 pixels each,
    // and the nearest bars as far apart as the widest count.
    bool compter = double(v.size()) <= r.zone.width() / 300;
    for (size_t i = 1; compter && i < v.size(); ++i)
        compter = r.point(v[i].valeur, 0).x() - r.point(v[i - 1].valeur, 0).x() >=
                  TextPlaces::boxOf(QString::number(plusHaut), {}, {}).width() + 40;
    for (const auto& p : v) {
        const QPointF pied = r.point(p.valeur, 0), haut = r.point(p.valeur, double(p.effectif));
        t.ligne(pied, haut, kBleu, 6);
        if (compter)
            t.ecrire(QString::number(p.effectif), haut - QPointF(0, 40),
                     Qt::AlignHCenter | Qt::AlignBottom);
        decrits << texte(p.valeur) + u" : "_s + QString::number(p.effectif);
    }
    g.description = titreDuGraphique(TableChart::Sticks) + u", effectif de chaque valeur : "_s +
                    decrits.join(u", "_s);
}

void histogramme(Plotter& t, TableChartRecord& g, const TableAnalysis& a) {
    std::vector<Interval> c = a.classes;
    std::sort(c.begin(), c.end(), [](auto& p, auto& q) { return p.inferieure < q.inferieure; });
    double plusPetite = c.front().amplitude();
    bool egales = true;
    for (const auto& k : c) {
        plusPetite = std::min(plusPetite, k.amplitude());
        egales = egales && std::abs(k.amplitude() - c.front().amplitude()) <=
                               1e-9 * std::abs(c.front().amplitude());
    }
    // Heights in counts per unit where widths differ, so that areas are the counts.
    const auto hauteur = [&](const Interval& k) {
        return egales ? double(k.effectif) : double(k.effectif) / k.amplitude();
    };
    double plusHaut = 0;
    for (const auto& k : c) plusHaut = std::max(plusHaut, hauteur(k));
    CoordinateFrame& r = g.repere;
    // The key stands between the title's band and the bars: room for its highest.
    r.zone.setTop(r.zone.top() + kCleHaute - 200);
    r.x = axeDesDonnees(a);
    r.y = axeGradue(0, plusHaut > 0 ? plusHaut : 1, 5);
    axes(t, r, titreDuGraphique(TableChart::Histogram), u"Valeur"_s,
         egales ? u"Effectif"_s : u"Effectif par unité"_s);
    QStringList decrits;
    for (const auto& k : c) {
        t.rectangle(r.point(k.inferieure, hauteur(k)), r.point(k.superieure, 0), kBleu);
        decrits << texteIntervalle(k.inferieure, k.superieure, a.fermeADroite) + u" : "_s +
                       QString::number(k.effectif);
    }
    // The key: a rectangle as wide as the narrowest class, one graduation high.
    const double pasY = r.y.graduations.size() > 1 ? double(r.y.graduations[1] - r.y.graduations[0])
                                                   : double(r.y.fin - r.y.debut);
    const double valeurs = egales ? pasY : pasY * plusPetite;
    const double largeur = r.point(r.x.debut + plusPetite, 0).x() - r.zone.left();
    const double haut = r.zone.bottom() - r.point(r.x.debut, r.y.debut + pasY).y();
    const QSizeF cle(std::clamp(largeur, 30.0, 1500.0), std::clamp(haut, 30.0, kCleHaute));
    const QPointF coin(std::max(r.zone.left(), r.zone.right() - cle.width() - 1300),
                       r.zone.top() - kCleHaute - 80);
    t.rectangle(coin, coin + QPointF(cle.width(), cle.height()), kBleu, 1);
    t.ecrire(u"= "_s + texte(valeurs) + u" valeurs"_s, coin + QPointF(cle.width() + 80, 0),
             Qt::AlignLeft | Qt::AlignTop);
    g.description = titreDuGraphique(TableChart::Histogram) +
                    (egales ? u", classes de même amplitude, effectif de chaque classe : "_s
                            : u", aire proportionnelle à l'effectif de chaque classe : "_s) +
                    decrits.join(u", "_s);
}

void cumule(Plotter& t, TableChartRecord& g, const TableAnalysis& a, bool pourcents) {
    const double N = double(a.total);
    const double echelle = pourcents ? 100.0 / N : 1.0;
    std::vector<QPointF> points;  // in the data's units
    struct TextReading {
        const char16_t* nom;
        double niveau;
        std::optional<double> valeur;
    };
    std::vector<TextReading> lectures = {
        {u"Q1", N / 4, {}}, {u"Me", N / 2, {}}, {u"Q3", 3 * N / 4, {}}};
    if (a.nature == FrequencyTable::Nature::Classes) {
        for (const QPointF& p : polygoneCumule(a.classes)) points.emplace_back(p.x(), p.y());
        for (TextReading& l : lectures)
            if (const auto e = lectureCumulee(a.classes, l.niveau)) l.valeur = e->valeur;
    } else {
        std::vector<ValueCount> v = a.valeurs;
        std::sort(v.begin(), v.end(), [](auto& p, auto& q) { return p.valeur < q.valeur; });
        // A step curve: flat between values, rising at each.
        double cumul = 0;
        for (const auto& p : v) {
            points.emplace_back(p.valeur, cumul);
            cumul += double(p.effectif);
            points.emplace_back(p.valeur, cumul);
        }
        const WeightedParameters par = parametresPonderes(a.valeurs);
        lectures[0].valeur = par.premierQuartile;
        lectures[1].valeur = par.mediane;
        lectures[2].valeur = par.troisiemeQuartile;
    }
    CoordinateFrame& r = g.repere;
    r.x = axeGradue(points.front().x(), points.back().x(), 8);
    r.y = axeGradue(0, pourcents ? 100 : N, 5);
    const TableChart quel = pourcents ? TableChart::CumulativePercent : TableChart::Cumulative;
    axes(t, r, titreDuGraphique(quel), u"Valeur"_s,
         pourcents ? u"Fréquence cumulée (%)"_s : u"Effectif cumulé"_s);
    for (size_t i = 1; i < points.size(); ++i)
        t.ligne(r.point(points[i - 1].x(), points[i - 1].y() * echelle),
                r.point(points[i].x(), points[i].y() * echelle), kBleu, 2);
    TextPlaces places(r.zone);
    for (size_t i = 1; i < points.size(); ++i)
        places.line(r.point(points[i - 1].x(), points[i - 1].y() * echelle),
                    r.point(points[i].x(), points[i].y() * echelle));
    for (const TextReading& l : lectures) {
        if (!l.valeur) continue;
        const QPointF sur = r.point(*l.valeur, l.niveau * echelle);
        t.tirets({r.zone.left(), sur.y()}, sur);
        t.tirets(sur, {sur.x(), r.zone.bottom()});
        places.line({r.zone.left(), sur.y()}, sur);
        places.line(sur, {sur.x(), r.zone.bottom()});
    }
    QStringList lus;
    int rang = 0;  // where no place is free, each figure a line higher than the one before
    for (const TextReading& l : lectures) {
        if (!l.valeur) continue;
        const QPointF sur = r.point(*l.valeur, l.niveau * echelle);
        const QString lu = QString::fromUtf16(l.nom) + u" ≈ "_s + texte(*l.valeur);
        // Above its level and left of its point the curve is below; below it and to the
        // right, above: the figure goes where neither the curve nor a reading's dashes run.
        const QPointF bas(sur.x() + 40, r.zone.bottom() - 40 - 230 * rang++);
        const auto place = places.firstFree(
            lu, {{sur + QPointF(-60, -30), Qt::AlignRight | Qt::AlignBottom},
                 {QPointF(r.zone.left() + 60, sur.y() - 30), Qt::AlignLeft | Qt::AlignBottom},
                 {sur + QPointF(60, 30), Qt::AlignLeft | Qt::AlignTop},
                 {bas, Qt::AlignLeft | Qt::AlignBottom},
                 {r.zone.bottomRight() - QPointF(60, 40), Qt::AlignRight | Qt::AlignBottom},
                 {r.zone.bottomRight() - QPointF(60, 270), Qt::AlignRight | Qt::AlignBottom},
                 {r.zone.bottomRight() - QPointF(60, 500), Qt::AlignRight | Qt::AlignBottom}});
        if (place)
            t.ecrire(lu, place->first, place->second);
        else
            t.ecrire(lu, bas, Qt::AlignLeft | Qt::AlignBottom);
        lus << lu;
    }
    QStringList sommets;
    for (const QPointF& p : points)
        sommets << u"("_s + texte(p.x()) + u" ; "_s + texte(p.y() * echelle) + u")"_s;
    g.description = titreDuGraphique(quel) + u" passant par "_s + sommets.join(u", "_s) +
                    u" ; lectures : "_s + lus.join(u", "_s);
}

void boite(Plotter& t, TableChartRecord& g, const TableAnalysis& a, bool deciles) {
    std::optional<double> bas, q1, me, q3, haut;
    if (a.nature == FrequencyTable::Nature::Classes) {
        const ClassParameters p = parametresClasses(a.classes);
        const auto v = [](const std::optional<Estimation>& e) {
            return e ? std::optional<double>(e->valeur) : std::nullopt;
        };
        bas = deciles ? v(p.premierDecile) : p.minimum;
        haut = deciles ? v(p.neuviemeDecile) : p.maximum;
        q1 = v(p.premierQuartile);
        me = v(p.mediane);
        q3 = v(p.troisiemeQuartile);
    } else {
        const WeightedParameters p = parametresPonderes(a.valeurs);
        bas = deciles ? p.premierDecile : p.minimum;
        haut = deciles ? p.neuviemeDecile : p.maximum;
        q1 = p.premierQuartile;
        me = p.mediane;
        q3 = p.troisiemeQuartile;
    }
    if (!bas || !q1 || !me || !q3 || !haut) {
        g.faute = u"Ce tableau n'a pas de quartiles à dessiner."_s;
        return;
    }
    CoordinateFrame& r = g.repere;
    r.x = axeDesDonnees(a);
    r.y = axeGradue(0, 1, 1);
    axes(t, r, titreDuGraphique(TableChart::Box), u"Valeur"_s, QString(), false);
    const double milieu = r.zone.center().y(), demi = std::min(600.0, r.zone.height() / 4);
    const auto x = [&](double v) { return r.point(v, 0).x(); };
    t.rectangle({x(*q1), milieu - demi}, {x(*q3), milieu + demi}, kBleu);
    t.ligne({x(*me), milieu - demi}, {x(*me), milieu + demi}, kBleu, 3);
    t.ligne({x(*bas), milieu}, {x(*q1), milieu}, kNoir, 2);
    t.ligne({x(*q3), milieu}, {x(*haut), milieu}, kNoir, 2);
    for (double v : {*bas, *haut})
        t.ligne({x(v), milieu - demi / 2}, {x(v), milieu + demi / 2}, kNoir, 2);
    const QString extremes = deciles ? u"D1"_s : u"minimum"_s;
    const QString extremes9 = deciles ? u"D9"_s : u"maximum"_s;
    // Each mark's figure beside it: the median above the box, the quartiles below it
    // and turned away from each other.
    const auto marque = [&](const QString& nom, double v, QPointF at, Qt::Alignment ancre) {
        t.ecrire(nom + u" = "_s + texte(v), at, ancre);
    };
    marque(u"Me"_s, *me, {x(*me), milieu - demi - 40}, Qt::AlignHCenter | Qt::AlignBottom);
    marque(u"Q1"_s, *q1, {x(*q1), milieu + demi + 40}, Qt::AlignRight | Qt::AlignTop);
    marque(u"Q3"_s, *q3, {x(*q3), milieu + demi + 40}, Qt::AlignLeft | Qt::AlignTop);
    // The whiskers' ends a row above the median's, clear of the box however near.
    const double rangHaut = milieu - demi - 40 - 260;
    marque(deciles ? u"D1"_s : u"min"_s, *bas, {x(*bas), rangHaut},
           Qt::AlignHCenter | Qt::AlignBottom);
    marque(deciles ? u"D9"_s : u"max"_s, *haut, {x(*haut), rangHaut},
           Qt::AlignHCenter | Qt::AlignBottom);
    g.description = titreDuGraphique(TableChart::Box) + u" : "_s + extremes + u" "_s + texte(*bas) +
                    u", Q1 "_s + texte(*q1) + u", médiane "_s + texte(*me) + u", Q3 "_s +
                    texte(*q3) + u", "_s + extremes9 + u" "_s + texte(*haut);
}

}  // namespace

std::optional<TableChart> graphiqueTableauNomme(QStringView nom) {
    for (int i = 0; i < kTableCharts; ++i)
        if (nom == QStringView(kNoms[i].option)) return TableChart(i);
    return std::nullopt;
}

QString titreDuGraphique(TableChart graphique) {
    return QString::fromUtf16(kNoms[int(graphique)].titre);
}

TableChartRecord graphiqueDuTableau(const TableAnalysis& analyse, TableChart graphique,
                                    const Surface& surface, bool deciles) {
    TableChartRecord g;
    g.repere.zone = zoneDe(surface);
    const bool classes = analyse.nature == FrequencyTable::Nature::Classes;
    // A row at fault is not counted, as in the parameters: the others are drawn.
    if (analyse.total <= 0) {
        g.faute = u"Le tableau n'a encore aucune valeur à dessiner."_s;
        return g;
    }
    if (graphique == TableChart::Sticks && classes) {
        g.faute =
            u"Un diagramme en bâtons se dessine pour un tableau de valeurs ; pour des classes, "
            u"choisissez l'histogramme."_s;
        return g;
    }
    if (graphique == TableChart::Histogram && !classes) {
        g.faute =
            u"Un histogramme se dessine pour un tableau de classes ; pour des valeurs, "
            u"choisissez le diagramme en bâtons."_s;
        return g;
    }
    Plotter t(g.dessin);
    switch (graphique) {
        case TableChart::Sticks:
            batons(t, g, analyse);
            break;
        case TableChart::Histogram:
            histogramme(t, g, analyse);
            break;
        case TableChart::Cumulative:
        case TableChart::CumulativePercent:
            cumule(t, g, analyse, graphique == TableChart::CumulativePercent);
            break;
        case TableChart::Box:
            boite(t, g, analyse, deciles);
            break;
    }
    if (!g.faute.isEmpty()) g.dessin.clear();
    return g;
}

}  // namespace core
