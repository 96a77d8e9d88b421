// The game's own 16-bit random generator. The order of draws is part of the game: every chance in
// the game comes from random_range.
#pragma once

#include <cstdint>

extern uint16_t g_random_seed;
extern uint16_t g_random_counter;
extern uint16_t g_random_value;

uint32_t random_next();
int32_t random_range(int32_t lo, int32_t hi);
