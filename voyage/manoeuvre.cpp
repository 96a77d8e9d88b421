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
#include "voyage/charts.h"
#include "voyage/control_panel.h"
#include "voyage/hourglass.h"
#include "voyage/manoeuvre_outcome.h"
#include "voyage/raft.h"
#include "voyage/ship_collision.h"
#include "voyage/ship_motion.h"
#include "voyage/ship_outline.h"
#include "voyage/sim_state.h"
#include "world/sine_table.h"

namespace {

struct Rect {
    int32_t x0, y0, x1, y1;
};

struct Episode {
    int32_t mode;
    int32_t model;
    int32_t handling;
    int32_t tick_limit;
    ShipPose ship;
    ShipPose raft;  // the raft's heading is the one it drifts on
    int32_t raft_speed;
    Rect raft_history[2];  // the raft's square two ticks ago and one tick ago
};

void set_up_chart(Episode* e, int32_t map, int32_t start, int32_t target) {
    if (e->mode == 0) {
        const HarbourMap& row = g_harbour_maps[map >= 0 && map < HARBOUR_MAP_COUNT ? map : 0];
        g_sim_coast = row.coast;
        g_sim_map_style = row.map_style;
        e->ship = {row.start_x[start], row.start_y[start], row.heading[start]};
        g_sim_target_box[0] = row.min_x[target];
        g_sim_target_box[1] = row.min_y[target];
        g_sim_target_box[2] = row.max_x[target];
        g_sim_target_box[3] = row.max_y[target];
        g_sim_target_heading = row.heading[target];
    } else if (e->mode == 1) {
        const ReefMap& row = g_reef_maps[map >= 0 && map < REEF_MAP_COUNT ? map : 0];
        g_sim_coast = row.coast;
        g_sim_map_style = row.map_style;
        e->ship = {row.start_x, row.start_y, row.heading};
        g_sim_target_box[0] = row.min_x;
        g_sim_target_box[1] = row.min_y;
        g_sim_target_box[2] = row.max_x;
        g_sim_target_box[3] = row.max_y;
        g_sim_target_heading = row.heading;
    } else {
        const RescuePosition& s = g_rescue_ship_starts[start];
        const RescuePosition& r = g_rescue_raft_starts[target];
        e->ship = {s.x, s.y, s.heading};
        e->raft = {r.x, r.y, r.heading};
        e->raft_speed = map;
        g_sim_coast = g_sim_raft_obstacle.data();
        g_sim_map_style = 0;
        std::fill(std::begin(g_sim_target_box), std::end(g_sim_target_box), 0);
        g_sim_target_heading = 999;
    }
    // fixed point: 1/128 pixel and 1/128 degree
    e->ship = {e->ship.x * 128, e->ship.y * 128, e->ship.heading * 128};
    e->raft = {e->raft.x * 128, e->raft.y * 128, e->raft.heading * 128};
}

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
    Episode e{};
    e.mode = std::clamp(mode, 0, 2);
    e.model = model;
    e.tick_limit = tick_limit;
    g_sim_ship_drawn = 0;
    g_hourglass_present = 0;
    e.handling = handling_class(model);
    set_backdrop_blue(0, 1);
    start = std::clamp(start, 0, 3);
    target = std::clamp(target, 0, 3);
    set_up_chart(&e, map, start, target);
    g_sim_outline = ship_outline_for(model);
    picture_load(13, g_sheet_buffer);
    set_backdrop_blue(0, 1);
    start_engine_sound();
    g_sim_rudder = g_sim_telegraph = g_sim_thruster = 0;
    g_sim_speed = 0;
    g_sim_gauge_shown_rudder[0] = g_sim_gauge_shown_telegraph[0] = 1;
    g_sim_gauge_shown_speed[0] = g_sim_gauge_shown_thruster[0] = 1;
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
    int32_t tick = 0;
    e.raft_history[0] = e.raft_history[1] = {20, 20, 21, 21};

    int32_t result = 0;
    bool ended = false;
    while (!ended && result == 0) {
        if (e.mode == 2) {
            int32_t rx = e.raft.x >> 7, ry = e.raft.y >> 7;
            const Rect& old = e.raft_history[0];
            if (old.x0 != rx - 5 || old.y0 != ry - 5) {
                set_draw_color(1);
                fill_rect(old.x0, old.y0, old.x1, old.y1);
                raft_marker_draw(rx, ry);
            }
        }
        hourglass_advance(tick, e.tick_limit);
        ship_draw(e.ship.x >> 7, e.ship.y >> 7, e.ship.heading >> 7, g_sim_rudder);
        target_marker_draw();
        int32_t hits = ship_collision_count();
        e.raft_history[0] = e.raft_history[1];
        e.raft_history[1] = {g_sim_raft_box[0], g_sim_raft_box[1], g_sim_raft_box[2], g_sim_raft_box[3]};
        controls_update(model, 0, 0);
        ++tick;
        if (model != 1) g_sim_thruster = 0;
        g_sim_speed = ship_speed_step(e.handling, tick, g_sim_speed, g_sim_telegraph);
        if (hits == 0) {
            ship_move(&e.ship, g_sim_rudder, g_sim_telegraph, g_sim_speed, g_sim_thruster);
            if (e.mode == 2) {
                int32_t r = e.raft.heading >> 7;
                e.raft.x += (cos_deg(r) * e.raft_speed) >> 10;
                e.raft.y += (sin_deg(r) * e.raft_speed) >> 10;
            }
        }
        int32_t h = e.ship.heading >> 7;
        TickFacts f{};
        f.mode = e.mode;
        f.hits = hits;
        f.tick = tick;
        f.tick_limit = e.tick_limit;
        if (e.mode < 2) {
            f.in_target = ship_in_target_box() != 0;
            f.berth = e.mode == 0 && g_sim_target_box[0] > 0;
            f.berth_taken = berth_accepts(g_sim_target_heading, h, g_sim_speed, g_sim_telegraph);
            f.ship_off = ship_off_screen() != 0;
        } else {
            f.ship_off = ship_off_screen() != 0;
            f.raft_off = raft_off_screen() != 0;
            if (!f.ship_off && !f.raft_off && hits > 0) {
                // going astern counts as the opposite heading at the positive speed, which the
                // damage of a ramming then takes too
                f.gentle = rescue_is_gentle(g_sim_speed, h, e.raft_speed, e.raft.heading >> 7);
                if (g_sim_speed < 0) g_sim_speed = -g_sim_speed;
            }
        }
        TickOutcome out = tick_outcome(f);
        result = out.result;
        ended = out.ended;
    }
    if (result > 0) result = contact_damage(g_sim_speed, result);
    end_sounds(result);
    return result;
}
