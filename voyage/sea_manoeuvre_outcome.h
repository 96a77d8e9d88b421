// What steering a ship by hand through a reef, shoals or icebergs leads to: the award for a clean
// passage, and the damage, the tow or the help after anything else, with their charges.
#pragma once

#include <cstdint>

#include "ui/requester.h"

struct Shipowner;
struct Ship;

// Charges in k$, booked to cash and the general expenses together (even into the red).
constexpr int32_t SEA_ASSISTED_DAMAGE_CHARGE = 300;
constexpr int32_t SEA_OFF_CHART_CHARGE = 800;
constexpr int32_t SEA_OUT_OF_TIME_CHARGE = 500;

// The open-water episode on the given chart row (mode 1, start and target 0, the difficulty's tick
// limit, no title), its result.
int32_t sea_manoeuvre_run(const Ship* ship, int32_t map);
// The screen turns grey under the owner's status line, then the box of result r: success shows
// success (and earns status once, when achievement is not yet in the owner's achievements);
// 1..40 takes 50 r + 50 off the condition (not below 0, and never a loss); -3 and -2 or -1 are
// the tow and the help. Other values show nothing.
void sea_manoeuvre_outcome(int32_t player, Shipowner* owner, Ship* ship, int32_t r, TextLines success,
                           uint32_t achievement);
