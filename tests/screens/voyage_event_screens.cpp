// The at-sea events: the storm's question, the gale's warning and its damage report, the canal fee
// and Cape Horn letters over the map, and the box after a ship was helped off a reef.
#include <cstdio>

#include "engine/frame.h"
#include "engine/picture.h"
#include "host/headless_host.h"
#include "lang/lang.h"
#include "tests/screens/screens.h"
#include "tests/screens/voyage_scene.h"
#include "ui/requester.h"
#include "views/main_screen.h"
#include "views/world_map.h"
#include "voyage/route_events.h"
#include "voyage/sea_manoeuvre_outcome.h"
#include "voyage/storm.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/weather.h"

namespace {

// The shipowner and his model 3 at sea at (lon, lat), the wind at f, with fuel to lose.
Ship* set_up_owner(int32_t lon, int32_t lat, int32_t f) {
    Ship* ship = voyage_scene_owner(lon, lat, f);
    if (ship == nullptr) return nullptr;
    ship->condition = 7150;
    ship->fuel = 640;
    return ship;
}

void route_event_letter(ScreenShot* shot, int32_t route, int32_t lon, int32_t lat) {
    Ship* ship = set_up_owner(lon, lat, 0);
    if (ship == nullptr) return;
    ship->route = static_cast<int8_t>(route);
    ship->sailed_nm = g_route_table[route].event_position + 1;
    headless_script(headless_now() + 8000, HEADLESS_KEY, 13);
    route_event_check(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

}  // namespace

void screen_storm_question(ScreenShot* shot) {
    Ship* ship = set_up_owner(-400, 450, 12);
    if (ship == nullptr) return;
    headless_script(headless_now() + 4000, HEADLESS_KEY, 27);
    storm_check(0, &g_shipowners[0], ship, ship->lon, ship->lat);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

void screen_gale_box(ScreenShot* shot) {
    Ship* ship = set_up_owner(-400, 450, 11);
    if (ship == nullptr) return;
    picture_load(21, g_background_buffer);
    set_backdrop_blue(0, 0);
    restore_screen_from_background(0);
    draw_ship_caption(0, ship);
    const char* lines[] = {lang_text(TXT_RE_GALE_1), lang_text(TXT_RE_GALE_2), lang_text(TXT_RE_GALE_3),
                           lang_text(TXT_RE_GALE_4), lang_text(TXT_RE_GALE_5), lang_text(TXT_RE_BLANK),
                           nullptr};
    message_box_open(lines, 0);
    screens_shot_frame(shot);
    message_box_close();
    voyage_scene_clear();
}

void screen_gale_damage(ScreenShot* shot) {
    Ship* ship = set_up_owner(-400, 450, 11);
    if (ship == nullptr) return;
    ship->voyage_flags = VOYAGE_STORM_MET | VOYAGE_PASSING_STORM;
    uint32_t t = headless_now();
    headless_script(t + 4000, HEADLESS_KEY, 13);
    headless_script(t + 6000, HEADLESS_KEY, 13);
    storm_check(0, &g_shipowners[0], ship, ship->lon, ship->lat);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

void screen_canal_fee_letter(ScreenShot* shot) { route_event_letter(shot, 8, 325, 300); }

void screen_cape_horn_letter(ScreenShot* shot) { route_event_letter(shot, 12, -670, -565); }

void screen_reef_assisted(ScreenShot* shot) {
    Ship* ship = set_up_owner(-560, -300, 0);
    if (ship == nullptr) return;
    headless_script(headless_now() + 1000, HEADLESS_KEY, 13);
    const char* success[] = {"", nullptr};
    sea_manoeuvre_outcome(0, &g_shipowners[0], ship, 12, success, ACHIEVEMENT_REEF);
    screens_shot_presented(shot);
    voyage_scene_clear();
}
