// Must not build: a part of the main window is given what it drives; it does not reach
// up into the window that owns it, nor into another part.
#include "main_window/chart_area/chart_area.h"
#include "main_window/statistique.h"
