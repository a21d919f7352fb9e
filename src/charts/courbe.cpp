// The curve: List1's points joined in list order by black segments, each marked with a
// dot and labelled below; the second list's red line through its own values at the
// same positions. With seule = 1 the area is wiped first, otherwise the curve is drawn
// over the sticks.

#include "core/chart_math.h"
#include "core/numbers.h"
#include "core/resume_next.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"
#include "ui/look.h"

#include <algorithm>
#include <vector>

using dexo_mod::Variant;

namespace {
constexpr quint32 kNoir = ui::rgb(0, 0, 0);
constexpr quint32 kRouge = ui::rgb(255, 0, 0);

// A working table sized to the series; its cells start at 0.
class Points {
public:
    explicit Points(int n) : cells_(size_t(n), 0.0) {}
    double& operator()(int i) {
        if (i < 0 || i >= int(cells_.size())) throw core::Failure();
        return cells_[size_t(i)];
    }

private:
    std::vector<double> cells_;
};
}  // namespace

void statistique::sub_graph_courbe(qint16 seule) {
    using namespace dexo_mod;
    core::ResumeNext resume;
    const double W = Picture1->outerWidth();
    const double H = Picture1->outerHeight();
    const int C = List1->count();
    const bool deuxListes = prendre_liste2.isTrue();
    // The second list is drawn only where it has values of its own.
    int n2 = 0;
    if (deuxListes) resume([&] { n2 = int(effectif_liste2.toDouble()); });
    double dx = 0, k = 0;
    Points x(C), y(C), y2(C);

    if (seule == 1) resume([&] { sub_graph_effacer(); });
    resume([&] { dx = chart_math::pas(W, C); });
    resume([&] { x(0) = 100; });
    for (int i = 0; i < C; ++i) {
        indice = Variant::count(i);
        resume([&] { List1->setSelectedIndex(i); });
        // The widest value of both lists sets the scale, and stays as List1's largest.
        // Repeating this at every point changes nothing after the first.
        if (deuxListes && i == 0) {
            const int dernier = std::min({C - 1, 50, n2 - 1});
            for (int j = 0; j <= dernier; ++j) {
                indice2 = qint16(j);
                if (resume.test([&] { return valeurs_liste2(j) > bilan_liste1(0); }))
                    resume([&] { bilan_liste1(0) = Variant(valeurs_liste2(j)); });
            }
        }
        chart_math::echelleOu50(resume, H, bilan_liste1(0), k);
        resume([&] {
            y(i) = chart_math::ordonnee(H, core::numberFromText(List1->selectedText()), k);
        });
        const bool pointRouge = deuxListes && i < n2;
        if (pointRouge) resume([&] { y2(i) = chart_math::ordonnee(H, valeurs_liste2(i), k); });
        if (i != 0) {
            resume([&] { x(i) = x(i - 1) + dx; });
            resume([&] { Picture1->line(x(i - 1), y(i - 1), x(i), y(i), kNoir); });
            if (pointRouge)
                resume([&] { Picture1->line(x(i - 1), y2(i - 1), x(i), y2(i), kRouge); });
        }
        resume([&] { epaisseur_trait = Variant::count(Picture1->drawWidth()); });
        resume([&] { Picture1->setDrawWidth(7); });
        resume([&] { Picture1->dot(x(i), y(i), kNoir); });
        if (pointRouge) resume([&] { Picture1->dot(x(i), y2(i), kNoir); });
        resume([&] { Picture1->setDrawWidth(int(epaisseur_trait.toDouble())); });
        if (i < Label_graph.count())
            resume([&] {
                montrerEtiquette(resume, Label_graph(i), List1->selectedText(), x(i), y(i) + 100);
            });
        if (i < Label_graph2.count() && pointRouge)
            resume([&] {
                montrerEtiquette(resume, Label_graph2(i), core::textOfNumber(valeurs_liste2(i)),
                                 x(i), y2(i) + 100);
            });
    }
    indice = Variant::count(C);
}
