#pragma once

// The module shared by both windows, under the names its routines use: every datum
// more than one handler reads, each read from the running program's model
// (core::Model), which its owner makes with the main window and ends with it. The engine
// that summarises the first series after every change is main_window/calculer_bilan.h.

#include "core/model.h"

namespace dexo_mod {

using core::Table;
using core::Variant;

// The running program's model. Its owner makes the model before any window and names
// it here; the program never reads it before then.
core::Model& model();
// Called by the owner only: the model from now on, or none once the program ends.
void useModel(core::Model* model);

// Read-only, as the routines index them: the model's methods write them.
inline const Variant& bilan_liste1(long long i) {
    return model().bilan_liste1(i);
}
inline const Variant& effectif_total() {
    return model().effectif_total;
}
inline const Variant& bilan_liste2(long long i) {
    return model().bilan_liste2(i);
}
inline double valeurs_liste2(long long i) {
    return model().valeurs_liste2(i);
}
inline const Variant& effectif_liste2() {
    return model().effectif_liste2;
}
inline const Variant& prendre_liste2() {
    return model().prendre_liste2;
}
inline qint16 maj_liste2() {
    return model().maj_liste2;
}
inline double couleurs(long long i) {
    return model().couleurs(i);
}
inline qint16 choix_graphe() {
    return model().choix_graphe;
}

}  // namespace dexo_mod
