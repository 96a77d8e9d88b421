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

// The pieces ship_day_events runs, each on its own for the tests.
// The incidents of a day laid up or in the road (phases 1 and 3) and of a sailing day (phase 11).
TextLines port_day_incidents(int32_t player, Shipowner* shipowner, Ship* ship);
TextLines sea_day_incidents(int32_t player, Shipowner* shipowner, Ship* ship);
// The collision threat from the alarm letter to the result box; the loss text when it sank her.
// The alarm letter alone.
void collision_alarm(int32_t player, Shipowner* shipowner, Ship* ship);
TextLines collision_threat(int32_t player, Shipowner* shipowner, Ship* ship);
// The result r of an encounter (RADAR_*) shown on a grey screen and booked on the ship's
// condition; the loss text for a hit in the flank or a condition driven below 0.
TextLines collision_outcome(int32_t player, Ship* ship, int32_t r);
// The single incidents of a port day with their screens and bookings (the caller rolls the dice
// and marks the voyage's incident): the cargo robbed (the freight is gone), shelling in a war
// zone (condition down, never below 0), rats (10 k$ and 5 days in the road), an epidemic (10 to
// 30 days in quarantine).
void robbery_incident(int32_t player, Shipowner* shipowner, Ship* ship);
void war_zone_incident(int32_t player, Shipowner* shipowner, Ship* ship);
void rats_incident(int32_t player, Shipowner* shipowner, Ship* ship);
void epidemic_incident(int32_t player, Shipowner* shipowner, Ship* ship);
// The text of a ship sunk in a collision, ended by a null line.
TextLines collision_loss_text();
// 1 for the routes through waters where an epidemic may break out on board.
int32_t epidemic_route(int32_t route);
// The condition below which rats and epidemics can come aboard.
constexpr int32_t HYGIENE_CONDITION = 6200;
