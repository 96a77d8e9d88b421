// The ship broker's building: the lift, the sales floors with their models, data sheets and the
// purchase of a ship, the notice floor and the sellers market.
#pragma once

#include <cstdint>

void enter_shipbroker_building(int32_t player);
// The picture of model 1..7 at its place with a sunken frame, then the status line; any other
// model draws only the status line. The caller clears the screen.
void draw_ship_model_picture(int32_t player, int32_t model);
