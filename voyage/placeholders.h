// Voyage operations that are not built yet: each does nothing and returns the neutral value.
#pragma once

#include <cstdint>

#include "ui/requester.h"

struct Shipowner;
struct Ship;

// The incidents of one day for a ship in the given phase; the text of a loss that sank it, or null.
TextLines ship_day_events(int32_t player, Shipowner* shipowner, Ship* ship, int32_t phase);
// The ship enters the harbour of the port it lies off.
void port_arrival(int32_t player, Shipowner* shipowner, Ship* ship);
// The ship leaves the harbour at the end of its loading days.
void port_departure(int32_t player, Shipowner* shipowner, Ship* ship);
// The loss of a ship for the reason given; the ship before it in the list, or null when it was the
// head. The stand-in loses nothing and hands the ship itself back, so a walk goes on with its next.
Ship* ship_lost(int32_t player, Shipowner* shipowner, Ship* ship, TextLines reason);
