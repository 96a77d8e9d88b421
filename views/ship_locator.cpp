#include "views/ship_locator.h"

#include <cstdio>

#include "engine/draw.h"
#include "engine/intmath.h"
#include "engine/timing.h"
#include "world/cargoes.h"
#include "views/globe.h"
#include "views/globe_land.h"
#include "views/main_screen.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/sea_distance.h"
#include "lang/lang.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"

SliderInfo g_locator_pad_info = {};

namespace {

constexpr uint16_t PAD_ID = 99;
constexpr int32_t PAD_LEFT = 218;
constexpr int32_t PAD_TOP = 98;
constexpr int32_t PAD_SIZE = 100;
constexpr int32_t IDLE_PASSES = 20;  // passes without a key before the full redraw

enum LocatorMode : int32_t { MODE_IDLE = 0, MODE_GLIDE = 1, MODE_FULL = 2 };

Gadget g_locator_pad = {};

bool in_port(const Ship* ship) {
    return ship->route == 0 || ship->direction == 0;
}

void put_line(char* line, TextId id) {
    std::snprintf(line, LOCATOR_LINE_SIZE, "%s", lang_text(id));
}

void put_number(char* line, TextId id, int32_t n) {
    std::snprintf(line, LOCATOR_LINE_SIZE, lang_text(id), static_cast<long>(n));
}

void put_name(char* line, TextId id, const char* name) {
    std::snprintf(line, LOCATOR_LINE_SIZE, lang_text(id), name);
}

void draw_cross_hair() {
    set_draw_color(13);
    draw_move_to(PAD_LEFT, 147);
    draw_line_to(317, 147);
    draw_move_to(268, PAD_TOP);
    draw_line_to(268, 197);
}

// One step of the glide toward the target: large while far, fine when near.
int32_t glide_toward(int32_t from, int32_t to) {
    int32_t gap = to > from ? to - from : from - to;
    int32_t step = gap > 30 ? 20 : gap > 10 ? 5 : gap > 0 ? 1 : 0;
    return to > from ? from + step : from - step;
}

int32_t clamp_pot(int32_t v) {
    return v < 0 ? 0 : v > 65535 ? 65535 : v;
}

}  // namespace

void locator_status_lines(const Ship* ship, LocatorStatus* status) {
    char(*line)[LOCATOR_LINE_SIZE] = status->lines;
    put_name(line[0], TXT_LOCATOR_SHIP, ship->name);
    if (in_port(ship)) {
        put_name(line[1], TXT_LOCATOR_MOORING, port_name(ship->port));
        if (ship->layup_days > 0) {
            put_line(line[2], TXT_LOCATOR_LAID_UP);
        } else if (ship->road_days > 0) {
            put_line(line[2], TXT_LOCATOR_IN_ROAD);
        } else if (ship->shipyard_days > 0) {
            put_number(line[2], TXT_LOCATOR_SHIPYARD, ship->shipyard_days);
        } else if (ship->discharging_days > 0) {
            put_line(line[2], TXT_LOCATOR_DISCHARGING);
        } else if (ship->loading_days > 0) {
            put_line(line[2], TXT_LOCATOR_LOADING);
        } else {
            put_line(line[2], TXT_LOCATOR_READY);
        }
        put_line(line[3], TXT_LOCATOR_EMPTY);
        put_line(line[4], TXT_LOCATOR_EMPTY);
        return;
    }
    if (ship->cargo == 0) {
        put_line(line[1], TXT_LOCATOR_BALLAST);
    } else {
        put_name(line[1], TXT_LOCATOR_CARGO, cargo_name(ship->cargo));
    }
    put_name(line[2], TXT_LOCATOR_FROM, port_name(ship->port));
    const Route& route = g_route_table[ship->route];
    put_name(line[3], TXT_LOCATOR_TO, port_name(ship->direction == 1 ? route.port_b : route.port_a));
    if (ship->speed > 0) {
        int32_t days = wrap_sub(route.length, ship->sailed_nm) / ship->speed / 24 + 1;
        if (ship->heaving_days == 0 && ship->layup_days == 0) {
            std::snprintf(line[4], LOCATOR_LINE_SIZE, lang_text(TXT_LOCATOR_ETA),
                          static_cast<long>(ship->speed), static_cast<long>(days));
        } else {
            put_number(line[4], TXT_LOCATOR_HEAVING, days + ship->layup_days + ship->heaving_days);
        }
    } else if (ship->shipyard_days > 0) {
        put_number(line[4], TXT_LOCATOR_SHIPYARD, ship->shipyard_days);
    } else {
        put_line(line[4], TXT_LOCATOR_READY_TO_SAIL);
    }
}

