// The pie: one sector per item of List1, clockwise from twelve o'clock in list order,
// each a fan of 75 coloured spokes with its label on the 30th, its end edge in black,
// inside a dotted outline. With the second list taken into account a second pie stands
// to the right, sector i of both pies sharing a colour.

#include "core/chart_math.h"
#include "core/numbers.h"
#include "core/random.h"
#include "core/resume_next.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"

#include <cmath>
#include <functional>
#include <vector>

using dexo_mod::Variant;

namespace {
constexpr int kRayons = 75;          // spokes per sector
constexpr int kRayonEtiquette = 30;  // the spoke whose end carries the label
constexpr int kPointsContour = 628;  // outline dots 0 to 628
constexpr double kTour = 628;
constexpr quint32 kNoir = 0;

// One pie: where it stands, how its values are read and labelled, and its running
// angle. The right-hand pie rounds the y of its points to a 16-bit integer.
struct Camembert {
    ui::PictureBox& picture;
    core::ResumeNext& resume;
    double cx, cy;
    bool yEntier;
    int effectif = 0;
    double f = 0;                   // 628 / count: a value's share of the turn per unit of the mean
    double a = 0;                   // the running angle, in hundredths of a radian
    std::function<void(int)> lire;  // makes item i the one read next
    std::function<double(int)> valeur;  // item i, or a failing step
    std::function<double()> moyenne;    // the mean the angles are shares of
    std::function<void(int, QPointF)> etiqueter;

    double y(double value) const { return yEntier ? core::toInt16(value) : value; }

    // 629 dots of radius r, in the picture's foreground colour.
    void contour(double r) {
        for (int j = 0; j <= kPointsContour; ++j) {
            dexo_mod::indice = Variant::count(j);
            resume([&] {
                picture.dot(cx + core::intFloor(r * std::cos(j / 100.0)),
                            y(cy + core::intFloor(r * std::sin(j / 100.0))));
            });
        }
    }

    // Straight up to the outline.
    void bordDeDepart(double r) {
        resume([&] {
            picture.line(cx, cy, cx + core::intFloor(r * std::cos(chart_math::kQuartDeTour)),
                         y(cy - core::intFloor(r * std::sin(chart_math::kQuartDeTour))), kNoir);
        });
    }

    // Item i is skipped when it is 0, or when reading it fails; otherwise its value is
    // kept in `lu`, since reading it again would give the same.
    bool nul(int i) {
        dexo_mod::indice = Variant::count(i);
        lire(i);
        return resume.test([&] {
            lu = valeur(i);
            return lu == 0;
        });
    }
    double lu = 0;

    // A fan of 75 spokes per item, each 1/75 of the item's share further on.
    void secteurs(double rayon, const std::vector<double>& couleurs) {
        for (int i = 0; i < effectif; ++i) {
            if (nul(i)) continue;
            double pas = 0;
            resume([&] { pas = f * ((lu / moyenne()) / kRayons); });
            double angles[kRayons];
            for (int k = 1; k <= kRayons; ++k) {
                resume([&] { a = core::checked(a + pas); });
                angles[k - 1] = a;
            }
            // Spokes that end on the same point are drawn together.
            const quint32 couleur = quint32(couleurs[size_t(i)]);
            chart_math::Extremites extremites(cx, cy, rayon, angles, kRayons);
            int premier = 0, nombre = 0;
            QPointF P;
            while (extremites.suivante(premier, nombre, P)) {
                if (yEntier) resume([&] { P.setY(core::toInt16(P.y())); });
                resume([&] { picture.lines(nombre, cx, cy, P.x(), P.y(), couleur); });
                const int etiquette = kRayonEtiquette - 1;
                if (premier <= etiquette && etiquette < premier + nombre) etiqueter(i, P);
            }
            dexo_mod::indice2 = qint16(kRayons);
        }
    }

    // A black edge at the end of each item's share, going on from where the sectors
    // stopped.
    void bordsDeFin(double rayon) {
        for (int i = 0; i < effectif; ++i) {
            if (nul(i)) continue;
            resume([&] { a = core::checked(a + f * (lu / moyenne())); });
            resume([&] {
                const QPointF P = chart_math::surRayon(cx, cy, rayon, a);
                picture.line(cx, cy, P.x(), y(P.y()), kNoir);
            });
        }
    }
};
}  // namespace

void statistique::sub_graph_camembert() {
    using namespace dexo_mod;
    core::ResumeNext resume;
    const float W = Picture1->outerWidth();
    const float H = Picture1->outerHeight();
    const bool deuxCamemberts = prendre_liste2.isTrue();
    const int C = List1->count();
    int n2 = 0;
    resume([&] { n2 = int(effectif_liste2.toDouble()); });
    qint16 r = 0;

    Camembert premier{.picture = *Picture1, .resume = resume, .cx = 0, .cy = 0, .yEntier = false};
    premier.effectif = C;
    premier.lire = [&](int i) { resume([&] { List1->setSelectedIndex(i); }); };
    premier.valeur = [&](int) { return core::numberFromText(List1->selectedText()); };
    premier.moyenne = [] { return bilan_liste1(2).toDouble(); };
    premier.etiqueter = [&](int i, QPointF P) {
        if (i < Label_graph.count())
            resume([&] {
                montrerEtiquette(resume, Label_graph(i), List1->selectedText(), P.x(), P.y());
            });
    };
    Camembert second{.picture = *Picture1, .resume = resume, .cx = 0, .cy = 0, .yEntier = true};
    second.effectif = n2;
    second.lire = [](int) {};
    second.valeur = [](int i) { return valeurs_liste2(i); };
    second.moyenne = [] { return bilan_liste2(2).toDouble(); };
    second.etiqueter = [&](int i, QPointF P) {
        if (i < Label_graph2.count())
            resume([&] {
                montrerEtiquette(resume, Label_graph2(i), core::textOfNumber(valeurs_liste2(i)),
                                 P.x(), P.y());
            });
    };

    resume([&] { sub_graph_effacer(); });
    if (deuxCamemberts) {
        premier.cx = W / 4;
        premier.cy = H / 2;
        second.cx = W / 4 * 3;
        resume([&] { second.cy = core::toInt16(H / 2); });
        resume([&] { r = core::toInt16(W > H ? H / 4 + 350 : W / 4 + 350); });
        second.contour(r);
    } else {
        premier.cx = W / 2;
        premier.cy = H / 2;
        resume([&] { r = core::toInt16(W > H ? H / 2 - 200 : W / 2 - 200); });
    }
    resume([&] { second.f = core::checked(kTour / effectif_liste2.toDouble()); });
    premier.contour(r);
    resume([&] { premier.f = core::checked(kTour / effectif_total.toDouble()); });
    if (deuxCamemberts) second.bordDeDepart(r);
    premier.bordDeDepart(r);

    // Sector colours, drawn anew at each drawing; item i of both pies shares colour i.
    const int n = n2 > C ? n2 : C;
    std::vector<double> couleur_secteur(size_t(n) + 1, 0.0);
    for (int i = 0; i <= n; ++i) {
        indice = Variant::count(i);
        const int choix = int(std::floor(core::Random::next() * 10.0f));
        resume([&] { couleur_secteur[size_t(i)] = couleurs(choix); });
    }

    const double rayon = r - 35;  // spokes and end edges stop short of the outline
    if (deuxCamemberts) second.secteurs(rayon, couleur_secteur);
    premier.secteurs(rayon, couleur_secteur);
    if (deuxCamemberts) second.bordsDeFin(rayon);
    premier.bordsDeFin(rayon);
    indice = Variant::count(C);
}
