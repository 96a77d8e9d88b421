// The screen a ship waits on before it enters or leaves a harbour: the tug's cost, and the choice
// between the tugs and steering by hand.
#include <cstdio>

#include "business/broker.h"
#include "engine/draw.h"
#include "engine/intmath.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/main_screen.h"
#include "voyage/passage.h"
#include "voyage/route_events.h"
#include "voyage/tug.h"
#include "world/ports.h"
#include "world/records.h"

namespace {

enum : int32_t { COMMAND_TUG = 1, COMMAND_BY_HAND = 2, COMMAND_REFUSED = 9999 };

char s_cost_line[48];
char s_port_line[48];

void tug_refused(TextId l1, TextId l2, TextId l3, TextId l4) {
    const char* lines[] = {lang_text(l1), lang_text(l2), lang_text(l3), lang_text(l4), nullptr};
    message_box(lines, 0);
    g_command = COMMAND_REFUSED;
}

}  // namespace

void passage_ship_screen(int32_t player, Ship* ship) {
    clear_screen_grey();
    draw_ship_model_picture(player, ship->ship_type);
    draw_ship_caption(player, ship);
}

int32_t passage_screen(int32_t player, Shipowner* owner, Ship* ship, int32_t way, int32_t* result) {
    int32_t c = tug_cost(ship);
    int32_t strike = tug_strike_today(ship);

    std::snprintf(s_cost_line, sizeof s_cost_line, lang_text(TXT_PASSAGE_COSTS), static_cast<long>(c));
    std::snprintf(s_port_line, sizeof s_port_line, lang_text(TXT_PASSAGE_PORT), port_name(ship->port));
    bool in = way == PASSAGE_IN;
    const ScreenBox boxes[] = {{20, 110, 150, 150, 0}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {
        {24, 115, s_cost_line},
        {170, 100, s_port_line},
        {170, 115, lang_text(TXT_PASSAGE_READY)},
        {170, 130, lang_text(in ? TXT_ARRIVAL_ALONGSIDE : TXT_DEPARTURE_TO_SEA)},
        {170, 145, lang_text(in ? TXT_ARRIVAL_ENTER : TXT_DEPARTURE_CAST_OFF)},
        {0, 0, nullptr},
    };
    const ScreenButton buttons[] = {
        {170, 160, 140, 15, lang_text(TXT_PASSAGE_BY_HAND), COMMAND_BY_HAND},
        {170, 185, 140, 15, lang_text(TXT_PASSAGE_TUG), COMMAND_TUG},
    };
    screen_layout_draw(buttons, boxes, texts);

    int32_t by_hand = 0;
    do {
        input_poll();
        if (g_quit != 0) break;
        if (g_command == COMMAND_BY_HAND || g_command == REQUESTER_NO || g_command == 100) {
            screen_buttons_clear();
            clear_screen();
            int32_t start = in ? 0 : ship->berth;
            int32_t target = in ? ship->berth : 0;
            *result = passage_by_hand(ship, start, target);
            by_hand = 1;
            clear_screen_grey();
            passage_outcome(player, owner, ship, *result, way, c);
            g_command = COMMAND_TUG;
        } else if (g_command == COMMAND_TUG) {
            if (strike != 0) {
                tug_refused(TXT_TUG_STRIKE_1, TXT_TUG_STRIKE_2, TXT_TUG_STRIKE_3, TXT_TUG_STRIKE_4);
            } else if (wrap_sub(owner->cash, c) < 0) {
                tug_refused(TXT_TUG_NO_CASH_1, TXT_TUG_NO_CASH_2, TXT_TUG_NO_CASH_3, TXT_PASSAGE_BLANK);
            } else {
                owner->cash = wrap_sub(owner->cash, c);
                owner->expenses_general = wrap_add(owner->expenses_general, c);
            }
        }
    } while (g_command != COMMAND_TUG && g_quit == 0);
    screen_buttons_clear();
    return by_hand;
}
