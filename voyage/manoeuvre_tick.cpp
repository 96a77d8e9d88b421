#include "voyage/manoeuvre_tick.h"

#include <algorithm>

#include "voyage/charts.h"
#include "voyage/control_panel.h"
#include "voyage/raft.h"
#include "voyage/ship_collision.h"
#include "voyage/sim_state.h"
#include "world/sine_table.h"

void manoeuvre_chart_set_up(ManoeuvreEpisode* e, int32_t map, int32_t start, int32_t target) {
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

void manoeuvre_controls_set_up() {
    g_sim_rudder = g_sim_telegraph = g_sim_thruster = 0;
    g_sim_speed = 0;
    g_sim_gauge_shown_rudder[0] = g_sim_gauge_shown_telegraph[0] = 1;
    g_sim_gauge_shown_speed[0] = g_sim_gauge_shown_thruster[0] = 1;
}

TickOutcome manoeuvre_tick(ManoeuvreEpisode* e) {
    int32_t hits = ship_collision_count();
    e->raft_history[0] = e->raft_history[1];
    e->raft_history[1] = {g_sim_raft_box[0], g_sim_raft_box[1], g_sim_raft_box[2], g_sim_raft_box[3]};
    controls_update(e->model, 0, 0);
    ++e->tick;
    if (e->model != 1) g_sim_thruster = 0;
    g_sim_speed = ship_speed_step(e->handling, e->tick, g_sim_speed, g_sim_telegraph);
    if (hits == 0) {
        ship_move(&e->ship, g_sim_rudder, g_sim_telegraph, g_sim_speed, g_sim_thruster);
        if (e->mode == 2) {
            int32_t r = e->raft.heading >> 7;
            e->raft.x += (cos_deg(r) * e->raft_speed) >> 10;
            e->raft.y += (sin_deg(r) * e->raft_speed) >> 10;
        }
    }
    int32_t h = e->ship.heading >> 7;
    TickFacts f{};
    f.mode = e->mode;
    f.hits = hits;
    f.tick = e->tick;
    f.tick_limit = e->tick_limit;
    if (e->mode < 2) {
        f.in_target = ship_in_target_box() != 0;
        f.berth = e->mode == 0 && g_sim_target_box[0] > 0;
        f.berth_taken = berth_accepts(g_sim_target_heading, h, g_sim_speed, g_sim_telegraph);
        f.ship_off = ship_off_screen() != 0;
    } else {
        f.ship_off = ship_off_screen() != 0;
        f.raft_off = raft_off_screen() != 0;
        if (!f.ship_off && !f.raft_off && hits > 0) {
            // going astern counts as the opposite heading at the positive speed, which the
            // damage of a ramming then takes too
            f.gentle = rescue_is_gentle(g_sim_speed, h, e->raft_speed, e->raft.heading >> 7);
            if (g_sim_speed < 0) g_sim_speed = -g_sim_speed;
        }
    }
    return tick_outcome(f);
}
