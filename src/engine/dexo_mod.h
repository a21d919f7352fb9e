#pragma once

// The module shared by both windows, under the names its routines use: every datum
// more than one handler reads, each a member of the program's one model
// (core::Modele). The engine that summarises the first series after every change is
// main_window/calculer_bilan.h.

#include "core/model.h"

namespace dexo_mod {

using core::Table;
using core::Variant;

// The program's model, made at first use.
core::Model& modele();

// Read-only: the model's methods write them.
inline const Table<Variant, 11>& bilan_liste1 = modele().bilan_liste1;
inline const Variant& effectif_total = modele().effectif_total;
inline const Table<Variant, 11>& bilan_liste2 = modele().bilan_liste2;
inline const second_list::Valeurs& valeurs_liste2 = modele().valeurs_liste2;
inline const Variant& effectif_liste2 = modele().effectif_liste2;
inline const Variant& prendre_liste2 = modele().prendre_liste2;
inline const qint16& maj_liste2 = modele().maj_liste2;
inline const Table<double, 11>& couleurs = modele().couleurs;
inline const qint16& choix_graphe = modele().choix_graphe;

// Every datum back to its empty start, as in a new run of the program.
void reinitialiser();

}  // namespace dexo_mod
