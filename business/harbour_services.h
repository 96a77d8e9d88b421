// The services of a harbour: bunkering, the tow of a ship that ran out of fuel, lay-up and repair.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

// The tug that brings a ship with an empty tank on; charged to cash alone.
void tow_ship_out_of_fuel(int32_t player, Shipowner* shipowner, Ship* ship);
// Leaves g_command 1 when a repair was ordered, 998 when it was refused for want of cash, else 999.
void repair_ship_dialog(int32_t player, Shipowner* shipowner, Ship* ship);
