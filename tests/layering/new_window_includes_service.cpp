// Builds: what a newer window may see, the layers below and the chart service.
#include "chart_export/chart_export.h"
#include "core/numbers.h"
#include "ui/chart_view.h"
