#pragma once

// The module shared by both windows: every datum more than one handler uses. The
// series itself is never copied here: it is the items of the main window's List1, and
// the engine that summarises it after every change is main_window/calculer_bilan.h.

#include "core/table.h"
#include "core/variant.h"

#include <QtGlobal>

namespace dexo_mod {

using core::Table;
using core::Variant;

// 0: largest value of List1, 1: smallest, 2: mean. The first two keep the first item's
// text until a later item replaces it.
inline Table<Variant, 11> bilan_liste1;
// Items of List1 at the last run of the engine (16-bit integer).
inline Variant effectif_total;
// The shared loop counter.
inline Variant indice;
// 0: largest, 1: smallest, 2: mean of the second list.
inline Table<Variant, 11> bilan_liste2;
inline Table<double, 51> valeurs_liste2;
// The second list's text cut at its carriage returns (an array of texts).
inline Variant lignes_liste2;
inline Variant effectif_liste2;
// Whether the charts take the second list into account (Boolean).
inline Variant prendre_liste2;
// Set (-1) while the program itself rewrites the second list's text box.
inline qint16 maj_liste2 = 0;
inline qint16 indice2 = 0;
// Packed colours, filled at start-up.
inline Table<double, 11> couleurs;
inline Variant epaisseur_trait;
inline Variant frequence;
inline Variant code_touche;
// The chart chosen in the exercise window, drawn on the main window's next timer tick.
inline qint16 choix_graphe = 0;

// Every datum back to its empty start, as in a new run of the program.
void reinitialiser();

}  // namespace dexo_mod
