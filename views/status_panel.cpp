#include "views/status_panel.h"

#include <cstdio>

#include "engine/draw.h"
#include "engine/intmath.h"
#include "engine/timing.h"
#include "world/records.h"
#include "views/world_map.h"
#include "lang/lang.h"
#include "ui/fonts.h"
#include "ui/gadget_render.h"

int32_t g_panel_weekday = 0;

namespace {

const int32_t g_bar_x[4] = {261, 274, 287, 300};
GadgetText g_panel_number_text = {15, 15, 1, 1, 1, &g_font_sys13, nullptr, nullptr};
GadgetText g_panel_bar_label = {15, 15, 1, 1, 1, &g_font_sys8b, nullptr, nullptr};

constexpr int32_t BAR_BASELINE = 194;
constexpr int32_t BAR_RANGE = 35;

void print_number(int32_t value, int32_t x, int32_t y) {
    char text[16];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
    g_panel_number_text.text = text;
    draw_text_items(&g_panel_number_text, x, y);
    g_panel_number_text.text = nullptr;
}

void outline_weekday(int32_t d, uint32_t colour) {
    set_draw_color(colour);
    draw_rect_outline(138 + 15 * d, 167, 147 + 15 * d, 177);
}

// The panel's arithmetic is 32-bit (engine/intmath.h): products and differences of huge net
// worths wrap. A range that wrapped to zero gives a bar of zero.
int32_t bar_div(int32_t a, int32_t b) { return b == 0 ? 0 : wrap_div(a, b); }

}  // namespace

int32_t status_panel_zero_line(int32_t min, int32_t max) {
    if (min < 0 && max > 0) return bar_div(wrap_mul(wrap_sub(0, min), BAR_RANGE), wrap_sub(max, min));
    return 0;
}

int32_t status_panel_bar_height(int32_t w, int32_t min, int32_t max) {
    if (min > 0) return bar_div(wrap_mul(w, BAR_RANGE), max);
    return bar_div(wrap_mul(wrap_sub(w, min), BAR_RANGE), wrap_sub(max, min));
}

void status_panel_label(int32_t status, char* out, int32_t size) {
    if (status < 0) {
        std::snprintf(out, static_cast<size_t>(size), "%s", lang_text(TXT_PANEL_STATUS_NEGATIVE));
    } else if (status <= 999) {
        std::snprintf(out, static_cast<size_t>(size), "%d", static_cast<int>(status));
    } else {
        std::snprintf(out, static_cast<size_t>(size), "%s", lang_text(TXT_PANEL_STATUS_RICH));
    }
}

void draw_status_panel() {
    int32_t weekday = g_day % 7;
    int32_t week = (g_day / 7) % 52;
    int32_t year = g_day / 364;

    set_draw_color(0);
    fill_rect(144, 183, 159, 193);
    print_number(week, 145, 183);
    set_draw_color(0);
    fill_rect(205, 183, 220, 193);
    print_number(year, 206, 183);

    outline_weekday(g_panel_weekday, 7);
    outline_weekday(weekday, 15);
    g_panel_weekday = weekday;

    int32_t min = INT32_MAX;
    int32_t max = INT32_MIN;
    for (int32_t i = 0; i < g_shipowner_count; ++i) {
        const Shipowner& owner = g_shipowners[i];
        if (owner.out_of_game != 0) continue;
        int32_t w = owner.net_worth_history[owner.history_index & 255];
        if (w < min) min = w;
        if (w > max) max = w;
    }

    wait_tick();
    set_draw_color(0);
    fill_rect(254, 155, 314, BAR_BASELINE);
    // Equal net worths get a range of one; with nobody left in the game this wraps, as in 32 bits.
    if (max <= min) max = wrap_add(min, 1);

    int32_t z = status_panel_zero_line(min, max);
    if (min < 0 && max > 0) draw_line_clipped(257, wrap_sub(BAR_BASELINE, z), 312, wrap_sub(BAR_BASELINE, z), 12);

    for (int32_t i = 0; i < g_shipowner_count; ++i) {
        const Shipowner& owner = g_shipowners[i];
        if (owner.out_of_game != 0) continue;
        int32_t w = owner.net_worth_history[owner.history_index & 255];
        int32_t h = status_panel_bar_height(w, min, max);
        int32_t top = wrap_sub(BAR_BASELINE, h > z ? h : z);
        int32_t bottom = wrap_sub(BAR_BASELINE, h < z ? h : z);
        uint32_t colour = static_cast<uint32_t>(g_owner_colours[i]);
        set_draw_color(colour);
        set_fill_stipple(1);
        fill_rect(g_bar_x[i], top, g_bar_x[i] + 6, bottom);
        set_fill_stipple(0);
        fill_rect(g_bar_x[i] + 7, top, g_bar_x[i] + 9, bottom);

        char label[16];
        status_panel_label(owner.status, label, sizeof label);
        g_panel_bar_label.text = label;
        draw_text_items(&g_panel_bar_label, g_bar_x[i], 184);
        g_panel_bar_label.text = nullptr;
    }
}
