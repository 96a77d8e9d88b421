#include "voyage/voyage_panel.h"

#include <algorithm>
#include <cstdio>

#include "engine/draw.h"
#include "engine/input.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "ui/slider.h"
#include "voyage/passage.h"
#include "world/cargoes.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/ship_types.h"

SliderInfo g_speed_slider_info = {};
Gadget g_speed_slider = {};

namespace {

constexpr int32_t SLIDER_MAX = 65535;
constexpr uint8_t KEY_TOP = 33;     // '!': top speed
constexpr uint8_t KEY_BOTTOM = 34;  // '"': slowest

constexpr int32_t LINE_SIZE = 64;
char s_route_line[LINE_SIZE];
char s_freight_line[LINE_SIZE];
char s_distance_line[LINE_SIZE];
char s_limit_line[LINE_SIZE];
char s_use_line[LINE_SIZE];
char s_time_line[LINE_SIZE];
char s_speed_line[LINE_SIZE];

const ShipType& ship_type_of(const Ship* ship) {
    int32_t t = ship->ship_type;
    return g_ship_type_table[t >= 1 && t <= SHIP_TYPE_COUNT ? t : 0];
}

const Route& route_of(const Ship* ship) {
    int32_t r = ship->route;
    return g_route_table[r >= 1 && r <= ROUTE_COUNT ? r : 0];
}

void set_up_slider() {
    g_speed_slider_info = SliderInfo{};
    g_speed_slider_info.flags = SLIDER_PLAIN_KNOB | SLIDER_VERTICAL;
    g_speed_slider_info.vpot = 0;
    g_speed_slider_info.vbody = SPEED_SLIDER_STEP;
    g_speed_slider = Gadget{};
    g_speed_slider.left = 260;
    g_speed_slider.top = 120;
    g_speed_slider.width = 40;
    g_speed_slider.height = 70;
    g_speed_slider.type = GADGET_SLIDER;
    g_speed_slider.special = &g_speed_slider_info;
    g_speed_slider.id = SPEED_SLIDER_ID;
}

// The speed scale behind the slider: a tick every 5 rows, a long one every 25.
void draw_scale() {
    set_draw_color(2);
    fill_rect(240, 105, 318, 195);
    set_draw_color(1);
    fill_rect(300, 120, 315, 190);
    set_draw_color(3);
    for (int32_t y = 120; y <= 190; y += 5) {
        draw_move_to(300, y);
        draw_line_to((y - 120) % 25 == 0 ? 310 : 305, y);
    }
}

void format_speed_lines(int32_t v, int32_t days, int32_t use) {
    std::snprintf(s_use_line, sizeof s_use_line, lang_text(TXT_PANEL_USING), static_cast<long>(use));
    std::snprintf(s_time_line, sizeof s_time_line, lang_text(TXT_PANEL_TIME), static_cast<long>(days));
    std::snprintf(s_speed_line, sizeof s_speed_line, lang_text(TXT_PANEL_SPEED), static_cast<long>(v));
}

void format_voyage_lines(const Ship* ship, const Route& route) {
    bool a_to_b = ship->direction >= 1;
    std::snprintf(s_route_line, sizeof s_route_line, lang_text(TXT_PANEL_ROUTE),
                  port_name(a_to_b ? route.port_a : route.port_b), port_name(a_to_b ? route.port_b : route.port_a));
    if (ship->cargo != 0)
        std::snprintf(s_freight_line, sizeof s_freight_line, lang_text(TXT_PANEL_FREIGHT), cargo_name(ship->cargo));
    else
        std::snprintf(s_freight_line, sizeof s_freight_line, "%s", lang_text(TXT_PANEL_BALLAST));
    std::snprintf(s_distance_line, sizeof s_distance_line, lang_text(TXT_PANEL_DISTANCE),
                  static_cast<long>(route.length));
    if (ship->penalty_per_day != 0)
        std::snprintf(s_limit_line, sizeof s_limit_line, lang_text(TXT_PANEL_LIMIT),
                      static_cast<long>(ship->allowed_days));
    else
        std::snprintf(s_limit_line, sizeof s_limit_line, "%s", lang_text(TXT_PANEL_NO_LIMIT));
}

// The slider moved by a key of the last poll: 1 when it did.
bool key_moves_slider(uint16_t* value) {
    switch (g_last_key) {
        case KEY_UP:
            *value = static_cast<uint16_t>(std::max(0, *value - SPEED_SLIDER_STEP));
            return true;
        case KEY_DOWN:
            *value = static_cast<uint16_t>(std::min(SLIDER_MAX, *value + SPEED_SLIDER_STEP));
            return true;
        case KEY_TOP:
            *value = 0;
            return true;
        case KEY_BOTTOM:
            *value = SLIDER_MAX;
            return true;
        default:
            return false;
    }
}

}  // namespace

