// The shipowner's office and its Info screens: the accounts menu with the profit and loss account,
// the possessions and the statistics, the fleet statistics, the bank accounts and the ship
// positions. Every screen takes the shipowner's index and draws the status line at the top.
#pragma once

#include <cstdint>

// The lamp of office style 3 (picture 6) that blinks while the office waits for input.
constexpr int32_t OFFICE_LAMP_X = 191;
constexpr int32_t OFFICE_LAMP_Y = 110;
// The pictures of the office screens.
constexpr int32_t OFFICE_FIRST_PICTURE = 3;  // + g_office_style[player]
constexpr int32_t OFFICE_INFO_PICTURE = 43;
constexpr int32_t OFFICE_POSITIONS_PICTURE = 44;

void shipowner_office_screen(int32_t player);
// Loads the shipowner's office picture as background and clears the screen.
void draw_office_background(int32_t player);
void info_menu_dialog(int32_t player);
void accounts_menu_dialog(int32_t player);
// The four profit and loss accounts; "clear" (or 'c', 'n', 'l', Escape) sets them all to 0.
void profit_and_loss_screen(int32_t player);
// What the shipowner owns; loaded non-zero when the screen's background is already loaded, 0 when
// it loads the office information picture itself (from the day step and the end of the game).
void possessions_screen(int32_t player, int32_t loaded);
void bank_accounts_screen(int32_t player);
// Counts and tonnage of the fleet by model and by model year.
void fleet_info_screen(int32_t player);
// "1  ship" for exactly one, "%ld ships" otherwise; text holds at least 24 bytes.
void format_ship_count(char* text, int32_t count);
// The list of the shipowner's ships; a chosen ship opens the ship locator.
void ships_positions_dialog(int32_t player);
