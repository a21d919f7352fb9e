// Builds: a window may include the layers below it and the other windows.
#include "core/numbers.h"
#include "engine/dexo_mod.h"
#include "exercise/dexo_enonce.h"
#include "main_window/statistique.h"
#include "ui/picture_box.h"
