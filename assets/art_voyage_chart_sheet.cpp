// Picture 13: the manoeuvring sprite sheet. Harbour objects seen from above (they stand on the
// charts' quays, colour 56, and on the sea, interface colour 1) and the hourglass that shows the
// tick limit. Everything outside the objects is colour 32, the transparent key.
#include "voyage/chart_sprites.h"
#include "voyage/hourglass_glass.h"

#include <algorithm>
#include <memory>

#include "assets/art_voyage.h"

namespace {

constexpr int32_t KEY = 32;
constexpr int32_t GREY = 33;     // 33..47 concrete and steel greys, dark to light
constexpr int32_t ROOF = 48;     // 48..55 red roof tiles
constexpr int32_t QUAY = 56;     // quay and land fill of the harbour charts
constexpr int32_t ASPHALT = 57;  // 57..63 dark ground
constexpr int32_t HULL = 64;     // 64..79 hull blues and blacks
constexpr int32_t GREEN = 80;    // 80..95 foliage
constexpr int32_t STEEL = 96;    // 96..111 steel blue-grey
constexpr int32_t RUST = 112;    // 112..127 rust and orange
constexpr int32_t WOOD = 128;    // 128..143 wood
constexpr int32_t GLASS = 144;   // 144..159 glass greys and blues
constexpr int32_t WHITE = 160;   // 160..175 white and ice
constexpr int32_t BOX = 176;     // 176..191 container colours (pairs dark, light)
constexpr int32_t SAND = 192;    // 192..207 sand
constexpr int32_t WATER = 208;   // 208..215 wake and shallow water
constexpr int32_t YELLOW = 224;  // 224..231 signal yellow
constexpr int32_t SHADE = 240;   // 240..247 near-black shadows

void sheet_palette(PictureImage* image) {
    paint_palette_set(image, KEY, 63, 0, 63);
    voyage_ramp(image, GREY, 15, 12, 12, 13, 58, 58, 56);
    voyage_ramp(image, ROOF, 8, 22, 6, 4, 58, 26, 16);
    paint_palette_set(image, QUAY, 40, 37, 33);
    voyage_ramp(image, ASPHALT, 7, 14, 14, 15, 30, 29, 28);
    voyage_ramp(image, HULL, 8, 4, 6, 14, 22, 28, 44);
    voyage_ramp(image, HULL + 8, 8, 16, 6, 6, 52, 18, 14);
    voyage_ramp(image, GREEN, 16, 4, 12, 4, 30, 50, 18);
    voyage_ramp(image, STEEL, 16, 12, 16, 20, 52, 56, 60);
    voyage_ramp(image, RUST, 16, 20, 8, 2, 63, 40, 10);
    voyage_ramp(image, WOOD, 16, 14, 8, 3, 52, 38, 22);
    voyage_ramp(image, GLASS, 16, 20, 28, 34, 56, 62, 63);
    voyage_ramp(image, WHITE, 16, 34, 40, 48, 63, 63, 63);
    const int32_t boxes[8][3] = {{10, 20, 40}, {40, 10, 8},  {12, 36, 16}, {50, 40, 10},
                                 {40, 22, 8},  {32, 32, 34}, {44, 18, 40}, {12, 36, 40}};
    for (int32_t k = 0; k < 8; ++k) {
        paint_palette_set(image, BOX + 2 * k, boxes[k][0] * 3 / 4, boxes[k][1] * 3 / 4, boxes[k][2] * 3 / 4);
        paint_palette_set(image, BOX + 2 * k + 1, boxes[k][0] + 10, boxes[k][1] + 10, boxes[k][2] + 10);
    }
    voyage_ramp(image, SAND, 16, 36, 30, 16, 62, 58, 40);
    voyage_ramp(image, WATER, 8, 4, 10, 44, 36, 48, 63);
    voyage_ramp(image, 216, 8, 20, 20, 6, 50, 50, 14);
    voyage_ramp(image, YELLOW, 8, 40, 32, 0, 63, 60, 16);
    voyage_ramp(image, 232, 8, 0, 30, 6, 20, 63, 30);
    voyage_ramp(image, SHADE, 16, 3, 3, 5, 24, 24, 26);
}

struct Box {
    int32_t x0, y0, x1, y1;
    int32_t w() const { return x1 - x0 + 1; }
    int32_t h() const { return y1 - y0 + 1; }
    int32_t cx() const { return (x0 + x1) / 2; }
    int32_t cy() const { return (y0 + y1) / 2; }
};

// A gabled roof: lit half above (or left of) the ridge, shaded half below it, tile rows.
void roof(PictureImage* image, Box b, int32_t base, int32_t steps, bool ridge_along_x) {
    paint_rect(image, b.x0, b.y0, b.x1, b.y1, base + 1);
    for (int32_t y = b.y0; y <= b.y1; ++y)
        for (int32_t x = b.x0; x <= b.x1; ++x) {
            int32_t across = ridge_along_x ? y - b.y0 : x - b.x0;
            int32_t span = ridge_along_x ? b.h() : b.w();
            int32_t along = ridge_along_x ? x - b.x0 : y - b.y0;
            bool lit = across < span / 2;
            int32_t c = lit ? base + steps - 2 : base + 1;
            if (across % 3 == 2) c -= 1;  // ribs of the corrugated roof
            if (along % 8 == 7 && lit) c = base + steps - 3;
            paint_pixel(image, x, y, c);
        }
    if (ridge_along_x)
        paint_rect(image, b.x0, b.y0 + b.h() / 2, b.x1, b.y0 + b.h() / 2, base + steps - 1);
    else
        paint_rect(image, b.x0 + b.w() / 2, b.y0, b.x0 + b.w() / 2, b.y1, base + steps - 1);
    paint_frame(image, b.x0, b.y0, b.x1, b.y1, base);
}

// Ship from above. dir: 0 bow right, 1 bow left, 2 bow up, 3 bow down. Painted in a frame where u
// runs from stern to bow and v across, then mapped into the box.
void ship_top(PictureImage* image, Box b, int32_t dir, bool tanker, bool tug) {
    bool horizontal = dir < 2;
    int32_t len = horizontal ? b.w() : b.h();
    int32_t beam = horizontal ? b.h() : b.w();
    auto put = [&](int32_t u, int32_t v, int32_t c) {
        if (u < 0 || u >= len || v < 0 || v >= beam) return;
        int32_t x, y;
        switch (dir) {
            case 0:
                x = b.x0 + u, y = b.y0 + v;
                break;
            case 1:
                x = b.x1 - u, y = b.y0 + v;
                break;
            case 2:
                x = b.x0 + v, y = b.y1 - u;
                break;
            default:
                x = b.x1 - v, y = b.y0 + u;
                break;
        }
        paint_pixel(image, x, y, c);
    };
    int32_t bow = std::max(3, len / 6);
    int32_t hull = tug ? HULL + 12 : (tanker ? HULL + 10 : HULL + 1);
    for (int32_t u = 0; u < len; ++u) {
        int32_t half2 = beam;  // doubled half beam
        if (u > len - bow) half2 = beam * (len - u) * 2 / (bow * 2);
        if (u < 2 && !tug) half2 = beam - 2 + u;
        if (tug && u < 3) half2 = beam - 3 + u;
        int32_t v0 = (beam - half2) / 2, v1 = beam - 1 - v0;
        for (int32_t v = v0; v <= v1; ++v) {
            int32_t c = hull + 2;
            if (v == v0 || v == v1)
                c = hull;  // hull side
            else if (v == v0 + 1)
                c = hull + 4;  // lit side of the deck edge
            else
                c = tug ? RUST + 10 : (tanker ? RUST + 6 : GREY + 7);  // deck
            put(u, v, c);
        }
    }
    if (tug) {
        for (int32_t u = len / 4; u < len * 3 / 4; ++u)
            for (int32_t v = 2; v < beam - 2; ++v) put(u, v, WHITE + 12 - (v > beam / 2 ? 4 : 0));
        put(len / 2, beam / 2, RUST + 2);
        put(len / 2 - 1, beam / 2, RUST + 2);
        for (int32_t v = 1; v < beam - 1; ++v) put(0, v, SHADE + 3);  // fender
        return;
    }
    // bridge house aft
    int32_t house0 = 3, house1 = 3 + std::max(4, len / 7);
    for (int32_t u = house0; u <= house1; ++u)
        for (int32_t v = 2; v < beam - 2; ++v) put(u, v, WHITE + (v < beam / 2 ? 14 : 9));
    for (int32_t v = 2; v < beam - 2; ++v) put(house1 + 1, v, SHADE + 4);
    put(house0 + 1, beam / 2, RUST + 12);  // funnel
    put(house0 + 2, beam / 2, RUST + 9);
    put(house0 + 1, beam / 2 - 1, RUST + 12);
    if (tanker) {
        // pipeline along the deck and a catwalk
        for (int32_t u = house1 + 3; u < len - bow; ++u) {
            put(u, beam / 2, GREY + 12);
            if (u % 6 == 0)
                for (int32_t v = 2; v < beam - 2; ++v) put(u, v, GREY + 10);
        }
        return;
    }
    // hatches with cargo, and cranes between them
    int32_t k = 0;
    for (int32_t u = house1 + 4; u + 6 < len - bow + 2; u += 9, ++k) {
        for (int32_t du = 0; du < 7; ++du)
            for (int32_t v = 2; v < beam - 2; ++v) {
                int32_t c = BOX + 2 * ((k * 3 + v / 3) % 8) + (v < beam / 2 ? 1 : 0);
                if (du == 0 || du == 6) c = SHADE + 6;
                put(u + du, v, c);
            }
        put(u + 7, 1, YELLOW + 6);  // crane posts
        put(u + 7, beam - 2, YELLOW + 4);
    }
}

void tank(PictureImage* image, int32_t cx, int32_t cy, int32_t r) {
    paint_ellipse(image, cx + 1, cy + 1, r, r, SHADE + 2);
    voyage_ball(image, cx, cy, r, r, STEEL + 4, 11);
    paint_ellipse(image, cx, cy, std::max(1, r / 3), std::max(1, r / 3), STEEL + 9);
    paint_pixel(image, cx, cy, STEEL + 14);
}

void container_stack(PictureImage* image, Box b, bool vertical, uint32_t seed) {
    VoyageNoise n{seed};
    int32_t cell_l = 6, cell_w = 3;
    if (!vertical) {
        for (int32_t y = b.y0; y + cell_w - 1 <= b.y1; y += cell_w)
            for (int32_t x = b.x0; x + cell_l - 1 <= b.x1; x += cell_l) {
                int32_t c = BOX + 2 * voyage_noise_range(&n, 0, 7);
                paint_rect(image, x, y, x + cell_l - 1, y + cell_w - 1, c + 1);
                paint_rect(image, x, y + cell_w - 1, x + cell_l - 1, y + cell_w - 1, c);
                paint_rect(image, x + cell_l - 1, y, x + cell_l - 1, y + cell_w - 1, c);
            }
    } else {
        for (int32_t x = b.x0; x + cell_w - 1 <= b.x1; x += cell_w)
            for (int32_t y = b.y0; y + cell_l - 1 <= b.y1; y += cell_l) {
                int32_t c = BOX + 2 * voyage_noise_range(&n, 0, 7);
                paint_rect(image, x, y, x + cell_w - 1, y + cell_l - 1, c + 1);
                paint_rect(image, x + cell_w - 1, y, x + cell_w - 1, y + cell_l - 1, c);
                paint_rect(image, x, y + cell_l - 1, x + cell_w - 1, y + cell_l - 1, c);
            }
    }
}

void gantry(PictureImage* image, Box b, bool along_x) {
    // rails, legs and the boom across the rails
    if (along_x) {
        paint_rect(image, b.x0, b.y0 + 1, b.x1, b.y0 + 1, GREY + 4);
        paint_rect(image, b.x0, b.y1 - 1, b.x1, b.y1 - 1, GREY + 4);
        int32_t mid = b.cx();
        paint_rect(image, mid - 3, b.y0, mid + 3, b.y1, YELLOW + 3);
        paint_rect(image, mid - 2, b.y0, mid + 2, b.y1, YELLOW + 6);
        paint_rect(image, mid - 1, b.y0 + 2, mid + 1, b.y1 - 2, SHADE + 5);
        paint_rect(image, mid - 4, b.y0, mid - 4, b.y1, SHADE + 3);
    } else {
        paint_rect(image, b.x0 + 1, b.y0, b.x0 + 1, b.y1, GREY + 4);
        paint_rect(image, b.x1 - 1, b.y0, b.x1 - 1, b.y1, GREY + 4);
        int32_t mid = b.cy();
        paint_rect(image, b.x0, mid - 3, b.x1, mid + 3, YELLOW + 3);
        paint_rect(image, b.x0, mid - 2, b.x1, mid + 2, YELLOW + 6);
        paint_rect(image, b.x0 + 2, mid - 1, b.x1 - 2, mid + 1, SHADE + 5);
        paint_rect(image, b.x0, mid + 4, b.x1, mid + 4, SHADE + 3);
    }
}

void crane(PictureImage* image, Box b, bool second) {
    int32_t cx = b.cx(), cy = b.cy();
    paint_ellipse(image, cx, cy, 3, 3, SHADE + 4);
    paint_rect(image, cx - 2, cy - 2, cx + 2, cy + 2, second ? RUST + 9 : YELLOW + 5);
    paint_rect(image, cx - 2, cy - 2, cx + 2, cy - 2, second ? RUST + 13 : YELLOW + 7);
    int32_t ex = second ? b.x0 : b.x1, ey = second ? b.y1 : b.y0;
    voyage_thick_line(image, cx, cy, ex, ey, 2, second ? RUST + 7 : YELLOW + 3);
    paint_line(image, cx, cy, ex, ey, second ? RUST + 12 : YELLOW + 7);
    paint_pixel(image, cx - (ex - cx) / 4, cy - (ey - cy) / 4, SHADE + 1);  // counterweight
}

void tree(PictureImage* image, int32_t cx, int32_t cy, int32_t r) {
    paint_ellipse(image, cx + 1, cy + 1, r, r, GREEN);
    voyage_ball(image, cx, cy, r, r, GREEN + 2, 12);
}

void palm(PictureImage* image, int32_t cx, int32_t cy, int32_t r) {
    for (int32_t k = 0; k < 8; ++k) {
        static const int32_t dx[8] = {1, 1, 0, -1, -1, -1, 0, 1}, dy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
        int32_t ex = cx + dx[k] * r, ey = cy + dy[k] * r;
        paint_line(image, cx, cy, ex, ey, GREEN + 6 + (k % 3) * 2);
        paint_pixel(image, ex, ey, GREEN + 3);
    }
    paint_pixel(image, cx, cy, WOOD + 6);
}

void house(PictureImage* image, Box b, int32_t base) {
    paint_rect(image, b.x0 + 1, b.y0 + 1, b.x1, b.y1, SHADE + 2);
    roof(image, Box{b.x0, b.y0, b.x1 - 1, b.y1 - 1}, base, 8, b.w() >= b.h());
}

void ice_floe(PictureImage* image, Box b, uint32_t seed) {
    VoyageNoise n{seed};
    PaintPoint pts[10];
    int32_t cx = b.cx(), cy = b.cy();
    for (int32_t k = 0; k < 10; ++k) {
        // an irregular outline around the centre
        static const int32_t ux[10] = {100, 81, 31, -31, -81, -100, -81, -31, 31, 81};
        static const int32_t uy[10] = {0, 59, 95, 95, 59, 0, -59, -95, -95, -59};
        int32_t f = voyage_noise_range(&n, 70, 100);
        pts[k] = {cx + ux[k] * (b.w() / 2) * f / 10000, cy + uy[k] * (b.h() / 2) * f / 10000};
    }
    paint_polygon(image, pts, 10, WHITE + 4);
    for (int32_t y = b.y0; y <= b.y1; ++y)
        for (int32_t x = b.x0; x <= b.x1; ++x)
            if (paint_get(image, x, y) == WHITE + 4) {
                bool lit = paint_get(image, x - 1, y) == KEY || paint_get(image, x, y - 1) == KEY;
                bool dark = paint_get(image, x + 1, y) == KEY || paint_get(image, x, y + 1) == KEY;
                int32_t c = WHITE + 11 + static_cast<int32_t>(voyage_noise_next(&n) % 3);
                if (lit) c = WHITE + 15;
                if (dark) c = WHITE + 3;
                paint_pixel(image, x, y, c);
            }
}

void sailboat(PictureImage* image, Box b, bool up) {
    if (!up) {
        paint_ellipse(image, b.cx(), b.cy(), b.w() / 2, b.h() / 2 - 1, WHITE + 13);
        paint_line(image, b.x0 + 2, b.cy(), b.x1 - 2, b.cy(), WOOD + 8);
        paint_line(image, b.cx(), b.cy(), b.cx() + 2, b.y0, WHITE + 15);
        paint_pixel(image, b.x1, b.cy(), WHITE + 8);
    } else {
        paint_ellipse(image, b.cx(), b.cy(), b.w() / 2 - 1, b.h() / 2, WHITE + 13);
        paint_line(image, b.cx(), b.y0 + 2, b.cx(), b.y1 - 2, WOOD + 8);
        paint_line(image, b.cx(), b.cy(), b.x1, b.cy() - 2, WHITE + 15);
    }
}

void pier(PictureImage* image, Box b, bool along_x) {
    paint_rect(image, b.x0, b.y0, b.x1, b.y1, WOOD + 7);
    if (along_x) {
        for (int32_t x = b.x0; x <= b.x1; x += 3) paint_rect(image, x, b.y0, x, b.y1, WOOD + 4);
        paint_rect(image, b.x0, b.y0, b.x1, b.y0, WOOD + 11);
        paint_rect(image, b.x0, b.y1, b.x1, b.y1, WOOD + 2);
        for (int32_t x = b.x0 + 1; x <= b.x1; x += 8) {
            paint_pixel(image, x, b.y0, SHADE + 3);
            paint_pixel(image, x, b.y1, SHADE + 3);
        }
    } else {
        for (int32_t y = b.y0; y <= b.y1; y += 3) paint_rect(image, b.x0, y, b.x1, y, WOOD + 4);
        paint_rect(image, b.x0, b.y0, b.x0, b.y1, WOOD + 11);
        paint_rect(image, b.x1, b.y0, b.x1, b.y1, WOOD + 2);
        for (int32_t y = b.y0 + 1; y <= b.y1; y += 8) {
            paint_pixel(image, b.x0, y, SHADE + 3);
            paint_pixel(image, b.x1, y, SHADE + 3);
        }
    }
}

void wagons(PictureImage* image, Box b, bool along_x) {
    int32_t len = along_x ? b.w() : b.h();
    for (int32_t s = 0; s + 8 <= len; s += 10) {
        int32_t c = (s / 10) % 2 ? RUST + 6 : HULL + 10;
        Box w = along_x ? Box{b.x0 + s, b.y0, b.x0 + s + 8, b.y1} : Box{b.x0, b.y0 + s, b.x1, b.y0 + s + 8};
        paint_rect(image, w.x0, w.y0, w.x1, w.y1, c + 2);
        paint_frame(image, w.x0, w.y0, w.x1, w.y1, c);
        if (along_x)
            paint_rect(image, w.x0 + 1, w.y0 + 1, w.x1 - 1, w.y0 + 1, c + 4);
        else
            paint_rect(image, w.x0 + 1, w.y0 + 1, w.x0 + 1, w.y1 - 1, c + 4);
    }
}

void bollards(PictureImage* image, Box b, bool along_x) {
    int32_t len = along_x ? b.w() : b.h();
    for (int32_t s = 1; s < len - 1; s += 7) {
        int32_t x = along_x ? b.x0 + s : b.cx(), y = along_x ? b.cy() : b.y0 + s;
        paint_rect(image, x - 1, y - 1, x + 1, y + 1, SHADE + 3);
        paint_pixel(image, x, y, GREY + 6);
        paint_pixel(image, x - 1, y - 1, GREY + 10);
    }
}

void buoy(PictureImage* image, Box b, int32_t first) {
    paint_ellipse(image, b.cx(), b.cy(), 2, 2, WATER + 6);
    voyage_ball(image, b.cx(), b.cy(), 1, 1, first, 3);
    paint_pixel(image, b.cx(), b.cy(), WHITE + 15);
}

void paint_object(PictureImage* image, const SpriteRect& s, int32_t row) {
    Box b{s.x0, s.y0, s.x1, s.y1};
    uint32_t seed = 977u * static_cast<uint32_t>(row) + 5u;
    switch (s.kind) {
        case CHART_HOURGLASS:
            break;  // painted on its own
        case CHART_SHED_H:
        case CHART_SHED_V:
            paint_rect(image, b.x0 + 1, b.y0 + 1, b.x1, b.y1, SHADE + 2);
            roof(image, Box{b.x0, b.y0, b.x1 - 1, b.y1 - 1}, row % 2 ? STEEL + 3 : GREY + 3, 9,
                 s.kind == CHART_SHED_H);
            break;
        case CHART_SHIP_R:
            ship_top(image, b, 0, false, false);
            break;
        case CHART_SHIP_L:
            ship_top(image, b, 1, false, false);
            break;
        case CHART_SHIP_U:
            ship_top(image, b, 2, false, false);
            break;
        case CHART_SHIP_D:
            ship_top(image, b, 3, false, false);
            break;
        case CHART_TANKER_R:
            ship_top(image, b, 0, true, false);
            break;
        case CHART_TUG_R:
            ship_top(image, b, 0, false, true);
            break;
        case CHART_TUG_L:
            ship_top(image, b, 1, false, true);
            break;
        case CHART_TUG_U:
            ship_top(image, b, 2, false, true);
            break;
        case CHART_TUG_D:
            ship_top(image, b, 3, false, true);
            break;
        case CHART_OFFICE:
            house(image, b, ROOF);
            paint_rect(image, b.x1 - 5, b.y0 + 2, b.x1 - 3, b.y0 + 4, WHITE + 14);  // skylight
            break;
        case CHART_TANK:
            tank(image, b.cx(), b.cy(), b.w() / 2 - 1);
            break;
        case CHART_TANKS2:
            paint_frame(image, b.x0, b.y0, b.x1, b.y1, GREY + 8);
            paint_rect(image, b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y1 - 1, ASPHALT + 3);
            tank(image, b.x0 + 7, b.cy(), 5);
            tank(image, b.x1 - 7, b.cy(), 5);
            break;
        case CHART_GANTRY_H:
            gantry(image, b, true);
            break;
        case CHART_GANTRY_V:
            gantry(image, b, false);
            break;
        case CHART_GANTRY2:
            gantry(image, Box{b.x0, b.y0, b.x0 + 16, b.y1}, true);
            gantry(image, Box{b.x1 - 16, b.y0, b.x1, b.y1}, true);
            break;
        case CHART_CRANE:
            crane(image, b, false);
            break;
        case CHART_CRANE2:
            crane(image, b, true);
            break;
        case CHART_BOXES:
            container_stack(image, b, false, seed);
            break;
        case CHART_BOXES_V:
            container_stack(image, b, true, seed);
            break;
        case CHART_YARD:
            paint_rect(image, b.x0, b.y0, b.x1, b.y1, ASPHALT + 4);
            for (int32_t k = 0; k < 4; ++k)
                container_stack(image,
                                Box{b.x0 + 2 + (k % 2) * 19, b.y0 + 2 + (k / 2) * 9, b.x0 + 18 + (k % 2) * 19,
                                    b.y0 + 8 + (k / 2) * 9},
                                false, seed + k);
            break;
        case CHART_WAGONS_H:
            wagons(image, b, true);
            break;
        case CHART_WAGONS_V:
            wagons(image, b, false);
            break;
        case CHART_BOLLARDS_H:
            bollards(image, b, true);
            break;
        case CHART_BOLLARDS_V:
            bollards(image, b, false);
            break;
        case CHART_BUOY_R:
            buoy(image, b, HULL + 11);
            break;
        case CHART_BUOY_G:
            buoy(image, b, 233);
            break;
        case CHART_BUOY_Y:
            buoy(image, b, YELLOW + 3);
            break;
        case CHART_LIGHTHOUSE:
            paint_ellipse(image, b.cx(), b.cy(), 5, 5, GREY + 4);
            voyage_ball(image, b.cx(), b.cy(), 4, 4, WHITE + 4, 12);
            paint_ellipse(image, b.cx(), b.cy(), 2, 2, HULL + 13);
            paint_pixel(image, b.cx(), b.cy(), YELLOW + 7);
            break;
        case CHART_TREE:
            tree(image, b.cx(), b.cy(), b.w() / 2 - 1);
            break;
        case CHART_TREES: {
            VoyageNoise n{seed};
            for (int32_t k = 0; k < 6; ++k) {  // size, row, column: the order that places them
                int32_t r = voyage_noise_range(&n, 2, 3);
                int32_t y = voyage_noise_range(&n, b.y0 + 3, b.y1 - 3);
                int32_t x = voyage_noise_range(&n, b.x0 + 3, b.x1 - 3);
                tree(image, x, y, r);
            }
            break;
        }
        case CHART_PALM:
            palm(image, b.cx(), b.cy(), 4);
            break;
        case CHART_PALMS:
            palm(image, b.x0 + 4, b.y0 + 4, 3);
            palm(image, b.x0 + 12, b.y0 + 5, 4);
            palm(image, b.x0 + 7, b.y1 - 3, 3);
            break;
        case CHART_HOUSE_R:
            house(image, b, ROOF);
            break;
        case CHART_HOUSE_G:
            house(image, b, GREY + 2);
            break;
        case CHART_HOUSES:
            for (int32_t k = 0; k < 3; ++k)
                house(image, Box{b.x0 + k * 10, b.y0, b.x0 + k * 10 + 8, b.y1}, k == 1 ? GREY + 2 : ROOF);
            break;
        case CHART_ICE:
            ice_floe(image, b, seed);
            break;
        case CHART_SAIL_R:
            sailboat(image, b, false);
            break;
        case CHART_SAIL_U:
            sailboat(image, b, true);
            break;
        case CHART_MARINA:
            pier(image, Box{b.x0, b.cy() - 1, b.x1, b.cy() + 1}, true);
            for (int32_t k = 0; k < 4; ++k) {
                sailboat(image, Box{b.x0 + 1 + k * 6, b.y0, b.x0 + 5 + k * 6, b.cy() - 2}, true);
                sailboat(image, Box{b.x0 + 1 + k * 6, b.cy() + 2, b.x0 + 5 + k * 6, b.y1}, true);
            }
            break;
        case CHART_FISHERS:
            for (int32_t k = 0; k < 3; ++k) {
                Box f{b.x0 + k * 5 + 1, b.y0, b.x0 + k * 5 + 4, b.y1};
                paint_ellipse(image, f.cx(), f.cy(), 1, 3, k == 1 ? ROOF + 5 : HULL + 5);
                paint_pixel(image, f.cx(), f.cy(), WHITE + 14);
            }
            break;
        case CHART_BARGE_H:
        case CHART_BARGE_V:
            paint_rect(image, b.x0, b.y0, b.x1, b.y1, RUST + 3);
            paint_frame(image, b.x0, b.y0, b.x1, b.y1, SHADE + 3);
            paint_rect(image, b.x0 + 2, b.y0 + 2, b.x1 - 2, b.y1 - 2, SHADE + 6);
            paint_noise(image, b.x0 + 2, b.y0 + 2, b.x1 - 2, b.y1 - 2, SHADE + 5, 3, seed);
            break;
        case CHART_TRUCK:
            paint_rect(image, b.x0, b.y0, b.x0 + 2, b.y1, HULL + 12);
            paint_rect(image, b.x0 + 3, b.y0, b.x1, b.y1, BOX + 7);
            paint_rect(image, b.x0 + 3, b.y0, b.x1, b.y0, BOX + 7);
            break;
        case CHART_TRUCKS:
            paint_rect(image, b.x0, b.y0, b.x1, b.y1, ASPHALT + 3);
            for (int32_t k = 0; k < 2; ++k) {
                int32_t y = b.y0 + 1 + k * 5;
                paint_rect(image, b.x0 + 1, y, b.x0 + 3, y + 2, HULL + 12 - k * 6);
                paint_rect(image, b.x0 + 4, y, b.x1 - 1, y + 2, BOX + 2 * (k * 3 + 1) + 1);
            }
            break;
        case CHART_CARS: {
            paint_rect(image, b.x0, b.y0, b.x1, b.y1, ASPHALT + 2);
            VoyageNoise n{seed};
            for (int32_t x = b.x0 + 1; x + 2 <= b.x1; x += 4) {
                paint_rect(image, x - 1, b.cy(), x - 1, b.cy(), WHITE + 6);
                for (int32_t r = 0; r < 2; ++r) {
                    if (voyage_noise_range(&n, 0, 4) == 0) continue;
                    int32_t c = BOX + 2 * voyage_noise_range(&n, 0, 7) + 1;
                    int32_t y = r ? b.cy() + 1 : b.y0 + 1;
                    paint_rect(image, x, y, x + 1, y + 3, c);
                    paint_pixel(image, x, y + 1, GLASS + 10);
                }
            }
            break;
        }
        case CHART_SILOS:
            for (int32_t k = 0; k < 4; ++k) voyage_ball(image, b.x0 + 3 + k * 6, b.y0 + 3, 2, 2, GREY + 5, 9);
            for (int32_t k = 0; k < 4; ++k) voyage_ball(image, b.x0 + 3 + k * 6, b.y0 + 8, 2, 2, GREY + 5, 9);
            break;
        case CHART_FACTORY:
            paint_rect(image, b.x0 + 1, b.y0 + 1, b.x1, b.y1, SHADE + 2);
            roof(image, Box{b.x0, b.y0 + 6, b.x1 - 1, b.y1 - 1}, ROOF + 1, 7, true);
            roof(image, Box{b.x0, b.y0, b.x0 + 11, b.y0 + 6}, GREY + 3, 9, true);
            voyage_ball(image, b.x1 - 4, b.y0 + 3, 2, 2, RUST + 2, 8);
            paint_pixel(image, b.x1 - 4, b.y0 + 3, SHADE);
            break;
        case CHART_MAST:
            paint_pixel(image, b.cx(), b.y1, GREY + 12);
            paint_line(image, b.cx(), b.y1, b.cx(), b.y0 + 2, WHITE + 8);
            paint_rect(image, b.cx() + 1, b.y0, b.x1, b.y0 + 2, HULL + 13);
            paint_pixel(image, b.x1, b.y0 + 1, WHITE + 15);
            break;
        case CHART_PIER_H:
            pier(image, b, true);
            break;
        case CHART_PIER_V:
            pier(image, b, false);
            break;
        case CHART_DOLPHIN:
            paint_rect(image, b.x0, b.y0, b.x1, b.y1, GREY + 3);
            paint_rect(image, b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y1 - 1, GREY + 8);
            paint_pixel(image, b.cx(), b.cy(), SHADE + 2);
            break;
        case CHART_BEACH: {
            paint_ellipse(image, b.cx(), b.cy(), b.w() / 2, b.h() / 2, WATER + 5);
            paint_ellipse(image, b.cx(), b.cy() - 1, b.w() / 2 - 1, b.h() / 2 - 2, SAND + 8);
            paint_noise(image, b.x0, b.y0, b.x1, b.y1, SAND + 6, 5, seed);
            break;
        }
        case CHART_ROCKS: {
            VoyageNoise n{seed};
            for (int32_t k = 0; k < 5; ++k) {
                int32_t x = voyage_noise_range(&n, b.x0 + 2, b.x1 - 2);
                int32_t y = voyage_noise_range(&n, b.y0 + 2, b.y1 - 2);
                paint_ellipse(image, x, y, 2, 2, WATER + 6);
                voyage_ball(image, x, y, 2, 1, GREY + 1, 8);
            }
            break;
        }
        case CHART_DOME:
            paint_rect(image, b.x0, b.y0, b.x1, b.y1, SAND + 10);
            paint_frame(image, b.x0, b.y0, b.x1, b.y1, SAND + 5);
            voyage_ball(image, b.cx(), b.cy(), 5, 5, 216, 8);
            paint_pixel(image, b.cx(), b.cy(), YELLOW + 7);
            break;
        case CHART_PAGODA:
            for (int32_t k = 0; k < 3; ++k) {
                int32_t i = k * 3;
                paint_rect(image, b.x0 + i, b.y0 + i, b.x1 - i, b.y1 - i, ROOF + 1 + k * 2);
                paint_frame(image, b.x0 + i, b.y0 + i, b.x1 - i, b.y1 - i, ROOF);
            }
            paint_line(image, b.x0, b.y0, b.x1, b.y1, ROOF + 6);
            paint_line(image, b.x1, b.y0, b.x0, b.y1, ROOF + 3);
            paint_rect(image, b.cx() - 1, b.cy() - 1, b.cx(), b.cy(), YELLOW + 6);
            break;
        case CHART_HELIPAD:
            paint_ellipse(image, b.cx(), b.cy(), 6, 6, ASPHALT + 2);
            paint_ellipse(image, b.cx(), b.cy(), 5, 5, ASPHALT + 4);
            paint_rect(image, b.cx() - 3, b.cy() - 3, b.cx() - 2, b.cy() + 3, WHITE + 14);
            paint_rect(image, b.cx() + 2, b.cy() - 3, b.cx() + 3, b.cy() + 3, WHITE + 14);
            paint_rect(image, b.cx() - 2, b.cy(), b.cx() + 2, b.cy(), WHITE + 14);
            break;
        case CHART_PUMPS:
            paint_rect(image, b.x0, b.y0, b.x1, b.y1, ASPHALT + 4);
            for (int32_t k = 0; k < 3; ++k) {
                paint_rect(image, b.x0 + 1 + k * 4, b.y0 + 2, b.x0 + 2 + k * 4, b.y1 - 2, ROOF + 5);
                paint_pixel(image, b.x0 + 1 + k * 4, b.y0 + 2, WHITE + 12);
            }
            break;
        case CHART_RADAR:
            paint_rect(image, b.x0 + 2, b.y0 + 2, b.x1 - 2, b.y1 - 2, GREY + 9);
            paint_frame(image, b.x0 + 2, b.y0 + 2, b.x1 - 2, b.y1 - 2, GREY + 4);
            paint_line(image, b.x0, b.cy(), b.x1, b.cy(), WHITE + 14);
            paint_pixel(image, b.cx(), b.cy(), ROOF + 6);
            break;
        case CHART_COAL:
            paint_ellipse(image, b.cx(), b.cy(), b.w() / 2, b.h() / 2, SHADE + 3);
            voyage_ball(image, b.cx() - 1, b.cy() - 1, b.w() / 2 - 1, b.h() / 2 - 1, SHADE + 2, 9);
            paint_noise(image, b.x0, b.y0, b.x1, b.y1, SHADE + 2, 9, seed);
            break;
        case CHART_TIMBER:
            for (int32_t y = b.y0; y <= b.y1; y += 2) {
                paint_rect(image, b.x0, y, b.x1, y, WOOD + 9);
                paint_rect(image, b.x0, y + 1, b.x1, y + 1, WOOD + 5);
                paint_pixel(image, b.x1, y, WOOD + 13);
            }
            break;
        case CHART_WINDMILL:
            paint_ellipse(image, b.cx(), b.cy(), 2, 2, GREY + 10);
            voyage_thick_line(image, b.x0, b.y0, b.x1, b.y1, 1, WHITE + 12);
            paint_line(image, b.x1, b.y0, b.x0, b.y1, WHITE + 10);
            paint_pixel(image, b.cx(), b.cy(), ROOF + 4);
            break;
    }
}

// The hourglass: wooden caps and posts, a glass wall just outside the interior that the game
// fills, the interior itself in the empty-glass colour, and key colour everywhere else.
void paint_hourglass(PictureImage* image, int32_t ox, int32_t oy) {
    const int32_t glass_edge = GLASS + 9, glass_shine = GLASS + 15;
    // interior rows: upper bulb from the table, lower cone mirrored about the neck, lower bulb
    int32_t x0s[48], x1s[48];
    for (int32_t y = 0; y < 48; ++y) x0s[y] = x1s[y] = -1;
    for (const HourglassRow& r : g_hourglass_top_rows) {
        x0s[r.y] = r.x0;
        x1s[r.y] = r.x1;
        int32_t mirror = 31 - r.y;  // 15 <-> 16, 4 <-> 27
        x0s[mirror] = r.x0;
        x1s[mirror] = r.x1;
    }
    for (int32_t y = 24; y <= HOURGLASS_BOTTOM_LAST_Y; ++y) {
        x0s[y] = 3;
        x1s[y] = 21;
    }
    // caps
    paint_rect(image, ox, oy, ox + 24, oy + 3, WOOD + 6);
    paint_rect(image, ox, oy, ox + 24, oy, WOOD + 12);
    paint_rect(image, ox + 1, oy + 1, ox + 23, oy + 1, WOOD + 9);
    paint_rect(image, ox, oy + 3, ox + 24, oy + 3, WOOD + 3);
    paint_rect(image, ox, oy + 40, ox + 24, oy + 47, WOOD + 6);
    paint_rect(image, ox, oy + 40, ox + 24, oy + 40, WOOD + 12);
    paint_rect(image, ox, oy + 41, ox + 24, oy + 41, WOOD + 10);
    for (int32_t x = ox + 2; x < ox + 23; x += 5) paint_rect(image, x, oy + 43, x + 2, oy + 44, WOOD + 9);
    paint_rect(image, ox, oy + 46, ox + 24, oy + 46, WOOD + 3);
    paint_rect(image, ox, oy + 47, ox + 24, oy + 47, WOOD + 1);
    // posts
    for (int32_t y = 4; y < 40; ++y) {
        paint_pixel(image, ox, oy + y, WOOD + 10);
        paint_pixel(image, ox + 1, oy + y, WOOD + 5);
        paint_pixel(image, ox + 23, oy + y, WOOD + 8);
        paint_pixel(image, ox + 24, oy + y, WOOD + 3);
    }
    // glass wall and interior
    for (int32_t y = 4; y < 40; ++y) {
        int32_t a = x0s[y], b = x1s[y];
        if (a < 0) continue;
        paint_pixel(image, ox + a - 1, oy + y, glass_edge);
        paint_pixel(image, ox + b + 1, oy + y, glass_edge - 3);
        // the wall steps outwards where the next or the previous row is wider
        for (int32_t dy = -1; dy <= 1; dy += 2) {
            int32_t n = y + dy;
            if (n < 4 || n >= 40 || x0s[n] < 0) continue;
            for (int32_t x = x0s[n] - 1; x < a - 1; ++x) paint_pixel(image, ox + x, oy + y, glass_edge);
            for (int32_t x = b + 2; x <= x1s[n] + 1; ++x) paint_pixel(image, ox + x, oy + y, glass_edge - 3);
        }
        paint_rect(image, ox + a, oy + y, ox + b, oy + y, HOURGLASS_GLASS_COLOUR);
    }
    // glints on the glass wall (outside the interior)
    paint_pixel(image, ox + 2, oy + 5, glass_shine);
    paint_pixel(image, ox + 2, oy + 6, glass_shine);
    paint_pixel(image, ox + 2, oy + 33, glass_shine);
    paint_pixel(image, ox + 2, oy + 34, glass_shine);
}

}  // namespace

void paint_chart_sheet(PictureImage* image) {
    sheet_palette(image);
    paint_clear(image, KEY);
    // each object is painted on its own and only its rectangle kept, so that shadows or leaves
    // never reach into a neighbour's rectangle
    auto scratch = std::make_unique<PictureImage>();
    for (int32_t row = 1; row < CHART_SPRITE_COUNT; ++row) {
        const SpriteRect& s = g_chart_sprite_rects[row];
        paint_clear(scratch.get(), KEY);
        paint_object(scratch.get(), s, row);
        voyage_copy(image, s.x0, s.y0, scratch.get(), s.x0, s.y0, s.x1 - s.x0 + 1, s.y1 - s.y0 + 1);
    }
    paint_hourglass(image, g_chart_sprite_rects[0].x0, g_chart_sprite_rects[0].y0);
}
