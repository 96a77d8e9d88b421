// The sellers market's list of the shipowner's ships, three columns of ten, and the broker's offer
// for the chosen one with its sale.
#include "business/sellers_market.h"

#include <cstdio>

#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/records.h"

ScreenButton g_sellers_buttons[SELLERS_LIST_MAX + 2] = {};

void sellers_market_state_reset() {
    for (ScreenButton& row : g_sellers_buttons) row = ScreenButton{};
}

void format_sale_rest(int32_t amount, char* out, int32_t size) {
    int32_t millions = 0;
    int32_t tenths = 0;
    split_thousands_to_millions(amount, &millions, &tenths);
    std::snprintf(out, static_cast<size_t>(size), lang_text(TXT_SELL_REST_AMOUNT), lang_text(TXT_STATUS_MILLION),
                  static_cast<long>(millions), static_cast<long>(tenths));
}

namespace {

#define T(id) lang_text(id)

constexpr uint16_t KEEP_SHIP = 2;
constexpr int32_t REBUILD_LIST = 99;

// The list from the ships as they are now; returns how many are shown.
int32_t draw_ship_list(int32_t player, int16_t button_height) {
    clear_screen_grey();
    restore_screen();
    screen_start_hook();
    int32_t count = 0;
    int16_t x = 7;
    int16_t y = 32;
    for (Ship* ship = g_shipowners[player].ships; ship != nullptr && count < SELLERS_LIST_MAX;
         ship = ship->next) {
        g_sellers_buttons[count] = {x, y, 100, button_height, ship->name, static_cast<uint16_t>(100 + count)};
        ++count;
        y = static_cast<int16_t>(y + 14);
        if (y > 165) {
            y = 32;
            x = static_cast<int16_t>(x + 102);
        }
    }
    g_sellers_buttons[count] = {50, 185, 50, 15, T(TXT_SELL_NO), REQUESTER_NO};
    g_sellers_buttons[count + 1] = {0, 185, 50, 15, T(TXT_OK_SMALL), 1};
    static const ScreenBox boxes[] = {{100, 185, 315, 199, 2}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{105, 186, T(TXT_SELL_WHICH_SHIP)}, {0, 0, nullptr}};
    screen_layout_draw(g_sellers_buttons, boxes, texts);
    g_selected_button = -1;
    if (count > 0) button_select(g_sellers_buttons, 100);
    draw_shipowner_status_line(player, 6);
    return count;
}

void show_box(const char* const* lines) {
    message_box(lines, 0);
}

}  // namespace

void sellers_market_dialog(int32_t player) {
    int32_t count = draw_ship_list(player, 13);
    do {
        input_poll();
        button_select_by_arrow(100, 99 + count, 10, 1);
        if (g_command >= 100 && g_command <= 99 + count) {
            button_select(g_sellers_buttons, g_command);
        } else if (g_command == 1 && g_selected_button >= 0 && g_selected_button < count) {
            screen_buttons_clear();
            Ship* previous = nullptr;
            Ship* ship = g_shipowners[player].ships;
            for (int32_t i = 0; i < g_selected_button; ++i) {
                previous = ship;
                ship = ship->next;
            }
            broker_offer_dialog(player, previous, ship);
            count = draw_ship_list(player, 11);
            g_command = REBUILD_LIST;
        }
    } while (g_command != REQUESTER_NO && g_quit == 0);
    screen_buttons_clear();
}

void broker_offer_dialog(int32_t player, Ship* previous, Ship* ship) {
    clear_screen_grey();
    restore_screen();
    screen_start_hook();
    draw_shipowner_status_line(player, 6);
    int32_t offer = ship_sale_offer(ship);
    if (offer < ship->mortgage) {
        const char* const lines[] = {
            T(TXT_SELL_MORTGAGE_1), T(TXT_SELL_MORTGAGE_2), T(TXT_SELL_MORTGAGE_3), T(TXT_SELL_MORTGAGE_4),
            T(TXT_SELL_MORTGAGE_5), T(TXT_SELL_MORTGAGE_6), T(TXT_SELL_MORTGAGE_7), nullptr};
        show_box(lines);
        return;
    }

    int32_t millions = 0;
    int32_t tenths = 0;
    split_thousands_to_millions(offer, &millions, &tenths);
    char offer_line[64];
    std::snprintf(offer_line, sizeof offer_line, T(TXT_SELL_OFFER), T(TXT_STATUS_MILLION), "",
                  static_cast<long>(millions), static_cast<long>(tenths));
    const char* demand[3];
    sale_demand_lines(g_ship_price_index, demand);
    const ScreenButton buttons[] = {{180, 185, 100, 15, T(TXT_SELL_KEEP), KEEP_SHIP},
                                    {0, 185, 126, 15, T(TXT_SELL_ACCEPT), 1}};
    static const ScreenBox boxes[] = {{60, 55, 260, 95, 2}, {60, 110, 260, 180, 2}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {
        {65, 160, offer_line}, {65, 60, T(TXT_SELL_WE_BUY_1)}, {65, 75, T(TXT_SELL_WE_BUY_2)},
        {65, 115, demand[0]},  {65, 130, demand[1]},           {65, 145, demand[2]},
        {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);

    do {
        input_poll();
        if (g_command == 1) {
            int32_t mortgage = ship->mortgage;
            if (mortgage > 0) {
                char rest[48];
                format_sale_rest(offer - mortgage, rest, sizeof rest);
                const char* const lines[] = {T(TXT_SELL_ALL_YOU_GET), rest, T(TXT_SELL_REST_1),
                                             T(TXT_SELL_REST_2), nullptr};
                show_box(lines);
                g_command = 1;
            }
            sell_ship(player, previous, ship, offer);
        } else if (g_command == KEEP_SHIP || g_command == REQUESTER_NO) {
            g_command = 1;
        }
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}
