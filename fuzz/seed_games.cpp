#include "fuzz/seed_games.h"

#include <cstdio>
#include <cstring>

#include "world/records.h"
#include "world/ship_types.h"

namespace {

void set_text(char (&field)[RECORD_NAME_SIZE], const char* text) {
    std::snprintf(field, RECORD_NAME_SIZE, "%s", text);
}

void start_game(int8_t owners, int8_t difficulty) {
    clear_seed_game();
    static const int32_t allowances[4] = {0, 6000, 4000, 2000};
    g_difficulty = difficulty;
    g_difficulty_allowance = allowances[difficulty];
    g_shipowner_count = owners;
    g_playing_duration = -1;
    g_day = 120;
    g_freight_index = 1000;
    g_ship_price_index = 1000;
    g_daily_phase = 600;
    const uint8_t styles[SHIPOWNER_MAX] = {2, 0, 3, 1};
    std::memcpy(g_office_style, styles, sizeof styles);
}

Shipowner* shipowner(int32_t index, const char* name, int8_t home_port, int32_t cash) {
    Shipowner* o = &g_shipowners[index];
    set_text(o->name, name);
    set_text(o->captain_name, name);
    set_text(o->company, "Seafarer");
    o->status = -1;
    o->subsidy_status = -1;
    o->home_port = home_port;
    o->cash = cash;
    o->credit_period = 30;
    for (int32_t i = 0; i < 8; ++i) o->net_worth_history[i] = cash;
    o->history_index = 7;
    return o;
}

Ship* ship(Shipowner* owner, const char* name, int8_t type, int8_t port) {
    Ship* s = new_ship();
    set_text(s->name, name);
    s->ship_type = type;
    s->condition = 9000;
    s->port = port;
    s->harbour_map = static_cast<int8_t>(port - 1);
    s->berth = 1;
    s->mortgage_period = 90;
    s->fuel = 2000;
    s->speed = g_ship_type_table[type].vmax_kn;
    s->fuel_per_day = 40;
    s->costs_per_day = g_ship_type_table[type].costs_per_day;
    s->allowed_days = 9999;
    owner->status = owner->status < 0 ? 1 : owner->status + 1;
    append_ship(owner, s);
    return s;
}

// A ship under way on a route: from port A when direction is 1, from port B when -1.
void under_way(Ship* s, int8_t route, int16_t direction, int32_t sailed_nm, int8_t cargo) {
    s->route = route;
    s->direction = direction;
    s->sailed_nm = sailed_nm;
    s->cargo = cargo;
    s->freight = 900000;
    s->penalty_per_day = 10000;
    s->allowed_days = 40;
}

void no_shipowners() {
    start_game(0, 1);
}

void one_shipowner_no_ships() {
    start_game(1, 1);
    shipowner(0, "Ann", 11, 4100);
}

// One quiet ship laid up in its home port.
void laid_up() {
    start_game(1, 1);
    Shipowner* o = shipowner(0, "Hendrik", 1, 4100);
    ship(o, "Dolphin", 6, 1)->layup_days = 100;
}

// Four shipowners whose ships are in every phase of a voyage, with interest, subsidies, a till theft
// and a bankruptcy all falling due within the month.
void busy_month() {
    start_game(4, 2);
    Shipowner* a = shipowner(0, "Ahab", 1, 2500);
    under_way(ship(a, "Pequod", 3, 1), 1, 1, 1200, 4);         // London - New York, half way
    under_way(ship(a, "Rachel", 5, 9), 1, -1, 3400, 10);       // in ballast, nearly home
    Ship* loading = ship(a, "Essex", 2, 1);
    under_way(loading, 2, 1, 0, 2);
    loading->loading_days = 3;
    Ship* mortgaged = ship(a, "Bachelor", 4, 1);
    mortgaged->mortgage = 3000;
    mortgaged->mortgage_rate = 3;
    mortgaged->mortgage_days = 89;
    mortgaged->discharging_days = 2;
    a->credit = 1500;
    a->credit_rate = 8;
    a->credit_days = 29;
    a->status = 9;

    Shipowner* b = shipowner(1, "Nemo", 3, 800);
    Ship* road = ship(b, "Nautilus", 7, 9);
    road->road_days = 2;
    Ship* yard = ship(b, "Argonaut", 6, 3);
    yard->shipyard_days = 5;
    Ship* worn = ship(b, "Hulk", 7, 3);
    under_way(worn, 6, 1, 400, 7);
    worn->condition = 150;
    Ship* hove_to = ship(b, "Drifter", 6, 3);
    under_way(hove_to, 5, 1, 1800, 3);
    hove_to->heaving_days = 2;
    hove_to->fuel = 60;
    b->office_neglect_days = 400;
    b->status = 12;
    b->subsidy_status = 2;

    Shipowner* c = shipowner(2, "Flint", 21, -3000);
    Ship* c_ship = ship(c, "Walrus", 7, 21);
    c_ship->condition = 900;
    c_ship->mortgage = 900;
    c_ship->mortgage_rate = 5;
    c_ship->mortgage_days = 80;
    c_ship->layup_days = 40;
    for (int32_t& w : c->net_worth_history) w = -2000;

    Shipowner* d = shipowner(3, "Hornblower", 11, 90000);
    d->status = 30;
    d->subsidy_status = 40;
    under_way(ship(d, "Lydia", 1, 11), 29, 1, 100, 8);
    under_way(ship(d, "Sutherland", 1, 14), 29, -1, 6000, 9);
    d->out_of_game = 0;
}

}  // namespace

const SeedGame g_seed_games[] = {
    {"seed-empty", no_shipowners},
    {"seed-no-ships", one_shipowner_no_ships},
    {"seed-laid-up", laid_up},
    {"seed-busy-month", busy_month},
    {nullptr, nullptr},
};

void clear_seed_game() {
    free_all_ships(SHIPOWNER_MAX);
    for (Shipowner& o : g_shipowners) o = Shipowner{};
    g_shipowner_count = 0;
    g_difficulty = 1;
    g_difficulty_allowance = 0;
    g_playing_duration = -1;
    g_game_spare = 0;
    g_day = 0;
    g_freight_index = 1000;
    g_ship_price_index = 1000;
    g_daily_phase = 0;
    const uint8_t styles[SHIPOWNER_MAX] = {0, 1, 2, 3};
    std::memcpy(g_office_style, styles, sizeof styles);
    g_sim_mode = 0;
}
