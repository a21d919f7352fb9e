#include "engine/dexo_mod.h"

namespace dexo_mod {

core::Modele& modele() {
    static core::Modele instance;
    return instance;
}

void reinitialiser() {
    modele().reinitialiser();
}

}  // namespace dexo_mod
