// The hourglass of a manoeuvring chart: 150 grains of sand that run from the upper bulb into the
// lower one as the episode's ticks are used, and the stream that flickers between them.
#pragma once

#include <cstdint>

#include "voyage/hourglass_glass.h"

extern int32_t g_hourglass_present;    // the chart placed sprite 0
extern int32_t g_hourglass_origin[2];  // where it did; every hourglass point is relative to it
extern int32_t g_hourglass_grains;     // grains at the start
extern int32_t g_hourglass_moved;
extern int32_t g_hourglass_top_row;
extern int32_t g_hourglass_top_offset;
extern int32_t g_hourglass_bottom_row;
extern int32_t g_hourglass_bottom_offset;
extern int32_t g_hourglass_stream_phase;

// Fills the upper bulb and draws the stream on the even rows (odd ones when parity is not 0).
void hourglass_init(int32_t parity);
// Moves the grains that are due at tick of limit, then redraws the stream. A tick past the limit
// leaves the glass as it is.
void hourglass_advance(int32_t tick, int32_t limit);
void hourglass_move_grain();
void hourglass_stream_draw();

void hourglass_state_reset();
