// Game-core operations that are not built yet: each does nothing and returns the neutral value.
#pragma once

#include <cstdint>

// The new-game set-up: asks for the game's settings and the shipowners.
void setup_new_game();
// One game day for every shipowner; 1 when something interrupted the main screen.
int32_t day_step();
