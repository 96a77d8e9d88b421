// The steered ship seen from above: three outlines by model size, their placing on the screen
// at a position and heading, and their drawing; and the marker of the episode's target.
#pragma once

#include <cstdint>

// An outline as a word list: hull point count N, pivot x, N hull points (bow towards +x), then
// detail items (count c > 0, colour, c points; c = 1 a dot), then 0.
extern const int32_t* const g_ship_outline_table[8];

// The outline of a model; a model outside 1..7 takes model 1's.
const int32_t* ship_outline_for(int32_t model);
// Places g_sim_outline at (x, y) turned to heading into g_sim_shape and g_sim_ship_box, without
// drawing.
void ship_shape_build(int32_t x, int32_t y, int32_t heading);
// Places the ship, waits one tick, erases the old shape when the pose changed, draws the new one.
void ship_draw(int32_t x, int32_t y, int32_t heading, int32_t rudder);
// The outline of the target box pointed in the target heading; a box past the left edge points
// left from x 0. Nothing for another heading.
void target_marker_draw();
