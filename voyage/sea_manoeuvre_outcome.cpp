#include "voyage/sea_manoeuvre_outcome.h"

#include "engine/intmath.h"
#include "lang/lang.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "voyage/manoeuvre.h"
#include "voyage/route_events.h"
#include "world/records.h"

namespace {

constexpr int32_t MODE_OPEN_WATER = 1;
constexpr int32_t STATUS_LINE_STYLE = 6;

void book(Shipowner* owner, int32_t amount) {
    owner->cash = wrap_sub(owner->cash, amount);
    owner->expenses_general = wrap_add(owner->expenses_general, amount);
}

void show(TextId first, int32_t count) {
    const char* lines[6] = {};
    for (int32_t k = 0; k < count; ++k) lines[k] = lang_text(static_cast<TextId>(first + k));
    message_box(lines, 0);
}

}  // namespace

int32_t sea_manoeuvre_run(const Ship* ship, int32_t map) {
    return manoeuvre_run(MODE_OPEN_WATER, ship->ship_type, map, 0, 0, g_difficulty_allowance, nullptr);
}

void sea_manoeuvre_outcome(int32_t player, Shipowner* owner, Ship* ship, int32_t r, TextLines success,
                           uint32_t achievement) {
    clear_screen_grey();
    draw_shipowner_status_line(player, STATUS_LINE_STYLE);
    if (r == MANOEUVRE_SUCCESS) {
        message_box(success, 0);
        if ((owner->achievements & achievement) == 0) {
            owner->status += 1;
            owner->achievements |= achievement;
        }
    } else if (r >= 1 && r <= 40) {
        ship->condition -= 50 * r + 50;
        if (ship->condition < 0) ship->condition = 0;
        char text[5][64];
        format_assisted_damage_text(ship, text);
        const char* lines[] = {text[0], text[1], text[2], text[3], text[4], nullptr};
        message_box(lines, 0);
        book(owner, SEA_ASSISTED_DAMAGE_CHARGE);
    } else if (r == MANOEUVRE_OFF_CHART) {
        show(TXT_RE_UNKNOWN_1, 5);
        book(owner, SEA_OFF_CHART_CHARGE);
    } else if (r == MANOEUVRE_OUT_OF_TIME || r == -1) {
        show(TXT_RE_BEARING_1, 5);
        book(owner, SEA_OUT_OF_TIME_CHARGE);
    }
}
