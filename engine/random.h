// The game's own 16-bit random generator. The order of draws is part of the game: every chance in
// the game comes from random_range.
#pragma once

#include <cstdint>

extern uint16_t g_random_seed;
extern uint16_t g_random_counter;
extern uint16_t g_random_value;

// Called with the bounds and the result of every random_range draw, in order, when set. The tests
// record the game's draws with it; the game leaves it null.
using RandomTrace = void (*)(int32_t lo, int32_t hi, int32_t result);
extern RandomTrace g_random_trace;

uint32_t random_next();
int32_t random_range(int32_t lo, int32_t hi);
