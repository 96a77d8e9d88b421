// The shipowner's office and its Info screens: accounts, possessions, fleet statistics, bank
// accounts and ship positions.
#pragma once

#include <cstdint>

void shipowner_office_screen(int32_t player);
// The list of the shipowner's ships with their positions; a chosen ship opens the ship locator.
void ships_positions_dialog(int32_t player);
// What the shipowner owns; loaded non-zero when the screen's background is already loaded.
void possessions_screen(int32_t player, int32_t loaded);
