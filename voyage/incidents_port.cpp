// The incidents of a day laid up or waiting in the road: the collision threat, robbery, shelling
// in a war zone, rats and an epidemic, each by its own dice against the odds of the ship's port.
#include <cstdio>

#include "engine/intmath.h"
#include "engine/random.h"
#include "ui/letter.h"
#include "voyage/animated_boxes.h"
#include "voyage/incident_screens.h"
#include "voyage/incidents.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"

namespace {

constexpr int32_t ROBBERY_PICTURE = 19;
constexpr int32_t RATS_PICTURE = 18;
constexpr int32_t EPIDEMIC_PICTURE = 17;
constexpr int32_t RATS_COST = 10;  // k$
constexpr int32_t RATS_DAYS = 5;
constexpr int32_t EPIDEMIC_WAVE_STEPS = 150;
constexpr int32_t QUIET = 1;

char s_war_state[32];

// x of n: the chance x in n, drawn once.
bool chance(int32_t x, int32_t n) {
    int32_t roll = random_range(0, n);
    return roll < x;
}

}  // namespace

void robbery_incident(int32_t player, Shipowner* shipowner, Ship* ship) {
    g_day_event = 1;
    incident_picture_show(player, shipowner, ship, ROBBERY_PICTURE);
    const ScreenButton ok[] = {{80, 160, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    static const ScreenBox box[] = {{10, 40, 150, 180, 6}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{15, 45, lang_text(TXT_INC_ROBBED_1)},  {15, 60, lang_text(TXT_INC_ROBBED_2)},
                                {15, 75, lang_text(TXT_INC_ROBBED_3)},  {15, 90, lang_text(TXT_INC_ROBBED_4)},
                                {15, 105, lang_text(TXT_INC_ROBBED_5)}, {15, 120, lang_text(TXT_INC_ROBBED_6)},
                                {0, 0, nullptr}};
    incident_ok_box(ok, box, texts);
    ship->freight = 0;
}

void war_zone_incident(int32_t player, Shipowner* shipowner, Ship* ship) {
    g_day_event = 1;
    int32_t damage = random_range(500, 2000);
    ship->condition = wrap_sub(ship->condition, damage);
    if (ship->condition < 0) ship->condition = 0;
    std::snprintf(s_war_state, sizeof s_war_state, lang_text(TXT_INC_WAR_STATE),
                  static_cast<long>(ship->condition / 100));
    static const TextId ids[] = {TXT_INC_WAR_1, TXT_INC_WAR_2, TXT_INC_WAR_3,
                                 TXT_INC_WAR_4, TXT_INC_BLANK, TXT_INC_WAR_6};
    IncidentLines letter;
    incident_lines_fill(&letter, ids, 6);
    letter.line[6] = s_war_state;
    letter.line[7] = nullptr;
    letter_show(player, shipowner, ship, letter.line, 0);
}

void rats_incident(int32_t player, Shipowner* shipowner, Ship* ship) {
    g_day_event = 1;
    incident_picture_show(player, shipowner, ship, RATS_PICTURE);
    const ScreenButton ok[] = {{10, 90, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    static const ScreenBox box[] = {{5, 30, 150, 110, 6}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{10, 32, lang_text(TXT_INC_RATS_1)},
                                {10, 50, lang_text(TXT_INC_RATS_2)},
                                {10, 68, lang_text(TXT_INC_RATS_3)},
                                {0, 0, nullptr}};
    incident_ok_box(ok, box, texts);
    shipowner->cash = wrap_sub(shipowner->cash, RATS_COST);
    shipowner->expenses_general = wrap_add(shipowner->expenses_general, RATS_COST);
    ship->road_days = wrap_add(ship->road_days, RATS_DAYS);
}

void epidemic_incident(int32_t player, Shipowner* shipowner, Ship* ship) {
    g_day_event = 1;
    incident_picture_show(player, shipowner, ship, EPIDEMIC_PICTURE);
    int32_t tick = 0;
    int32_t phase = 0;
    for (int32_t k = 0; k < EPIDEMIC_WAVE_STEPS; ++k) palette_wave_step(&tick, &phase, QUIET);
    static const TextId ids[] = {TXT_INC_EPIDEMIC_1, TXT_INC_EPIDEMIC_2, TXT_INC_EPIDEMIC_3,
                                 TXT_INC_EPIDEMIC_4, TXT_INC_EPIDEMIC_5, TXT_INC_EPIDEMIC_6};
    IncidentLines lines;
    incident_lines_fill(&lines, ids, 6);
    message_box_animated(lines.line, QUIET);
    int32_t days = random_range(10, 30);
    ship->road_days = wrap_add(ship->road_days, days);
}

int32_t epidemic_route(int32_t route) {
    static const int8_t routes[] = {3, 6, 7, 8, 13, 14, 28, 34, 36, 38, 39, 42, 43, 44, 45, 48, 49, 54, 55};
    if (route == 0) return 0;
    for (int8_t r : routes)
        if (r == route) return 1;
    return 0;
}

// Every test runs in turn on the same day: one that fires marks the voyage's incident as done,
// which keeps the next days quiet but not the tests after it today.
TextLines port_day_incidents(int32_t player, Shipowner* shipowner, Ship* ship) {
    if ((ship->voyage_flags & VOYAGE_INCIDENT_DONE) != 0) return nullptr;
    // A port number from a damaged game file has no port area and so no odds of its own.
    static const PortInfo no_port{};
    int32_t port = ship->port;
    const PortInfo& odds = port >= 1 && port <= PORT_COUNT ? g_port_table[port] : no_port;
    TextLines loss = nullptr;

    if (odds.collision_odds > 0 && chance(odds.collision_odds, 150)) loss = collision_threat(player, shipowner, ship);

    if (odds.robbery_odds > 0 && chance(odds.robbery_odds, 700) && ship->freight != 0) {
        robbery_incident(player, shipowner, ship);
        ship->voyage_flags |= VOYAGE_INCIDENT_DONE;
    }

    if (odds.war_zone_odds > 0 && chance(odds.war_zone_odds, 600)) {
        war_zone_incident(player, shipowner, ship);
        ship->voyage_flags |= VOYAGE_INCIDENT_DONE;
    }

    if (chance(100, 1200) && ship->condition < HYGIENE_CONDITION) {
        rats_incident(player, shipowner, ship);
        ship->voyage_flags |= VOYAGE_INCIDENT_DONE;
    }

    if (chance(130, 1200) && ship->condition < HYGIENE_CONDITION && epidemic_route(ship->route) != 0) {
        epidemic_incident(player, shipowner, ship);
        ship->voyage_flags |= VOYAGE_INCIDENT_DONE;
    }
    return loss;
}
