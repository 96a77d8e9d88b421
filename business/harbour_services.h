// The services of a harbour: bunkering, the tow of a ship that ran out of fuel, lay-up and repair.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

// The bunker's price a tonne ($) from the visit's fuel-price roll: 60..190.
int32_t bunker_price(int32_t roll);
// Fuel bought at the visit's price (rolls are the visit's), paid in whole k$ when the screen is
// left; refused, with the tank as it was, when the cash does not reach.
void bunker_fuel_dialog(int32_t player, Shipowner* shipowner, Ship* ship, const int32_t* rolls);
// The tug that brings a ship with an empty tank on; charged to cash alone.
void tow_ship_out_of_fuel(int32_t player, Shipowner* shipowner, Ship* ship);
// Leaves g_command 1 when the ship was laid up, else 999.
void lay_up_dialog(int32_t player, Shipowner* shipowner, Ship* ship);
// The price of a repair of 100 % of the model (k$) at the freight index.
int32_t repair_base_price(int32_t model);
// Leaves g_command 1 when a repair was ordered, 998 when it was refused for want of cash, else 999.
void repair_ship_dialog(int32_t player, Shipowner* shipowner, Ship* ship);
