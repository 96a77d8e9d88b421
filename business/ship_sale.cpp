// The broker's offer for a ship and what its sale does to the shipowner's records.
#include "business/sellers_market.h"
#include "business/ship_purchase.h"
#include "engine/intmath.h"
#include "lang/lang.h"
#include "world/records.h"
#include "world/ship_types.h"

int32_t ship_sale_offer(const Ship* ship) {
    int32_t model = ship->ship_type;
    if (model < 1 || model > SHIP_TYPE_COUNT) return 0;
    // Three truncating steps in this order, as the fleet's value is counted everywhere.
    int32_t offer = wrap_mul(g_ship_type_table[model].price, ship->condition) / 10000;
    offer = offer * g_ship_price_index / 1000;
    return offer * 80 / 100;
}

void sell_ship(int32_t player, Ship* previous, Ship* ship, int32_t offer) {
    Shipowner& owner = g_shipowners[player];
    int32_t proceeds = offer - ship->mortgage;
    owner.cash = wrap_add(owner.cash, proceeds);
    owner.income_sales = wrap_add(owner.income_sales, proceeds);
    int32_t loss = model_status_points(ship->ship_type);
    if (loss > 0) owner.status = owner.status - loss < 0 ? 0 : owner.status - loss;
    if (previous != nullptr && previous->next == ship) {
        previous->next = ship->next;
    } else if (previous == nullptr && owner.ships == ship) {
        owner.ships = ship->next;
    } else {
        unlink_ship(&owner, ship);  // a wrong neighbour must not cut the list
    }
    free_ship(ship);
}

void sale_demand_lines(int32_t price_index, const char* lines[3]) {
    if (price_index > 1100) {
        lines[0] = lang_text(TXT_SELL_LUCKY);
        lines[1] = lang_text(TXT_SELL_HIGH_2);
        lines[2] = lang_text(TXT_SELL_HIGH_3);
    } else if (price_index >= 900) {
        lines[0] = lang_text(TXT_SELL_LUCKY);
        lines[1] = lang_text(TXT_SELL_EXACT_2);
        lines[2] = lang_text(TXT_SELL_EXACT_3);
    } else {
        lines[0] = lang_text(TXT_SELL_LOW_1);
        lines[1] = lang_text(TXT_SELL_LOW_2);
        lines[2] = lang_text(TXT_SELL_LOW_3);
    }
}
