#include "voyage/route_events.h"

#include <cstdio>

#include "engine/draw.h"
#include "engine/intmath.h"
#include "engine/random.h"
#include "lang/lang.h"
#include "ui/fonts.h"
#include "ui/gadget_render.h"
#include "ui/letter.h"
#include "views/world_map.h"
#include "voyage/sea_manoeuvre_outcome.h"
#include "world/records.h"
#include "world/routes.h"

namespace {

constexpr int32_t CANAL_FEE = 70;            // k$
constexpr int32_t BERMUDA_SAFE_CONDITION = 6500;
constexpr int32_t REEF_ODDS = 400;           // of 1000
constexpr int32_t SHOALS_ODDS = 350;         // of 1000
// The open-water chart rows: ice 0/1 (from A / from B) in three variants two rows apart, the reef
// 6/7 in two variants, the shoals 10/11.
constexpr int32_t ICE_MAP = 0;
constexpr int32_t REEF_MAP = 6;
constexpr int32_t SHOALS_MAP = 10;

// The lines first .. first + count - 1, then the blank line when blank is set, ended by null. The
// array is static: a loss text outlives the call that chose it.
TextLines fill_lines(const char** lines, TextId first, int32_t count, bool blank) {
    int32_t k = 0;
    for (; k < count; ++k) lines[k] = lang_text(static_cast<TextId>(first + k));
    if (blank) lines[k++] = lang_text(TXT_RE_BLANK);
    lines[k] = nullptr;
    return lines;
}

void letter(int32_t player, Shipowner* owner, Ship* ship, TextId first, int32_t count, bool blank) {
    const char* lines[8];
    letter_show(player, owner, ship, fill_lines(lines, first, count, blank), 0);
}

bool event_passed(const Ship* ship, const Route& route) {
    if (ship->direction >= 1) return ship->sailed_nm > route.event_position;
    return route.length - ship->sailed_nm < route.event_position;
}

TextLines bermuda(Ship* ship, int32_t day_event_before) {
    static const char* loss[8];
    g_day_event = day_event_before;
    if (ship->condition >= BERMUDA_SAFE_CONDITION) return nullptr;
    if (random_range(0, 1) != 0) return nullptr;
    g_day_event = 1;
    ship->condition = 0;
    return fill_lines(loss, TXT_RE_BERMUDA_1, 6, true);
}

void canal_fees(int32_t player, Shipowner* owner, Ship* ship) {
    letter(player, owner, ship, TXT_RE_CANAL_1, 3, true);
    owner->cash = wrap_sub(owner->cash, CANAL_FEE);
    owner->expenses_general = wrap_add(owner->expenses_general, CANAL_FEE);
}

void cape_horn(int32_t player, Shipowner* owner, Ship* ship) {
    if ((owner->achievements & ACHIEVEMENT_CAPE_HORN) != 0) return;
    const char* lines[] = {lang_text(TXT_RE_HORN_1), lang_text(TXT_RE_HORN_2), lang_text(TXT_RE_BLANK),
                           lang_text(TXT_RE_HORN_3), nullptr};
    letter_show(player, owner, ship, lines, 0);
    owner->status += 1;
    owner->achievements |= ACHIEVEMENT_CAPE_HORN;
}

void reef(int32_t player, Shipowner* owner, Ship* ship) {
    int32_t roll = random_range(0, 1000);
    if (roll >= REEF_ODDS || g_sim_mode != 0) return;
    letter(player, owner, ship, TXT_RE_REEF_1, 3, true);
    clear_main_screen_flag();
    clear_screen();
    int32_t variant = random_range(0, 1);
    int32_t r = sea_manoeuvre_run(ship, (ship->direction >= 1 ? REEF_MAP : REEF_MAP + 1) + 2 * variant);
    const char* success[4];
    sea_manoeuvre_outcome(player, owner, ship, r, fill_lines(success, TXT_RE_REEF_DONE_1, 2, true),
                          ACHIEVEMENT_REEF);
}

void shoals(int32_t player, Shipowner* owner, Ship* ship) {
    int32_t roll = random_range(0, 1000);
    if (roll >= SHOALS_ODDS || g_sim_mode != 0) return;
    letter(player, owner, ship, TXT_RE_SHOALS_1, 3, false);
    clear_main_screen_flag();
    clear_screen();
    int32_t r = sea_manoeuvre_run(ship, ship->direction >= 1 ? SHOALS_MAP : SHOALS_MAP + 1);
    const char* success[5];
    sea_manoeuvre_outcome(player, owner, ship, r, fill_lines(success, TXT_RE_SHOALS_DONE_1, 3, true),
                          ACHIEVEMENT_SHOALS);
}

}  // namespace

