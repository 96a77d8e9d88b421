// Picture 40: the chart table, seen from above, on which a game is loaded or a new one begun. The
// game's question and its duration dialog cover the middle, so the things on the table lie round
// the edges: a stack of log books on the left, the ship's compass and a pair of dividers on the
// right, a parallel rule above and a telescope and a pocket watch below, a sea chart under it all.
#include <algorithm>
#include <cstdlib>

#include "assets/art_main.h"
#include "assets/fixed_math.h"

namespace {

constexpr int32_t WOOD = 33;     // 16 steps, dark to light
constexpr int32_t PAPER = 49;    // 8 steps
constexpr int32_t WATER = 57;    // 6 steps, the chart's sea
constexpr int32_t COAST = 63;    // 6 steps, the chart's land
constexpr int32_t BRASS = 69;    // 12 steps
constexpr int32_t STEEL = 81;    // 8 steps
constexpr int32_t LEATHER = 89;  // 4 books x 4 steps
constexpr int32_t GLASS = 105;   // 6 steps
constexpr int32_t RED = 111;     // 4 steps
constexpr int32_t INK = 115;     // 4 steps
constexpr int32_t SHADOW = 119;  // the shadow on the wood
constexpr int32_t BLACK = 120;
constexpr int32_t CARD = 121;    // 4 steps, the compass card

constexpr int32_t CHART_X0 = 40, CHART_Y0 = 22, CHART_X1 = 282, CHART_Y1 = 168;

void palette(PictureImage* image) {
    paint_palette_set(image, 32, 63, 0, 63);
    main_ramp(image, WOOD, 16, 8, 3, 1, 46, 26, 12);
    main_ramp(image, PAPER, 8, 40, 36, 26, 62, 60, 50);
    main_ramp(image, WATER, 6, 34, 44, 46, 52, 58, 56);
    main_ramp(image, COAST, 6, 44, 38, 22, 60, 54, 38);
    main_ramp(image, BRASS, 12, 14, 8, 2, 63, 56, 30);
    main_ramp(image, STEEL, 8, 10, 11, 14, 56, 58, 60);
    main_ramp(image, LEATHER, 4, 14, 4, 3, 42, 16, 10);
    main_ramp(image, LEATHER + 4, 4, 3, 10, 6, 14, 34, 20);
    main_ramp(image, LEATHER + 8, 4, 4, 6, 16, 16, 22, 44);
    main_ramp(image, LEATHER + 12, 4, 12, 8, 4, 40, 28, 14);
    main_ramp(image, GLASS, 6, 6, 10, 14, 50, 58, 60);
    main_ramp(image, RED, 4, 24, 2, 2, 58, 14, 10);
    main_ramp(image, INK, 4, 8, 10, 16, 26, 30, 36);
    paint_palette_set(image, SHADOW, 6, 2, 1);
    paint_palette_set(image, BLACK, 2, 2, 3);
    main_ramp(image, CARD, 4, 40, 38, 30, 63, 62, 56);
}

void table(PictureImage* image) {
    // planks running across, with grain lines and dark joints
    for (int32_t y = 0; y < 200; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t plank = y / 40;
            int32_t grain = main_smooth_noise(x / 6 + plank * 97, y * 2, 5, 3);
            // the grain lines waver by two pixels: 0.045 radians a column, grain / 40 radians more
            int64_t angle = (x + plank * 50) * FIXED_RADIAN * 45 / 1000 + grain * FIXED_RADIAN / 40;
            int64_t wave = 2 * int64_t{fixed_sin(static_cast<uint32_t>(angle))};
            int64_t row = y * FIXED_ONE * 9 / 10 + wave + grain * FIXED_ONE / 60;
            int32_t stripe = static_cast<int32_t>(row >> FIXED_SHIFT);
            int32_t pos = 140 + (stripe % 5 == 0 ? -40 : 0) + (grain - 128) / 3 + plank * 6;
            if (y % 40 == 0) pos = 10;
            if (y % 40 == 1) pos = 200;
            paint_pixel(image, x, y, main_shade(x, y, WOOD, 16, pos));
        }
}

void shade_under(PictureImage* image, const PaintPoint* points, int32_t count, int32_t dx, int32_t dy) {
    PaintPoint moved[16];
    for (int32_t i = 0; i < count && i < 16; ++i) moved[i] = {points[i].x + dx, points[i].y + dy};
    paint_polygon(image, moved, std::min(count, 16), SHADOW);
}

void chart(PictureImage* image) {
    PaintPoint sheet[] = {{CHART_X0, CHART_Y0}, {CHART_X1, CHART_Y0 + 2}, {CHART_X1 - 2, CHART_Y1}, {CHART_X0 + 3, CHART_Y1 - 2}};
    shade_under(image, sheet, 4, 4, 4);
    paint_polygon(image, sheet, 4, PAPER);
    for (int32_t y = CHART_Y0; y <= CHART_Y1; ++y)
        for (int32_t x = CHART_X0; x <= CHART_X1; ++x) {
            if (paint_get(image, x, y) != PAPER) continue;
            // the sea with a coast of islands drawn from noise, a margin of plain paper
            bool margin = x < CHART_X0 + 8 || x > CHART_X1 - 9 || y < CHART_Y0 + 7 || y > CHART_Y1 - 8;
            int32_t coarse = main_smooth_noise(x, y, 28, 11);
            int32_t fine = main_smooth_noise(x, y, 9, 12);
            int32_t land = coarse + fine / 3;
            int32_t c;
            if (margin) {
                c = main_shade(x, y, PAPER, 8, 200 + main_hash(x, y, 1) / 8);
            } else if (land > 250) {
                c = main_shade(x, y, COAST, 6, 120 + (land - 250) * 2);
            } else {
                c = main_shade(x, y, WATER, 6, 90 + land / 2);  // shallower near the land
            }
            paint_pixel(image, x, y, c);
        }
    // coast lines, graticule and the chart's border
    for (int32_t y = CHART_Y0 + 7; y <= CHART_Y1 - 8; ++y)
        for (int32_t x = CHART_X0 + 8; x <= CHART_X1 - 9; ++x) {
            int32_t c = paint_get(image, x, y);
            bool here = c >= COAST && c < COAST + 6;
            int32_t r = paint_get(image, x + 1, y), d = paint_get(image, x, y + 1);
            bool right = r >= COAST && r < COAST + 6, down = d >= COAST && d < COAST + 6;
            if (here != right || here != down) paint_pixel(image, x, y, INK + 1);
            else if (((x - CHART_X0) % 40 == 0 || (y - CHART_Y0) % 36 == 0) && (x + y) % 2 == 0)
                paint_pixel(image, x, y, INK + 3);
        }
    paint_frame(image, CHART_X0 + 7, CHART_Y0 + 6, CHART_X1 - 8, CHART_Y1 - 7, INK);
    for (int32_t x = CHART_X0 + 7; x <= CHART_X1 - 8; x += 6) {
        paint_rect(image, x, CHART_Y0 + 4, x + 2, CHART_Y0 + 5, INK + 1);
        paint_rect(image, x + 3, CHART_Y1 - 6, x + 5, CHART_Y1 - 5, INK + 1);
    }
    // a compass rose printed on the sea, part of it showing at the top right
    int32_t rx = 250, ry = 52;
    main_ring(image, rx, ry, 20, 20, 1, INK + 1);
    main_ring(image, rx, ry, 15, 15, 1, INK + 2);
    PaintPoint needle_ns[] = {{rx, ry - 19}, {rx + 3, ry}, {rx, ry + 19}, {rx - 3, ry}};
    PaintPoint needle_ew[] = {{rx - 19, ry}, {rx, ry - 3}, {rx + 19, ry}, {rx, ry + 3}};
    paint_polygon(image, needle_ew, 4, INK + 2);
    paint_polygon(image, needle_ns, 4, INK);
    PaintPoint north[] = {{rx, ry - 19}, {rx + 3, ry}, {rx, ry}};
    paint_polygon(image, north, 3, RED + 2);
    // a pencilled course line with its fixes
    paint_line(image, 62, 150, 150, 96, INK + 2);
    for (int32_t k = 0; k < 4; ++k) main_ring(image, 62 + k * 29, 150 - k * 18, 2, 2, 1, RED + 1);
    // the curled lower right corner
    PaintPoint curl[] = {{CHART_X1 - 16, CHART_Y1}, {CHART_X1 - 2, CHART_Y1 - 14}, {CHART_X1 - 2, CHART_Y1}};
    paint_polygon(image, curl, 3, SHADOW);
    PaintPoint flap[] = {{CHART_X1 - 16, CHART_Y1}, {CHART_X1 - 2, CHART_Y1 - 14}, {CHART_X1 - 12, CHART_Y1 - 10}};
    paint_polygon(image, flap, 3, PAPER + 3);
}

void log_books(PictureImage* image) {
    // four bound books, one on another, each turned a little
    static const int32_t books[4][5] = {{4, 66, 52, 138, 0}, {7, 72, 55, 132, 2}, {3, 80, 50, 124, 1}, {8, 86, 54, 118, 3}};
    for (int32_t b = 0; b < 4; ++b) {
        int32_t x0 = books[b][0], y0 = books[b][1], x1 = books[b][2], y1 = books[b][3];
        int32_t base = LEATHER + 4 * books[b][4];
        int32_t skew = (b % 2) ? 2 : -2;
        PaintPoint cover[] = {{x0, y0 + skew}, {x1, y0}, {x1 - skew, y1}, {x0, y1 + skew}};
        shade_under(image, cover, 4, 3, 3);
        paint_polygon(image, cover, 4, base + 2);
        for (int32_t y = y0 - 3; y <= y1 + 3; ++y)
            for (int32_t x = x0; x <= x1; ++x)
                if (paint_get(image, x, y) == base + 2) {
                    int32_t pos = 150 + (main_smooth_noise(x, y, 3, 30 + b) - 128) / 2 - (x - x0);
                    paint_pixel(image, x, y, main_shade(x, y, base, 4, pos));
                }
        // the spine with raised bands on the left, gilt lines and the pages' edge on the right
        paint_rect(image, x0, y0 + 2, x0 + 4, y1 - 2, base);
        for (int32_t y = y0 + 10; y < y1 - 6; y += 14) paint_rect(image, x0, y, x0 + 4, y + 1, BRASS + 9);
        paint_frame(image, x0 + 8, y0 + 6, x1 - 5, y1 - 6, BRASS + 7);
        paint_rect(image, x1 - 2, y0 + 3, x1 - 1, y1 - 3, PAPER + 6);
        // an anchor stamped in gold on the top book
        if (b == 3) {
            int32_t ax = (x0 + x1) / 2 + 2, ay = (y0 + y1) / 2;
            paint_rect(image, ax, ay - 7, ax, ay + 6, BRASS + 10);
            paint_rect(image, ax - 4, ay - 5, ax + 4, ay - 5, BRASS + 10);
            main_ring(image, ax, ay - 9, 2, 2, 1, BRASS + 10);
            paint_line(image, ax - 6, ay + 2, ax, ay + 7, BRASS + 10);
            paint_line(image, ax + 6, ay + 2, ax, ay + 7, BRASS + 10);
        }
    }
    // a red ribbon marker hanging out of the top book
    paint_line(image, 30, 118, 33, 132, RED + 2);
    paint_line(image, 31, 118, 34, 132, RED + 3);
}

void compass(PictureImage* image) {
    int32_t cx = 292, cy = 86;
    paint_ellipse(image, cx + 4, cy + 5, 25, 25, SHADOW);
    main_ball(image, cx, cy, 25, 25, BRASS, 12);
    main_ring(image, cx, cy, 20, 20, 2, BRASS + 3);
    paint_ellipse(image, cx, cy, 19, 19, CARD + 2);
    main_ball(image, cx, cy, 19, 19, CARD, 4);
    // the card: 32 points as ticks, the cardinal points as long needles
    for (int32_t k = 0; k < 32; ++k) {
        uint32_t a = fixed_turn(k, 32);
        int32_t r0 = k % 8 == 0 ? 6 : (k % 2 == 0 ? 14 : 16);
        paint_line(image, cx + fixed_sin_scaled(a, r0, 1), cy - fixed_cos_scaled(a, r0, 1),
                   cx + fixed_sin_scaled(a, 18, 1), cy - fixed_cos_scaled(a, 18, 1),
                   k % 8 == 0 ? INK : INK + 2);
    }
    PaintPoint north[] = {{cx, cy - 17}, {cx + 3, cy}, {cx - 3, cy}};
    PaintPoint south[] = {{cx, cy + 17}, {cx + 3, cy}, {cx - 3, cy}};
    paint_polygon(image, south, 3, INK);
    paint_polygon(image, north, 3, RED + 2);
    paint_ellipse(image, cx, cy, 1, 1, BRASS + 6);
    // the glass's reflection
    paint_line(image, cx - 12, cy - 10, cx - 6, cy - 15, GLASS + 5);
    paint_line(image, cx - 13, cy - 8, cx - 12, cy - 9, GLASS + 5);
    // the lubber line on the bowl
    paint_rect(image, cx - 1, cy - 24, cx + 1, cy - 21, BLACK);
}

void dividers(PictureImage* image) {
    int32_t hx = 276, hy = 128;
    main_brush_line(image, hx + 3, hy + 3, 300 + 3, 168 + 3, 1, SHADOW);
    main_brush_line(image, hx + 3, hy + 3, 264 + 3, 172 + 3, 1, SHADOW);
    main_brush_line(image, hx, hy, 300, 168, 1, STEEL + 4);
    paint_line(image, hx - 1, hy, 299, 168, STEEL + 7);
    main_brush_line(image, hx, hy, 264, 172, 1, STEEL + 3);
    paint_line(image, hx - 1, hy, 263, 172, STEEL + 6);
    main_ball(image, hx, hy, 4, 4, BRASS, 12);
}

void parallel_rule(PictureImage* image) {
    for (int32_t k = 0; k < 2; ++k) {
        int32_t y0 = 5 + k * 8;
        paint_rect(image, 72 + 3, y0 + 3, 250 + 3, y0 + 5 + 3, SHADOW);
        paint_gradient(image, 72, y0, 250, y0 + 5, BLACK, 1, false);
        for (int32_t x = 72; x <= 250; ++x)
            for (int32_t y = y0; y <= y0 + 5; ++y)
                paint_pixel(image, x, y, main_shade(x, y, INK, 4, 200 - (y - y0) * 35));
        for (int32_t x = 76; x < 248; x += 4) paint_pixel(image, x, y0 + (x % 20 == 0 ? 2 : 4), PAPER + 6);
    }
    for (int32_t x : {100, 220}) {  // the brass links between the two rules
        paint_rect(image, x, 7, x + 2, 16, BRASS + 8);
        paint_pixel(image, x + 1, 8, BRASS + 11);
        paint_pixel(image, x + 1, 15, BRASS + 11);
    }
}

void telescope(PictureImage* image) {
    // lying diagonally across the lower right corner, eyepiece to the left
    // (three draws, thicker towards the objective, with brass rings at their joints)
    int32_t y_at_x0 = 196, slope_num = -1, slope_den = 8;
    for (int32_t x = 120; x < 318; ++x) {
        int32_t r = x < 150 ? 4 : x < 196 ? 5 : x < 240 ? 6 : 7;
        int32_t cy = y_at_x0 + (x - 120) * slope_num / slope_den;
        for (int32_t dy = -r; dy <= r; ++dy) {
            int32_t y = cy + dy;
            if (x % 46 == 0 || x == 150 || x == 196 || x == 240) {
                paint_pixel(image, x, y, BRASS + 11);
                continue;
            }
            paint_pixel(image, x + 3, y + 4, SHADOW);
            int32_t pos = 230 - (dy + r) * 200 / (2 * r);
            paint_pixel(image, x, y, x < 196 && x > 150 ? main_shade(x, y, LEATHER + 12, 4, pos)
                                                         : main_shade(x, y, BRASS, 12, pos));
        }
    }
    paint_rect(image, 316, 168, 318, 184, GLASS + 3);
}

void pocket_watch(PictureImage* image) {
    int32_t cx = 30, cy = 176;
    paint_ellipse(image, cx + 3, cy + 3, 16, 16, SHADOW);
    main_ball(image, cx, cy, 16, 16, BRASS, 12);
    paint_ellipse(image, cx, cy, 12, 12, CARD + 3);
    main_ring(image, cx, cy, 12, 12, 1, BRASS + 4);
    for (int32_t k = 0; k < 12; ++k) {
        uint32_t a = fixed_turn(k, 12);
        paint_pixel(image, cx + fixed_sin_scaled(a, 10, 1), cy - fixed_cos_scaled(a, 10, 1), INK);
    }
    paint_line(image, cx, cy, cx + 5, cy - 4, INK);
    paint_line(image, cx, cy, cx - 1, cy - 8, INK);
    paint_ellipse(image, cx, cy - 19, 3, 2, BRASS + 6);  // the crown and its chain
    for (int32_t k = 0; k < 14; ++k) paint_pixel(image, cx + 3 + k * 3, cy - 20 + (k * k) / 12, BRASS + 9 - (k & 1) * 3);
}

}  // namespace

void paint_chart_desk_picture(PictureImage* image) {
    palette(image);
    table(image);
    chart(image);
    parallel_rule(image);
    log_books(image);
    compass(image);
    dividers(image);
    telescope(image);
    pocket_watch(image);
}
