// Stand-ins for the voyage operations until they are built.
#include "voyage/placeholders.h"

TextLines ship_day_events(int32_t, Shipowner*, Ship*, int32_t) {
    return nullptr;
}
void port_arrival(int32_t, Shipowner*, Ship*) {}
void port_departure(int32_t, Shipowner*, Ship*) {}
Ship* ship_lost(int32_t, Shipowner*, Ship* ship, TextLines) {
    return ship;
}
