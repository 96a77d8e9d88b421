// The harbour passage and the sinking: a ship entering London by tug, the same ship leaving, the
// damage report after steering it into a quay, the voyage panel set a few steps slower, and three
// moments of the sinking scene (sailing in, tilted on the way down, the figure under water among
// the bubbles).
#include <cstdio>

#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "host/headless_host.h"
#include "tests/screens/screens.h"
#include "tests/screens/voyage_scene.h"
#include "voyage/arrival_departure.h"
#include "voyage/passage.h"
#include "voyage/sinking.h"
#include "voyage/voyage_panel.h"
#include "world/records.h"
#include "world/weather.h"

namespace {

// The shipowner with a laden model 2 in London, chartered to New York with a time limit (no wind:
// no storm numbers on the map, so no draws before the strike).
Ship* set_up_owner() {
    Ship* ship = voyage_scene_owner(0, 0, 0);
    if (ship == nullptr) return nullptr;
    ship->ship_type = 2;
    ship->condition = 9150;
    ship->port = 1;
    ship->harbour_map = 0;
    ship->berth = 2;
    ship->penalty_per_day = 2000;
    ship->allowed_days = 14;
    return ship;
}

// A seed whose draws (the berth on arrival, then London's strike) leave the tugs at work, so the
// screen shows its choice and the Enter below pays the tug.
void seed_without_strike(bool berth_first) {
    uint16_t seed = 1;
    for (; seed != 0; ++seed) {
        g_random_seed = seed;
        g_random_counter = 0;
        if (berth_first) random_range(1, 3);
        if (random_range(0, 100) > 15) break;
    }
    g_random_seed = seed;
    g_random_counter = 0;
}

// Keys that end the screen whatever it shows: Enter for the tug, and in pure economy a hand at the
// wheel should the tugs strike after all.
void script_passage_keys(uint32_t at) {
    g_sim_mode = 1;
    headless_script(at, HEADLESS_KEY, 13);
    headless_script(at + 400, HEADLESS_KEY, 13);
    headless_script(at + 800, HEADLESS_KEY, '1');
    headless_script(at + 1200, HEADLESS_KEY, 13);
}

// The sinking scene of the model after the given number of frames, drawn as the scene draws them
// at the pace of a slow machine (two pixels a frame while sailing in).
void sinking_after(ScreenShot* shot, int32_t model, int32_t frames) {
    uint32_t fast = g_fast_machine;
    g_fast_machine = 0;
    clear_screen();
    picture_load(SINK_SHEET_PICTURE, g_sheet_buffer);
    picture_load(SINK_BACKGROUND_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 1);
    screen_show_buffer(g_background_buffer);
    SinkingScene scene{};
    sinking_scene_start(&scene, model);
    for (int32_t k = 0; k < frames && scene.phase != SINK_DONE; ++k) {
        sinking_frame_draw(&scene);
        sinking_phase_step(&scene);
    }
    screens_shot_frame(shot);
    set_backdrop_blue(0, 0);
    g_fast_machine = fast;
}

}  // namespace

void screen_harbour_arrival(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    seed_without_strike(true);
    script_passage_keys(headless_now() + 6000);
    port_arrival(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

void screen_harbour_departure(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    seed_without_strike(false);
    script_passage_keys(headless_now() + 1000);
    passage_ship_screen(0, ship);
    int32_t result = 0;
    passage_screen(0, &g_shipowners[0], ship, PASSAGE_OUT, &result);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

void screen_harbour_damage(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    headless_script(headless_now() + 1000, HEADLESS_KEY, 13);
    passage_ship_screen(0, ship);
    passage_outcome(0, &g_shipowners[0], ship, 12, PASSAGE_IN, 5);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

void screen_voyage_panel(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    uint32_t t = headless_now();
    for (int32_t k = 0; k < 5; ++k) headless_script(t + 500 + 200 * static_cast<uint32_t>(k), HEADLESS_KEY, 40);
    headless_script(t + 2500, HEADLESS_KEY, 13);
    voyage_panel(0, &g_shipowners[0], ship);
    screens_shot_frame(shot);
    voyage_scene_clear();
}

void screen_sinking_sailing_in(ScreenShot* shot) {
    sinking_after(shot, 2, 80);
}

void screen_sinking_descent(ScreenShot* shot) {
    sinking_after(shot, 1, 113 + 70);
}

void screen_sinking_under_water(ScreenShot* shot) {
    sinking_after(shot, 4, 92 + 180 + 140);
}
