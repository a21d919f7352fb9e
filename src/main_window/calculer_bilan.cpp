#include "main_window/calculer_bilan.h"

#include "core/bilan.h"
#include "core/resume_next.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"

namespace dexo_mod {

void calculer_bilan() {
    statistique& fenetre = statistique::instance();
    ui::ListBox& List1 = *fenetre.List1;
    ui::ListBox& List2 = *fenetre.List2;
    core::ResumeNext resume;

    resume([&] { List2.clearItems(); });
    QStringList textes;
    textes.reserve(List1.count());
    for (int i = 0; i < List1.count(); ++i) {
        indice = Variant::count(i);
        resume([&] { List1.setSelectedIndex(i); });
        textes << List1.selectedText();
    }
    indice = Variant::count(List1.count());

    const core::Bilan bilan = core::bilan(textes);
    bilan_liste1(0) = bilan.plusGrande;
    bilan_liste1(1) = bilan.plusPetite;
    bilan_liste1(2) = bilan.moyenne;
    effectif_total = bilan.effectif;
    for (const QString& ligne : bilan.lignes) resume([&] { List2.append(ligne); });
    emit fenetre.serie1Changee();
}

}  // namespace dexo_mod
