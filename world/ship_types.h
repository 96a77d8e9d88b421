// The ship models the broker sells. Row 0 is a filler row the game never offers. Model names are
// the same in every language build.
#pragma once

#include <cstdint>

constexpr int32_t SHIP_TYPE_COUNT = 7;  // valid rows 1..7

struct ShipType {
    const char* name;
    int32_t length_m;
    int32_t beam_m;
    int32_t brt;         // gross register tons
    int32_t capacity_t;  // cargo capacity, tonnes
    int32_t engine_hp;
    int32_t vmax_kn;
    int32_t price;            // k$, new
    int32_t fuel_g_per_hp_h;  // consumption, grams per hp-hour
    int32_t wear_per_day;     // hundredths of a percent of condition lost on a day outside the yard
    int8_t no_handling_days;  // 1: an arrival needs no discharging days
    int32_t costs_per_day;    // $
    int32_t bunker_t;         // bunker capacity, tonnes
    int32_t handling_days;    // discharging days on a laden arrival
};

extern const ShipType g_ship_type_table[SHIP_TYPE_COUNT + 1];
