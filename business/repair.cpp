// The shipyard: repairs by whole percents at a price per percent that depends on the model and the
// freight index; the ship stays in the yard about a day for every two percent.
#include <cstdio>
#include <cstring>

#include "business/harbour_layout.h"
#include "business/harbour_services.h"
#include "business/no_cash_message.h"
#include "engine/blit.h"
#include "engine/frame.h"
#include "engine/intmath.h"
#include "engine/picture.h"
#include "lang/lang.h"
#include "ui/entry_field.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "world/ship_types.h"

namespace {

constexpr int32_t REPAIR_PICTURE = 26;
constexpr uint16_t PERCENT_FIELD_ID = 3;
constexpr int32_t REPAIR_CANCEL = 2;

void refuse(Gadget* field, bool negative) {
    gadget_remove(field);
    const char* too_much[] = {lang_text(TXT_HS_REPAIR_TOO_MUCH_1), lang_text(TXT_HS_REPAIR_TOO_MUCH_2),
                              lang_text(TXT_HS_REPAIR_TOO_MUCH_3), lang_text(TXT_HS_REPAIR_TOO_MUCH_4), nullptr};
    const char* minus[] = {lang_text(TXT_HS_REPAIR_MINUS_1), lang_text(TXT_HS_REPAIR_MINUS_2), nullptr};
    message_box(negative ? minus : too_much, 0);
    gadget_add(field);
    gadgets_refresh();
    string_gadget_activate(field);
}

}  // namespace

int32_t repair_base_price(int32_t model) {
    int32_t base = g_ship_type_table[model].price;
    if (model == 4 || model == 5) {
        base = base * 125 / 100;
    } else if (model == 6 || model == 7) {
        base = base * 166 / 100;
    }
    return base * g_freight_index / 1000;
}

void repair_ship_dialog(int32_t player, Shipowner* shipowner, Ship* ship) {
    int32_t c = ship->condition / 100;
    // The field holds up to four characters: enough for 0..100, the only values a whole ship has.
    char number[16];
    std::snprintf(number, sizeof number, "%ld", static_cast<long>(100 - c));
    char buffer[5] = {};
    std::memcpy(buffer, number, strnlen(number, sizeof buffer - 1));
    EntryFieldInfo info{buffer, 0, 5, 0, 0, 0, 100 - c};
    Gadget field{nullptr, 230, 113, 40, 13, GADGET_HIGHLIGHT_BOX, 38, GADGET_ENTRY_FIELD,
                 nullptr, nullptr, nullptr, &info, PERCENT_FIELD_ID};

    clear_screen_grey();
    picture_load(REPAIR_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    blit_to_screen(g_background_buffer, 0, 0, 1, 30, REPAIR_CUTOUT_W, REPAIR_CUTOUT_H, BLIT_COPY);
    draw_shipowner_status_line(player, 6);

    int32_t base = repair_base_price(ship->ship_type);
    char state[40];
    char costs[48];
    char maximum[48];
    std::snprintf(state, sizeof state, lang_text(TXT_HS_REPAIR_STATE), static_cast<long>(c));
    std::snprintf(costs, sizeof costs, lang_text(TXT_HS_REPAIR_COSTS), static_cast<long>(base * 10));
    std::snprintf(maximum, sizeof maximum, lang_text(TXT_HS_REPAIR_MAXIMUM), static_cast<long>(base * 10 * (100 - c)));

    const ScreenButton buttons[] = {{210, 185, 50, 15, lang_text(TXT_HS_CANCEL), REPAIR_CANCEL},
                                    {130, 185, 58, 15, lang_text(TXT_HS_OK), 1}};
    static const ScreenBox boxes[] = {{120, 28, 310, 140, 13}, {0, 0, 0, 0, 0}};
    // The "%" label is drawn as it is, never through a format.
    const ScreenText texts[] = {{123, 30, lang_text(TXT_HS_REPAIR_DOCKED)},
                                {123, 45, state},
                                {123, 60, costs},
                                {123, 75, maximum},
                                {123, 112, lang_text(TXT_HS_REPAIR_HOW)},
                                {123, 127, lang_text(TXT_HS_REPAIR_PERCENT)},
                                {270, 112, lang_text(TXT_HS_REPAIR_PERCENT_SIGN)},
                                {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
    gadget_add(&field);
    gadgets_refresh();
    string_gadget_activate(&field);

    int32_t pct = -1;
    do {
        input_poll();
        if (g_command == REPAIR_CANCEL || g_command == 300) {
            pct = -1;
            g_command = 1;
        } else if (g_command == 1) {
            pct = info.value;
            if (pct > 100 - c || pct < 0) {
                refuse(&field, pct < 0);
                // A refused entry is no order, also when the quit flag ends the screen next.
                pct = -1;
                g_command = 999;
            }
        }
    } while (g_command != 1 && g_quit == 0);
    gadget_remove(&field);
    screen_buttons_clear();

    if (pct < 1) {
        g_command = 999;
        return;
    }
    int32_t cost = pct * base / 100;
    if (wrap_sub(shipowner->cash, cost) < 0) {
        show_no_cash_message();
        g_command = 998;
        return;
    }
    ship->condition = (c + pct) * 100;
    ship->route = 0;
    ship->shipyard_days = pct / 2 + 1;
    shipowner->cash = wrap_sub(shipowner->cash, cost);
    shipowner->expenses_general = wrap_add(shipowner->expenses_general, cost);
    g_command = 1;
}
