#include "tests/screens/voyage_scene.h"

#include <cstdio>

#include "host/headless_host.h"
#include "views/world_map.h"
#include "world/records.h"
#include "world/weather.h"

namespace {

void wind_everywhere(int32_t f) {
    for (auto& row : g_wind_grid)
        for (int8_t& force : row) force = static_cast<int8_t>(f);
}

}  // namespace

Ship* voyage_scene_owner(int32_t lon, int32_t lat, int32_t wind) {
    g_shipowner_count = 1;
    Shipowner& owner = g_shipowners[0];
    owner = Shipowner{};
    std::snprintf(owner.name, RECORD_NAME_SIZE, "%s", "Hendrik");
    std::snprintf(owner.company, RECORD_NAME_SIZE, "%s", "Nordsee");
    std::snprintf(owner.captain_name, RECORD_NAME_SIZE, "%s", "Jansen");
    owner.home_port = 1;
    owner.status = 4;
    owner.cash = 2500;
    wind_everywhere(wind);
    Ship* ship = new_ship();
    if (ship == nullptr) return nullptr;
    std::snprintf(ship->name, RECORD_NAME_SIZE, "%s", "Aurora");
    ship->ship_type = 3;
    ship->condition = 6100;
    ship->lon = lon;
    ship->lat = lat;
    ship->route = 1;
    ship->direction = 1;
    ship->cargo = 5;
    append_ship(&owner, ship);
    g_main_screen_shown = 0;
    return ship;
}

void voyage_scene_clear() {
    free_all_ships(SHIPOWNER_MAX);
    g_shipowner_count = 0;
    wind_everywhere(0);
    g_main_screen_shown = 0;
}

void voyage_scene_answer_later(uint32_t ms) {
    headless_script(headless_now() + ms, HEADLESS_KEY, 13);
}
