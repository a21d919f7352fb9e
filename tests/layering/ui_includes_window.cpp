// Must not build: ui/ knows no part of the program.
#include "exercise/dexo_enonce.h"
