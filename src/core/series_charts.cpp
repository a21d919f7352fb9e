#include "core/series_charts.h"

#include "core/chart_math.h"
#include "core/numbers.h"
#include "core/pie_sectors.h"
#include "core/random.h"
#include "core/resume_next.h"

#include <QStringList>

#include <cmath>
#include <functional>
#include <vector>

namespace core {
namespace {

constexpr quint32 kNoir = 0;
constexpr quint32 kRouge = 255;
constexpr quint32 kBleu = 65536u * 255;

// The steps of showing a label: shown and captioned, then moved; a position beyond
// the single-precision range fails and leaves the label where it stood.
void etiquette(ResumeNext& resume, Drawing& dessin, int liste, int i, const QString& texte,
               double left, double top) {
    Drawing::Label label{.array = liste,
                         .index = i,
                         .text = texte,
                         .back = liste == 0 ? kFondEtiquette1 : kFondEtiquette2};
    resume([&] {
        toSingle(left);
        label.left = left;
    });
    resume([&] {
        toSingle(top);
        label.top = top;
    });
    dessin.label(label);
}

int effectif2(ResumeNext& resume, const Model& m) {
    int n = 0;
    resume([&] { n = int(m.effectif_liste2.toDouble()); });
    return n;
}

// The curve's scale takes the widest value of both lists, which stays as the first
// list's largest: the second list's values over its first positions are compared.
void relever(ResumeNext& resume, const Model& m, Variant& plusGrande) {
    const int C = int(m.serie1.size());
    if (!m.prendre_liste2.isTrue() || C == 0) return;
    const int n2 = effectif2(resume, m);
    const int dernier = std::min({C - 1, 50, n2 - 1});
    for (int j = 0; j <= dernier; ++j)
        if (resume.test([&] { return m.valeurs_liste2(j) > plusGrande; }))
            resume([&] { plusGrande = Variant(m.valeurs_liste2(j)); });
}

// One blue stick per item from the baseline to its value, labelled beside its top;
// the second list's red sticks 50 twips to the right.
void batons(const Model& m, const Surface& s, Drawing& d) {
    ResumeNext resume;
    const double W = s.largeur;
    const double H = s.hauteur;
    const int C = int(m.serie1.size());
    const bool deuxListes = m.prendre_liste2.isTrue();
    double dx = 0, k = 0, x = 0, w = 0, top = 0;
    double top1 = 0;  // a first item that is not a number stands up to the top edge

    if (deuxListes) {
        // The longer list decides the step and the scale.
        double N = C;
        Variant M = m.bilan_liste1(0);
        if (resume.test([&] { return m.effectif_liste2.toDouble() > C; })) {
            resume([&] { N = m.effectif_liste2.toDouble(); });
            resume([&] { M = m.bilan_liste2(0); });
        }
        resume([&] { dx = chart_math::pas(W, N); });
        resume([&] { k = chart_math::echelle(H, M.toDouble()); });
        if (resume.test([&] {
                const bool premiere = m.bilan_liste1(0) == 0.0;
                const bool seconde = m.bilan_liste2(0) == 0.0;
                return premiere && seconde;
            }))
            k = 50;
    } else {
        resume([&] { dx = chart_math::pas(W, C); });
        chart_math::echelleOu50(resume, H, m.bilan_liste1(0), k);
    }
    x = 100;
    w = 150;

    if (deuxListes) {
        const int n = effectif2(resume, m);
        for (int i = 0; i < n; ++i) {
            resume([&] { top = chart_math::ordonnee(H, m.valeurs_liste2(i), k); });
            resume([&] { d.line(w, H - 200, w, top, kRouge, s.epaisseur); });
            if (i < kEtiquettes2)
                resume([&] {
                    etiquette(resume, d, 1, i, textOfNumber(m.valeurs_liste2(i)), w + 150, top);
                });
            w += dx;
        }
    }
    for (int i = 0; i < C; ++i) {
        const QString& texte = m.serie1[i];
        resume([&] { top1 = chart_math::ordonnee(H, numberFromText(texte), k); });
        resume([&] { d.line(x, H - 200, x, top1, kBleu, s.epaisseur); });
        if (i < kEtiquettes1) etiquette(resume, d, 0, i, texte, x + 150, top1);
        x += dx;
    }
}

// A working table sized to the series; its cells start at 0.
class Points {
public:
    explicit Points(int n) : cells_(size_t(n), 0.0) {}
    double& operator()(int i) {
        if (i < 0 || i >= int(cells_.size())) throw Failure();
        return cells_[size_t(i)];
    }

private:
    std::vector<double> cells_;
};

// The first series' points joined in list order by black segments, each marked with a
// dot and labelled below; the second list's red line through its own values at the
// same positions.
void courbe(const Model& m, const Surface& s, Drawing& d) {
    ResumeNext resume;
    const double W = s.largeur;
    const double H = s.hauteur;
    const int C = int(m.serie1.size());
    const bool deuxListes = m.prendre_liste2.isTrue();
    // The second list is drawn only where it has values of its own.
    const int n2 = deuxListes ? effectif2(resume, m) : 0;
    Variant plusGrande = m.bilan_liste1(0);
    double dx = 0, k = 0;
    Points x(C), y(C), y2(C);
    constexpr int kPoint = 7;  // the dots' width, in pixels

    resume([&] { dx = chart_math::pas(W, C); });
    resume([&] { x(0) = 100; });
    for (int i = 0; i < C; ++i) {
        const QString& texte = m.serie1[i];
        if (i == 0) relever(resume, m, plusGrande);
        chart_math::echelleOu50(resume, H, plusGrande, k);
        resume([&] { y(i) = chart_math::ordonnee(H, numberFromText(texte), k); });
        const bool pointRouge = deuxListes && i < n2;
        if (pointRouge) resume([&] { y2(i) = chart_math::ordonnee(H, m.valeurs_liste2(i), k); });
        if (i != 0) {
            resume([&] { x(i) = x(i - 1) + dx; });
            resume([&] { d.line(x(i - 1), y(i - 1), x(i), y(i), kNoir, s.epaisseur); });
            if (pointRouge)
                resume([&] { d.line(x(i - 1), y2(i - 1), x(i), y2(i), kRouge, s.epaisseur); });
        }
        resume([&] { d.dot(x(i), y(i), kNoir, kPoint); });
        if (pointRouge) resume([&] { d.dot(x(i), y2(i), kNoir, kPoint); });
        if (i < kEtiquettes1) resume([&] { etiquette(resume, d, 0, i, texte, x(i), y(i) + 100); });
        if (i < kEtiquettes2 && pointRouge)
            resume([&] {
                etiquette(resume, d, 1, i, textOfNumber(m.valeurs_liste2(i)), x(i), y2(i) + 100);
            });
    }
}

constexpr int kPointsContour = 628;  // outline dots 0 to 628
constexpr double kTour = 628;

// One pie: where it stands, and how its values are read and labelled. The right-hand
// pie rounds the y of its points to a 16-bit integer.
struct Pie {
    Drawing& d;
    const Surface& surface;
    ResumeNext& resume;
    double cx, cy;
    bool yEntier;
    int effectif = 0;
    double f = 0;  // 628 / count: a value's share of the turn per unit of the mean
    std::function<double(int)> valeur;  // item i, or a failing step
    std::function<double()> moyenne;    // the mean the angles are shares of
    std::function<void(int, QPointF)> etiqueter;

