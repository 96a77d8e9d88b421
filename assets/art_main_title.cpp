// Picture 9: the title. Dusk over the open sea: the product name in gold across the sky, the sun
// setting behind a cargo ship, a lighthouse on a headland to the left and gulls overhead.
#include <algorithm>
#include <cstdlib>

#include "assets/art_main.h"

namespace {

constexpr int32_t SKY = 33;       // 28 steps, zenith (deep blue) to horizon (orange)
constexpr int32_t SUN = 61;       // 8 steps, orange to white-yellow
constexpr int32_t SEA = 69;       // 16 steps, dark to light
constexpr int32_t GLOW = 85;      // 8 steps, sun reflection on the water, dim to bright
constexpr int32_t GOLD = 93;      // 16 steps, the name's metal
constexpr int32_t ROCK = 109;     // 8 steps
constexpr int32_t TOWER = 117;    // 8 steps, lighthouse white
constexpr int32_t RED = 125;      // 4 steps, lighthouse bands
constexpr int32_t BEAM = 129;     // 4 steps, light beam over the sky
constexpr int32_t SILHOUETTE = 133;
constexpr int32_t OUTLINE = 134;  // dark brown edge of the name
constexpr int32_t SHADOW = 135;   // the name's drop shadow
constexpr int32_t STAR = 136;
constexpr int32_t LAMP = 137;
constexpr int32_t GULL = 138;

constexpr int32_t HORIZON = 132;
constexpr int32_t SUN_X = 246, SUN_R = 19;

void palette(PictureImage* image) {
    paint_palette_set(image, 32, 63, 0, 63);
    main_ramp(image, SKY, 10, 2, 3, 14, 16, 10, 30);
    main_ramp(image, SKY + 10, 10, 18, 10, 30, 46, 18, 26);
    main_ramp(image, SKY + 20, 8, 48, 20, 24, 63, 44, 16);
    main_ramp(image, SUN, 8, 63, 52, 22, 63, 63, 54);
    main_ramp(image, SEA, 16, 2, 4, 12, 22, 18, 34);
    main_ramp(image, GLOW, 8, 34, 16, 18, 63, 54, 24);
    main_ramp(image, GOLD, 6, 20, 10, 2, 48, 30, 6);
    main_ramp(image, GOLD + 6, 10, 50, 33, 8, 63, 62, 40);
    main_ramp(image, ROCK, 8, 3, 3, 6, 20, 14, 18);
    main_ramp(image, TOWER, 8, 14, 12, 20, 56, 52, 54);
    main_ramp(image, RED, 4, 22, 2, 4, 54, 12, 10);
    main_ramp(image, BEAM, 4, 22, 16, 32, 50, 44, 40);
    paint_palette_set(image, SILHOUETTE, 4, 3, 8);
    paint_palette_set(image, OUTLINE, 14, 6, 2);
    paint_palette_set(image, SHADOW, 3, 2, 8);
    paint_palette_set(image, STAR, 58, 58, 63);
    paint_palette_set(image, LAMP, 63, 63, 50);
    paint_palette_set(image, GULL, 8, 6, 12);
}

void sky_and_sun(PictureImage* image) {
    main_starry_sky(image, 0, 0, 319, HORIZON - 1, SKY, 28, STAR, 0, 0);
    // stars only in the dark upper sky
    MainNoise noise = {99};
    for (int32_t i = 0; i < 90; ++i) {
        int32_t x = main_noise_range(&noise, 0, 319);
        int32_t y = main_noise_range(&noise, 0, 48);
        if (main_noise_range(&noise, 0, 2) == 0 || y < 28) paint_pixel(image, x, y, STAR);
    }
    // a warm glow round the sun, then the sun itself, its lower part under the horizon
    for (int32_t y = HORIZON - 60; y < HORIZON; ++y)
        for (int32_t x = SUN_X - 90; x <= SUN_X + 90; ++x) {
            int32_t dx = x - SUN_X, dy = (y - HORIZON) * 2;
            int32_t d2 = dx * dx + dy * dy;
            if (d2 > 90 * 90) continue;
            int32_t c = paint_get(image, x, y);
            int32_t lift = (90 * 90 - d2) * 8 / (90 * 90);
            if (main_dither(x, y, ((90 * 90 - d2) * 128 / (90 * 90)) % 16)) ++lift;
            paint_pixel(image, x, y, std::min(SKY + 27, c + lift));
        }
    for (int32_t y = HORIZON - SUN_R; y < HORIZON; ++y)
        for (int32_t x = SUN_X - SUN_R; x <= SUN_X + SUN_R; ++x) {
            int32_t dx = x - SUN_X, dy = y - (HORIZON + 3);
            if (dx * dx + dy * dy > SUN_R * SUN_R) continue;
            int32_t pos = 255 - (dx * dx + dy * dy) * 120 / (SUN_R * SUN_R);
            paint_pixel(image, x, y, main_shade(x, y, SUN, 8, pos));
        }
    // thin clouds across the sun, lit from below
    static const int32_t clouds[][3] = {{150, 102, 70}, {226, 118, 90}, {276, 96, 50}, {60, 92, 80}};
    for (const auto& cl : clouds)
        for (int32_t x = cl[0] - cl[2] / 2; x <= cl[0] + cl[2] / 2; ++x) {
            int32_t t = std::abs(x - cl[0]) * 4 / std::max(1, cl[2] / 2);
            for (int32_t k = 0; k < 3 - t / 2; ++k) {
                int32_t y = cl[1] + k + (main_hash(x, cl[1], 3) & 1);
                paint_pixel(image, x, y, k == 0 ? SKY + 26 : SKY + 14 + k);
            }
        }
}

void sea(PictureImage* image) {
    paint_gradient(image, 0, HORIZON, 319, 199, SEA + 9, 7, false);
    // swell: darker troughs and lit crests, the rows widening towards the viewer
    for (int32_t y = HORIZON; y < 200; ++y) {
        int32_t depth = y - HORIZON;
        int32_t wave = 3 + depth / 6;
        for (int32_t x = 0; x < 320; ++x) {
            int32_t n = main_smooth_noise(x, y * 3, wave * 2, 11);
            int32_t base = SEA + 15 - std::min(12, depth / 5);
            int32_t c = base - (n > 150 ? 2 : n > 110 ? 1 : 0);
            if (n > 200) c = base + 1;
            paint_pixel(image, x, y, std::clamp(c, SEA, SEA + 15));
        }
    }
    // the sun's path on the water: broken streaks that widen towards the viewer
    for (int32_t y = HORIZON; y < 200; ++y) {
        int32_t depth = y - HORIZON;
        int32_t half = SUN_R + depth * 3 / 4;
        for (int32_t x = SUN_X - half; x <= SUN_X + half; ++x) {
            int32_t n = main_smooth_noise(x * 2, y * 5, 6 + depth / 8, 17);
            int32_t edge = 256 - std::abs(x - SUN_X) * 256 / std::max(1, half);
            if (n * edge / 256 < 70) continue;
            int32_t pos = (n - 70) * 2 * edge / 256 - depth * 2;
            if (pos < 0) continue;
            paint_pixel(image, x, y, main_shade(x, y, GLOW, 8, pos));
        }
    }
    paint_rect(image, 0, HORIZON, 319, HORIZON, SEA + 11);
}

void headland(PictureImage* image) {
    // rocks from the left edge down into the sea, with the lighthouse on top
    PaintPoint rocks[] = {{0, 110}, {18, 106}, {34, 110}, {52, 116}, {70, 124}, {84, 130}, {96, 136},
                          {104, 142}, {80, 146}, {40, 150}, {0, 152}};
    paint_polygon(image, rocks, 11, ROCK + 2);
    for (int32_t y = 100; y < 153; ++y)
        for (int32_t x = 0; x < 106; ++x)
            if (paint_get(image, x, y) == ROCK + 2) {
                int32_t n = main_smooth_noise(x, y, 5, 21);
                // lit from the sunset on the right-hand faces
                int32_t lit = paint_get(image, x + 2, y - 1) != ROCK + 2 && paint_get(image, x + 2, y - 1) < ROCK;
                int32_t pos = n / 2 + (lit ? 120 : 0) - (y - 100);
                paint_pixel(image, x, y, main_shade(x, y, ROCK, 8, pos));
            }
    // surf at the foot of the rocks
    for (int32_t x = 0; x < 112; ++x) {
        int32_t y = 146 + (x < 80 ? 4 - x / 20 : -4 + (x - 80) / 3);
        if (main_hash(x, 0, 5) < 170) paint_pixel(image, x, y, TOWER + 6);
        if (main_hash(x, 1, 5) < 90) paint_pixel(image, x, y + 1, TOWER + 4);
    }
    // the lighthouse: a tapering tower with red bands, gallery and lantern
    int32_t base_y = 108, top_y = 80, cx = 22;
    for (int32_t y = top_y; y <= base_y; ++y) {
        int32_t half = 5 + (y - top_y) * 4 / (base_y - top_y);
        bool band = ((y - top_y) / 8) % 2 == 1;
        for (int32_t x = cx - half; x <= cx + half; ++x) {
            int32_t pos = 60 + (x - (cx - half)) * 190 / (2 * half);  // lit from the right
            int32_t c = band ? RED + std::min(3, pos / 64) : main_shade(x, y, TOWER, 8, pos);
            paint_pixel(image, x, y, c);
        }
    }
    paint_rect(image, cx - 8, top_y - 2, cx + 8, top_y - 1, ROCK + 1);   // gallery
    for (int32_t x = cx - 8; x <= cx + 8; x += 2) paint_pixel(image, x, top_y - 4, ROCK + 1);
    paint_rect(image, cx - 8, top_y - 5, cx + 8, top_y - 5, ROCK + 1);
    paint_rect(image, cx - 4, top_y - 11, cx + 4, top_y - 3, LAMP);       // lantern
    paint_rect(image, cx - 4, top_y - 11, cx - 4, top_y - 3, ROCK + 2);
    paint_rect(image, cx + 4, top_y - 11, cx + 4, top_y - 3, ROCK + 2);
    paint_rect(image, cx, top_y - 11, cx, top_y - 3, ROCK + 3);
    PaintPoint roof[] = {{cx - 6, top_y - 11}, {cx, top_y - 16}, {cx + 7, top_y - 11}};
    paint_polygon(image, roof, 3, ROCK + 1);
    // the beam sweeping out over the sea to the right
    int32_t ly = top_y - 7;
    for (int32_t x = cx + 5; x < 190; ++x) {
        int32_t spread = (x - cx) / 9 + 1;
        for (int32_t y = ly - spread; y <= ly + spread + (x - cx) / 14; ++y) {
            int32_t c = paint_get(image, x, y);
            if (c < SKY || c >= SKY + 28) continue;
            int32_t fade = 255 - (x - cx) * 255 / 170 - std::abs(y - ly) * 10;
            if (fade <= 0) continue;
            int32_t level = fade * 16 / 255;
            if (main_dither(x, y, level)) paint_pixel(image, x, y, BEAM + std::min(3, level / 4));
        }
    }
}

void gulls(PictureImage* image) {
    static const int32_t at[][3] = {{110, 90, 5}, {128, 84, 4}, {96, 100, 3}, {268, 78, 4}, {284, 86, 3}};
    for (const auto& g : at) {
        int32_t x = g[0], y = g[1], s = g[2];
        paint_line(image, x - s, y - s / 2, x - 1, y, GULL);
        paint_line(image, x + 1, y, x + s, y - s / 2, GULL);
        paint_pixel(image, x, y, GULL);
        paint_pixel(image, x - s - 1, y - s / 2 + 1, GULL);
        paint_pixel(image, x + s + 1, y - s / 2 + 1, GULL);
    }
}

}  // namespace

void paint_title_picture(PictureImage* image) {
    palette(image);
    sky_and_sun(image);
    sea(image);
    // the ship crossing the sun on the horizon, with its reflection broken by the swell
    main_ship_silhouette(image, 128, HORIZON + 3, 104, SILHOUETTE, LAMP);
    for (int32_t y = HORIZON + 4; y < HORIZON + 11; ++y)
        for (int32_t x = 130; x < 234; ++x)
            if ((main_hash(x, y, 77) & 3) != 0 && paint_get(image, x, 2 * (HORIZON + 3) - y) == SILHOUETTE)
                paint_pixel(image, x, y, SEA + 1);
    headland(image);
    gulls(image);
    int32_t cell = 5;
    main_logo(image, (320 - main_logo_width(cell)) / 2, 18, cell, GOLD, 16, OUTLINE, SHADOW);
}
