// Must not build: the core knows no window.
#include "main_window/statistique.h"
