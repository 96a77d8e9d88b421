// The harbour visit of a ship in port: the voyage's settlement (freight, late fine, contraband,
// customs), the arrival report, the port view and the harbour menu from which the ship leaves on
// a new charter.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

// Harbour menu commands (the menu's labels are painted on the harbour sheet).
enum : int32_t {
    HARBOUR_DEPART = 1,
    HARBOUR_LAY_UP = 2,
    HARBOUR_CHARTER = 200,
    HARBOUR_BUNKER = 201,
    HARBOUR_REPAIR = 202,
};

// Ends when the ship departs on a charter, is laid up, goes to the shipyard or is detained, or on
// the quit flag; the ship leaves with no speed, no distance sailed and no voyage flags.
void run_harbour_visit(int32_t player, Shipowner* shipowner, Ship* ship);
// Books the freight of the voyage just ended and fines a late arrival; returns the result ($).
// Freight and fine are booked in whole k$.
int32_t settle_freight(Shipowner* shipowner, Ship* ship);