    double y(double value) const { return yEntier ? toInt16(value) : value; }

    // 629 dots of radius r, in the area's foreground colour.
    void contour(double r) {
        for (int j = 0; j <= kPointsContour; ++j)
            resume([&] {
                d.dot(cx + intFloor(r * std::cos(j / 100.0)),
                      y(cy + intFloor(r * std::sin(j / 100.0))), surface.avantPlan,
                      surface.epaisseur);
            });
    }

    // Straight up to the outline.
    void bordDeDepart(double r) {
        resume([&] {
            d.line(cx, cy, cx + intFloor(r * std::cos(chart_math::kQuartDeTour)),
                   y(cy - intFloor(r * std::sin(chart_math::kQuartDeTour))), kNoir,
                   surface.epaisseur);
        });
    }

    // What the sectors' geometry is worked out from: an item whose reading fails is
    // skipped as one of 0 is.
    PieInputs inputs(double rayon) {
        PieInputs in{.cx = cx, .cy = cy, .radius = rayon, .share = f, .roundedY = yEntier};
        resume([&] { in.mean = moyenne(); });
        in.values.assign(size_t(std::max(effectif, 0)), 0.0);
        for (int i = 0; i < effectif; ++i) resume([&] { in.values[size_t(i)] = valeur(i); });
        return in;
    }

