// Game-core operations that are not built yet: each does nothing and returns the neutral value.
#pragma once

#include <cstdint>

// Built since; kept here so that the callers of the stand-ins find them.
#include "game/day_step.h"
#include "game/setup.h"
