// The radar scope's sweep: the rays that wipe the old picture behind them and the newest ray.
#pragma once

#include <cstdint>

constexpr int32_t RADAR_SCOPE_X = 87;
constexpr int32_t RADAR_SCOPE_Y = 112;
constexpr int32_t RADAR_SCOPE_RADIUS = 62;
constexpr uint32_t RADAR_SCOPE_GROUND = 34;
constexpr uint32_t RADAR_PHOSPHOR = 49;

// Wipes the rays at a - 1, a - 2, a - 3 and a in the scope's ground, turns the sweep on by four
// degrees and draws the new ray bright; returns the new angle (0..359).
int32_t radar_sweep_advance(int32_t a);
