// Where the ship stands against the chart: its contacts with the coast, the target box, the
// screen.
#pragma once

#include <cstdint>

constexpr int32_t SHIP_CONTACTS_MAX = 24;

// Crossings of the hull's edges (g_sim_shape) with the segments of g_sim_coast, at most 24.
int32_t ship_collision_count();
// 1 when the ship's box lies wholly inside g_sim_target_box.
int32_t ship_in_target_box();
// 1 when the ship's box lies wholly outside the screen.
int32_t ship_off_screen();
