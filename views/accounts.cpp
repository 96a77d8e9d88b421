#include "views/accounts.h"

#include <cstdio>

#include "engine/draw.h"
#include "engine/font.h"
#include "engine/intmath.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/ship_types.h"
#include "lang/lang.h"
#include "ui/fonts.h"

void compute_shipowner_assets(int32_t player, int32_t* ship_values, int32_t* mortgages, int32_t* credit,
                              int32_t* net_worth) {
    const Shipowner& owner = g_shipowners[player];
    *ship_values = 0;
    *mortgages = 0;
    *credit = owner.credit;
    // Sums and products wrap in 32 bits: a game file may hold numbers at the ends of their range.
    int32_t worth = wrap_sub(owner.cash, owner.credit);
    for (const Ship* ship = owner.ships; ship != nullptr; ship = ship->next) {
        *mortgages = wrap_add(*mortgages, ship->mortgage);
        worth = wrap_sub(worth, ship->mortgage);
        // Each step truncates on its own, as the broker and the bank round their prices.
        int32_t value = wrap_mul(g_ship_type_table[ship->ship_type].price, ship->condition) / 10000;
        value = wrap_mul(value, g_ship_price_index) / 1000;
        value = wrap_mul(value, 80) / 100;
        *ship_values = wrap_add(*ship_values, value);
        worth = wrap_add(worth, value);
    }
    *net_worth = worth;
}

void split_thousands_to_millions(int32_t amount, int32_t* millions, int32_t* tenths) {
    int32_t a = wrap_add(amount, 50);
    *millions = a / 1000;
    *tenths = a / 100 - 10 * *millions;
}

void draw_sunken_frame(int32_t x, int32_t y, int32_t w, int32_t h) {
    set_draw_color(15);
    draw_move_to(x - 1, y + h);
    draw_line_to(x + w, y + h);
    draw_line_to(x + w, y - 1);
    set_draw_color(37);
    draw_move_to(x - 1, y + h);
    draw_line_to(x - 1, y - 1);
    draw_line_to(x + w, y - 1);
}

void format_shipowner_status_line(int32_t player, char* out, int32_t size) {
    const Shipowner& owner = g_shipowners[player];
    int32_t count = ship_count(&owner);
    const char* sign = owner.cash < 0 ? lang_text(TXT_STATUS_MINUS) : "";
    int32_t millions = 0;
    int32_t tenths = 0;
    // Taken in unsigned so that the most negative cash still has a magnitude.
    uint32_t magnitude = owner.cash < 0 ? 0u - static_cast<uint32_t>(owner.cash) : static_cast<uint32_t>(owner.cash);
    split_thousands_to_millions(static_cast<int32_t>(magnitude), &millions, &tenths);
    TextId format = count == 1 ? TXT_STATUS_LINE_ONE : TXT_STATUS_LINE_MANY;
    snprintf(out, static_cast<size_t>(size), lang_text(format), owner.company, port_name(owner.home_port), count,
             lang_text(TXT_STATUS_MILLION), sign, static_cast<long>(millions), static_cast<long>(tenths));
}

void draw_shipowner_status_line(int32_t player, int32_t /*style*/) {
    set_draw_color(0);
    fill_rect(0, 0, 319, 14);
    char line[96];
    format_shipowner_status_line(player, line, sizeof line);
    set_draw_color(3);
    font_draw_text(&g_font_sys13, line, 2, 1);
}
