// The daily incidents: the robbery, the rats and the epidemic over their pictures, the war-zone
// and collision letters over the map, the collision's result boxes, the rescue's frames over
// the view from the deck, the rescue's result, and the tragedy box after a loss.
#include <cstdio>

#include "engine/blit.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "host/headless_host.h"
#include "tests/screens/screens.h"
#include "views/world_map.h"
#include "voyage/incidents.h"
#include "voyage/radar.h"
#include "voyage/rescue.h"
#include "world/records.h"
#include "world/weather.h"

namespace {

// One shipowner with a laden model 3 off Lagos, chartered from Rotterdam. The ships are freed by
// clear_owner.
Ship* set_up_owner() {
    g_shipowner_count = 1;
    Shipowner& owner = g_shipowners[0];
    owner = Shipowner{};
    std::snprintf(owner.name, RECORD_NAME_SIZE, "%s", "Hendrik");
    std::snprintf(owner.company, RECORD_NAME_SIZE, "%s", "Nordsee");
    std::snprintf(owner.captain_name, RECORD_NAME_SIZE, "%s", "Jansen");
    owner.home_port = 1;
    owner.status = 4;
    owner.cash = 2500;
    for (auto& row : g_wind_grid)
        for (int8_t& force : row) force = 0;
    Ship* ship = new_ship();
    if (ship == nullptr) return nullptr;
    std::snprintf(ship->name, RECORD_NAME_SIZE, "%s", "Aurora");
    ship->ship_type = 3;
    ship->condition = 6100;
    ship->port = 7;
    ship->lon = 35;
    ship->lat = 65;
    ship->harbour_map = 6;
    ship->route = 3;
    ship->direction = 1;
    ship->cargo = 5;
    ship->freight = 84000;
    append_ship(&owner, ship);
    g_main_screen_shown = 0;
    return ship;
}

void clear_owner() {
    free_all_ships(SHIPOWNER_MAX);
    g_shipowner_count = 0;
    g_main_screen_shown = 0;
}

// Enter once the screen has long been up: the presented frame is the screen just before it.
void answer_later(uint32_t ms) {
    headless_script(headless_now() + ms, HEADLESS_KEY, 13);
}

void collision_box(ScreenShot* shot, int32_t r, int32_t condition) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    ship->condition = condition;
    answer_later(1000);
    collision_outcome(0, ship, r);
    screens_shot_presented(shot);
    clear_owner();
}

}  // namespace

void screen_incident_robbery(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    answer_later(5000);
    robbery_incident(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    clear_owner();
}

void screen_incident_rats(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    answer_later(5000);
    rats_incident(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    clear_owner();
}

void screen_incident_epidemic(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    // The quarantine's box waits while the picture's sea moves; here it is the picture as the
    // wave leaves it.
    epidemic_incident(0, &g_shipowners[0], ship);
    screens_shot_frame(shot);
    clear_owner();
}

void screen_incident_war_zone(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    ship->port = 19;
    ship->lon = 478;
    ship->lat = 305;
    answer_later(20000);
    war_zone_incident(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    clear_owner();
}

void screen_incident_collision_alarm(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    answer_later(20000);
    collision_alarm(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    clear_owner();
}

void screen_collision_out_of_sight(ScreenShot* shot) {
    collision_box(shot, RADAR_OUT_OF_SIGHT, 8000);
}

void screen_collision_glancing(ScreenShot* shot) {
    collision_box(shot, RADAR_GLANCING, 8000);
}

void screen_collision_crossing(ScreenShot* shot) {
    collision_box(shot, RADAR_CROSSING, 8000);
}

void screen_collision_flank(ScreenShot* shot) {
    collision_box(shot, RADAR_FLANK, 8000);
}

// The view from the deck with the raft's last frame of the distress signals.
void screen_rescue_frames(ScreenShot* shot) {
    picture_load(RESCUE_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    picture_load(RESCUE_FRAMES_PICTURE, g_sheet_buffer);
    screen_show_buffer(g_background_buffer);
    const RescueFrame& f = g_rescue_frames[3];
    blit_to_screen(g_sheet_buffer, f.x, f.y, RESCUE_SPOT_X, RESCUE_SPOT_Y, RESCUE_FRAME_W, RESCUE_FRAME_H, BLIT_COPY);
    screens_shot_frame(shot);
}

void screen_rescue_well_done(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    answer_later(1000);
    rescue_outcome(0, &g_shipowners[0], ship, 0);
    screens_shot_presented(shot);
    clear_owner();
}

// A ship lost without a reason of its own: the map, the sinking, then the tragedy box.
void screen_ship_lost_tragedy(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    answer_later(120000);
    ship_lost(0, &g_shipowners[0], ship, nullptr);
    screens_shot_presented(shot);
    clear_owner();
}
