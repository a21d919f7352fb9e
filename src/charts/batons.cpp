// The stick chart: one blue stick per item of List1 from the baseline to its value,
// labelled beside its top; the second list's red sticks 50 twips to the right.

#include "core/chart_math.h"
#include "core/numbers.h"
#include "core/resume_next.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"
#include "ui/look.h"

using dexo_mod::Variant;

void statistique::sub_graph_batons() {
    using namespace dexo_mod;
    core::ResumeNext resume;
    const double W = Picture1->outerWidth();
    const double H = Picture1->outerHeight();
    const int C = List1->count();
    const bool deuxListes = prendre_liste2.isTrue();
    double dx = 0, k = 0, x = 0, w = 0, top = 0;
    double top1 = 0;  // a first item that is not a number stands up to the top edge

    resume([&] { sub_graph_effacer(); });
    if (deuxListes) {
        // The longer list decides the step and the scale.
        double N = C;
        Variant M = bilan_liste1(0);
        if (resume.test([&] { return effectif_liste2.toDouble() > C; })) {
            resume([&] { N = effectif_liste2.toDouble(); });
            resume([&] { M = bilan_liste2(0); });
        }
        resume([&] { dx = chart_math::pas(W, N); });
        resume([&] { k = chart_math::echelle(H, M.toDouble()); });
        if (resume.test([&] {
                const bool premiere = bilan_liste1(0) == 0.0;
                const bool seconde = bilan_liste2(0) == 0.0;
                return premiere && seconde;
            }))
            k = 50;
    } else {
        resume([&] { dx = chart_math::pas(W, C); });
        chart_math::echelleOu50(resume, H, bilan_liste1(0), k);
    }
    x = 100;
    w = 150;

    if (deuxListes) {
        int n = 0;
        resume([&] { n = int(effectif_liste2.toDouble()); });
        for (int i = 0; i < n; ++i) {
            indice = Variant::count(i);
            resume([&] { top = chart_math::ordonnee(H, valeurs_liste2(i), k); });
            resume([&] { Picture1->line(w, H - 200, w, top, ui::rgb(255, 0, 0)); });
            if (i < Label_graph2.count())
                resume([&] {
                    montrerEtiquette(resume, Label_graph2(i), core::textOfNumber(valeurs_liste2(i)),
                                     w + 150, top);
                });
            w += dx;
        }
    }
    for (int i = 0; i < C; ++i) {
        indice = Variant::count(i);
        resume([&] { List1->setSelectedIndex(i); });
        resume([&] {
            top1 = chart_math::ordonnee(H, core::numberFromText(List1->selectedText()), k);
        });
        resume([&] { Picture1->line(x, H - 200, x, top1, ui::rgb(0, 0, 255)); });
        if (i < Label_graph.count())
            resume([&] {
                montrerEtiquette(resume, Label_graph(i), List1->selectedText(), x + 150, top1);
            });
        x += dx;
    }
    indice = Variant::count(C);
}
