#include "engine/dexo_mod.h"

#include "main_window/statistique.h"
#include "ui/numbers.h"
#include "ui/resume_next.h"

namespace dexo_mod {

void calculer_bilan() {
    ui::ListBox& List1 = *statistique::instance().List1;
    ui::ListBox& List2 = *statistique::instance().List2;
    ui::ResumeNext resume;
    double valeur = 0;  // keeps the last item that converted

    resume([&] { List2.clearItems(); });
    resume([&] { List1.setSelectedIndex(0); });
    resume([&] { bilan_liste1(0) = Variant(List1.selectedText()); });
    resume([&] { bilan_liste1(1) = bilan_liste1(0); });
    resume([&] { bilan_liste1(2) = Variant(qint16(0)); });

    int dernier = -1;
    resume([&] { dernier = ui::toInt16(List1.count() - 1.0); });
    indice = Variant::count(0);
    for (int i = 0; i <= dernier; ++i) {
        resume([&] { List1.setSelectedIndex(i); });
        resume([&] { valeur = ui::numberFromText(List1.selectedText()); });
        if (resume.test([&] { return valeur > bilan_liste1(0); }))
            resume([&] { bilan_liste1(0) = Variant(valeur); });
        if (resume.test([&] { return valeur < bilan_liste1(1); }))
            resume([&] { bilan_liste1(1) = Variant(valeur); });
        resume(
            [&] { bilan_liste1(2) = Variant(ui::checked(bilan_liste1(2).toDouble() + valeur)); });
        indice = Variant::count(i + 1);
    }

    resume([&] {
        if (List1.count() == 0) throw ui::Failure();  // 0 / 0
        bilan_liste1(2) = Variant(bilan_liste1(2).toDouble() / List1.count());
    });
    resume([&] { List2.append(QStringLiteral("Valeur max= ") + bilan_liste1(0).toText()); });
    resume([&] { List2.append(QStringLiteral("Valeur min= ") + bilan_liste1(1).toText()); });
    resume([&] {
        List2.append(QStringLiteral("Moyenne: ") +
                     ui::formatThreeDecimals(bilan_liste1(2).toText()));
    });
    resume([&] { effectif_total = Variant(ui::toInt16(List1.count())); });
    resume([&] { List2.append(QStringLiteral("Effectif total=") + effectif_total.toText()); });
}

void reinitialiser() {
    bilan_liste1.reset();
    effectif_total = {};
    indice = {};
    bilan_liste2.reset();
    valeurs_liste2.reset();
    lignes_liste2 = {};
    effectif_liste2 = {};
    prendre_liste2 = {};
    maj_liste2 = 0;
    indice2 = 0;
    couleurs.reset();
    epaisseur_trait = {};
    frequence = {};
    code_touche = {};
    choix_graphe = 0;
}

}  // namespace dexo_mod
