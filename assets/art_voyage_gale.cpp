// Picture 21: a gale at sea. All three palette-cycle ranges animate while it is shown: the swell
// (33..38) marches to the right, rain (39..43) streams down and lightning (44..47) flickers.
#include <algorithm>

#include "assets/art_voyage.h"

namespace {

constexpr int32_t WAVE = 33;   // 33..38 cycled swell
constexpr int32_t RAIN = 39;   // 39..43 cycled rain
constexpr int32_t BOLT = 44;   // 44 the bolt, 45 its glow (cycled 44..47)
constexpr int32_t CLOUD = 48;  // 48..63 storm clouds, dark to light
constexpr int32_t DEEP = 64;   // 64..79 deep water
constexpr int32_t SHIP = 80;   // 80..87 hull, 88..91 superstructure, 92..95 funnel and red
constexpr int32_t FOAM = 96;   // 96..111 spray and foam

void gale_palette(PictureImage* p) {
    paint_palette_set(p, 32, 8, 9, 12);
    const uint8_t swell[6][3] = {{3, 9, 12},   {5, 13, 17}, {9, 19, 23},
                                 {16, 27, 30}, {9, 19, 23}, {5, 13, 17}};
    for (int32_t k = 0; k < 6; ++k) paint_palette_set(p, WAVE + k, swell[k][0], swell[k][1], swell[k][2]);
    const uint8_t rain[5][3] = {{40, 44, 50}, {24, 27, 32}, {18, 20, 25}, {15, 17, 21}, {20, 22, 28}};
    for (int32_t k = 0; k < 5; ++k) paint_palette_set(p, RAIN + k, rain[k][0], rain[k][1], rain[k][2]);
    paint_palette_set(p, BOLT, 63, 63, 58);
    paint_palette_set(p, BOLT + 1, 30, 28, 40);
    paint_palette_set(p, BOLT + 2, 14, 14, 20);
    paint_palette_set(p, BOLT + 3, 14, 14, 20);
    voyage_ramp(p, CLOUD, 16, 5, 5, 8, 34, 34, 40);
    voyage_ramp(p, DEEP, 16, 1, 4, 6, 16, 26, 30);
    voyage_ramp(p, SHIP, 8, 4, 5, 8, 22, 24, 30);
    voyage_ramp(p, SHIP + 8, 4, 30, 30, 30, 52, 52, 50);
    voyage_ramp(p, SHIP + 12, 4, 30, 6, 4, 54, 16, 10);
    voyage_ramp(p, FOAM, 16, 18, 24, 28, 58, 62, 63);
}

void clouds(PictureImage* p) {
    paint_gradient(p, 0, 15, 319, 95, CLOUD + 1, 8, false);
    VoyageNoise n{2121u};
    for (int32_t k = 0; k < 40; ++k) {
        int32_t x = voyage_noise_range(&n, -20, 340);
        int32_t y = voyage_noise_range(&n, 14, 80);
        int32_t rx = voyage_noise_range(&n, 12, 34);
        int32_t ry = voyage_noise_range(&n, 4, 9);
        int32_t tone = 2 + (y - 14) / 10 + voyage_noise_range(&n, 0, 2);
        paint_ellipse(p, x, y + 2, rx, ry, CLOUD + std::max(0, tone - 2));
        paint_ellipse(p, x - 2, y, rx - 3, ry - 1, CLOUD + std::min(12, tone));
    }
    paint_noise(p, 0, 15, 319, 95, CLOUD, 16, 5u);
}

void lightning(PictureImage* p, int32_t x, int32_t y, int32_t len, uint32_t seed) {
    VoyageNoise n{seed};
    int32_t px = x, py = y;
    while (py < y + len) {
        int32_t nx = px + voyage_noise_range(&n, -5, 5);
        int32_t ny = py + voyage_noise_range(&n, 4, 9);
        for (int32_t g = -1; g <= 1; g += 2) paint_line(p, px + g, py, nx + g, ny, BOLT + 1);
        paint_line(p, px, py, nx, ny, BOLT);
        if (voyage_noise_range(&n, 0, 3) == 0) {  // a fork
            int32_t fx = nx + voyage_noise_range(&n, -10, 10);
            int32_t fy = ny + voyage_noise_range(&n, 5, 10);
            paint_line(p, nx, ny, fx, fy, BOLT);
        }
        px = nx, py = ny;
    }
}

// Sea from row `horizon` down: the swell as bands of the cycled range, wider towards the viewer,
// with a heaving surface line and wind-blown foam.
void sea(PictureImage* p, int32_t horizon) {
    VoyageNoise n{717u};
    for (int32_t y = horizon; y < 200; ++y) {
        int32_t depth = y - horizon + 4;
        int32_t period = 6 + depth / 6;  // in pixels per colour step
        for (int32_t x = 0; x < 320; ++x) {
            int32_t lean = (y * 3) / 2 + ((x / 37 + y / 11) % 3) * 2;
            int32_t phase = ((x + lean) / std::max(1, period / 2) % 6 + 6) % 6;
            paint_pixel(p, x, y, WAVE + phase);
        }
    }
    // big swells: dark backs and foam on the crests, rising to the left
    for (int32_t s = 0; s < 5; ++s) {
        int32_t base = horizon + 14 + s * 22;
        int32_t amp = 4 + s * 3;
        for (int32_t x = 0; x < 320; ++x) {
            int32_t u = (x + s * 53) % 110;
            int32_t crest = base - (u < 60 ? amp * u / 60 : amp * (110 - u) / 50);
            for (int32_t y = crest + 2; y < crest + 4 + s; ++y)
                if (y < 200) paint_pixel(p, x, y, DEEP + 3 + s / 2);
            if (voyage_noise_range(&n, 0, 2) && u > 40 && u < 75) {
                paint_pixel(p, x, crest, FOAM + 12 + voyage_noise_range(&n, 0, 3));
                paint_pixel(p, x, crest + 1, FOAM + 8);
                if (u > 55 && voyage_noise_range(&n, 0, 1)) paint_pixel(p, x - 1, crest - 1, FOAM + 15);
            }
        }
    }
    // spray blown off to the right
    for (int32_t k = 0; k < 500; ++k) {
        int32_t x = voyage_noise_range(&n, 0, 319);
        int32_t y = voyage_noise_range(&n, horizon - 8, 199);
        paint_pixel(p, x, y, FOAM + voyage_noise_range(&n, 6, 14));
    }
}

void ship(PictureImage* p, int32_t x, int32_t y) {
    // a freighter climbing a swell, bow raised: hull, bridge, funnel and green water over the bow
    PaintPoint hull[] = {{x, y + 12},     {x + 92, y - 8}, {x + 100, y - 14},
                         {x + 98, y - 4}, {x + 88, y + 8}, {x + 4, y + 24}};
    paint_polygon(p, hull, 6, SHIP + 2);
    paint_line(p, x, y + 12, x + 100, y - 14, SHIP + 6);
    paint_line(p, x + 4, y + 24, x + 88, y + 8, SHIP);
    PaintPoint house[] = {{x + 8, y + 10}, {x + 26, y + 6}, {x + 24, y - 8}, {x + 8, y - 4}};
    paint_polygon(p, house, 4, SHIP + 10);
    paint_line(p, x + 8, y - 4, x + 24, y - 8, SHIP + 11);
    for (int32_t k = 0; k < 4; ++k) paint_pixel(p, x + 11 + k * 4, y - 2 - k, SHIP + 1);
    PaintPoint funnel[] = {{x + 12, y - 5}, {x + 18, y - 6}, {x + 16, y - 14}, {x + 10, y - 13}};
    paint_polygon(p, funnel, 4, SHIP + 13);
    paint_line(p, x + 10, y - 13, x + 16, y - 14, SHIP);
    for (int32_t k = 0; k < 3; ++k) {  // masts and cranes
        int32_t mx = x + 40 + k * 18, my = y + 4 - k * 4;
        paint_line(p, mx, my, mx + 2, my - 16, SHIP + 5);
        paint_line(p, mx + 2, my - 16, mx + 12, my - 8, SHIP + 4);
    }
    paint_line(p, x + 94, y - 12, x + 96, y - 26, SHIP + 5);
    // water breaking over the bow
    VoyageNoise n{2222u};
    for (int32_t k = 0; k < 160; ++k) {
        int32_t sx = x + 70 + voyage_noise_range(&n, 0, 40);
        int32_t sy = y - 28 + voyage_noise_range(&n, 0, 30);
        paint_pixel(p, sx, sy, FOAM + voyage_noise_range(&n, 8, 15));
    }
}

void rain(PictureImage* p) {
    // slanting streaks, each colour step one row further down the streak, so the rain falls
    VoyageNoise n{4343u};
    for (int32_t k = 0; k < 420; ++k) {
        int32_t x = voyage_noise_range(&n, 0, 330);
        int32_t y = voyage_noise_range(&n, 15, 190);
        int32_t len = voyage_noise_range(&n, 4, 9);
        for (int32_t i = 0; i < len; ++i) {
            int32_t c = paint_get(p, x - i / 2, y + i);
            if (c < 0 || (c >= FOAM && c < FOAM + 16) || (c >= SHIP && c < SHIP + 16)) continue;
            paint_pixel(p, x - i / 2, y + i, RAIN + (y + i) % 5);
        }
    }
}

}  // namespace

void paint_gale_picture(PictureImage* p) {
    gale_palette(p);
    clouds(p);
    lightning(p, 236, 16, 70, 91u);
    lightning(p, 40, 20, 50, 17u);
    sea(p, 96);
    ship(p, 24, 168);
    rain(p);
    paint_rect(p, 0, 0, 319, 14, 32);  // plain under the caption bar
}
