// The harbour visit of a ship in port: the voyage's settlement (freight, late fine, contraband,
// customs), the arrival report, the port view and the harbour menu from which the ship leaves on
// a new charter.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

void run_harbour_visit(int32_t player, Shipowner* shipowner, Ship* ship);
