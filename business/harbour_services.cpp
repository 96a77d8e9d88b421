#include "business/harbour_services.h"

#include "ui/input_poll.h"

// No tug sails yet: the ship waits with an empty tank.
void tow_ship_out_of_fuel(int32_t, Shipowner*, Ship*) {}

// No shipyard yet: nothing is ordered and the caller stays open.
void repair_ship_dialog(int32_t, Shipowner*, Ship*) {
    g_command = 999;
}
