// The dice of one harbour visit: 31 numbers 0..999 drawn in order when the visit starts, before
// anything is settled, and read by the charter market and the bunker for the whole visit.
#pragma once

#include <cstdint>

constexpr int32_t VISIT_ROLLS = 31;

// What some of the rolls decide. Rolls 0..9 decide whether cargoes 1..10 are offered; the
// others beyond these three are drawn and never read.
enum : int32_t {
    ROLL_DEADLINE = 10,    // the days allowed for an express charter
    ROLL_EXPRESS = 11,     // which cargo, if any, goes express: roll / 90
    ROLL_FUEL_PRICE = 20,  // the bunker's price a tonne
};

void draw_visit_rolls(int32_t rolls[VISIT_ROLLS]);
