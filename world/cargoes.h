// The cargoes of the charter market. Row 0 is "none", row 10 sailing in ballast.
#pragma once

#include <cstdint>

#include "lang/lang.h"

constexpr int32_t CARGO_COUNT = 10;  // valid rows 1..10
constexpr int8_t CARGO_BALLAST = 10;

struct CargoType {
    TextId name;
    int32_t freight_rate;       // freight factor
    int8_t extra_wear_percent;  // extra daily wear while laden, percent of the model's wear
    int8_t offer_chance;        // percent chance that an offer of this cargo is made
};

extern const CargoType g_cargo_table[CARGO_COUNT + 1];

// The cargo's name in the build's language; rows outside the table give "".
const char* cargo_name(int32_t row);
