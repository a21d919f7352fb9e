// Must not build: a newer window sees no other window; the owner wires them.
#include "main_window/statistique.h"
