// The game core's own screens: the title, the end of the intro, the main screen with two fleets at
// sea and a storm, and a letter typed over the map.
#include <cstdio>
#include <cstring>

#include "game/intro.h"
#include "game/main_loop.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/sea_distance.h"
#include "world/weather.h"
#include "views/world_map.h"
#include "host/headless_host.h"
#include "tests/screens/screens.h"
#include "ui/letter.h"

namespace {

// Two shipowners with ships under way on several routes, a few weeks into the game, and a storm
// over the North Atlantic. The records are put back by the caller's saved copy.
struct WorldScene {
    Shipowner saved[SHIPOWNER_MAX];
    int8_t saved_count;
    int32_t saved_day;
    Ship ships[6];
};

struct ShipAt {
    int32_t owner;
    const char* name;
    int32_t route;
    int32_t percent;  // of the route sailed
    int16_t direction;
};

const ShipAt kShips[6] = {
    {0, "Nordlicht", 1, 40, 1}, {0, "Elbe", 7, 70, -1},        {0, "Jade", 19, 25, 1},
    {1, "Pacific", 30, 55, 1},  {1, "South Star", 44, 35, -1}, {1, "Coral Bay", 12, 80, 1},
};

void build_scene(WorldScene* s) {
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) s->saved[i] = g_shipowners[i];
    s->saved_count = g_shipowner_count;
    s->saved_day = g_day;

    init_route_lengths();
    weather_reset();
    g_wind_grid[1][5] = 9;   // 30..59 north, 30..1 west: the North Atlantic
    g_wind_grid[4][10] = 8;  // 31..60 south, 120..149 east: south of Australia
    g_day = 7 * 23 + 4;      // week 23, a Friday

    g_shipowner_count = 2;
    const char* companies[2] = {"Nordsee", "Pacifica"};
    const char* names[2] = {"Hendrik", "Amelia"};
    const int32_t status[2] = {12, 4};
    for (int32_t i = 0; i < 2; ++i) {
        g_shipowners[i] = Shipowner{};
        std::snprintf(g_shipowners[i].name, RECORD_NAME_SIZE, "%s", names[i]);
        std::snprintf(g_shipowners[i].company, RECORD_NAME_SIZE, "%s", companies[i]);
        g_shipowners[i].status = status[i];
        g_shipowners[i].history_index = 40;
        for (int32_t d = 0; d <= 40; ++d)
            g_shipowners[i].net_worth_history[d] = i == 0 ? 1800 + 30 * d : 900 - 35 * d;
    }

    Ship** tail[2] = {&g_shipowners[0].ships, &g_shipowners[1].ships};
    for (int32_t k = 0; k < 6; ++k) {
        const ShipAt& a = kShips[k];
        Ship& ship = s->ships[k];
        ship = Ship{};
        std::snprintf(ship.name, RECORD_NAME_SIZE, "%s", a.name);
        ship.ship_type = static_cast<int8_t>(1 + k % 7);
        ship.route = static_cast<int8_t>(a.route);
        ship.direction = a.direction;
        ship.port = a.direction > 0 ? g_route_table[a.route].port_a : g_route_table[a.route].port_b;
        ship.sailed_nm = g_route_table[a.route].length * a.percent / 100;
        ship.speed = 14;
        compute_ship_route_position(&ship);
        *tail[a.owner] = &ship;
        tail[a.owner] = &ship.next;
    }
}

void restore_scene(const WorldScene* s) {
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) g_shipowners[i] = s->saved[i];
    g_shipowner_count = s->saved_count;
    g_day = s->saved_day;
    weather_reset();
}

}  // namespace

void screen_title(ScreenShot* shot) {
    headless_script(1000, HEADLESS_KEY, ' ');  // waiting when the title has shown: no intro
    play_title_and_intro();
    screens_shot_frame(shot);
}

void screen_intro(ScreenShot* shot) {
    play_title_and_intro();
    screens_shot_frame(shot);
}

void screen_main_screen(ScreenShot* shot) {
    static WorldScene scene;
    build_scene(&scene);
    MainLoop loop = {};
    main_screen_enter(&loop);
    draw_world_map();
    loop.run_state = RUN_RUNNING;
    for (int32_t pass = 0; pass < 4; ++pass) main_loop_pass(&loop);
    screens_shot_frame(shot);
    restore_scene(&scene);
}

void screen_letter_over_map(ScreenShot* shot) {
    static WorldScene scene;
    build_scene(&scene);
    g_main_screen_shown = 0;
    const char* lines[] = {"", "The Elbe reports heavy weather", "in the North Atlantic.",
                           "She keeps her course and speed.", nullptr};
    headless_script(20000, HEADLESS_KEY, 13);
    letter_show(0, &g_shipowners[0], &scene.ships[1], lines, 0);
    screens_shot_presented(shot);
    restore_scene(&scene);
}
