// Must not build: not even another of the newer windows.
#include "simulation_window/simulation_window.h"
