// Steering a ship through a harbour by hand, and what the result costs.
#include <cstdio>

#include "engine/random.h"
#include "engine/intmath.h"
#include "lang/lang.h"
#include "ui/requester.h"
#include "views/accounts.h"
#include "voyage/manoeuvre.h"
#include "voyage/passage.h"
#include "world/ports.h"
#include "world/records.h"

namespace {

constexpr int32_t MODE_HARBOUR = 0;
constexpr int32_t STATUS_LINE_STYLE = 6;

void book(Shipowner* owner, int32_t amount) {
    owner->cash = wrap_sub(owner->cash, amount);
    owner->expenses_general = wrap_add(owner->expenses_general, amount);
}

void harbour_mastered(Shipowner* owner, const Ship* ship) {
    int32_t map = ship->harbour_map;
    if (map < 0 || map >= PORT_COUNT) return;
    uint32_t bit = achievement_harbour(map + 1);
    if ((owner->achievements & bit) != 0) return;
    owner->status += 1;
    owner->achievements |= bit;
}

void off_chart(int32_t player, Shipowner* owner) {
    draw_shipowner_status_line(player, STATUS_LINE_STYLE);
    const char* lines[] = {lang_text(TXT_OFF_FAIRWAY_1), lang_text(TXT_OFF_FAIRWAY_2),
                           lang_text(TXT_OFF_FAIRWAY_3), lang_text(TXT_OFF_FAIRWAY_4),
                           lang_text(TXT_OFF_FAIRWAY_5), nullptr};
    message_box(lines, 0);
    book(owner, PASSAGE_OFF_CHART_FINE);
}

void out_of_time(int32_t player, Shipowner* owner) {
    draw_shipowner_status_line(player, STATUS_LINE_STYLE);
    const char* lines[] = {lang_text(TXT_BLOCKADE_1), lang_text(TXT_BLOCKADE_2), lang_text(TXT_BLOCKADE_3),
                           lang_text(TXT_BLOCKADE_4), nullptr};
    message_box(lines, 0);
    book(owner, PASSAGE_OUT_OF_TIME_FINE);
}

void damaged(int32_t player, Shipowner* owner, Ship* ship, int32_t r, int32_t c) {
    draw_shipowner_status_line(player, STATUS_LINE_STYLE);
    ship->condition = wrap_sub(ship->condition, 50 * r + 50);
    if (ship->condition < 0) ship->condition = 0;
    char name_line[64], tugs_line[64], state_line[64];
    std::snprintf(name_line, sizeof name_line, lang_text(TXT_DAMAGED_SHIP), ship->name);
    std::snprintf(tugs_line, sizeof tugs_line, lang_text(TXT_DAMAGED_TUGS), static_cast<long>(4 * c));
    std::snprintf(state_line, sizeof state_line, lang_text(TXT_DAMAGED_STATE), static_cast<long>(ship->condition / 100));
    const char* lines[] = {name_line, lang_text(TXT_DAMAGED), tugs_line, state_line, nullptr};
    message_box(lines, 0);
    book(owner, 4 * c);
}

}  // namespace

int32_t passage_by_hand(Ship* ship, int32_t start, int32_t target) {
    if (g_sim_mode == 1) {
        int32_t r = 0;
        int32_t roll = random_range(0, 100);
        if (roll < 10) r = random_range(1, 4);
        return r;
    }
    return manoeuvre_run(MODE_HARBOUR, ship->ship_type, ship->harbour_map, start, target, g_difficulty_allowance,
                         port_name(ship->port));
}

void passage_outcome(int32_t player, Shipowner* owner, Ship* ship, int32_t r, int32_t way, int32_t c) {
    if (r == MANOEUVRE_SUCCESS) {
        if (way == PASSAGE_IN) harbour_mastered(owner, ship);
    } else if (r == MANOEUVRE_OFF_CHART) {
        off_chart(player, owner);
    } else if (r == MANOEUVRE_OUT_OF_TIME || r == -1) {
        out_of_time(player, owner);
    } else if (r >= 1) {
        damaged(player, owner, ship, r, c);
    }
}
