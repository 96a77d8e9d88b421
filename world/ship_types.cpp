#include "world/ship_types.h"

// Models 1..3 are new builds, 4 and 5 older, 6 and 7 the oldest.
// Columns: name, length, beam, brt, capacity, hp, vmax, price, g/hp/h, wear, no handling, costs per
// day, bunker, handling days.
const ShipType g_ship_type_table[SHIP_TYPE_COUNT + 1] = {
    {"Dummy", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"RORO/LOLO", 250, 32, 40000, 60000, 40000, 23, 60000, 140, 1, 1, 12000, 6000, 1},
    {"MP-Freighter", 190, 26, 20000, 30000, 20000, 20, 35000, 140, 1, 0, 6440, 4000, 2},
    {"MP-Freighter", 150, 21, 10000, 15000, 14000, 20, 12000, 140, 1, 0, 3315, 3000, 1},
    {"MP-Freighter", 190, 26, 20000, 30000, 16000, 17, 5000, 180, 3, 0, 3132, 3500, 3},
    {"MP-Freighter", 150, 21, 10000, 15000, 10000, 17, 4000, 180, 3, 0, 2726, 3000, 2},
    {"MP-Freighter", 190, 26, 20000, 30000, 14000, 15, 2000, 200, 8, 0, 3326, 3000, 4},
    {"MP-Freighter", 150, 21, 10000, 15000, 9000, 15, 1000, 200, 8, 0, 2633, 2500, 3},
};
