#include "voyage/tug.h"

#include "engine/random.h"
#include "world/ports.h"
#include "world/records.h"

int32_t tug_port_row(const Ship* ship) {
    int32_t port = ship->port;
    return port >= 1 && port <= PORT_COUNT ? port : 0;
}

int32_t tug_cost(const Ship* ship) {
    return g_port_table[tug_port_row(ship)].tug_price * g_freight_index / 1000;
}

int32_t tug_strike_roll(int32_t p) {
    if (p <= 0) return 0;
    return random_range(0, 100) <= p ? 1 : 0;
}

int32_t tug_strike_today(const Ship* ship) {
    return tug_strike_roll(g_port_table[tug_port_row(ship)].tug_strike_percent);
}
