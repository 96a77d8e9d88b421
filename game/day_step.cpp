#include "game/day_step.h"

#include <cstdio>

#include "business/harbour_services.h"
#include "business/harbour_visit.h"
#include "business/office.h"
#include "business/ranking.h"
#include "engine/intmath.h"
#include "engine/random.h"
#include "views/accounts.h"
#include "world/cargoes.h"
#include "game/elimination.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/sea_distance.h"
#include "world/ship_types.h"
#include "world/shipowner_name.h"
#include "world/sine_table.h"
#include "world/weather.h"
#include "views/world_map.h"
#include "lang/lang.h"
#include "ui/letter.h"
#include "voyage/arrival_departure.h"
#include "voyage/incidents.h"


const char* g_due_letter[5] = {};
const char* g_subsidy_letter[6] = {};
const char* g_subsidy_reclaim_letter[6] = {};
const char* g_till_theft_letter[7] = {};
const char* g_appalling_condition_text[6] = {};

namespace {

constexpr int32_t LINE_SIZE = 64;
constexpr int32_t DAILY_PHASE_TURN = 3600;
constexpr int32_t WORN_OUT_CONDITION = 5000;  // 50 %: from here on a ship may break up at sea

char s_due_dear[LINE_SIZE];
char s_due_subject[LINE_SIZE];
char s_due_amount[LINE_SIZE];
char s_theft_amount[LINE_SIZE];

// Every sum, difference and product of record fields below wraps in 32 bits (engine/intmath.h):
// a game file may hold any number, and large accounts may leave 32 bits.

void show_due_letter(int32_t player, Shipowner* owner, Ship* ship, int32_t interest) {
    std::snprintf(s_due_dear, sizeof s_due_dear, lang_text(TXT_DUE_DEAR), shipowner_name(owner));
    if (ship != nullptr) {
        std::snprintf(s_due_subject, sizeof s_due_subject, lang_text(TXT_DUE_MORTGAGE), ship->name);
        std::snprintf(s_due_amount, sizeof s_due_amount, lang_text(TXT_DUE_COSTS),
                      static_cast<long>(interest));
    } else {
        std::snprintf(s_due_subject, sizeof s_due_subject, "%s", lang_text(TXT_DUE_CREDIT));
        std::snprintf(s_due_amount, sizeof s_due_amount, lang_text(TXT_DUE_AMOUNT),
                      static_cast<long>(interest));
    }
    g_due_letter[0] = s_due_dear;
    g_due_letter[1] = s_due_subject;
    g_due_letter[2] = lang_text(TXT_DUE_IS_DUE);
    g_due_letter[3] = s_due_amount;
    g_due_letter[4] = nullptr;
    letter_show(player, owner, ship, g_due_letter, 0);
}

void show_subsidy_letter(int32_t player, Shipowner* owner) {
    const TextId ids[] = {TXT_SUBSIDY_1, TXT_SUBSIDY_2, TXT_SUBSIDY_3, TXT_SUBSIDY_4, TXT_SUBSIDY_5};
    for (int32_t k = 0; k < 5; ++k) g_subsidy_letter[k] = lang_text(ids[k]);
    g_subsidy_letter[5] = nullptr;
    letter_show(player, owner, nullptr, g_subsidy_letter, 0);
}

void show_subsidy_reclaim_letter(int32_t player, Shipowner* owner) {
    const TextId ids[] = {TXT_SUBSIDY_1, TXT_RECLAIM_2, TXT_RECLAIM_3, TXT_RECLAIM_4, TXT_RECLAIM_5};
    for (int32_t k = 0; k < 5; ++k) g_subsidy_reclaim_letter[k] = lang_text(ids[k]);
    g_subsidy_reclaim_letter[5] = nullptr;
    letter_show(player, owner, nullptr, g_subsidy_reclaim_letter, 0);
}

void show_till_theft_letter(int32_t player, Shipowner* owner, int32_t amount) {
    const TextId ids[] = {TXT_THEFT_1, TXT_THEFT_2, TXT_THEFT_3, TXT_THEFT_4, TXT_THEFT_5};
    for (int32_t k = 0; k < 5; ++k) g_till_theft_letter[k] = lang_text(ids[k]);
    std::snprintf(s_theft_amount, sizeof s_theft_amount, lang_text(TXT_THEFT_AMOUNT),
                  static_cast<long>(amount));
    g_till_theft_letter[5] = s_theft_amount;
    g_till_theft_letter[6] = nullptr;
    letter_show(player, owner, nullptr, g_till_theft_letter, 0);
}

TextLines appalling_condition_text() {
    const TextId ids[] = {TXT_APPALLING_1, TXT_APPALLING_2, TXT_APPALLING_3, TXT_APPALLING_4,
                          TXT_APPALLING_5};
    for (int32_t k = 0; k < 5; ++k) g_appalling_condition_text[k] = lang_text(ids[k]);
    g_appalling_condition_text[5] = nullptr;
    return g_appalling_condition_text;
}

// Fuel for one more day at sea; when it runs out the tank is left empty and the ship is towed.
// 1 when the ship ran dry.
int32_t burn_fuel(int32_t player, Shipowner* owner, Ship* ship) {
    ship->fuel = wrap_sub(ship->fuel, ship->fuel_per_day);
    if (ship->fuel >= 0) return 0;
    ship->fuel = 0;
    g_day_event = 1;
    tow_ship_out_of_fuel(player, owner, ship);
    return 1;
}

// The day of a ship in port: the first counter still running is counted down.
TextLines ship_day_in_port(int32_t player, Shipowner* owner, Ship* ship) {
    if (ship->layup_days > 0) {
        ship->layup_days -= 1;
        return ship_day_events(player, owner, ship, PHASE_LAID_UP);
    }
    if (ship->shipyard_days > 0) {
        ship->shipyard_days -= 1;
        return ship_day_events(player, owner, ship, PHASE_SHIPYARD);
    }
    if (ship->road_days > 0) {
        ship->road_days -= 1;
        if (ship->road_days == 0) {
            port_arrival(player, owner, ship);
            return nullptr;
        }
        // A ship that has never entered a harbour has no port to meet trouble in yet.
        if (ship->harbour_map != -1) return ship_day_events(player, owner, ship, PHASE_ROAD);
        return nullptr;
    }
    if (ship->discharging_days > 0) {
        ship->discharging_days -= 1;
        return ship_day_events(player, owner, ship, PHASE_DISCHARGING);
    }
    g_day_event = 1;
    run_harbour_visit(player, owner, ship);
    return nullptr;
}

// The day of a ship on a charter: loading, hove to or sailing; a ship that sails past the route's
// length lies in the road of its destination.
TextLines ship_day_under_way(int32_t player, Shipowner* owner, Ship* ship) {
    if (ship->layup_days > 0) {
        ship->layup_days -= 1;
        return ship_day_events(player, owner, ship, PHASE_LAID_UP);
    }
    if (ship->shipyard_days > 0) {
        ship->shipyard_days -= 1;
        return ship_day_events(player, owner, ship, PHASE_SHIPYARD);
    }
    if (ship->loading_days > 0) {
        ship->loading_days -= 1;
        if (ship->loading_days == 0) {
            port_departure(player, owner, ship);
            return nullptr;
        }
        return ship_day_events(player, owner, ship, PHASE_LOADING);
    }
    if (ship->heaving_days > 0) {
        ship->heaving_days -= 1;
        if (burn_fuel(player, owner, ship) != 0) return nullptr;
        return ship_day_events(player, owner, ship, PHASE_HOVE_TO);
    }
    if (burn_fuel(player, owner, ship) != 0) return nullptr;  // towed: it does not move on today
    ship->sailed_nm = wrap_add(ship->sailed_nm, wrap_mul(ship->speed, 24));
    const Route& route = g_route_table[ship->route];
    if (ship->sailed_nm > route.length) {
        ship->port = ship->direction > 0 ? route.port_b : route.port_a;
        ship->direction = 0;
        ship->road_days = g_port_table[ship->port].approach_days + 1;
        if (ship->road_days <= 0) ship->road_days = 1;
        return nullptr;
    }
    return ship_day_events(player, owner, ship, PHASE_SAILING);
}

// One ship's day; the ship the walk goes on from (null for the head of the list).
Ship* ship_day(int32_t player, Shipowner* owner, Ship* ship, int32_t wage, int32_t* running_costs,
               int32_t* mortgage_interest) {
    compute_ship_route_position(ship);
    TextLines loss = nullptr;

    *running_costs = wrap_add(*running_costs, wrap_mul(wage, ship->costs_per_day) / 100);
    ship->charter_days = wrap_add(ship->charter_days, 1);

    if (ship->shipyard_days == 0) {
        int32_t wear = g_ship_type_table[ship->ship_type].wear_per_day;
        ship->condition = wrap_sub(ship->condition, wear);
        if (ship->cargo != 0)
            ship->condition = wrap_sub(ship->condition, g_cargo_table[ship->cargo].extra_wear_percent * wear / 100);
    }
    if (ship->condition < 0) ship->condition = 0;

    ship->mortgage_days = wrap_add(ship->mortgage_days, 1);
    if (ship->mortgage_days > ship->mortgage_period) {
        ship->mortgage_days = 0;
        if (ship->mortgage > 0) {
            int32_t interest = wrap_mul(wrap_mul(ship->mortgage, ship->mortgage_rate), 10);
            if (interest > 0) {
                g_day_event = 1;
                *mortgage_interest = wrap_add(*mortgage_interest, interest);
                show_due_letter(player, owner, ship, interest);
            }
        }
    }

    if (ship_in_port(ship))
        loss = ship_day_in_port(player, owner, ship);
    else
        loss = ship_day_under_way(player, owner, ship);

    if (loss == nullptr && ship->condition <= WORN_OUT_CONDITION) {
        int32_t r = random_range(0, ship->condition);
        if (r < 100 && !ship_in_port(ship)) loss = appalling_condition_text();
    }
    if (loss != nullptr) {
        ship = ship_lost(player, owner, ship, loss);
        g_day_event = 1;
    }
    return ship;
}

void charge_credit_interest(int32_t player, Shipowner* owner) {
    owner->credit_days = wrap_add(owner->credit_days, 1);
    if (owner->credit_days <= owner->credit_period) return;
    owner->credit_days = 0;
    if (owner->credit <= 0) return;
    int32_t interest = wrap_mul(wrap_mul(owner->credit, owner->credit_rate), 10);
    if (interest <= 0) return;
    g_day_event = 1;
    owner->cash = wrap_sub(owner->cash, interest / 1000);
    owner->expenses_interest = wrap_add(owner->expenses_interest, interest / 1000);
    show_due_letter(player, owner, nullptr, interest);
}

void grant_or_reclaim_subsidy(int32_t player, Shipowner* owner) {
    int32_t step = subsidy_step(g_difficulty);
    if (g_day_event == 0 && owner->status > step + 1 && owner->status > wrap_add(owner->subsidy_status, step)) {
        show_subsidy_letter(player, owner);
        owner->cash = wrap_add(owner->cash, 1000);
        owner->subsidy_status = owner->status;
        g_day_event = 1;
    }
    if (owner->status >= 0 && wrap_add(owner->status, step) < owner->subsidy_status) {
        show_subsidy_reclaim_letter(player, owner);
        owner->cash = wrap_sub(owner->cash, 500);
        owner->subsidy_status = owner->status;
        g_day_event = 1;
    }
}

// An office left alone for too long tempts someone to take a share of the cash.
void till_theft(int32_t player, Shipowner* owner) {
    owner->office_neglect_days = wrap_add(owner->office_neglect_days, 1);
    if (owner->office_neglect_days <= till_theft_threshold(g_difficulty) || random_range(0, 10) != 1) return;
    if (owner->cash > 200) {
        int32_t amount = wrap_mul(random_range(10, 20), owner->cash) / 100;
        if (amount > 0 && amount < owner->cash) {
            g_day_event = 1;
            show_till_theft_letter(player, owner, amount);
            owner->cash = wrap_sub(owner->cash, amount);
            owner->expenses_general = wrap_add(owner->expenses_general, amount);
        }
    }
    owner->office_neglect_days = random_range(20, 40);
}

void shipowner_day(int32_t player, Shipowner* owner) {
    int32_t wage = g_port_table[owner->home_port].wage_percent;
    owner->cash = wrap_sub(owner->cash, 2);
    owner->expenses_general = wrap_add(owner->expenses_general, 2);
    int32_t running_costs = 0;
    int32_t mortgage_interest = 0;

    Ship* ship = owner->ships;
    while (ship != nullptr) {
        Ship* from = ship_day(player, owner, ship, wage, &running_costs, &mortgage_interest);
        ship = from == nullptr ? owner->ships : from->next;
    }

    charge_credit_interest(player, owner);

    int32_t costs = wrap_add(running_costs, 500) / 1000;
    owner->cash = wrap_sub(owner->cash, costs);
    owner->expenses_general = wrap_add(owner->expenses_general, costs);
    int32_t interest = wrap_add(mortgage_interest, 500) / 1000;
    owner->cash = wrap_sub(owner->cash, interest);
    owner->expenses_interest = wrap_add(owner->expenses_interest, interest);

    grant_or_reclaim_subsidy(player, owner);
    till_theft(player, owner);

    int32_t ship_values = 0;
    int32_t mortgages = 0;
    int32_t credit = 0;
    int32_t net_worth = 0;
    compute_shipowner_assets(player, &ship_values, &mortgages, &credit, &net_worth);
    owner->history_index = wrap_add(owner->history_index, 1) & (NET_WORTH_HISTORY - 1);
    owner->net_worth_history[owner->history_index] = net_worth;

    if (net_worth < 0 && owner->cash < 0) {
        show_map_with_ship_and_leave(player, owner, nullptr);
        g_day_event = 1;
        property_statistics_screen(player);
        possessions_screen(player, 0);
        shipowner_eliminated(player, owner);
    }
}

}  // namespace

