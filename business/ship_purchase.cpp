#include "business/ship_purchase.h"

#include <cstdio>

#include "engine/intmath.h"
#include "engine/random.h"
#include "world/records.h"
#include "world/sea_distance.h"
#include "world/ship_types.h"

namespace {

constexpr int32_t REVOCATION_FEE = 200;  // k$, charged when the shipowner cannot pay
constexpr int32_t OVERDRAFT_ALLOWED = 200;

bool valid_model(int32_t model) {
    return model >= 1 && model <= SHIP_TYPE_COUNT;
}

}  // namespace

int32_t broker_price(int32_t model) {
    if (!valid_model(model)) return 0;
    return wrap_mul(g_ship_type_table[model].price, g_ship_price_index) / 1000;
}

int32_t model_deposit_percent(int32_t model) {
    if (model <= 3) return 40;
    if (model <= 5) return 50;
    return 100;
}

int32_t model_purchase_condition(int32_t model) {
    if (model <= 3) return 10000;
    if (model <= 5) return 8010;
    return 6010;
}

int32_t model_status_points(int32_t model) {
    switch (model) {
        case 1:
            return 3;
        case 2:
            return 2;
        case 3:
            return 1;
        default:
            return 0;
    }
}

int32_t purchase_payment(int32_t model, int32_t extra) {
    return broker_price(model) * (extra + model_deposit_percent(model)) / 100;
}

int32_t purchase_ship(int32_t player, int32_t model, const char* name, int32_t extra, Ship** bought) {
    *bought = nullptr;
    if (!valid_model(model)) return PURCHASE_NO_MODEL;
    Shipowner& owner = g_shipowners[player];
    int32_t price = broker_price(model);
    int32_t paid = purchase_payment(model, extra);
    // The purchase may leave the cash as low as -200 k$; compared wide so no cash can overflow it.
    if (static_cast<int64_t>(owner.cash) + OVERDRAFT_ALLOWED < paid) {
        // The revocation fee comes off the cash alone; the accounts do not see it.
        owner.cash = wrap_sub(owner.cash, REVOCATION_FEE);
        return PURCHASE_TOO_POOR;
    }
    if (owner.status == -1) owner.status = 1;
    owner.status += model_status_points(model);
    owner.cash = wrap_sub(owner.cash, paid);
    owner.expenses_general = wrap_add(owner.expenses_general, paid);

    Ship* ship = new_ship();
    if (ship == nullptr) {
        owner.cash = wrap_add(owner.cash, paid);
        owner.expenses_general = wrap_sub(owner.expenses_general, paid);
        return PURCHASE_NO_ROOM;
    }
    const ShipType& type = g_ship_type_table[model];
    ship->ship_type = static_cast<int8_t>(model);
    std::snprintf(ship->name, sizeof ship->name, "%.10s", name);
    ship->condition = model_purchase_condition(model);
    ship->mortgage = price - paid;
    ship->mortgage_rate = 2;
    ship->mortgage_period = 90;
    // A small mortgage would earn no interest at 2 %: it pays 9 % a year instead.
    if (ship->mortgage != 0 && wrap_mul(ship->mortgage, 2) / 100 == 0) {
        ship->mortgage_rate = 9;
        ship->mortgage_period = 365;
    }
    ship->port = owner.home_port;
    compute_ship_route_position(ship);
    ship->fuel = model <= 3 ? type.bunker_t : random_range(100, type.bunker_t);
    ship->road_days = 2;  // the new ship waits two days in the road of its port
    ship->costs_per_day = type.costs_per_day;
    ship->harbour_map = -1;
    append_ship(&owner, ship);
    *bought = ship;
    return PURCHASE_BOUGHT;
}
