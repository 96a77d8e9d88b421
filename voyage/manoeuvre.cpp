#include "voyage/manoeuvre.h"

#include <algorithm>

#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/timing.h"
#include "host/sound_library.h"
#include "ui/fonts.h"
#include "voyage/chart.h"
#include "voyage/control_panel.h"
#include "voyage/hourglass.h"
#include "voyage/manoeuvre_outcome.h"
#include "voyage/manoeuvre_tick.h"
#include "voyage/raft.h"
#include "voyage/ship_motion.h"
#include "voyage/ship_outline.h"
#include "voyage/sim_state.h"

namespace {

void start_engine_sound() {
    g_sim_engine_slot = sound_load(7);
    g_sim_crash_slot = sound_load(6);
    engine_sound_start(g_sim_engine_slot);
}

void draw_title(const char* title) {
    if (title == nullptr) return;
    int32_t w = font_text_width(&g_font_sys8, title);
    set_draw_color(0);
    font_draw_text(&g_font_sys8, title, 314 - w, 2);
    set_draw_color(15);
    font_draw_text(&g_font_sys8, title, 315 - w, 1);
}

void end_sounds(int32_t result) {
    if (result > 0) {
        sound_stop(g_sim_engine_slot);
        sound_play(1, g_sim_crash_slot);
        while (sound_is_done(g_sim_crash_slot) == 0) wait_tick();
    }
    sound_stop(g_sim_engine_slot);
    sound_stop(g_sim_crash_slot);
    sound_free(g_sim_engine_slot);
    sound_free(g_sim_crash_slot);
    g_sim_engine_slot = g_sim_crash_slot = -1;
    set_backdrop_blue(0, 0);
}

}  // namespace

int32_t manoeuvre_run(int32_t mode, int32_t model, int32_t map, int32_t start, int32_t target, int32_t tick_limit,
                      const char* title) {
    ManoeuvreEpisode e{};
    e.mode = std::clamp(mode, 0, 2);
    e.model = model;
    e.tick_limit = tick_limit;
    g_sim_ship_drawn = 0;
    g_hourglass_present = 0;
    e.handling = handling_class(model);
    set_backdrop_blue(0, 1);
    start = std::clamp(start, 0, 3);
    target = std::clamp(target, 0, 3);
    manoeuvre_chart_set_up(&e, map, start, target);
    g_sim_outline = ship_outline_for(model);
    picture_load(13, g_sheet_buffer);
    set_backdrop_blue(0, 1);
    start_engine_sound();
    manoeuvre_controls_set_up();
    set_fill_stipple(0);
    if (e.mode < 2) {
        chart_draw();
        target_marker_draw();
    } else {
        clear_screen_to(1);
    }
    control_panel_draw(model);
    draw_title(title);
    hourglass_init(0);
    e.tick = 0;
    e.raft_history[0] = e.raft_history[1] = {20, 20, 21, 21};

    int32_t result = 0;
    bool ended = false;
    while (!ended && result == 0) {
        if (e.mode == 2) {
            int32_t rx = e.raft.x >> 7, ry = e.raft.y >> 7;
            const ManoeuvreRect& old = e.raft_history[0];
            if (old.x0 != rx - 5 || old.y0 != ry - 5) {
                set_draw_color(1);
                fill_rect(old.x0, old.y0, old.x1, old.y1);
                raft_marker_draw(rx, ry);
            }
        }
        hourglass_advance(e.tick, e.tick_limit);
        ship_draw(e.ship.x >> 7, e.ship.y >> 7, e.ship.heading >> 7, g_sim_rudder);
        target_marker_draw();
        TickOutcome out = manoeuvre_tick(&e);
        result = out.result;
        ended = out.ended;
    }
    if (result > 0) result = contact_damage(g_sim_speed, result);
    end_sounds(result);
    return result;
}
