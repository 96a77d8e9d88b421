// The harbour's screens: the harbour menu after a voyage (London, and New York with its own view),
// a late fine, the bribe screen and a detention, the charter market with a plain and an express
// offer, the bunker, the lay-up and the repair. A small player types each screen's keys and takes
// the picture at its place in the sequence.
#include <cstdio>
#include <deque>

#include "business/charter_market.h"
#include "business/harbour_services.h"
#include "business/harbour_visit.h"
#include "business/visit_rolls.h"
#include "engine/input.h"
#include "engine/random.h"
#include "host/headless_host.h"
#include "tests/screens/screens.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"

namespace {

constexpr uint32_t SHOOT = 0x10000;  // take the picture now
constexpr uint32_t QUIT = 0x10001;   // raise the quit flag
constexpr uint32_t REACTION_MS = 1500;

struct Player {
    std::deque<uint32_t> steps;
    ScreenShot* shot;
    uint32_t at;
};

bool listed(const Gadget* wanted) {
    for (const Gadget* g = g_gadget_list; g != nullptr; g = g->next)
        if (g == wanted) return true;
    return false;
}

// Something on screen waits for the player (not the map blinking a ship first).
bool screen_waits() {
    return g_screen_button_last >= 0 || g_active_entry_field != nullptr || listed(&g_message_ok_gadget) ||
           listed(&g_ask_yes_gadget);
}

void on_sleep(void* context) {
    auto* p = static_cast<Player*>(context);
    uint32_t now = headless_now();
    if (p->steps.empty()) {
        if (now - p->at > 60000) g_quit = 1;  // a screen that waits for more than the script gives
        return;
    }
    if (g_key_slot.load() != 0 || now - p->at < REACTION_MS || !screen_waits()) return;
    uint32_t step = p->steps.front();
    p->steps.pop_front();
    p->at = now;
    if (step == SHOOT) {
        screens_shot_frame(p->shot);
    } else if (step == QUIT) {
        g_quit = 1;
    } else {
        key_slot_store(step);
    }
}

struct Scene {
    Player player;
    Ship ship;
};

// One shipowner of London with one ship of the model in the port.
Ship* harbour_scene(Scene* s, ScreenShot* shot, int32_t port, int32_t model, std::initializer_list<uint32_t> steps) {
    g_shipowner_count = 1;
    Shipowner& o = g_shipowners[0];
    o = Shipowner{};
    std::snprintf(o.name, RECORD_NAME_SIZE, "%s", "Hendrik");
    std::snprintf(o.company, RECORD_NAME_SIZE, "%s", "Nordsee");
    o.status = 4;
    o.home_port = 1;
    o.cash = 3480;
    s->ship = Ship{};
    Ship& ship = s->ship;
    std::snprintf(ship.name, RECORD_NAME_SIZE, "%s", "Aurora");
    ship.ship_type = static_cast<int8_t>(model);
    ship.condition = 8760;
    ship.port = static_cast<int8_t>(port);
    ship.harbour_map = static_cast<int8_t>(port - 1);
    ship.fuel = 640;
    ship.lon = g_port_table[port].lon;
    ship.lat = g_port_table[port].lat;
    ship.allowed_days = 9999;
    o.ships = &ship;
    s->player = Player{std::deque<uint32_t>(steps), shot, 0};
    headless_set_sleep_hook(&on_sleep, &s->player);
    g_random_seed = 2024;
    return &ship;
}

void leave_scene() {
    headless_set_sleep_hook(nullptr, nullptr);
    g_shipowners[0].ships = nullptr;
    g_shipowners[0] = Shipowner{};
    g_shipowner_count = 0;
    g_quit = 0;
}

void arrive_from(Ship* ship, int32_t route, int32_t cargo, int32_t freight) {
    ship->route = static_cast<int8_t>(route);
    ship->cargo = static_cast<int8_t>(cargo);
    ship->freight = freight;
    ship->speed = 15;
    ship->sailed_nm = g_route_table[route].length;
}

}  // namespace

