// Must not build: a relative path does not take ui/ to a window.
#include "../../src/main_window/statistique.h"
