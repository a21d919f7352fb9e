// Builds: a part of the main window sees its own folder and the layers below it.
#include "core/model.h"
#include "main_window/chart_area/chart_area.h"
#include "ui/message_box.h"
