// The manoeuvring simulation's screens: harbour and open-water charts as an episode shows them at
// its start, the control panel with its gauges set, the hourglass full and run out, a rescue, and
// whole scripted episodes as they end.
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/picture.h"
#include "host/headless_host.h"
#include "tests/screens/screens.h"
#include "voyage/chart.h"
#include "voyage/charts.h"
#include "voyage/control_panel.h"
#include "voyage/hourglass.h"
#include "voyage/manoeuvre.h"
#include "voyage/ship_outline.h"
#include "voyage/sim_state.h"
#include "world/ports.h"

namespace {

// An episode's first picture without its loop: chart, target, panel, hourglass and the ship.
void show_chart(const int32_t* coast, int32_t style, const int32_t* target, int32_t target_heading, int32_t model,
                int32_t x, int32_t y, int32_t heading) {
    picture_load(13, g_sheet_buffer);
    set_backdrop_blue(0, 1);
    g_sim_coast = coast;
    g_sim_map_style = style;
    for (int32_t k = 0; k < 4; ++k) g_sim_target_box[k] = target[k];
    g_sim_target_heading = target_heading;
    g_hourglass_present = 0;
    chart_draw();
    target_marker_draw();
    control_panel_draw(model);
    hourglass_init(0);
    g_sim_outline = ship_outline_for(model);
    ship_draw(x, y, heading, 0);
    g_sim_gauge_shown_rudder[0] = g_sim_gauge_shown_telegraph[0] = 1;
    g_sim_gauge_shown_speed[0] = g_sim_gauge_shown_thruster[0] = 1;
    controls_update(model, 0, 0);
}

void show_harbour(int32_t row, int32_t start, int32_t target, int32_t model) {
    const HarbourMap& m = g_harbour_maps[row];
    const int32_t box[4] = {m.min_x[target], m.min_y[target], m.max_x[target], m.max_y[target]};
    show_chart(m.coast, m.map_style, box, m.heading[target], model, m.start_x[start], m.start_y[start],
               m.heading[start]);
}

void show_waters(int32_t row, int32_t model) {
    const ReefMap& m = g_reef_maps[row];
    const int32_t box[4] = {m.min_x, m.min_y, m.max_x, m.max_y};
    show_chart(m.coast, m.map_style, box, m.heading, model, m.start_x, m.start_y, m.heading);
}

}  // namespace

void screen_chart_london(ScreenShot* shot) {
    show_harbour(0, 0, 1, 1);
    screens_shot_frame(shot);
}

void screen_chart_hamburg(ScreenShot* shot) {
    show_harbour(2, 0, 2, 2);
    screens_shot_frame(shot);
}

void screen_chart_marseilles(ScreenShot* shot) {
    show_harbour(3, 0, 2, 1);
    screens_shot_frame(shot);
}

void screen_chart_rotterdam(ScreenShot* shot) {
    show_harbour(1, 2, 3, 2);
    screens_shot_frame(shot);
}

void screen_chart_cape_town(ScreenShot* shot) {
    show_harbour(5, 0, 1, 1);
    screens_shot_frame(shot);
}

void screen_chart_sydney(ScreenShot* shot) {
    show_harbour(12, 1, 0, 1);
    screens_shot_frame(shot);
}

void screen_chart_vancouver(ScreenShot* shot) {
    show_harbour(14, 0, 3, 3);
    screens_shot_frame(shot);
}

void screen_chart_hong_kong(ScreenShot* shot) {
    show_harbour(9, 1, 0, 4);
    screens_shot_frame(shot);
}

void screen_chart_pearl_harbor(ScreenShot* shot) {
    show_harbour(19, 0, 3, 1);
    screens_shot_frame(shot);
}

void screen_chart_singapore(ScreenShot* shot) {
    show_harbour(22, 0, 1, 1);
    screens_shot_frame(shot);
}

void screen_chart_houston(ScreenShot* shot) {
    show_harbour(27, 0, 1, 1);
    screens_shot_frame(shot);
}

void screen_chart_panama(ScreenShot* shot) {
    show_harbour(21, 0, 1, 1);
    screens_shot_frame(shot);
}

