#include "engine/dexo_mod.h"

namespace dexo_mod {

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
