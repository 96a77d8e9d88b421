#include "views/globe.h"

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/intmath.h"
#include "world/sine_table.h"

GlobeProjection g_globe = {};
int32_t g_globe_x_offset = 0;
int32_t g_globe_y_divisor = 8;

namespace {

// The arithmetic shift of a product, the same for negative values as the engine's helpers.
int32_t shift8(int32_t a, int32_t b) {
    return static_cast<int32_t>((static_cast<int64_t>(a) * b) >> 8);
}

// Projects a point and gives its screen position.
void project_to_screen(int32_t lat, int32_t lon, int32_t* x, int32_t* y) {
    g_globe.lat = lat;
    g_globe.lon = lon;
    project_globe_point();
    *x = g_globe.x;
    *y = g_globe.y;
    scale_globe_to_screen(x, y);
}

// One graticule polyline: the first point is a move, hidden points moves, the others lines.
void graticule_point(int32_t lat, int32_t lon, bool first) {
    int32_t x = 0;
    int32_t y = 0;
    project_to_screen(lat, lon, &x, &y);
    if (first || g_globe.depth < 0) {
        draw_move_to(x, y);
    } else {
        draw_line_to(x, y);
    }
}

}  // namespace

void set_globe_view_center(int32_t lon, int32_t lat) {
    g_globe.view_lon = lon;
    g_globe.view_lat = lat;
}

void set_globe_screen_offset(int32_t x_offset) {
    set_backdrop_blue(0, 1);
    g_globe_x_offset = x_offset;
}

void project_globe_point() {
    int32_t dl = g_globe.lon / 10 - g_globe.view_lon;
    int32_t sdl = sin_deg(dl);
    int32_t cdl = cos_deg(dl);
    int32_t cl = cos_deg(g_globe.lat / 10);
    int32_t sl = sin_deg(g_globe.lat / 10);
    int32_t a = shift8(cl, cdl);
    g_globe.x = shift8(cl, sdl);
    g_globe.depth = static_cast<int32_t>(
        (static_cast<int64_t>(a) * g_globe.cos_view_lat + static_cast<int64_t>(sl) * g_globe.sin_view_lat) >> 8);
    g_globe.y = static_cast<int32_t>(
        (static_cast<int64_t>(sl) * g_globe.cos_view_lat - static_cast<int64_t>(a) * g_globe.sin_view_lat) >> 8);
}

void scale_globe_to_screen(int32_t* x, int32_t* y) {
    *x = ((3 * *x) >> 3) + 100 + g_globe_x_offset;
    *y = 100 - (3 * *y) / g_globe_y_divisor;
}

void draw_globe_outline() {
    set_draw_color(0);
    fill_rect(0, 0, 199, 199);
    set_draw_color(15);
    // Two rims half a step apart, so that the rim is closed on every row.
    for (int32_t start = 0; start <= 5; start += 5) {
        int32_t x = start == 0 ? 0 : sin_deg(start);
        int32_t y = start == 0 ? 255 : cos_deg(start);
        scale_globe_to_screen(&x, &y);
        draw_move_to(x, y);
        for (int32_t angle = start + 10; angle <= 360 + start; angle += 10) {
            x = sin_deg(angle % 360);
            y = cos_deg(angle % 360);
            scale_globe_to_screen(&x, &y);
            draw_line_to(x, y);
        }
    }
}

void globe_set_view_latitude() {
    g_globe.sin_view_lat = sin_deg(g_globe.view_lat);
    g_globe.cos_view_lat = cos_deg(g_globe.view_lat);
}

void draw_globe_graticule() {
    set_draw_color(4);
    for (int32_t lat = -80; lat <= 80; lat += 20) {
        for (int32_t lon = 0; lon <= 360; lon += 10) graticule_point(lat * 10, lon * 10, lon == 0);
    }
    for (int32_t lon = 0; lon <= 360; lon += 20) {
        for (int32_t lat = -80; lat <= 80; lat += 10) graticule_point(lat * 10, lon * 10, lat == -80);
    }
}

void draw_globe_pointer_line(int32_t lon, int32_t lat) {
    set_draw_color(14);
    int32_t x = 0;
    int32_t y = 0;
    g_globe.lat = lat;
    g_globe.lon = lon;
    project_globe_point();
    draw_move_to(199, 50);
    x = g_globe.x;
    y = g_globe.y;
    scale_globe_to_screen(&x, &y);
    if (g_globe.depth > 5) draw_line_to(x, y);
}

int32_t shade_globe() {
    if (g_screen_buffer == nullptr) return 0;
    uint8_t ramps[192][3];
    for (int32_t k = 0; k < 64; ++k) {
        uint8_t v = static_cast<uint8_t>(k);
        ramps[k][0] = v, ramps[k][1] = v, ramps[k][2] = v;              // 64..127 grey
        ramps[64 + k][0] = 0, ramps[64 + k][1] = v, ramps[64 + k][2] = 0;  // 128..191 green
    }
    for (int32_t k = 0; k < 32; ++k) {
        uint8_t v = static_cast<uint8_t>(k);
        ramps[128 + k][0] = 0, ramps[128 + k][1] = 0, ramps[128 + k][2] = static_cast<uint8_t>(2 * k);  // blue
        ramps[160 + k][0] = v, ramps[160 + k][1] = static_cast<uint8_t>(k / 4),
                   ramps[160 + k][2] = static_cast<uint8_t>(k / 2);  // brown
    }
    palette_set_entries(&ramps[0][0], 64, 192);

    const int32_t offset = g_globe_x_offset;
    for (int32_t y = 14; y <= 186; ++y) {
        if (mouse_get_buttons() != 0) return 1;
        mouse_guard_area(offset + 4, y, offset + 196, y);
        uint8_t* row = g_screen_buffer + y * 320;
        for (int32_t x = offset + 4; x <= offset + 196; ++x) {
            int32_t dx = (x - offset) * 8 - 800;
            int32_t dy = (100 - y) * g_globe_y_divisor;
            int32_t d2 = dx * dx + dy * dy;
            if (d2 > 603729) continue;
            int32_t b = isqrt((603729 - d2) / 144);
            if (b > 63) b = 63;
            int32_t c = row[x];
            if (c == 15) {
                row[x] = static_cast<uint8_t>(64 + b);
            } else if (c == 10) {
                row[x] = static_cast<uint8_t>(128 + b);
            } else if (c == 4) {
                row[x] = static_cast<uint8_t>(224 + b / 2);
            } else if (c == 0 && d2 <= 589824) {
                row[x] = static_cast<uint8_t>(192 + b / 2);
            }
        }
    }
    screen_mark_changed();
    return 0;
}
