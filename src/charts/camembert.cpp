// The pie: one sector per item of List1, clockwise from twelve o'clock in list order,
// each a fan of 75 coloured spokes with its label on the 30th, its end edge in black,
// inside a dotted outline. With the second list taken into account a second pie stands
// to the right, sector i of both pies sharing a colour.

#include "charts/chart_math.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"
#include "ui/numbers.h"
#include "ui/random.h"
#include "ui/resume_next.h"

#include <cmath>
#include <vector>

using dexo_mod::Variant;

namespace {
constexpr int kRayons = 75;          // spokes per sector
constexpr int kRayonEtiquette = 30;  // the spoke whose end carries the label
constexpr int kPointsContour = 628;  // outline dots 0 to 628
constexpr double kTour = 628;
constexpr quint32 kNoir = 0;
}  // namespace

void statistique::sub_graph_camembert() {
    using namespace dexo_mod;
    using chart_math::kQuartDeTour;
    ui::ResumeNext resume;
    const float W = Picture1->outerWidth();
    const float H = Picture1->outerHeight();
    const bool deuxCamemberts = prendre_liste2.isTrue();
    const int C = List1->count();
    float x1 = 0, y1 = 0, x2 = 0;
    qint16 y2 = 0, r = 0;
    double f1 = 0, f2 = 0, a1 = 0, a2 = 0;
    int n2 = 0;
    resume([&] { n2 = int(effectif_liste2.toDouble()); });

    resume([&] { sub_graph_effacer(); });
    if (deuxCamemberts) {
        x1 = W / 4;
        y1 = H / 2;
        x2 = W / 4 * 3;
        resume([&] { y2 = ui::toInt16(H / 2); });
        resume([&] { r = ui::toInt16(W > H ? H / 4 + 350 : W / 4 + 350); });
        for (int j = 0; j <= kPointsContour; ++j) {
            indice = Variant::count(j);
            resume([&] {
                Picture1->dot(x2 + ui::intFloor(r * std::cos(j / 100.0)),
                              ui::toInt16(ui::intFloor(r * std::sin(j / 100.0)) + y2));
            });
        }
    } else {
        x1 = W / 2;
        y1 = H / 2;
        resume([&] { r = ui::toInt16(W > H ? H / 2 - 200 : W / 2 - 200); });
    }
    resume([&] { f2 = ui::checked(kTour / effectif_liste2.toDouble()); });
    for (int j = 0; j <= kPointsContour; ++j) {
        indice = Variant::count(j);
        resume([&] {
            Picture1->dot(x1 + ui::intFloor(r * std::cos(j / 100.0)),
                          y1 + ui::intFloor(r * std::sin(j / 100.0)));
        });
    }
    resume([&] { f1 = ui::checked(kTour / effectif_total.toDouble()); });
    a1 = 0;
    a2 = 0;

    // Start edges, straight up to the outline.
    if (deuxCamemberts)
        resume([&] {
            Picture1->line(x2, y2, x2 + ui::intFloor(r * std::cos(kQuartDeTour)),
                           ui::toInt16(y2 - ui::intFloor(r * std::sin(kQuartDeTour))), kNoir);
        });
    resume([&] {
        Picture1->line(x1, y1, x1 + ui::intFloor(r * std::cos(kQuartDeTour)),
                       y1 - ui::intFloor(r * std::sin(kQuartDeTour)), kNoir);
    });

    // Sector colours, drawn anew at each drawing; item i of both pies shares colour i.
    const int n = n2 > C ? n2 : C;
    std::vector<double> couleur_secteur(size_t(n) + 1, 0.0);
    for (int i = 0; i <= n; ++i) {
        indice = Variant::count(i);
        const int choix = int(std::floor(ui::Random::next() * 10.0f));
        resume([&] { couleur_secteur[size_t(i)] = couleurs(choix); });
    }

    const double rayon = r - 35;  // spokes and end edges stop short of the outline
    if (deuxCamemberts) {
        for (int i = 0; i < n2; ++i) {
            indice = Variant::count(i);
            if (resume.test([&] { return valeurs_liste2(i) == 0; })) continue;
            for (int kk = 1; kk <= kRayons; ++kk) {
                indice2 = qint16(kk);
                QPointF P;
                resume([&] {
                    a2 = ui::checked(
                        a2 + f2 * ((valeurs_liste2(i) / bilan_liste2(2).toDouble()) / kRayons));
                });
                resume([&] {
                    P = chart_math::surRayon(x2, y2, rayon, a2);
                    P.setY(ui::toInt16(P.y()));
                });
                resume([&] {
                    Picture1->line(x2, y2, P.x(), P.y(), quint32(couleur_secteur[size_t(i)]));
                });
                if (kk == kRayonEtiquette && i < Label_graph2.count())
                    resume([&] {
                        montrerEtiquette(resume, Label_graph2(i),
                                         ui::textOfNumber(valeurs_liste2(i)), P.x(), P.y());
                    });
            }
        }
    }
    for (int i = 0; i < C; ++i) {
        indice = Variant::count(i);
        resume([&] { List1->setSelectedIndex(i); });
        // The item's text reads the same at every spoke, so it is read once.
        double v = 0;
        if (resume.test([&] {
                v = ui::numberFromText(List1->selectedText());
                return v == 0;
            }))
            continue;
        double pasAngle = 0;
        resume([&] { pasAngle = f1 * ((v / bilan_liste1(2).toDouble()) / kRayons); });
        const quint32 couleur = quint32(couleur_secteur[size_t(i)]);
        chart_math::Rayons rayons(x1, y1, rayon);
        for (int kk = 1; kk <= kRayons; ++kk) {
            indice2 = qint16(kk);
            QPointF P;
            resume([&] { a1 = ui::checked(a1 + pasAngle); });
            resume([&] { P = rayons.point(a1); });
            resume([&] { Picture1->line(x1, y1, P.x(), P.y(), couleur); });
            if (kk == kRayonEtiquette && i < Label_graph.count())
                resume([&] {
                    montrerEtiquette(resume, Label_graph(i), List1->selectedText(), P.x(), P.y());
                });
        }
    }

    // End edges, carrying on from where the sectors stopped.
    if (deuxCamemberts) {
        for (int i = 0; i < n2; ++i) {
            indice = Variant::count(i);
            if (resume.test([&] { return valeurs_liste2(i) == 0; })) continue;
            resume([&] {
                a2 = ui::checked(a2 + f2 * (valeurs_liste2(i) / bilan_liste2(2).toDouble()));
            });
            resume([&] {
                QPointF P = chart_math::surRayon(x2, y2, rayon, a2);
                Picture1->line(x2, y2, P.x(), ui::toInt16(P.y()), kNoir);
            });
        }
    }
    for (int i = 0; i < C; ++i) {
        indice = Variant::count(i);
        resume([&] { List1->setSelectedIndex(i); });
        if (resume.test([&] { return ui::numberFromText(List1->selectedText()) == 0; })) continue;
        resume([&] {
            const double v = ui::numberFromText(List1->selectedText());
            a1 = ui::checked(a1 + f1 * (v / bilan_liste1(2).toDouble()));
        });
        resume([&] {
            const QPointF P = chart_math::surRayon(x1, y1, rayon, a1);
            Picture1->line(x1, y1, P.x(), P.y(), kNoir);
        });
    }
    indice = Variant::count(C);
}
