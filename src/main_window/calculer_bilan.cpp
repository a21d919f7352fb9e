#include "main_window/calculer_bilan.h"

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
    // Each item is selected as it is read: the last stays selected.
    QStringList textes;
    textes.reserve(List1.count());
    for (int i = 0; i < List1.count(); ++i) {
        resume([&] { List1.setSelectedIndex(i); });
        textes << List1.selectedText();
    }
    const QStringList lignes = modele().calculer_bilan(textes);
    for (const QString& ligne : lignes) resume([&] { List2.append(ligne); });
}

}  // namespace dexo_mod
