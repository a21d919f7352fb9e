// Must not build: a relative path does not take the core past its layer.
#include "../../src/engine/dexo_mod.h"
