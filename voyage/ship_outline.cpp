#include "voyage/ship_outline.h"

#include <algorithm>
#include <cstring>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/polygon.h"
#include "engine/timing.h"
#include "voyage/sim_state.h"
#include "world/sine_table.h"

namespace {

constexpr int32_t OUTLINE_LARGE[] = {
    5, 30, 0, -4, 59, -4, 63, 0, 59, 4, 0, 4,  //
    4, 4, 1, -3, 8, -3, 8, 3, 1, 3,            //
    4, 4, 11, -2, 55, -2, 55, 2, 11, 2,        //
    1, 12, 4, 0,                               //
    1, 12, 61, 0,                              //
    0,
};
constexpr int32_t OUTLINE_MIDDLE[] = {
    5, 22, 0, -3, 44, -3, 48, 0, 44, 3, 0, 3,  //
    4, 4, 1, -2, 8, -2, 8, 2, 1, 2,            //
    4, 4, 11, -1, 42, -1, 42, 1, 11, 1,        //
    1, 12, 4, 0,                               //
    1, 12, 46, 0,                              //
    0,
};
constexpr int32_t OUTLINE_SMALL[] = {
    5, 16, 0, -3, 34, -3, 38, 0, 34, 3, 0, 3,  //
    4, 4, 1, -2, 8, -2, 8, 2, 1, 2,            //
    4, 4, 11, -1, 32, -1, 32, 1, 11, 1,        //
    1, 12, 4, 0,                               //
    1, 12, 36, 0,                              //
    0,
};

// Draws the entries of a shape list: hull filled and outlined, details as closed lines, dots.
void shape_draw(const int32_t* shape, uint32_t fill, uint32_t outline, bool details) {
    const int32_t* p = shape;
    int32_t n = *p++;
    polygon_move_to(p[0], p[1]);
    for (int32_t k = 1; k < n; ++k) polygon_line_to(p[2 * k], p[2 * k + 1]);
    set_draw_color(outline);
    polygon_fill_color(1, fill);
    p += 2 * n;
    while (*p != 0) {
        int32_t c = *p++;
        if (c == -1) {
            set_draw_color(static_cast<uint32_t>(p[0]));
            if (details) draw_pixel(p[1], p[2]);
            p += 3;
            continue;
        }
        uint32_t colour = static_cast<uint32_t>(*p++);
        if (details) {
            set_draw_color(colour);
            draw_move_to(p[0], p[1]);
            for (int32_t k = 1; k < c; ++k) draw_line_to(p[2 * k], p[2 * k + 1]);
        }
        p += 2 * c;
    }
}

}  // namespace

const int32_t* const g_ship_outline_table[8] = {
    nullptr, OUTLINE_LARGE, OUTLINE_MIDDLE, OUTLINE_SMALL, OUTLINE_MIDDLE, OUTLINE_SMALL, OUTLINE_MIDDLE, OUTLINE_SMALL,
};

const int32_t* ship_outline_for(int32_t model) {
    return model >= 1 && model <= 7 ? g_ship_outline_table[model] : g_ship_outline_table[1];
}

void ship_shape_build(int32_t x, int32_t y, int32_t heading) {
    const int32_t* o = g_sim_outline;
    int32_t s = sin_deg(heading), c = cos_deg(heading);
    int32_t pivot = o[1];
    auto place = [&](int32_t px, int32_t py, int32_t* out) {
        out[0] = x + ((c * (px - pivot) - s * py) >> 8);
        out[1] = y + ((c * py + s * (px - pivot)) >> 8);
    };
    int32_t* w = g_sim_shape;
    int32_t n = o[0];
    const int32_t* hull = o + 2;
    *w++ = n + 1;
    for (int32_t k = 0; k <= n; ++k, w += 2) place(hull[2 * (k % n)], hull[2 * (k % n) + 1], w);
    g_sim_ship_box[0] = g_sim_ship_box[2] = g_sim_shape[1];
    g_sim_ship_box[1] = g_sim_ship_box[3] = g_sim_shape[2];
    for (int32_t k = 0; k < n; ++k) {
        g_sim_ship_box[0] = std::min(g_sim_ship_box[0], g_sim_shape[1 + 2 * k]);
        g_sim_ship_box[1] = std::min(g_sim_ship_box[1], g_sim_shape[2 + 2 * k]);
        g_sim_ship_box[2] = std::max(g_sim_ship_box[2], g_sim_shape[1 + 2 * k]);
        g_sim_ship_box[3] = std::max(g_sim_ship_box[3], g_sim_shape[2 + 2 * k]);
    }
    for (const int32_t* d = hull + 2 * n; *d != 0;) {
        int32_t count = d[0], colour = d[1];
        const int32_t* pts = d + 2;
        if (count == 1) {
            *w++ = -1;
            *w++ = colour;
            place(pts[0], pts[1], w);
            w += 2;
        } else {
            *w++ = count + 1;
            *w++ = colour;
            for (int32_t k = 0; k <= count; ++k, w += 2) place(pts[2 * (k % count)], pts[2 * (k % count) + 1], w);
        }
        d = pts + 2 * count;
    }
    *w = 0;
}

void ship_draw(int32_t x, int32_t y, int32_t heading, int32_t rudder) {
    ship_shape_build(x, y, heading);
    wait_tick();
    bool moved = g_sim_last_pose[0] != x || g_sim_last_pose[1] != y || g_sim_last_pose[2] != heading ||
                 g_sim_last_pose[3] != rudder;
    if (g_sim_ship_drawn != 0 && moved) shape_draw(g_sim_shape_drawn, 1, 1, false);
    shape_draw(g_sim_shape, 8, 7, true);
    std::memcpy(g_sim_shape_drawn, g_sim_shape, sizeof g_sim_shape_drawn);
    g_sim_ship_drawn = 1;
    g_sim_last_pose[0] = x;
    g_sim_last_pose[1] = y;
    g_sim_last_pose[2] = heading;
    g_sim_last_pose[3] = rudder;
}

void target_marker_draw() {
    int32_t x0 = g_sim_target_box[0], y0 = g_sim_target_box[1], x1 = g_sim_target_box[2], y1 = g_sim_target_box[3];
    int32_t heading = g_sim_target_heading;
    if (x0 < 0) {
        x0 = 0;
        heading = 180;
    }
    int32_t xm = x0 + (x1 - x0) / 2, ym = y0 + (y1 - y0) / 2;
    int32_t pts[12];
    switch (heading) {
        case 0: {
            const int32_t p[12] = {x0, y0, x1 - 4, y0, x1, ym, x1 - 4, y1, x0, y1, x0, y0};
            std::memcpy(pts, p, sizeof pts);
            break;
        }
        case 90: {
            const int32_t p[12] = {x0, y0, x1, y0, x1, y1 - 4, xm, y1, x0, y1 - 4, x0, y0};
            std::memcpy(pts, p, sizeof pts);
            break;
        }
        case 180: {
            const int32_t p[12] = {x0, ym, x0 + 4, y0, x1, y0, x1, y1, x0 + 4, y1, x0, ym};
            std::memcpy(pts, p, sizeof pts);
            break;
        }
        case 270: {
            const int32_t p[12] = {x0, y0 + 4, xm, y0, x1, y0 + 4, x1, y1, x0, y1, x0, y0 + 4};
            std::memcpy(pts, p, sizeof pts);
            break;
        }
        default:
            return;
    }
    set_draw_color(g_graphics_mode == 2 ? 3 : 2);
    draw_move_to(pts[0], pts[1]);
    for (int32_t k = 1; k < 6; ++k) draw_line_to(pts[2 * k], pts[2 * k + 1]);
}
