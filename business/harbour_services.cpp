#include "business/harbour_services.h"

// No tug sails yet: the ship waits with an empty tank.
void tow_ship_out_of_fuel(int32_t, Shipowner*, Ship*) {}
