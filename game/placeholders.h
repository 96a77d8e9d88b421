// Game-core operations that are not built yet: each does nothing and returns the neutral value.
#pragma once

#include <cstdint>

// Built since; kept here so that the callers of the stand-ins find it.
#include "game/setup.h"

// One game day for every shipowner; 1 when something interrupted the main screen.
int32_t day_step();
