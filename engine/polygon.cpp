#include "engine/polygon.h"

#include <algorithm>
#include <new>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/polygon_scan.h"

PathNode* g_path_head = nullptr;
int32_t g_path_start_x = 0;
int32_t g_path_start_y = 0;
uint32_t g_polygon_fill_style = 1;

namespace {

// Appends a node at the end of the path. A point that cannot be allocated is dropped: the callers
// never test a result, and a polygon missing a corner still fills inside its other points.
void append_node(uint32_t kind, int32_t x, int32_t y) {
    auto* node = new (std::nothrow) PathNode{nullptr, kind, x, y};
    if (node == nullptr) return;
    PathNode** link = &g_path_head;
    while (*link != nullptr) link = &(*link)->next;
    *link = node;
}

void free_path() {
    while (g_path_head != nullptr) {
        PathNode* next = g_path_head->next;
        delete g_path_head;
        g_path_head = next;
    }
}

// The steps every fill starts with: close the open contour, take the cursor off the screen.
void begin_fill() {
    polygon_line_to(g_path_start_x, g_path_start_y);
    if (g_cursor_visible != 0) mouse_hide_cursor();
}

// Fills the path, puts the caller's colour back, then draws the outline in it when asked.
int32_t fill_and_outline(int32_t outline, uint32_t colour, bool stippled) {
    if (g_path_head == nullptr) return 0;
    begin_fill();
    uint32_t caller_colour = g_draw_color;
    g_draw_color = colour;
    polygon_scan_fill(g_path_head, colour, stippled);
    g_draw_color = caller_colour;
    if (outline == 1) polygon_draw_outline();
    free_path();
    return 0;
}

}  // namespace

void polygon_move_to(int32_t x, int32_t y) {
    if (g_path_head != nullptr) polygon_line_to(g_path_start_x, g_path_start_y);
    append_node(PATH_MOVE, x, y);
    g_path_start_x = x;
    g_path_start_y = y;
}

void polygon_line_to(int32_t x, int32_t y) {
    append_node(PATH_LINE, x, y);
}

void set_polygon_fill_style(uint32_t style) {
    g_polygon_fill_style = style;
}

int32_t polygon_fill_color(int32_t outline, uint32_t colour) {
    return fill_and_outline(outline, colour, false);
}

int32_t polygon_fill_styled(int32_t outline) {
    switch (g_polygon_fill_style) {
        case FILL_STYLE_LAND:
            return fill_and_outline(outline, 56, false);
        case FILL_STYLE_SHOAL:
            return fill_and_outline(outline, 25, true);
        case FILL_STYLE_ICE:
            return fill_and_outline(outline, 27, true);
        case FILL_STYLE_GREEN:
            return fill_and_outline(outline, 26, false);
        default:
            return fill_and_outline(outline, g_draw_color, false);
    }
}

int32_t polygon_fill_gradient(int32_t colour_a, int32_t colour_b, int32_t shade, int32_t outline) {
    if (g_path_head == nullptr) return 0;
    // Interface colours are 0..31; other numbers wrap into that range rather than read past the table.
    const uint8_t* a = g_gui_palette[colour_a & 31];
    const uint8_t* b = g_gui_palette[colour_b & 31];
    uint8_t ramp[64][3];
    for (int32_t k = 0; k < 64; ++k)
        for (int32_t c = 0; c < 3; ++c) ramp[k][c] = static_cast<uint8_t>(a[c] + (k * (b[c] - a[c])) / 63);
    palette_set_entries(&ramp[0][0], 64, 64);

    uint32_t colour = 64 + static_cast<uint32_t>(std::clamp(shade, 0, 255)) / 4;
    begin_fill();
    uint32_t caller_colour = g_draw_color;
    g_draw_color = colour;
    polygon_scan_fill(g_path_head, colour, false);
    if (outline == 1) polygon_draw_outline();
    g_draw_color = caller_colour;
    free_path();
    return 0;
}

void polygon_draw_outline() {
    for (const PathNode* n = g_path_head; n != nullptr && n->next != nullptr; n = n->next) {
        if (n->next->kind != PATH_LINE) continue;
        draw_move_to(n->x, n->y);
        draw_line_to(n->next->x, n->next->y);
    }
}
