// The day dial on the main screen: a hand that turns through nine positions as a day passes.
#pragma once

#include <cstdint>

// The hand position last drawn (a dial step + 2), erased by the next draw.
extern int32_t g_day_dial_hand;

// The end of the hand at position q: on an ellipse 14 wide and 12 high around the pivot, q * 5
// degrees clockwise from straight up.
void day_dial_hand_end(int32_t q, int32_t* x, int32_t* y);
// Waits one tick, erases the old hand and draws the hand for dial step s (0, 8, ..., 64).
void draw_day_dial(int32_t s);
