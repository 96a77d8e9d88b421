// The incidents of a sailing day: icebergs in high latitudes, heavy weather, the route's own event
// and a distress call, the first three until one of them sinks the ship.
#include "engine/random.h"
#include "voyage/incidents.h"
#include "voyage/rescue.h"
#include "voyage/route_events.h"
#include "voyage/storm.h"
#include "world/records.h"
#include "world/routes.h"

namespace {

constexpr int32_t ICE_LATITUDE = 490;  // 49.0 degrees north or south

const Route& route_of(const Ship* ship) {
    static const Route no_route{};
    int32_t route = ship->route;
    return route >= 1 && route <= ROUTE_COUNT ? g_route_table[route] : no_route;
}

}  // namespace

TextLines sea_day_incidents(int32_t player, Shipowner* shipowner, Ship* ship) {
    const Route& route = route_of(ship);
    const bool simulation = g_sim_mode == 0;
    TextLines loss = nullptr;

    if ((ship->voyage_flags & VOYAGE_ICEBERGS_DONE) == 0 && simulation && route.iceberg_odds >= 1 &&
        (ship->lat > ICE_LATITUDE || ship->lat < -ICE_LATITUDE)) {
        int32_t roll = random_range(0, 300);
        if (roll < route.iceberg_odds) {
            loss = iceberg_event(player, shipowner, ship);
            ship->voyage_flags |= VOYAGE_ICEBERGS_DONE;
        }
    }
    if (loss == nullptr) loss = storm_check(player, shipowner, ship, ship->lon, ship->lat);
    if (loss == nullptr) loss = route_event_check(player, shipowner, ship);
    if (loss == nullptr && (ship->voyage_flags & VOYAGE_INCIDENT_DONE) == 0 && simulation) {
        int32_t roll = random_range(0, 1350);
        if (roll < route.emergency_odds) {
            emergency_rescue_event(player, shipowner, ship, ship->lon, ship->lat);
            ship->voyage_flags |= VOYAGE_INCIDENT_DONE;
        }
    }
    return loss;
}
