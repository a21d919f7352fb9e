// Builds: a part of the main window sees its own folder and the layers below it.
#include "charts/chart_area.h"
#include "core/model.h"
#include "ui/message_box.h"
