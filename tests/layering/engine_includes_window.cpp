// Must not build: only the windows include a window.
#include "main_window/statistique.h"
