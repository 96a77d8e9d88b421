// The sellers market on the 2nd floor of the broker's building: the shipowner picks a ship, the
// broker offers cash at the ship price index, and a sale pays the mortgage off and removes the ship.
#pragma once

#include <cstdint>

#include "ui/screen_layout.h"

struct Ship;

// The list of the shipowner's ships (at most 30); returns on "  no", Escape or g_quit.
void sellers_market_dialog(int32_t player);
// The offer for ship, which follows previous in the list (null for the list head), and its sale.
void broker_offer_dialog(int32_t player, Ship* previous, Ship* ship);

// The broker's cash offer for a ship: 80 % of the model's price by condition and price index.
int32_t ship_sale_offer(const Ship* ship);
// The sale of ship at offer: cash and income from sales take offer - mortgage, the status loses
// the model's points (never below 0), and the ship is unlinked and freed.
void sell_ship(int32_t player, Ship* previous, Ship* ship, int32_t offer);
// What is left of a sale after the mortgage, amount k$, in millions as the box after the sale
// shows it ("Million $2.6"), in the build's form.
void format_sale_rest(int32_t amount, char* out, int32_t size);

constexpr int32_t SELLERS_LIST_MAX = 30;
// The list's buttons as last built: the ships, "  no" and "  ok" (the row with command 1).
extern ScreenButton g_sellers_buttons[SELLERS_LIST_MAX + 2];
// The list's table back to empty (program start).
void sellers_market_state_reset();
// The three lines of the offer screen for the price index: high demand, exact, low demand.
void sale_demand_lines(int32_t price_index, const char* lines[3]);