void locator_pad_target(int32_t* lon, int32_t* lat) {
    *lat = 100 - ((g_locator_pad_info.vpot * 200) >> 16);
    *lon = ((g_locator_pad_info.hpot * 400) >> 16) - 200;
}

void show_ship_locator(Ship* ship) {
    clear_screen();
    screen_start_hook();
    g_locator_pad = {};
    g_locator_pad.left = PAD_LEFT;
    g_locator_pad.top = PAD_TOP;
    g_locator_pad.width = PAD_SIZE;
    g_locator_pad.height = PAD_SIZE;
    g_locator_pad.type = GADGET_SLIDER;
    g_locator_pad.special = &g_locator_pad_info;
    g_locator_pad.id = PAD_ID;
    gadget_add(&g_locator_pad);

    LocatorStatus status = {};
    locator_status_lines(ship, &status);
    compute_ship_route_position(ship);
    const ScreenButton buttons[] = {{200, 83, 50, 15, lang_text(TXT_OK_SMALL), 1}};
    static const ScreenBox boxes[] = {{200, 11, 318, 81, 3}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{203, 13, status.lines[0]}, {203, 27, status.lines[1]},
                                {203, 41, status.lines[2]}, {203, 55, status.lines[3]},
                                {203, 69, status.lines[4]}, {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
    gadgets_refresh();

    set_globe_view_center(ship->lon / 10, ship->lat / 10);
    const int32_t route = in_port(ship) ? 0 : ship->route;
    draw_cross_hair();
    set_globe_screen_offset(2);
    draw_globe_outline();
    draw_globe_coastlines();
    set_globe_screen_offset(2);
    fill_globe_land();
    draw_globe_graticule();
    shade_globe();
    draw_globe_ship_route(route);
    set_globe_screen_offset(2);
    draw_globe_pointer_line(ship->lon, ship->lat);

    int32_t mode = MODE_IDLE;
    int32_t countdown = 0;
    bool done = false;
    for (;;) {
        input_poll();
        if (g_key_code == 37 || g_key_code == 38 || g_key_code == 39 || g_key_code == 40) {
            SliderInfo& pad = g_locator_pad_info;
            if (g_key_code == 37) pad.hpot = static_cast<uint16_t>(clamp_pot(pad.hpot - pad.hstep));
            if (g_key_code == 39) pad.hpot = static_cast<uint16_t>(clamp_pot(pad.hpot + pad.hstep));
            if (g_key_code == 38) pad.vpot = static_cast<uint16_t>(clamp_pot(pad.vpot - pad.vstep));
            if (g_key_code == 40) pad.vpot = static_cast<uint16_t>(clamp_pot(pad.vpot + pad.vstep));
            gadgets_refresh();
            mode = MODE_GLIDE;
            countdown = IDLE_PASSES;
        }
        if (countdown > 0 && --countdown == 0) mode = MODE_FULL;
        if (g_command == PAD_ID && g_gadget_pressed == 0) {
            countdown = 0;
            mode = MODE_FULL;
        }
        if (g_command == 1 && g_gadget_pressed == 0) {
            countdown = 0;
            done = true;
        }
        if (g_pressed_gadget_id == PAD_ID && g_gadget_pressed == 1) {
            countdown = 0;
            mode = MODE_GLIDE;
        }
        if (g_gadget_pressed == 1) {
            countdown = 0;
            done = false;
        }
        // Enter while a press is still marked ends the loop without "done"; the gadgets go then too.
        const bool leaving = done || g_quit != 0 || g_command == 1;
        if (leaving) {
            screen_buttons_clear();
            gadget_remove(&g_locator_pad);
        }

        int32_t target_lon = 0;
        int32_t target_lat = 0;
        locator_pad_target(&target_lon, &target_lat);
        if (mode == MODE_GLIDE && (g_globe.view_lon != target_lon || g_globe.view_lat != target_lat)) {
            draw_cross_hair();
            set_globe_view_center(glide_toward(g_globe.view_lon, target_lon),
                                  glide_toward(g_globe.view_lat, target_lat));
            draw_globe_outline();
            draw_globe_coastlines();
            draw_globe_ship_route(route);
            set_globe_screen_offset(2);
            draw_globe_pointer_line(ship->lon, ship->lat);
        } else if (mode == MODE_FULL) {
            set_globe_view_center(target_lon, target_lat);
            draw_cross_hair();
            draw_globe_outline();
            draw_globe_coastlines();
            fill_globe_land();
            draw_globe_ship_route(route);
            draw_globe_graticule();
            shade_globe();
            set_globe_screen_offset(2);
            if (!done) draw_globe_pointer_line(ship->lon, ship->lat);
            mode = MODE_IDLE;
        }
        wait_tick();
        if (leaving) break;
    }
}
