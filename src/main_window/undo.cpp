// Undo and redo over what replaced or changed the series: each step gives back both
// lists as they were, then the engine runs, so that the summary follows.

#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "main_window/statistique.h"

#include <QAction>

core::Instantane statistique::instantane() const {
    return {dexo_mod::modele().serie1, Text_liste2->text()};
}

void statistique::montrerInstantane(const core::Instantane& i) {
    List1->setItems(i.liste1);
    dexo_mod::calculer_bilan();
    if (Text_liste2->text() != i.texteListe2) Text_liste2->setText(i.texteListe2);
    // The chart and the frequency answer showed the series that is gone.
    sub_graph_effacer();
    Label1->setCaption(QString());
}

void statistique::montrerAnnulation() {
    mnuAnnuler->setText(core::texteAnnuler(historique_));
    mnuAnnuler->setEnabled(historique_.peutAnnuler());
    mnuRetablir->setText(core::texteRetablir(historique_));
    mnuRetablir->setEnabled(historique_.peutRetablir());
}

void statistique::mnuAnnuler_Click() {
    if (!historique_.peutAnnuler()) return;
    montrerInstantane(historique_.annuler());
    montrerAnnulation();
}

void statistique::mnuRetablir_Click() {
    if (!historique_.peutRetablir()) return;
    montrerInstantane(historique_.retablir());
    montrerAnnulation();
}
