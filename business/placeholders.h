// Business screens that are not built yet: each does nothing and returns at once.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

void shipowner_office_screen(int32_t player);
void ships_positions_dialog(int32_t player);
void possessions_screen(int32_t player, int32_t loaded);
void ranking_list_screen();
void property_statistics_screen(int32_t player);
void enter_shipbroker_building(int32_t player);
void run_harbour_visit(int32_t player, Shipowner* shipowner, Ship* ship);
void tow_ship_out_of_fuel(int32_t player, Shipowner* shipowner, Ship* ship);
