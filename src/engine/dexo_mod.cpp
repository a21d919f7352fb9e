#include "engine/dexo_mod.h"

namespace dexo_mod {
namespace {

core::Model* current = nullptr;

}  // namespace

core::Model& model() {
    Q_ASSERT_X(current, "dexo_mod::modele", "read before the program made its model");
    return *current;
}

void useModel(core::Model* model) {
    current = model;
}

}  // namespace dexo_mod
