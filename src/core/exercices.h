#pragma once

// Kept only while tests/fuzz/fuzz_exercise_file.cpp still includes the former name;
// goes once it includes core/exercises/exercise.h.
#include "core/exercises/exercise.h"
