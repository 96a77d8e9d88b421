// The scanline fill of a polygon path: even-odd spans on whole pixel rows.
#pragma once

#include <cstdint>

#include "engine/polygon.h"

constexpr int32_t MAX_CROSSINGS = 104;

extern int32_t g_crossings[MAX_CROSSINGS];
extern int32_t g_crossing_count;

// Where the edge (x0, y0)-(x1, y1) crosses row r, or false when it does not cover the row. An edge
// covers the rows below its upper end down to and including its lower end; horizontal edges cover
// none. The exact position is rounded in two steps: to tenths (truncating), then to the nearest
// pixel with halves away from zero.
bool edge_crossing(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t r, int32_t* x);
// Fills the path row by row in colour, every other pixel ((x XOR y) even) when stippled is set.
void polygon_scan_fill(const PathNode* head, uint32_t colour, bool stippled);
