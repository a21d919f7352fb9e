// Must not build: a window asks the owner for the table of counts window by a signal.
#include "table/table_window.h"
