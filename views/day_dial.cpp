#include "views/day_dial.h"

#include "engine/draw.h"
#include "engine/timing.h"
#include "world/sine_table.h"

int32_t g_day_dial_hand = 0;

namespace {

constexpr int32_t PIVOT_X = 104;
constexpr int32_t PIVOT_Y = 180;

}  // namespace

void day_dial_hand_end(int32_t q, int32_t* x, int32_t* y) {
    // Divided by 255, not 256: the hand reaches one pixel further at the extremes.
    *x = PIVOT_X + sin_deg(5 * q) * 14 / 255;
    *y = PIVOT_Y - cos_deg(5 * q) * 12 / 255;
}

void draw_day_dial(int32_t s) {
    int32_t p = s + 2;
    int32_t old_x = 0;
    int32_t old_y = 0;
    int32_t new_x = 0;
    int32_t new_y = 0;
    day_dial_hand_end(g_day_dial_hand, &old_x, &old_y);
    day_dial_hand_end(p, &new_x, &new_y);
    wait_tick();
    draw_line_clipped(PIVOT_X, PIVOT_Y, old_x, old_y, 0);
    draw_line_clipped(PIVOT_X, PIVOT_Y, new_x, new_y, 14);
    g_day_dial_hand = p;
}
