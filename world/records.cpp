#include "world/records.h"

#include <cstdlib>

Shipowner g_shipowners[SHIPOWNER_MAX];
int8_t g_shipowner_count = 0;

int8_t g_difficulty = 0;
int32_t g_difficulty_allowance = 0;
int32_t g_playing_duration = 0;
int32_t g_game_spare = 0;
int32_t g_day = 0;
int32_t g_freight_index = 1000;
int32_t g_ship_price_index = 1000;
int32_t g_daily_phase = 0;
uint8_t g_office_style[SHIPOWNER_MAX] = {0, 1, 2, 3};
int32_t g_sim_mode = 0;
int32_t g_game_start_time = 0;
int32_t g_now_seconds = 0;
int32_t g_day_event = 0;

namespace {
int32_t s_blocks_in_use = 0;
int32_t s_blocks_until_failure = -1;
}  // namespace

bool ship_in_port(const Ship* ship) {
    return ship->route == 0 || ship->direction == 0;
}

void append_ship(Shipowner* owner, Ship* ship) {
    ship->next = nullptr;
    Ship** link = &owner->ships;
    while (*link != nullptr) link = &(*link)->next;
    *link = ship;
}

int32_t unlink_ship(Shipowner* owner, Ship* ship) {
    for (Ship** link = &owner->ships; *link != nullptr; link = &(*link)->next) {
        if (*link == ship) {
            *link = ship->next;
            ship->next = nullptr;
            return 1;
        }
    }
    return 0;
}

int32_t ship_count(const Shipowner* owner) {
    int32_t n = 0;
    for (const Ship* s = owner->ships; s != nullptr; s = s->next) ++n;
    return n;
}

Ship* new_ship() {
    if (s_blocks_until_failure == 0) return nullptr;
    Ship* ship = static_cast<Ship*>(std::calloc(1, sizeof(Ship)));
    if (ship == nullptr) return nullptr;
    if (s_blocks_until_failure > 0) --s_blocks_until_failure;
    ++s_blocks_in_use;
    return ship;
}

void free_ship(Ship* ship) {
    if (ship == nullptr) return;
    --s_blocks_in_use;
    std::free(ship);
}

void free_ships(Shipowner* owner) {
    Ship* ship = owner->ships;
    owner->ships = nullptr;
    while (ship != nullptr) {
        Ship* next = ship->next;
        free_ship(ship);
        ship = next;
    }
}

void free_all_ships(int32_t count) {
    for (int32_t i = 0; i < count && i < SHIPOWNER_MAX; ++i) free_ships(&g_shipowners[i]);
}

int32_t ship_blocks_in_use() {
    return s_blocks_in_use;
}

void ship_alloc_fail_after(int32_t n) {
    s_blocks_until_failure = n;
}
