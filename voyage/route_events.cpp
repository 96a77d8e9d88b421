#include "voyage/route_events.h"

// No route events yet: the ships pass every place quietly, and no caption bar is drawn.
void ship_panel_hook(int32_t) {}
void draw_ship_caption(int32_t, Ship*) {}
void format_assisted_damage_text(Ship*, char lines[5][64]) {
    for (int32_t i = 0; i < 5; ++i) lines[i][0] = '\0';
}
TextLines route_event_check(int32_t, Shipowner*, Ship*) {
    return nullptr;
}
TextLines iceberg_event(int32_t, Shipowner*, Ship*) {
    return nullptr;
}