void ship_panel_hook(int32_t) {}

void draw_ship_caption(int32_t player, Ship* ship) {
    if (player < 0 || player >= SHIPOWNER_MAX) return;
    set_draw_color(0);
    fill_rect(0, 0, 319, 14);
    char caption[64];
    std::snprintf(caption, sizeof caption, lang_text(TXT_RE_CAPTION), ship->name, g_shipowners[player].captain_name);
    GadgetText item{3, 0, 1, 2, 1, &g_font_sys13, caption, nullptr};
    draw_text_items(&item, 2, 0);
}

void format_assisted_damage_text(Ship* ship, char lines[5][64]) {
    std::snprintf(lines[0], 64, lang_text(TXT_RE_ASSIST_SHIP), ship->name);
    std::snprintf(lines[1], 64, "%s", lang_text(TXT_RE_ASSIST_DAMAGED));
    std::snprintf(lines[2], 64, "%s", lang_text(TXT_RE_ASSIST_HELP));
    std::snprintf(lines[3], 64, "%s", lang_text(TXT_RE_ASSIST_COSTS));
    std::snprintf(lines[4], 64, lang_text(TXT_RE_ASSIST_STATE), static_cast<long>(ship->condition / 100));
}

TextLines route_event_check(int32_t player, Shipowner* shipowner, Ship* ship) {
    if (ship->route < 1 || ship->route > ROUTE_COUNT) return nullptr;
    const Route& route = g_route_table[ship->route];
    if (route.event_code == ROUTE_EVENT_NONE || (ship->voyage_flags & VOYAGE_ROUTE_EVENT_DONE) != 0) return nullptr;
    if (!event_passed(ship, route)) return nullptr;

    int32_t day_event_before = g_day_event;
    g_day_event = 1;
    TextLines loss = nullptr;
    switch (route.event_code) {
        case ROUTE_EVENT_BERMUDA_TRIANGLE: loss = bermuda(ship, day_event_before); break;
        case ROUTE_EVENT_CANAL_FEES: canal_fees(player, shipowner, ship); break;
        case ROUTE_EVENT_CAPE_HORN: cape_horn(player, shipowner, ship); break;
        case ROUTE_EVENT_REEF:
        case ROUTE_EVENT_REEF_2: reef(player, shipowner, ship); break;
        case ROUTE_EVENT_SHOALS: shoals(player, shipowner, ship); break;
        default: break;
    }
    ship->voyage_flags |= VOYAGE_ROUTE_EVENT_DONE;
    return loss;
}

TextLines iceberg_event(int32_t player, Shipowner* shipowner, Ship* ship) {
    g_day_event = 1;
    letter(player, shipowner, ship, TXT_RE_ICE_1, 4, false);
    clear_screen();
    int32_t variant = random_range(0, 2);
    int32_t r = sea_manoeuvre_run(ship, (ship->direction >= 1 ? ICE_MAP : ICE_MAP + 1) + 2 * variant);
    const char* success[4];
    sea_manoeuvre_outcome(player, shipowner, ship, r, fill_lines(success, TXT_RE_ICE_DONE_1, 3, false),
                          ACHIEVEMENT_ICEBERGS);
    return nullptr;
}
