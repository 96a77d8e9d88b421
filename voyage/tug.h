// The harbour tugs: what they cost in the port a ship lies in, and whether they strike today.
#pragma once

#include <cstdint>

struct Ship;

// The port's tug price base at the freight index, in k$ (one truncating division).
int32_t tug_cost(const Ship* ship);
// 1 when tugs with strike percentage p strike today: with p > 0 one draw r of 0..100 strikes
// when r <= p; with p <= 0 they never strike and nothing is drawn.
int32_t tug_strike_roll(int32_t p);
// The same for the tugs of the ship's port.
int32_t tug_strike_today(const Ship* ship);
// The port row a ship's port field stands for; anything outside the table reads as row 0.
int32_t tug_port_row(const Ship* ship);
