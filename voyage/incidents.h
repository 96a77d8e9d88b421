// The incidents of a ship's day (collisions, robbery, war zones, rats, epidemics, icebergs, heavy
// weather, the distress call) and the loss of a ship.
#pragma once

#include <cstdint>

#include "ui/requester.h"

struct Shipowner;
struct Ship;

// The phases a ship's day is handed to the incidents in.
enum : int32_t {
    PHASE_LAID_UP = 1,
    PHASE_SHIPYARD = 2,
    PHASE_ROAD = 3,
    PHASE_DISCHARGING = 4,
    PHASE_LOADING = 5,
    PHASE_HOVE_TO = 10,
    PHASE_SAILING = 11,
};

// The incidents of one day for a ship in the given phase; the text of a loss that sank it, or null.
TextLines ship_day_events(int32_t player, Shipowner* shipowner, Ship* ship, int32_t phase);
// The distress call at sea at the ship's position (tenths of a degree): in a wind below 11 the
// player steers to the life raft in the simulation.
void emergency_rescue_event(int32_t player, Shipowner* shipowner, Ship* ship, int32_t lon, int32_t lat);
// The loss of a ship for the reason given: the sinking, the letter, the ship out of its owner's
// list. Returns the ship before it in the list, or null when it was the head, so that a walk over
// the list goes on with the next ship.
Ship* ship_lost(int32_t player, Shipowner* shipowner, Ship* ship, TextLines reason);
