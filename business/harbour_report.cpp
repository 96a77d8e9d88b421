#include "business/harbour_report.h"

#include <cstdio>

#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "ui/fonts.h"
#include "views/accounts.h"
#include "world/records.h"

namespace {

enum : int32_t { PORT_NEW_YORK = 9, PORT_HONG_KONG = 10 };

#define PORT_INFO(p)                                                                              \
    {TXT_PORT_INFO_##p##_1, TXT_PORT_INFO_##p##_2, TXT_HV_BLANK,          TXT_PORT_INFO_##p##_3, \
     TXT_PORT_INFO_##p##_4, TXT_PORT_INFO_##p##_5, TXT_PORT_INFO_##p##_6, TXT_PORT_INFO_##p##_7}

}  // namespace

const TextId g_port_info_texts[PORT_COUNT + 1][PORT_INFO_LINES] = {
    {TXT_HV_BLANK, TXT_HV_BLANK, TXT_HV_BLANK, TXT_HV_BLANK, TXT_HV_BLANK, TXT_HV_BLANK, TXT_HV_BLANK,
     TXT_HV_BLANK},
    PORT_INFO(1),  PORT_INFO(2),  PORT_INFO(3),  PORT_INFO(4),  PORT_INFO(5),  PORT_INFO(6),  PORT_INFO(7),
    PORT_INFO(8),  PORT_INFO(9),  PORT_INFO(10), PORT_INFO(11), PORT_INFO(12), PORT_INFO(13), PORT_INFO(14),
    PORT_INFO(15), PORT_INFO(16), PORT_INFO(17), PORT_INFO(18), PORT_INFO(19), PORT_INFO(20), PORT_INFO(21),
    PORT_INFO(22), PORT_INFO(23), PORT_INFO(24), PORT_INFO(25), PORT_INFO(26), PORT_INFO(27), PORT_INFO(28),
};

#undef PORT_INFO

void draw_text_lines(int32_t x, int32_t y, int32_t colour, TextLines lines, const char* extra) {
    set_draw_color(static_cast<uint32_t>(colour));
    if (lines != nullptr)
        for (int32_t k = 0; lines[k] != nullptr; ++k) font_draw_text(&g_font_sys7b, lines[k], x + 1, y + 1 + 9 * k);
    if (extra != nullptr) font_draw_text(&g_font_sys7b, extra, x + 1, y + 19);
}

void show_port_picture(const Ship* ship) {
    int32_t p = ship->port;
    int32_t picture = 14;
    if (p == PORT_NEW_YORK || (p >= 11 && p <= 19)) {
        picture = 15;
    } else if (p >= 20) {
        picture = 16;
    }
    picture_load(picture, g_background_buffer);
    picture_load(HARBOUR_SHEET_PICTURE, g_sheet_buffer);
    set_backdrop_blue(0, 0);
}

int32_t port_view_corner(int32_t p, int32_t* x, int32_t* y) {
    int32_t column = 0;
    int32_t row = 0;
    if (p == PORT_NEW_YORK || p < 1) {
        // New York's view is painted into the sheet itself; a ship never lies in port 0.
        return 0;
    } else if (p == PORT_HONG_KONG) {
        *x = 186;
        *y = 0;
        return 1;
    } else if (p > PORT_COUNT) {
        *x = 0;
        *y = 0;
        return 1;
    } else if (p <= 8) {
        column = (p - 1) % 3;
        row = (p - 1) / 3;
    } else if (p <= 19) {
        column = (p - 11) % 3;
        row = (p - 11) / 3;
    } else {
        column = (p - 20) % 3;
        row = (p - 20) / 3;
    }
    *x = 93 * column;
    *y = 134 - 67 * row;
    return 1;
}

void draw_port_view_and_info(const Ship* ship) {
    screen_show_buffer(g_sheet_buffer);
    int32_t sx = 0;
    int32_t sy = 0;
    if (port_view_corner(ship->port, &sx, &sy) != 0)
        blit_to_screen(g_background_buffer, sx, sy, PORT_VIEW_X, PORT_VIEW_Y, PORT_VIEW_W, PORT_VIEW_H, BLIT_COPY);
    if (ship->port < 1 || ship->port > PORT_COUNT) return;
    const char* lines[PORT_INFO_LINES + 1];
    for (int32_t k = 0; k < PORT_INFO_LINES; ++k) lines[k] = lang_text(g_port_info_texts[ship->port][k]);
    lines[PORT_INFO_LINES] = nullptr;
    const char* rule = lang_text(TXT_HV_INFO_RULE);
    draw_text_lines(163, 122, 0, lines, rule);
    draw_text_lines(162, 121, 3, lines, rule);
}

void arrival_report_start(const Shipowner* shipowner, const Ship* ship, ArrivalReport* report) {
    std::snprintf(report->company, sizeof report->company, lang_text(TXT_HV_COMPANY), shipowner->company);
    std::snprintf(report->ship, sizeof report->ship, lang_text(TXT_HV_SHIP), ship->name);
    const char* blank = lang_text(TXT_HV_BLANK);
    std::snprintf(report->from, sizeof report->from, "%s", blank);
    std::snprintf(report->with, sizeof report->with, "%s", blank);
    std::snprintf(report->result, sizeof report->result, "%s", blank);
    arrival_report_refresh(shipowner, ship, report);
}

void arrival_report_refresh(const Shipowner* shipowner, const Ship* ship, ArrivalReport* report) {
    const char* sign = shipowner->cash < 0 ? lang_text(TXT_HV_MINUS) : "";
    // The magnitude is taken in unsigned, so that even the most negative cash has one.
    uint32_t magnitude = shipowner->cash < 0 ? 0u - static_cast<uint32_t>(shipowner->cash)
                                             : static_cast<uint32_t>(shipowner->cash);
    int32_t millions = 0;
    int32_t tenths = 0;
    split_thousands_to_millions(static_cast<int32_t>(magnitude), &millions, &tenths);
    std::snprintf(report->cash, sizeof report->cash, lang_text(TXT_HV_CASH_LINE), sign, static_cast<long>(millions),
                  static_cast<long>(tenths));
    std::snprintf(report->condition, sizeof report->condition, lang_text(TXT_HV_CONDITION),
                  static_cast<long>(ship->condition / 100));
    std::snprintf(report->fuel, sizeof report->fuel, lang_text(TXT_HV_FUEL), static_cast<long>(ship->fuel));
}

void draw_arrival_report(const ArrivalReport* report) {
    const char* lines[] = {report->company, report->ship,      report->from,
                           report->with,    report->result,    lang_text(TXT_HV_BANK_ACCOUNT),
                           report->cash,    report->condition, report->fuel,
                           nullptr};
    draw_text_lines(12, 6, 0, lines, nullptr);
}
