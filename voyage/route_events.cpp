#include "voyage/route_events.h"

// No caption bar yet: the screens below it show without one.
void draw_ship_caption(int32_t, Ship*) {}