int32_t voyage_full_fuel(const ShipType& type) {
    return type.fuel_g_per_hp_h * (type.engine_hp / 1000) * 24 / 1000;
}

int32_t voyage_speed(int32_t vmax, int32_t value) {
    int32_t vmin = vmax / 4;
    return vmin + (vmax - vmin) * (SLIDER_MAX - value) / SLIDER_MAX;
}

int32_t voyage_fuel_use(int32_t full, int32_t v, int32_t vmax) {
    uint32_t v3 = static_cast<uint32_t>(v) * static_cast<uint32_t>(v) * static_cast<uint32_t>(v);
    auto vmax3 = static_cast<int32_t>(static_cast<uint32_t>(vmax) * static_cast<uint32_t>(vmax) *
                                      static_cast<uint32_t>(vmax));
    if (vmax3 == 0) return 1;  // a model without an engine row: nothing to scale by
    auto product = static_cast<int32_t>(static_cast<uint32_t>(full - 1) * v3);
    return product / vmax3 + 1;
}

int32_t voyage_days(int32_t length, int32_t v) {
    if (v == 0) return 0;
    return length / v / 24;
}

void voyage_panel(int32_t player, Shipowner*, Ship* ship) {
    passage_ship_screen(player, ship);
    const Route& route = route_of(ship);
    const ShipType& type = ship_type_of(ship);
    int32_t vmax = type.vmax_kn;
    int32_t full = voyage_full_fuel(type);
    int32_t v = vmax;
    int32_t days = voyage_days(route.length, v);
    int32_t use = voyage_fuel_use(full, v, vmax);
    format_voyage_lines(ship, route);
    format_speed_lines(v, days, use);

    draw_scale();
    set_up_slider();
    gadget_add(&g_speed_slider);
    slider_draw(&g_speed_slider, 2);
    const ScreenBox boxes[] = {
        {0, 82, 220, 150, 0}, {228, 100, 318, 116, 0}, {60, 160, 220, 198, 0}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {
        {2, 85, s_route_line}, {2, 100, s_freight_line}, {2, 115, s_distance_line}, {2, 130, s_limit_line},
        {62, 162, s_use_line}, {62, 177, s_time_line},   {230, 102, s_speed_line},  {0, 0, nullptr},
    };
    const ScreenButton buttons[] = {{0, 185, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    screen_layout_draw(buttons, boxes, texts);

    int32_t last = g_speed_slider_info.vpot;
    do {
        input_poll();
        if (key_moves_slider(&g_speed_slider_info.vpot)) gadgets_refresh();
        int32_t value = g_speed_slider_info.vpot;
        if (value != last) {
            last = value;
            v = voyage_speed(vmax, value);
            days = voyage_days(route.length, v);
            use = voyage_fuel_use(full, v, vmax);
            format_speed_lines(v, days, use);
            // only the speed, use and time boxes change
            screen_layout_draw(nullptr, &boxes[1], &texts[4]);
        }
    } while (g_command != 1 && g_quit == 0);
    gadget_remove(&g_speed_slider);
    screen_buttons_clear();
    ship->speed = v;
    ship->fuel_per_day = use;
}

void voyage_panel_reset() {
    g_speed_slider_info = SliderInfo{};
    g_speed_slider = Gadget{};
}
