#include "voyage/radar_gauges.h"

#include <algorithm>
#include <cstdio>

#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "ui/fonts.h"

namespace {

constexpr uint32_t FIELD = 2;
constexpr uint32_t MARKER = 15;
// The degree sign in the texts' code page: the character table brings it to the font's degree
// glyph (the Latin-1 code 0xB0 itself would map to nothing and show no sign).
constexpr char DEGREE_MARK = '\xF8';

void box(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
    set_draw_color(colour);
    fill_rect(x0, y0, x1, y1);
}

void line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
    set_draw_color(colour);
    draw_move_to(x0, y0);
    draw_line_to(x1, y1);
}

uint32_t speed_colour() { return g_graphics_mode == 2 ? 3 : 1; }

void telegraph_mark(int32_t t, uint32_t colour) { line(203, 90 - t, 222, 90 - t, colour); }
void rudder_mark(int32_t q, uint32_t colour) { line(225 + q, 155, 225 + q, 164, colour); }
void speed_mark(int32_t s, uint32_t colour) {
    int32_t y = radar_speed_mark_y(s);
    line(242, y, 254, y, colour);
}

bool move_mark(int32_t value, int32_t* shown, uint32_t colour, void (*mark)(int32_t, uint32_t)) {
    if (value == *shown) return false;
    mark(*shown, FIELD);
    mark(value, colour);
    *shown = value;
    return true;
}

}  // namespace

int32_t radar_speed_mark_y(int32_t speed) { return std::clamp(90 - (speed >> 3), 59, 118); }

void radar_heading_draw(int32_t degrees) {
    char text[16];
    std::snprintf(text, sizeof text, "%3d%c", degrees, DEGREE_MARK);
    box(185, 130, 264, 141, FIELD);
    set_draw_color(1);
    font_draw_text(&g_font_sys8, text, 210, 131);
}

void radar_gauges_draw(RadarRun* run) {
    box(203, 59, 222, 118, FIELD);
    box(185, 155, 264, 164, FIELD);
    box(242, 59, 254, 118, FIELD);
    telegraph_mark(run->telegraph, MARKER);
    rudder_mark(run->rudder, MARKER);
    speed_mark(run->own.speed, speed_colour());
    run->shown_telegraph = run->telegraph;
    run->shown_rudder = run->rudder;
    run->shown_speed = run->own.speed;
    run->shown_heading = 270;
    radar_heading_draw(270);
}

void radar_controls_update(RadarRun* run) {
    move_mark(run->telegraph, &run->shown_telegraph, MARKER, telegraph_mark);
    move_mark(run->rudder, &run->shown_rudder, MARKER, rudder_mark);
}

bool radar_speed_update(RadarRun* run) {
    return move_mark(run->own.speed, &run->shown_speed, speed_colour(), speed_mark);
}

void radar_heading_update(RadarRun* run) {
    int32_t degrees = run->own.heading >> 7;
    if (degrees == run->shown_heading) return;
    run->shown_heading = degrees;
    radar_heading_draw(degrees);
}
