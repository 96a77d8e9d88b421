// The life raft of the rescue: an 11 x 11 square that is also the obstacle the ship must touch.
#pragma once

#include <cstdint>

// Draws the raft centred on (x, y) and makes its square the first polyline of g_sim_raft_obstacle.
void raft_marker_draw(int32_t x, int32_t y);
// 1 as soon as any side of the raft's square lies outside 0..319 x 0..199.
int32_t raft_off_screen();
