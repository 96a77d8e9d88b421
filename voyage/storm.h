// Heavy weather at sea: the storm met on a sailing day ("pass through" or "round") and the gale
// that may follow a storm passed through.
#pragma once

#include <cstdint>

#include "ui/requester.h"

struct Shipowner;
struct Ship;

// The weather at the ship's position (longitude, latitude in tenths of a degree) on a sailing
// day. The loss text when the storm or the gale sank the ship, else null.
TextLines storm_check(int32_t player, Shipowner* shipowner, Ship* ship, int32_t lon, int32_t lat);
// The question's line for the wind force f (8 and up).
const char* storm_force_line(int32_t f);
