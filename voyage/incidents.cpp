#include "voyage/incidents.h"

// Only a day laid up, in the road or under sail can bring trouble; the shipyard, discharging,
// loading and a day hove to are quiet.
TextLines ship_day_events(int32_t player, Shipowner* shipowner, Ship* ship, int32_t phase) {
    if (phase == PHASE_LAID_UP || phase == PHASE_ROAD) return port_day_incidents(player, shipowner, ship);
    if (phase == PHASE_SAILING) return sea_day_incidents(player, shipowner, ship);
    return nullptr;
}
