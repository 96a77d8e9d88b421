// Entering the broker's building: the lift hall, the ride up with its light running along the
// indicator strip, and the doors sliding open onto the lift panel.
#include "business/broker.h"
#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/timing.h"
#include "host/sound_library.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/records.h"

namespace {

constexpr int32_t LIFT_HALL_PICTURE = 7;
constexpr int32_t SOUND_LIFT_START = 3;
constexpr int32_t SOUND_LIFT_RUNNING = 4;
constexpr int32_t SOUND_LIFT_DOORS = 5;
constexpr int32_t DOOR_TOP = 88;
constexpr int32_t DOOR_BOTTOM = 132;
constexpr int32_t LIGHT_Y = 80;

void vertical_line(int32_t x) {
    draw_move_to(x, DOOR_TOP);
    draw_line_to(x, DOOR_BOTTOM);
}

void light_dot(int32_t x, uint32_t colour) {
    set_draw_color(colour);
    fill_rect(x, LIGHT_Y, x + 1, LIGHT_Y + 1);
}

void draw_closed_doors() {
    set_draw_color(1);
    fill_rect(142, DOOR_TOP, 165, DOOR_BOTTOM);
    fill_rect(166, DOOR_TOP, 189, DOOR_BOTTOM);
    set_draw_color(0);
    vertical_line(166);
    vertical_line(165);
    light_dot(184, 3);
}

}  // namespace

void enter_shipbroker_building(int32_t player) {
    if (g_shipowners[player].out_of_game != 0) return;
    clear_screen();
    picture_load(LIFT_HALL_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    int32_t start = sound_load(SOUND_LIFT_START);
    int32_t running = sound_load(SOUND_LIFT_RUNNING);
    int32_t doors = sound_load(SOUND_LIFT_DOORS);
    restore_screen();
    screen_start_hook();
    draw_closed_doors();
    draw_shipowner_status_line(player, 6);

    // The lift starts: its clunk plays out before the car moves (polled once a tick).
    sound_play(1, start);
    while (sound_is_done(start) == 0) wait_tick();
    sound_stop(start);
    sound_play(999, running);
    sound_free(start);

    // The light runs six places to the left, 25 ticks each.
    for (int32_t x = 184; x >= 154; x -= 6) {
        light_dot(x, 0);
        light_dot(x - 6, 3);
        delay_ticks(25);
    }
    sound_stop(running);
    sound_play(1, doors);
    sound_free(running);

    // The doors slide apart from the seam, one column each side every two ticks.
    for (int32_t x = 166; x <= 188; ++x) {
        blit_copy_to_screen(g_background_buffer, x, DOOR_TOP, x, DOOR_TOP, 1, DOOR_BOTTOM - DOOR_TOP + 1);
        blit_copy_to_screen(g_background_buffer, 331 - x, DOOR_TOP, 331 - x, DOOR_TOP, 1,
                            DOOR_BOTTOM - DOOR_TOP + 1);
        set_draw_color(0);
        vertical_line(x + 1);
        vertical_line(330 - x);
        delay_ticks(2);
    }
    sound_stop(doors);
    sound_free(doors);
    delay_ticks(2);
    shipbroker_floor_menu(player);
}
