// Must not build: ui/ knows no part of the program.
#include "engine/dexo_mod.h"
