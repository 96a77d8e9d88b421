// What a ship costs at the broker and what buying one does to the shipowner's records: the price
// at the ship price index, the deposit, condition, fuel and status gain of each model group, and
// the new ship record with its mortgage for the rest. Money in k$.
#pragma once

#include <cstdint>

struct Ship;

// ShipType.price x g_ship_price_index / 1000 (one division after the product); 0 for no model.
int32_t broker_price(int32_t model);
// Percent of the price paid down: 40 for models 1..3, 50 for 4 and 5, 100 for 6 and 7.
int32_t model_deposit_percent(int32_t model);
// The condition of a ship bought new from the broker: 10000, 8010 or 6010 by group.
int32_t model_purchase_condition(int32_t model);
// Status points for buying (and lost again by selling) a ship: 3, 2, 1 for models 1, 2, 3, else 0.
int32_t model_status_points(int32_t model);
// The part of P paid down for an extra percentage on top of the deposit.
int32_t purchase_payment(int32_t model, int32_t extra);

enum : int32_t {
    PURCHASE_BOUGHT = 0,    // paid, status gained, the new ship appended
    PURCHASE_TOO_POOR = 1,  // cash + 200 below the payment: only the 200 k$ fee was charged (off
                            // the cash alone)
    PURCHASE_NO_ROOM = 2,   // no memory for the record: payment undone, status gain kept
    PURCHASE_NO_MODEL = 3,  // not a model the broker sells: nothing changed
};
// Buys model (1..7) named name (at most ten characters) with extra percent above the deposit,
// for the home port of shipowner player. The new ship is left in *bought (null unless bought).
// Only a bought ship draws a random number (its fuel, for models 4 to 7).
int32_t purchase_ship(int32_t player, int32_t model, const char* name, int32_t extra, Ship** bought);
