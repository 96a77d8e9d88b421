// Mortgages on single ships: the ship lists and the raise and pay-off dialogs.
#include <cstdio>

#include "business/amount_dialog.h"
#include "business/bank.h"
#include "business/bank_repay.h"
#include "business/ship_picker.h"
#include "engine/intmath.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "world/ship_types.h"

namespace {

// The list's buttons and box; returns the number of ships listed.
int32_t draw_ship_list(int32_t player, const Shipowner* owner, int32_t mode, ScreenButton* buttons) {
    clear_screen_grey();
    restore_screen();
    screen_start_hook();
    int32_t n = ship_picker_buttons(owner, buttons);
    buttons[n] = ScreenButton{50, 185, 50, 15, lang_text(TXT_BANK_LIST_NO), 300};
    buttons[n + 1] = ScreenButton{0, 185, 50, 15, lang_text(TXT_OK_SMALL), 1};
    static const ScreenBox boxes[] = {{100, 185, 315, 199, 2}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {
        {105, 186, lang_text(mode == 0 ? TXT_BANK_RAISE_MORTGAGE : TXT_BANK_PAY_OFF_MORTGAGE)},
        {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
    g_selected_button = -1;
    if (n > 0) button_select(buttons, 100);
    draw_shipowner_status_line(player, 6);
    return n;
}

}  // namespace

int32_t mortgage_maximum(const Ship* ship) {
    const int32_t model = ship->ship_type;
    int32_t v = wrap_mul(g_ship_type_table[model].price, ship->condition) / 10000;
    v = g_ship_price_index * v / 1000;
    v = v * 90 / 100;
    int32_t loan_to_value = 0;
    if (model >= 1 && model <= 3) {
        loan_to_value = 60;
    } else if (model == 4 || model == 5) {
        loan_to_value = 50;
    }
    return v * loan_to_value / 100 - ship->mortgage;
}

void mortgage_ship_list(int32_t player, Shipowner* owner, int32_t mode) {
    ScreenButton buttons[SHIP_PICKER_MAX + 2];
    int32_t n = draw_ship_list(player, owner, mode, buttons);
    do {
        input_poll();
        // Only the listed ships can be chosen: with more than 30 the rest stay out of reach.
        button_select_by_arrow(100, n + 99, 10, 1);
        if (g_command >= 100 && g_command < 100 + n) button_select(buttons, g_command);
        if (g_command == 1 && g_selected_button >= 0 && g_selected_button < n) {
            Ship* ship = ship_picker_ship(owner, g_selected_button);
            screen_buttons_clear();
            if (mode == 0) {
                raise_mortgage_dialog(player, owner, ship);
            } else {
                pay_off_mortgage_dialog(player, owner, ship);
            }
            n = draw_ship_list(player, owner, mode, buttons);
            g_command = 0;
        }
    } while (g_command != 300 && g_quit == 0);
    screen_buttons_clear();
}

void raise_mortgage_menu(int32_t player, Shipowner* owner) {
    mortgage_ship_list(player, owner, 0);
}

void pay_off_mortgage_menu(int32_t player, Shipowner* owner) {
    mortgage_ship_list(player, owner, 1);
}

void raise_mortgage_dialog(int32_t player, Shipowner* owner, Ship* ship) {
    amount_dialog_backdrop(player);
    const int32_t max = mortgage_maximum(ship);
    if (max <= 0) {
        const char* lines[] = {lang_text(TXT_NO_MORTGAGE_1), lang_text(TXT_NO_MORTGAGE_2),
                               lang_text(TXT_NO_MORTGAGE_3), nullptr};
        bank_message_box(lines);
        return;
    }
    char maximum[40];
    std::snprintf(maximum, sizeof maximum, lang_text(TXT_BANK_MAXIMUM), static_cast<long>(max));
    const ScreenText texts[] = {
        {80, 40, lang_text(TXT_RAISE_TITLE)},     {80, 60, lang_text(TXT_RAISE_INTEREST)}, {80, 80, maximum},
        {80, 100, lang_text(TXT_RAISE_HOW_MUCH)}, {80, 120, lang_text(TXT_RAISE_UNIT)},    {0, 0, nullptr}};
    AmountDialog dialog;
    amount_dialog_open(&dialog, texts, 122, 0);
    int32_t a = 0;
    while (amount_dialog_wait(&dialog, &a) == 1) {
        if (a > max) {
            const char* lines[] = {lang_text(TXT_OVERDO_1), lang_text(TXT_OVERDO_2), nullptr};
            amount_dialog_refuse(&dialog, lines);
        } else if (a >= 1) {
            ship->mortgage = wrap_add(ship->mortgage, a);
            owner->cash = wrap_add(owner->cash, a);
            owner->income_sales = wrap_add(owner->income_sales, a);
            ship->mortgage_rate = 2;
            ship->mortgage_period = 90;
            // A small mortgage (a total below 50) runs at 9 % a year instead.
            if (ship->mortgage != 0 && wrap_mul(ship->mortgage, 2) / 100 == 0) {
                ship->mortgage_period = 365;
                ship->mortgage_rate = 9;
            }
            break;
        } else if (a < 0) {
            const char* lines[] = {lang_text(TXT_NEGATIVE_MORTGAGE_1), lang_text(TXT_NEGATIVE_MORTGAGE_2),
                                   nullptr};
            amount_dialog_refuse(&dialog, lines);
        } else {
            break;
        }
    }
    amount_dialog_close(&dialog);
}

void pay_off_mortgage_dialog(int32_t player, Shipowner* owner, Ship* ship) {
    const int32_t m = ship->mortgage;
    if (m <= 0) {
        const char* lines[] = {lang_text(TXT_NO_MORTGAGE_ON_1), lang_text(TXT_NO_MORTGAGE_ON_2),
                               lang_text(TXT_NO_MORTGAGE_ON_3), nullptr};
        bank_message_box(lines);
        return;
    }
    static const TextId negative[] = {TXT_NEGATIVE_MORTGAGE_1, TXT_NEGATIVE_MORTGAGE_2};
    const RepayForm form{TXT_PAY_OFF_TITLE, TXT_PAY_OFF_FEE, TXT_PAY_OFF_HOW_MUCH, negative, 2, 108};
    ship->mortgage = wrap_sub(ship->mortgage, bank_repay_dialog(player, owner, m, form));
}
