#include "business/freight_offer.h"

#include <cstdio>

#include "business/visit_rolls.h"
#include "engine/draw.h"
#include "engine/font.h"
#include "engine/intmath.h"
#include "lang/lang.h"
#include "ui/fonts.h"
#include "world/cargoes.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/ship_types.h"

namespace {

void draw_offer(const FreightOffer& offer, int32_t length) {
    set_draw_color(3);
    fill_rect(26, 150, 140, 199);
    fill_rect(145, 170, 308, 184);
    set_draw_color(0);
    char line[48];
    std::snprintf(line, sizeof line, lang_text(TXT_CM_RATE), static_cast<long>(offer.rate));
    font_draw_text(&g_font_sys13, line, 29, 153);
    std::snprintf(line, sizeof line, lang_text(TXT_CM_DIST), static_cast<long>(length));
    font_draw_text(&g_font_sys13, line, 148, 173);
    if (offer.penalty >= 1) {
        std::snprintf(line, sizeof line, lang_text(TXT_CM_DEADLINE), static_cast<long>(offer.allowed));
        font_draw_text(&g_font_sys13, line, 29, 168);
        std::snprintf(line, sizeof line, lang_text(TXT_CM_PENALTY), static_cast<long>(offer.penalty));
        font_draw_text(&g_font_sys13, line, 29, 183);
    }
}

}  // namespace

int32_t count_idle_ships_in_port(int32_t port) {
    int32_t n = 0;
    for (int32_t i = 0; i < g_shipowner_count; ++i)
        for (const Ship* s = g_shipowners[i].ships; s != nullptr; s = s->next)
            if (s->port == port && (s->route == 0 || s->direction == 0)) ++n;
    return n;
}

void freight_offer_compute(const Shipowner* shipowner, const Ship* ship, int32_t route, int32_t cargo,
                           const int32_t* rolls, FreightOffer* offer) {
    const Route& r = g_route_table[route];
    const ShipType& type = g_ship_type_table[ship->ship_type];
    int32_t o = ship->port;
    int32_t d = o == r.port_a ? r.port_b : r.port_a;
    const PortInfo& origin = g_port_table[o];
    const PortInfo& destination = g_port_table[d];

    int32_t s_o = 0;
    int32_t s_d = 0;
    if (cargo != 0) {
        s_o = origin.trade[cargo - 1].supply_percent;
        s_d = destination.trade[cargo - 1].supply_percent;
    }

    // Products wrap in 32 bits like the rest of the game's arithmetic, so no table can make the
    // offer undefined; every divisor below is positive.
    int32_t rate = type.capacity_t / 1000;
    rate = wrap_mul(rate, r.length);
    rate = rate / 100;
    rate = wrap_mul(rate, destination.destination_factor);
    rate = wrap_mul(rate, g_cargo_table[cargo].freight_rate);
    rate = rate / 10;
    rate = wrap_mul(rate, s_o) / 100;
    if (cargo != 0) {
        // A destination that does not trade the cargo pays a premium; one that does pays less
        // the more of it it has itself.
        if (destination.trade[cargo - 1].trade_code == 0) {
            rate = wrap_mul(rate, 119) / 100;
        } else if (s_d != 0) {
            rate = wrap_mul(rate, 90) / s_d;
        }
    }
    rate = wrap_mul(g_freight_index / 10, rate) / 100;

    // Away from the home port the shipowner shares the cargo with every idle ship in the port.
    if (rate > 0 && d != shipowner->home_port && o != shipowner->home_port) {
        int32_t n = count_idle_ships_in_port(o);
        if (n > 0) rate /= n;
    }

    int32_t knots = type.vmax_kn - 1;
    int32_t days = knots != 0 ? r.length / knots / 24 : 0;
    int32_t allowed = wrap_mul(rolls[ROLL_DEADLINE] + 1400, days) / 1500 + 5;

    int32_t penalty = 0;
    if (rate <= 0) {
        allowed = NO_DEADLINE;
    } else if (rolls[ROLL_EXPRESS] / 90 == cargo) {
        rate = wrap_mul(rate, 22) / 10;
        penalty = rate / 9;
    } else {
        allowed = NO_DEADLINE;
    }
    if (rate < 0) rate = 0;

    offer->rate = rate;
    offer->penalty = penalty;
    offer->allowed = allowed;
}

void compute_freight_offer(int32_t /*player*/, Shipowner* shipowner, Ship* ship, int32_t route, int32_t cargo,
                           const int32_t* rolls) {
    FreightOffer offer{};
    freight_offer_compute(shipowner, ship, route, cargo, rolls, &offer);
    ship->freight = offer.rate;
    ship->penalty_per_day = offer.penalty;
    ship->allowed_days = offer.allowed;
    ship->charter_days = 0;
    draw_offer(offer, g_route_table[route].length);
}
