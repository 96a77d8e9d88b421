// The ports of the world: position, wage level, harbour costs, the cargoes each ships and the odds
// of the incidents of its port area. Row 0 is a filler row the game never offers.
#pragma once

#include <cstdint>

#include "lang/lang.h"

constexpr int32_t PORT_COUNT = 28;    // valid rows 1..28
constexpr int32_t PORT_CARGOES = 10;  // one trade entry per cargo 1..10

struct PortTradeEntry {
    int8_t trade_code;       // the cargo's number when the port ships that cargo, else 0
    uint8_t supply_percent;  // how much of it is on offer
};

struct PortInfo {
    TextId name;
    int32_t lon;                         // tenths of a degree, east positive
    int32_t lat;                         // tenths of a degree, north positive
    int8_t wage_percent;                 // running costs of ships whose home port this is, in percent
    int32_t tug_price;                   // tug price base, k$
    int32_t approach_days;               // days in the road before entering, minus one
    int8_t destination_factor;           // freight factor of the port as a destination
    PortTradeEntry trade[PORT_CARGOES];  // cargoes 1..10, index cargo - 1
    int8_t robbery_odds;
    int8_t collision_odds;
    int8_t war_zone_odds;
    int8_t smuggling_percent;
    int8_t smuggling_kind;
    int8_t tug_strike_percent;
};

extern const PortInfo g_port_table[PORT_COUNT + 1];

// The port's name in the build's language; rows outside the table give "".
const char* port_name(int32_t row);
