// The radar exercise of a collision threat: the player works telegraph and rudder in front of a
// heading-up scope until the other ship has left it, or the two collide.
#pragma once

#include <cstdint>

// How the encounter ended. RADAR_QUIT also while running.
enum : int32_t {
    RADAR_QUIT = -1,
    RADAR_OUT_OF_SIGHT = 0,
    RADAR_GLANCING = 1,
    RADAR_CROSSING = 2,
    RADAR_FLANK = 3,
};

// One whole exercise; changes no game record (the caller books the consequences).
int32_t collision_radar_run();
// The sweep ray at angle degrees from the scope's centre, in the current colour, sparing the
// scope's fixed marks (0 points down, 90 right).
void radar_sweep_line_draw(int32_t angle);
// 1 and the crossing point when segment (x0,y0)-(x1,y1) meets segment (x2,y2)-(x3,y3), else 0.
int32_t segment_intersect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                          int32_t x3, int32_t y3, int32_t* x, int32_t* y);
// Paints the part of the other ship's echo at (x, y), heading e degrees, that the newest rays of
// the sweep at angle a cross.
void radar_echo_draw(int32_t a, int32_t x, int32_t y, int32_t e);