    // A fan of 75 spokes per item, each 1/75 of the item's share further on; spokes that
    // end on the same point are drawn together.
    void secteurs(const PieSectors& geometrie, const std::vector<double>& couleurs) {
        for (const PieSectors::Run& run : geometrie.runs) {
            const quint32 couleur = quint32(couleurs[size_t(run.item)]);
            resume([&] {
                d.lines(run.count, cx, cy, run.end.x(), run.end.y(), couleur, surface.epaisseur);
            });
            if (run.label) etiqueter(run.item, run.end);
        }
    }

    // A black edge at the end of each item's share, going on from where the sectors
    // stopped.
    void bordsDeFin(const PieSectors& geometrie) {
        for (const PieSectors::Edge& edge : geometrie.edges)
            resume(
                [&] { d.line(cx, cy, edge.end.x(), y(edge.end.y()), kNoir, surface.epaisseur); });
    }
};

// One sector per item of the first series, clockwise from twelve o'clock in list
// order, each a fan of 75 coloured spokes with its label on the 30th, its end edge in
// black, inside a dotted outline. With the second list taken into account a second
// pie stands to the right, sector i of both pies sharing a colour.
void camembert(const Model& m, const Surface& s, Drawing& d) {
    ResumeNext resume;
    const float W = s.largeur;
    const float H = s.hauteur;
    const bool deuxCamemberts = m.prendre_liste2.isTrue();
    const int C = int(m.serie1.size());
    const int n2 = effectif2(resume, m);
    qint16 r = 0;

    Pie premier{.d = d, .surface = s, .resume = resume, .cx = 0, .cy = 0, .yEntier = false};
    premier.effectif = C;
    premier.valeur = [&](int i) { return numberFromText(m.serie1[i]); };
    premier.moyenne = [&] { return m.bilan_liste1(2).toDouble(); };
    premier.etiqueter = [&](int i, QPointF P) {
        if (i < kEtiquettes1)
            resume([&] { etiquette(resume, d, 0, i, m.serie1[i], P.x(), P.y()); });
    };
    Pie second{.d = d, .surface = s, .resume = resume, .cx = 0, .cy = 0, .yEntier = true};
    second.effectif = n2;
    second.valeur = [&](int i) { return m.valeurs_liste2(i); };
    second.moyenne = [&] { return m.bilan_liste2(2).toDouble(); };
    second.etiqueter = [&](int i, QPointF P) {
        if (i < kEtiquettes2)
            resume([&] {
                etiquette(resume, d, 1, i, textOfNumber(m.valeurs_liste2(i)), P.x(), P.y());
            });
    };

    if (deuxCamemberts) {
        premier.cx = W / 4;
        premier.cy = H / 2;
        second.cx = W / 4 * 3;
        resume([&] { second.cy = toInt16(H / 2); });
        resume([&] { r = toInt16(W > H ? H / 4 + 350 : W / 4 + 350); });
        second.contour(r);
    } else {
        premier.cx = W / 2;
        premier.cy = H / 2;
        resume([&] { r = toInt16(W > H ? H / 2 - 200 : W / 2 - 200); });
    }
    resume([&] { second.f = checked(kTour / m.effectif_liste2.toDouble()); });
    premier.contour(r);
    resume([&] { premier.f = checked(kTour / m.effectif_total.toDouble()); });
    if (deuxCamemberts) second.bordDeDepart(r);
    premier.bordDeDepart(r);

    // Sector colours, drawn anew at each drawing; item i of both pies shares colour i.
    const int n = n2 > C ? n2 : C;
    std::vector<double> couleur_secteur(size_t(n) + 1, 0.0);
    for (int i = 0; i <= n; ++i) {
        const int choix = int(std::floor(Random::next() * 10.0f));
        resume([&] { couleur_secteur[size_t(i)] = m.couleurs(choix); });
    }

    const double rayon = r - 35;  // spokes and end edges stop short of the outline
    const PieSectors* droite = deuxCamemberts ? &pieSectors(second.inputs(rayon)) : nullptr;
    const PieSectors& gauche = pieSectors(premier.inputs(rayon));
    if (droite) second.secteurs(*droite, couleur_secteur);
    premier.secteurs(gauche, couleur_secteur);
    if (droite) second.bordsDeFin(*droite);
    premier.bordsDeFin(gauche);
}

}  // namespace

std::optional<ChartKind> chartKindNamed(QStringView name) {
    static const char16_t* const kNoms[kChartKinds] = {u"sticks", u"pie", u"curve", u"both"};
    for (int i = 0; i < kChartKinds; ++i)
        if (name == QStringView(kNoms[i])) return ChartKind(i);
    return std::nullopt;
}

QPointF departEtiquette(int liste, int i) {
    return liste == 0 ? QPointF(360 + 24 * i, 480 + 18 * i) : QPointF(1080 + 45 * i, 2040 + 42 * i);
}

void placerAuDepart(Drawing& dessin) {
    std::vector<Drawing::Label> etiquettes = dessin.shownLabels();
    for (Drawing::Label& l : etiquettes) {
        const QPointF depart = departEtiquette(l.array, l.index);
        if (!l.left) l.left = depart.x();
        if (!l.top) l.top = depart.y();
    }
    dessin.replaceLabels(std::move(etiquettes));
}

Drawing chart(const Model& modele, ChartKind kind, const Surface& surface) {
    Drawing dessin;
    chart(dessin, modele, kind, surface);
    return dessin;
}

void chart(Drawing& dessin, const Model& modele, ChartKind kind, const Surface& surface) {
    switch (kind) {
        case ChartKind::Sticks:
            batons(modele, surface, dessin);
            break;
        case ChartKind::Pie:
            camembert(modele, surface, dessin);
            break;
        case ChartKind::Curve:
            courbe(modele, surface, dessin);
            break;
        case ChartKind::Both:
            batons(modele, surface, dessin);
            courbe(modele, surface, dessin);
            break;
    }
}

void apresLeGraphique(Model& modele, ChartKind kind) {
    if (kind != ChartKind::Curve && kind != ChartKind::Both) return;
    ResumeNext resume;
    Variant plusGrande = modele.bilan_liste1(0);
    relever(resume, modele, plusGrande);
    modele.setBilanListe1(0, plusGrande);
}

QString descriptionDuGraphique(const Drawing& dessin, ChartKind kind) {
    static const char16_t* const kGraphiques[kChartKinds] = {
        u"Diagramme en bâtons", u"Camembert", u"Courbe", u"Diagramme en bâtons et courbe"};
    QStringList valeurs[2];
    for (const Drawing::Label& label : dessin.shownLabels())
        if (label.array == 0 || label.array == 1) valeurs[label.array] << label.text;
    QString description = QString::fromUtf16(kGraphiques[int(kind)]) + QStringLiteral(" : ") +
                          (valeurs[0].isEmpty() ? QStringLiteral("aucune valeur")
                                                : valeurs[0].join(QStringLiteral(", ")));
    if (!valeurs[1].isEmpty())
        description +=
            QStringLiteral(" ; deuxième liste : ") + valeurs[1].join(QStringLiteral(", "));
    return description;
}

}  // namespace core
