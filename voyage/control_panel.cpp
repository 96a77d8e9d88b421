#include "voyage/control_panel.h"

#include <algorithm>
#include <cstdlib>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "host/sound_library.h"
#include "voyage/sim_state.h"

namespace {

void line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
    set_draw_color(colour);
    draw_move_to(x0, y0);
    draw_line_to(x1, y1);
}

void box(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
    set_draw_color(colour);
    fill_rect(x0, y0, x1, y1);
}

void rudder_mark(int32_t r, uint32_t colour) { line(297 + r, 188, 297 + r, 196, colour); }
void telegraph_mark(int32_t t, uint32_t colour) { line(293, 146 - t, 301, 146 - t, colour); }
void speed_mark(int32_t s, uint32_t colour) {
    int32_t y = speed_mark_y(s);
    line(307, y, 310, y, colour);
}
void thruster_mark(int32_t q, uint32_t colour) { line(297 + q, 96, 297 + q, 104, colour); }

// Redraws one gauge when its value moved away from the value it shows.
bool update_gauge(int32_t value, int32_t* shown, void (*mark)(int32_t, uint32_t)) {
    if (value == *shown) return false;
    mark(*shown, 0);
    mark(value, 15);
    *shown = value;
    return true;
}

void read_mouse() {
    if (mouse_left_pressed() == 0) return;
    int32_t x = 0, y = 0;
    mouse_get_position(&x, &y);
    if (x < 282 || x > 312) return;
    if (y >= 95 && y <= 105) {
        g_sim_thruster = x - 297;
    } else if (y >= 106 && y <= 186) {
        if (x >= 292 && x <= 302) g_sim_telegraph = 146 - y;
    } else if (y >= 187 && y <= 197) {
        g_sim_rudder = x - 297;
    }
}

// Holds everything, the hourglass included, until the next space; the keys meanwhile are dropped.
void pause_until_space() {
    for (;;)
        if (key_slot_poll() != 0 && key_slot_take() == SIM_KEY_PAUSE) return;
}

void act_on_key(uint32_t k) {
    switch (k) {
        case SIM_KEY_FULL_AHEAD:
            if (g_sim_telegraph < 0) {
                g_sim_telegraph = 0;
            } else if (g_sim_telegraph < 40) {
                g_sim_telegraph = 40;
            }
            break;
        case SIM_KEY_FULL_ASTERN:
            if (g_sim_telegraph > 0) {
                g_sim_telegraph = 0;
            } else if (g_sim_telegraph > -40) {
                g_sim_telegraph = -40;
            }
            break;
        case SIM_KEY_STOP:
            g_sim_thruster = g_sim_rudder = g_sim_telegraph = 0;
            break;
        case KEY_LEFT:
            g_sim_rudder = std::max(g_sim_rudder - 1, -15);
            break;
        case KEY_UP:
            g_sim_telegraph = std::min(g_sim_telegraph + 1, 40);
            break;
        case KEY_RIGHT:
            g_sim_rudder = std::min(g_sim_rudder + 1, 15);
            break;
        case KEY_DOWN:
            g_sim_telegraph = std::max(g_sim_telegraph - 1, -40);
            break;
        case SIM_KEY_THRUSTER_PORT:
            g_sim_thruster = std::max(g_sim_thruster - 1, -15);
            break;
        case KEY_DELETE:
            g_sim_thruster = std::min(g_sim_thruster + 1, 15);
            break;
        case SIM_KEY_PAUSE:
            pause_until_space();
            break;
        default:
            break;
    }
}

}  // namespace

int32_t engine_pitch(int32_t speed) {
    int32_t s = std::abs(speed);
    if (g_sound_mode == 1) return 594 - s * 297 / 320;
    if (g_fast_machine != 0) return 297 - s * 137 / 320;
    return 594 - s * 297 / 320;
}

void engine_sound_start(int32_t slot) {
    if (g_sound_mode != 1 && g_fast_machine == 0) sound_halve_rate(slot);
    sound_play(30000, slot);
    sound_set_pitch(slot, g_sound_mode != 1 && g_fast_machine != 0 ? 297 : 594, 63);
}

int32_t speed_mark_y(int32_t speed) { return std::clamp(146 - (speed >> 3), 106, 186); }

void control_panel_draw(int32_t model) {
    box(275, 75, 319, 199, 2);
    set_draw_color(15);
    draw_move_to(277, 198);
    draw_line_to(277, 93);
    draw_line_to(297, 77);
    draw_line_to(317, 93);
    draw_line_to(317, 198);
    if (model == 1) box(281, 95, 313, 105, 0);
    box(292, 105, 302, 187, 0);
    box(281, 187, 313, 197, 0);
    if (model == 1) line(297, 94, 297, 91, 15);
    for (int32_t y = 116; y <= 176; y += 10) line(287, y, 291, y, 15);
    set_draw_color(15);
    for (int32_t x = 282; x <= 312; x += 5) draw_pixel(x, 198);
    line(305, 106, 305, 186, 15);
    line(312, 106, 312, 186, 15);
    box(306, 106, 311, 186, 0);
    line(282, 146, 312, 146, 7);
}

void controls_update(int32_t model, int32_t, int32_t gauge) {
    int32_t i = std::clamp(gauge, 0, 1);
    read_mouse();
    while (key_slot_poll() != 0) act_on_key(key_slot_take());
    update_gauge(g_sim_rudder, &g_sim_gauge_shown_rudder[i], rudder_mark);
    update_gauge(g_sim_telegraph, &g_sim_gauge_shown_telegraph[i], telegraph_mark);
    bool speed_moved = update_gauge(g_sim_speed, &g_sim_gauge_shown_speed[i], speed_mark);
    if (model == 1) update_gauge(g_sim_thruster, &g_sim_gauge_shown_thruster[i], thruster_mark);
    if (speed_moved) sound_set_pitch(g_sim_engine_slot, engine_pitch(g_sim_speed), 64);
}