void screen_harbour_menu(ScreenShot* shot) {
    static Scene s;
    Ship* ship = harbour_scene(&s, shot, 1, 3, {SHOOT, QUIT});
    arrive_from(ship, 1, 1, 46656);
    run_harbour_visit(0, &g_shipowners[0], ship);
    leave_scene();
}

void screen_harbour_new_york(ScreenShot* shot) {
    static Scene s;
    Ship* ship = harbour_scene(&s, shot, 9, 5, {SHOOT, QUIT});
    arrive_from(ship, 18, 10, 0);
    run_harbour_visit(0, &g_shipowners[0], ship);
    leave_scene();
}

void screen_harbour_late_fine(ScreenShot* shot) {
    static Scene s;
    Ship* ship = harbour_scene(&s, shot, 25, 3, {SHOOT, 13, QUIT});
    arrive_from(ship, 2, 8, 88410);
    ship->allowed_days = 12;
    ship->charter_days = 15;
    ship->penalty_per_day = 9823;
    run_harbour_visit(0, &g_shipowners[0], ship);
    leave_scene();
}

void screen_harbour_bribe(ScreenShot* shot) {
    static Scene s;
    Ship* ship = harbour_scene(&s, shot, 19, 4, {'y', SHOOT, 27, QUIT});
    ship->smuggling_kind = -3;
    run_harbour_visit(0, &g_shipowners[0], ship);
    leave_scene();
}

void screen_harbour_detention(ScreenShot* shot) {
    static Scene s;
    Ship* ship = harbour_scene(&s, shot, 21, 6, {'n', SHOOT, 13});
    ship->smuggling_kind = -3;
    run_harbour_visit(0, &g_shipowners[0], ship);
    leave_scene();
}

void screen_charter_market(ScreenShot* shot) {
    static Scene s;
    Ship* ship = harbour_scene(&s, shot, 1, 3, {'2', 'e', SHOOT, 13});
    int32_t rolls[VISIT_ROLLS] = {};
    rolls[5] = 700;  // no chemicals this visit
    rolls[ROLL_DEADLINE] = 400;
    int32_t route_row = 0;
    int32_t cargo_row = 0;
    charter_offer_dialog(0, &g_shipowners[0], ship, rolls, &route_row, &cargo_row);
    leave_scene();
}

void screen_charter_market_express(ScreenShot* shot) {
    static Scene s;
    Ship* ship = harbour_scene(&s, shot, 9, 1, {'4', 'r', SHOOT, 'c'});
    int32_t rolls[VISIT_ROLLS] = {};
    rolls[ROLL_DEADLINE] = 400;
    rolls[ROLL_EXPRESS] = 4 * 90 + 12;  // machinery goes express
    int32_t route_row = 0;
    int32_t cargo_row = 0;
    charter_offer_dialog(0, &g_shipowners[0], ship, rolls, &route_row, &cargo_row);
    leave_scene();
}

void screen_bunker(ScreenShot* shot) {
    static Scene s;
    Ship* ship = harbour_scene(&s, shot, 1, 5, {'3', SHOOT, 13});
    int32_t rolls[VISIT_ROLLS] = {};
    rolls[ROLL_FUEL_PRICE] = 610;
    bunker_fuel_dialog(0, &g_shipowners[0], ship, rolls);
    leave_scene();
}

void screen_lay_up(ScreenShot* shot) {
    static Scene s;
    Ship* ship = harbour_scene(&s, shot, 1, 5, {'1', '4', SHOOT, 13, 'c'});
    lay_up_dialog(0, &g_shipowners[0], ship);
    leave_scene();
}

void screen_repair(ScreenShot* shot) {
    static Scene s;
    Ship* ship = harbour_scene(&s, shot, 1, 4, {SHOOT, 13, 'c'});
    ship->condition = 7550;
    repair_ship_dialog(0, &g_shipowners[0], ship);
    leave_scene();
}