void screen_chart_karachi(ScreenShot* shot) {
    show_harbour(25, 0, 1, 1);
    screens_shot_frame(shot);
}

void screen_chart_alexandria(ScreenShot* shot) {
    show_harbour(24, 0, 1, 1);
    screens_shot_frame(shot);
}

void screen_chart_rio_de_janeiro(ScreenShot* shot) {
    show_harbour(11, 0, 1, 1);
    screens_shot_frame(shot);
}

void screen_chart_tokyo(ScreenShot* shot) {
    show_harbour(13, 0, 2, 1);
    screens_shot_frame(shot);
}

void screen_chart_buenos_aires(ScreenShot* shot) {
    show_harbour(16, 0, 3, 1);
    screens_shot_frame(shot);
}

void screen_chart_point_hope(ScreenShot* shot) {
    show_harbour(17, 0, 1, 3);
    screens_shot_frame(shot);
}

void screen_chart_monrovia(ScreenShot* shot) {
    show_harbour(20, 0, 2, 1);
    screens_shot_frame(shot);
}

void screen_chart_basrah(ScreenShot* shot) {
    show_harbour(18, 0, 2, 2);
    screens_shot_frame(shot);
}

void screen_chart_calcutta(ScreenShot* shot) {
    show_harbour(26, 0, 2, 1);
    screens_shot_frame(shot);
}

void screen_chart_lima(ScreenShot* shot) {
    show_harbour(15, 0, 1, 3);
    screens_shot_frame(shot);
}

void screen_chart_new_york(ScreenShot* shot) {
    show_harbour(8, 0, 3, 2);
    screens_shot_frame(shot);
}

void screen_chart_piraeus(ScreenShot* shot) {
    show_harbour(4, 0, 1, 1);
    screens_shot_frame(shot);
}

void screen_chart_lagos(ScreenShot* shot) {
    show_harbour(6, 0, 2, 2);
    screens_shot_frame(shot);
}

void screen_chart_jebel_dhanna(ScreenShot* shot) {
    show_harbour(7, 0, 3, 1);
    screens_shot_frame(shot);
}

void screen_chart_san_francisco(ScreenShot* shot) {
    show_harbour(10, 2, 0, 3);
    screens_shot_frame(shot);
}

void screen_chart_dar_es_salaam(ScreenShot* shot) {
    show_harbour(23, 0, 1, 2);
    screens_shot_frame(shot);
}

void screen_chart_ice(ScreenShot* shot) {
    show_waters(0, 2);
    screens_shot_frame(shot);
}

void screen_chart_reef(ScreenShot* shot) {
    show_waters(6, 3);
    screens_shot_frame(shot);
}

void screen_chart_shoals(ScreenShot* shot) {
    show_waters(10, 3);
    screens_shot_frame(shot);
}

void screen_control_panel(ScreenShot* shot) {
    show_harbour(0, 0, 1, 1);
    g_sim_rudder = -7;
    g_sim_telegraph = 25;
    g_sim_speed = 160;
    g_sim_thruster = 6;
    controls_update(1, 0, 0);
    screens_shot_frame(shot);
}

void screen_hourglass_limit(ScreenShot* shot) {
    show_waters(1, 3);
    hourglass_advance(2000, 2000);
    screens_shot_frame(shot);
}

// A whole episode at full ahead from London's entrance until the tick limit ends it.
void screen_episode_out_of_time(ScreenShot* shot) {
    headless_script(100, HEADLESS_KEY, SIM_KEY_FULL_AHEAD);
    headless_script(3000, HEADLESS_KEY, KEY_RIGHT);
    manoeuvre_run(0, 2, 0, 0, 1, 300, port_name(1));
    screens_shot_presented(shot);
}

// A rescue: the raft drifting from the north, the ship steaming up to it.
void screen_rescue(ScreenShot* shot) {
    headless_script(100, HEADLESS_KEY, SIM_KEY_FULL_AHEAD);
    manoeuvre_run(2, 3, 60, 1, 1, 120, nullptr);
    screens_shot_presented(shot);
}
