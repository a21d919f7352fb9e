// Builds: the main window and its owner may include the layers below them and the
// other windows.
#include "core/numbers.h"
#include "engine/dexo_mod.h"
#include "exercise/dexo_enonce.h"
#include "main_window/statistique.h"
#include "ui/picture_box.h"
