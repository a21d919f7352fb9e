#include "engine/dexo_mod.h"

namespace dexo_mod {

core::Model& modele() {
    static core::Model instance;
    return instance;
}

void reinitialiser() {
    modele().reinitialiser();
}

}  // namespace dexo_mod
