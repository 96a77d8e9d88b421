// The daily incidents: the robbery, the rats and the epidemic over their pictures, the war-zone
// and collision letters over the map, the collision's result boxes, the rescue's frames over
// the view from the deck, the rescue's result, and the tragedy box after a loss.
#include <cstdio>

#include "engine/blit.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "host/headless_host.h"
#include "tests/screens/screens.h"
#include "tests/screens/voyage_scene.h"
#include "views/world_map.h"
#include "voyage/incidents.h"
#include "voyage/radar.h"
#include "voyage/rescue.h"
#include "world/records.h"
#include "world/weather.h"

namespace {

// The shipowner and his laden model 3 off Lagos, chartered from Rotterdam.
Ship* set_up_owner() {
    Ship* ship = voyage_scene_owner(35, 65, 0);
    if (ship == nullptr) return nullptr;
    ship->port = 7;
    ship->harbour_map = 6;
    ship->route = 3;
    ship->freight = 84000;
    return ship;
}

void collision_box(ScreenShot* shot, int32_t r, int32_t condition) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    ship->condition = condition;
    voyage_scene_answer_later(1000);
    collision_outcome(0, ship, r);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

}  // namespace

void screen_incident_robbery(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    voyage_scene_answer_later(5000);
    robbery_incident(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

void screen_incident_rats(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    voyage_scene_answer_later(5000);
    rats_incident(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

void screen_incident_epidemic(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    // The quarantine's box over the picture, answered once the wave has long run.
    voyage_scene_answer_later(6000);
    epidemic_incident(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

void screen_incident_war_zone(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    ship->port = 19;
    ship->lon = 478;
    ship->lat = 305;
    voyage_scene_answer_later(20000);
    war_zone_incident(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

void screen_incident_collision_alarm(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    voyage_scene_answer_later(20000);
    collision_alarm(0, &g_shipowners[0], ship);
    screens_shot_presented(shot);
    voyage_scene_clear();
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
    voyage_scene_answer_later(1000);
    rescue_outcome(0, &g_shipowners[0], ship, 0);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

// A ship lost without a reason of its own: the map, the sinking, then the tragedy box.
void screen_ship_lost_tragedy(ScreenShot* shot) {
    Ship* ship = set_up_owner();
    if (ship == nullptr) return;
    voyage_scene_answer_later(120000);
    ship_lost(0, &g_shipowners[0], ship, nullptr);
    screens_shot_presented(shot);
    voyage_scene_clear();
}
