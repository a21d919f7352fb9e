#pragma once

// Kept only while src/main.cpp still includes the former name; goes once it includes
// recovery/work_keeper.h.
#include "recovery/work_keeper.h"
