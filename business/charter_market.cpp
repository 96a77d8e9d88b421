#include "business/charter_market.h"

#include "business/freight_offer.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "lang/lang.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/main_screen.h"
#include "world/cargoes.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"

namespace {

enum : int32_t { CHARTER_CANCEL = 2, ROUTE_COMMAND = 100, CARGO_COMMAND = 200 };

int32_t other_port(int32_t route, int32_t port) {
    const Route& r = g_route_table[route];
    return r.port_a == port ? r.port_b : r.port_a;
}

// Route rows, cargo rows, cancel and OK (the end row).
int32_t build_buttons(const Ship* ship, const CharterRows& rows, ScreenButton* buttons) {
    int32_t n = 0;
    for (int32_t k = 0; k < rows.route_count; ++k)
        buttons[n++] = ScreenButton{10, static_cast<int16_t>(15 + 15 * k), 130, 14,
                                    port_name(other_port(rows.routes[k], ship->port)),
                                    static_cast<uint16_t>(ROUTE_COMMAND + k)};
    for (int32_t j = 0; j < rows.cargo_count; ++j)
        buttons[n++] = ScreenButton{145, static_cast<int16_t>(15 + 15 * j), 160, 14, cargo_name(rows.cargoes[j]),
                                    static_cast<uint16_t>(CARGO_COMMAND + j)};
    buttons[n++] = ScreenButton{215, 185, static_cast<int16_t>(lang_settings().charter_cancel_width), 15,
                                lang_text(TXT_CM_CANCEL), CHARTER_CANCEL};
    buttons[n++] = ScreenButton{0, 185, 25, 15, lang_text(TXT_CM_OK), 1};
    return n;
}

int32_t row_route(const CharterRows& rows, int32_t row) {
    return row >= 0 && row < rows.route_count ? rows.routes[row] : 0;
}

int32_t row_cargo(const CharterRows& rows, int32_t row) {
    return row >= 0 && row < rows.cargo_count ? rows.cargoes[row] : 0;
}

}  // namespace

void build_charter_rows(const Ship* ship, const int32_t* rolls, CharterRows* rows) {
    *rows = CharterRows{};
    for (int32_t route = 1; route <= ROUTE_COUNT && rows->route_count < CHARTER_ROUTE_ROWS; ++route) {
        const Route& r = g_route_table[route];
        if (r.port_a == ship->port || r.port_b == ship->port) rows->routes[rows->route_count++] = route;
    }
    const PortInfo& port = g_port_table[ship->port];
    for (int32_t k = 1; k <= CARGO_COUNT; ++k) {
        if (port.trade[k - 1].trade_code != 0 && g_cargo_table[k].offer_chance > rolls[k - 1] / 10)
            rows->cargoes[rows->cargo_count++] = k;
    }
}

int32_t charter_letter_command(uint8_t key) {
    if (key == 0) return 0;
    const LanguageSettings& settings = lang_settings();
    for (int32_t i = 0; i < 10 && settings.charter_keys[i] != '\0'; ++i)
        if (static_cast<uint8_t>(settings.charter_keys[i]) == key) return CARGO_COMMAND + i;
    if (settings.charter_sixth_alt != 0 && static_cast<uint8_t>(settings.charter_sixth_alt) == key)
        return CARGO_COMMAND + 5;
    return 0;
}

void draw_charter_selection_frames(int32_t route_row, int32_t cargo_row, int32_t mode) {
    int32_t ry = 15 * route_row;
    int32_t cy = 15 * cargo_row;
    if (mode == CHARTER_FRAME_SELECTED) {
        set_draw_color(12);
    } else {
        set_draw_color(g_graphics_mode == 2 ? 3 : 9);
    }
    fill_rect(10, ry + 15, 139, ry + 28);
    fill_rect(145, cy + 15, 304, cy + 28);
    set_draw_color(0);
    draw_move_to(11, ry + 28);
    draw_line_to(139, ry + 28);
    draw_line_to(139, ry + 16);
    draw_move_to(146, cy + 28);
    draw_line_to(304, cy + 28);
    draw_line_to(304, cy + 16);
    set_draw_color(15);
    draw_move_to(10, ry + 27);
    draw_line_to(10, ry + 15);
    draw_line_to(138, ry + 15);
    draw_move_to(145, cy + 27);
    draw_line_to(145, cy + 15);
    draw_line_to(303, cy + 15);
}

void charter_offer_dialog(int32_t player, Shipowner* shipowner, Ship* ship, const int32_t* rolls,
                          int32_t* route_row, int32_t* cargo_row) {
    CharterRows rows{};
    build_charter_rows(ship, rolls, &rows);
    ScreenButton buttons[CHARTER_ROUTE_ROWS + CHARTER_CARGO_ROWS + 2];

    clear_screen_grey();
    build_buttons(ship, rows, buttons);
    screen_layout_draw(buttons, nullptr, nullptr);

    int32_t r = *route_row;
    int32_t c = *cargo_row;
    draw_charter_selection_frames(r, c, CHARTER_FRAME_SELECTED);
    compute_freight_offer(player, shipowner, ship, row_route(rows, r), row_cargo(rows, c), rolls);
    gadgets_refresh();

    do {
        input_poll();
        // The letter row picks cargo rows, even where its letters are yes or no keys elsewhere.
        int32_t letter = charter_letter_command(g_last_key);
        if (letter != 0) g_command = letter;

        if (g_command >= CARGO_COMMAND && g_command < CARGO_COMMAND + rows.cargo_count) {
            draw_charter_selection_frames(r, c, CHARTER_FRAME_NORMAL);
            c = g_command - CARGO_COMMAND;
            draw_charter_selection_frames(r, c, CHARTER_FRAME_SELECTED);
            compute_freight_offer(player, shipowner, ship, row_route(rows, r), row_cargo(rows, c), rolls);
            gadgets_refresh();
        } else if (g_command >= ROUTE_COMMAND && g_command < ROUTE_COMMAND + rows.route_count) {
            draw_charter_selection_frames(r, c, CHARTER_FRAME_NORMAL);
            r = g_command - ROUTE_COMMAND;
            draw_charter_selection_frames(r, c, CHARTER_FRAME_SELECTED);
            compute_freight_offer(player, shipowner, ship, row_route(rows, r), row_cargo(rows, c), rolls);
            gadgets_refresh();
        } else if (g_command == CHARTER_CANCEL || g_command == 300) {
            // The ship leaves the market without a charter, even one taken earlier this visit.
            ship->route = 0;
            g_command = 1;
        } else if (g_command == 1) {
            ship->route = static_cast<int8_t>(row_route(rows, r));
            ship->cargo = static_cast<int8_t>(row_cargo(rows, c));
        }
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
    *route_row = r;
    *cargo_row = c;
}
