#include "voyage/chart.h"

#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/intmath.h"
#include "engine/polygon.h"
#include "voyage/chart_sprites.h"
#include "voyage/hourglass.h"
#include "voyage/relief.h"
#include "voyage/sim_state.h"

namespace {

// Fills one polyline, closed by the fill, in the chart's style.
void fill_polyline(const int32_t* first, const int32_t* end) {
    switch (g_sim_map_style) {
        case MAP_STYLE_HARBOUR:
            set_backdrop_blue(0, 0);
            set_draw_color(20);
            break;
        case MAP_STYLE_ICE:
        case MAP_STYLE_REEF:
        case MAP_STYLE_SHOALS:
            set_backdrop_blue(0, 1);
            break;
        default:
            break;
    }
    for (const int32_t* p = first; p < end; p += 2) {
        if (p == first) {
            polygon_move_to(p[0], p[1]);
        } else {
            polygon_line_to(p[0], p[1]);
        }
    }
    polygon_fill_styled(g_sim_map_style == MAP_STYLE_HARBOUR ? 1 : 0);
}

// Calls visit(first, end) for every polyline of the list; returns the start of the object part.
template <typename Visit>
const int32_t* for_each_polyline(const int32_t* coast, Visit visit) {
    const int32_t* first = coast;
    const int32_t* p = coast;
    for (;;) {
        if (p[0] == COAST_END || p[0] == COAST_BREAK) {
            if (p > first) visit(first, p);
            if (p[0] == COAST_END) return p + 2;
            p += 2;
            first = p;
            continue;
        }
        p += 2;
    }
}

bool along_screen_edge(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    return (x0 == 0 && x1 == 0) || (x0 == 319 && x1 == 319) || (y0 == 0 && y1 == 0) || (y0 == 199 && y1 == 199);
}

// Quay edges with their water up and to the left catch the light; the others lie in shadow.
void shade_coast_edges(const int32_t* first, const int32_t* end) {
    for (const int32_t* p = first; p + 2 < end; p += 2) {
        int32_t x0 = p[0], y0 = p[1], x1 = p[2], y1 = p[3];
        if (along_screen_edge(x0, y0, x1, y1)) continue;
        int32_t probe = read_screen_pixel((x0 + x1 - 6) / 2, (y0 + y1 - 6) / 2);
        draw_line_clipped(x0, y0, x1, y1, probe == 1 ? 19 : 21);
    }
}

void raise_ice_relief(const int32_t* first, const int32_t* end) {
    // the relief walks the polygon itself, up to its break
    int32_t sum_x = 0, sum_y = 0, n = 0, perimeter = 0;
    for (const int32_t* p = first; p < end; p += 2) {
        sum_x += p[0];
        sum_y += p[1];
        ++n;
        if (p + 2 < end) {
            int32_t dx = p[2] - p[0], dy = p[3] - p[1];
            perimeter += isqrt(dx * dx + dy * dy);
        }
    }
    relief_polygon(first, sum_x, sum_y, n, perimeter);
}

}  // namespace

void chart_draw() {
    clear_screen_to(1);
    set_polygon_fill_style(static_cast<uint32_t>(g_sim_map_style));
    const int32_t* objects = for_each_polyline(g_sim_coast, fill_polyline);
    if (g_sim_map_style == MAP_STYLE_HARBOUR) for_each_polyline(g_sim_coast, shade_coast_edges);
    if (g_sim_map_style == MAP_STYLE_ICE) for_each_polyline(g_sim_coast, raise_ice_relief);
    for (const int32_t* o = objects; o[0] != -1 || o[1] != -1 || o[2] != -1; o += 3) {
        int32_t s = o[2];
        if (s < 0 || s >= CHART_SPRITE_COUNT) continue;
        const SpriteRect& r = g_chart_sprite_rects[s];
        blit_to_screen(g_sheet_buffer, r.x0, r.y0, o[0], o[1], r.x1 - r.x0 + 1, r.y1 - r.y0 + 1, BLIT_KEY_32);
        if (s == 0) {
            g_hourglass_origin[0] = o[0];
            g_hourglass_origin[1] = o[1];
            g_hourglass_present = 1;
        }
    }
}