int32_t subsidy_step(int32_t difficulty) {
    if (difficulty <= 1) return 2;
    return difficulty == 2 ? 4 : 6;
}

int32_t till_theft_threshold(int32_t difficulty) {
    if (difficulty <= 1) return 210;
    return difficulty == 2 ? 140 : 80;
}

int32_t day_step() {
    g_day_event = 0;
    g_day = wrap_add(g_day, 1);
    weather_step();

    // The ship market swings on two slow waves of about 1030 and 3750 days.
    int32_t slow = sin_deg((wrap_mul(g_day, 7) / 20) % 360);
    int32_t slower = sin_deg((wrap_mul(g_day, 7) / 73) % 360);
    g_ship_price_index = 1000 + slow * slower / 256;
    g_freight_index = g_ship_price_index + random_range(-120, 120);

    g_daily_phase = wrap_add(g_daily_phase, 12);
    if (g_daily_phase > DAILY_PHASE_TURN) g_daily_phase = wrap_sub(g_daily_phase, DAILY_PHASE_TURN);

    for (int32_t i = 0; i < g_shipowner_count; ++i) {
        Shipowner* owner = &g_shipowners[i];
        if (owner->out_of_game != 0) continue;
        shipowner_day(i, owner);
    }
    return g_day_event;
}
