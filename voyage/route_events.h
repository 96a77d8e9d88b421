// The at-sea events of a voyage (the route's own event, icebergs, heavy weather) and the small
// screen helpers they share with their neighbours.
#pragma once

#include <cstdint>

struct Ship;

// The black caption bar across the top of a voyage screen with the ship's and captain's names.
void draw_ship_caption(int32_t player, Ship* ship);
