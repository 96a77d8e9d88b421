// The ship broker's building: the lift, the sales floors with their models, data sheets and the
// purchase of a ship, the notice floor and the sellers market.
#pragma once

#include <cstdint>

void enter_shipbroker_building(int32_t player);
