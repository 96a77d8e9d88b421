#include "voyage/incidents.h"

// Nothing happens at sea yet, and nothing sinks: the ship itself is handed back, so a walk over the
// list goes on with its next.
TextLines ship_day_events(int32_t, Shipowner*, Ship*, int32_t) {
    return nullptr;
}

Ship* ship_lost(int32_t, Shipowner*, Ship* ship, TextLines) {
    return ship;
}

void emergency_rescue_event(int32_t, Shipowner*, Ship*, int32_t, int32_t) {}
