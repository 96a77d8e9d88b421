// A ship's entry into the harbour of the port it lies off and its departure at the end of its
// loading days: by tug or by hand, the fee, and the voyage panel with speed and fuel.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

void port_arrival(int32_t player, Shipowner* shipowner, Ship* ship);
void port_departure(int32_t player, Shipowner* shipowner, Ship* ship);
