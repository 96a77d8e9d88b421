// Picture 39: the farewell. A ship steams away into the sunset; the game shows its three-line
// farewell box over the middle of the sky, so the sun, the ship and the sea lie low in the picture.
#include <algorithm>
#include <cstdlib>

#include "assets/art_main.h"

namespace {

constexpr int32_t SKY = 33;      // 32 steps: violet zenith down to a golden horizon
constexpr int32_t SUN = 65;      // 8 steps
constexpr int32_t SEA = 73;      // 12 steps, dark to light
constexpr int32_t GLOW = 85;     // 8 steps, the sun's path on the water
constexpr int32_t CLOUD = 93;    // 8 steps, dark underside to lit rim
constexpr int32_t DARK = 101;    // the ship and the gulls against the light
constexpr int32_t LIGHT = 102;   // the ship's lamps
constexpr int32_t WAKE = 103;    // 3 steps

constexpr int32_t HORIZON = 160;
constexpr int32_t SUN_X = 150, SUN_R = 30;

void palette(PictureImage* image) {
    paint_palette_set(image, 32, 63, 0, 63);
    main_ramp(image, SKY, 12, 8, 4, 20, 30, 10, 34);
    main_ramp(image, SKY + 12, 10, 32, 11, 34, 56, 22, 28);
    main_ramp(image, SKY + 22, 10, 58, 26, 24, 63, 52, 22);
    main_ramp(image, SUN, 8, 63, 50, 20, 63, 63, 50);
    main_ramp(image, SEA, 12, 6, 3, 14, 34, 16, 30);
    main_ramp(image, GLOW, 8, 46, 22, 22, 63, 58, 30);
    main_ramp(image, CLOUD, 8, 18, 6, 22, 63, 40, 30);
    paint_palette_set(image, DARK, 5, 2, 8);
    paint_palette_set(image, LIGHT, 63, 58, 36);
    main_ramp(image, WAKE, 3, 30, 16, 30, 54, 40, 46);
}

void sky(PictureImage* image) {
    paint_gradient(image, 0, 0, 319, HORIZON - 1, SKY, 32, false);
    // glow round the sun
    for (int32_t y = HORIZON - 80; y < HORIZON; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t dx = x - SUN_X, dy = (y - HORIZON) * 2;
            int32_t d2 = dx * dx + dy * dy;
            if (d2 >= 150 * 150) continue;
            int32_t lift = (150 * 150 - d2) * 64 / (150 * 150);
            int32_t c = paint_get(image, x, y) + lift / 16 + (main_dither(x, y, lift % 16) ? 1 : 0);
            paint_pixel(image, x, y, std::min(SKY + 31, c));
        }
    // long clouds, dark underneath and lit at their rims
    static const int32_t clouds[][4] = {{60, 30, 110, 5},  {230, 46, 140, 6}, {120, 88, 180, 4},
                                        {280, 110, 90, 3}, {40, 124, 100, 3}, {200, 136, 120, 2}};
    for (const auto& cl : clouds) {
        int32_t cx = cl[0], cy = cl[1], half = cl[2] / 2, thick = cl[3];
        for (int32_t x = cx - half; x <= cx + half; ++x) {
            int32_t t = std::abs(x - cx) * 256 / half;
            int32_t h = thick * (256 - t * t / 256) / 256 + (main_smooth_noise(x, cy, 7, 13) > 170 ? 1 : 0);
            for (int32_t k = -h; k <= h / 2; ++k) {
                int32_t y = cy + k;
                int32_t pos = k == -h ? 255 : 90 - k * 20 + main_hash(x, y, 5) / 8;
                paint_pixel(image, x, y, main_shade(x, y, CLOUD, 8, pos - cy / 2));
            }
        }
    }
    // the sun on the horizon
    for (int32_t y = HORIZON - SUN_R; y < HORIZON; ++y)
        for (int32_t x = SUN_X - SUN_R; x <= SUN_X + SUN_R; ++x) {
            int32_t dx = x - SUN_X, dy = y - HORIZON;
            int32_t d2 = dx * dx + dy * dy;
            if (d2 > SUN_R * SUN_R) continue;
            paint_pixel(image, x, y, main_shade(x, y, SUN, 8, 255 - d2 * 140 / (SUN_R * SUN_R)));
        }
}

void sea(PictureImage* image) {
    for (int32_t y = HORIZON; y < 200; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t depth = y - HORIZON;
            int32_t n = main_smooth_noise(x, y * 4, 5 + depth / 5, 3);
            int32_t pos = 200 - depth * 4 + (n - 128) / 2;
            paint_pixel(image, x, y, main_shade(x, y, SEA, 12, pos));
            // the sun's path, broken into streaks
            int32_t half = SUN_R + depth * 2;
            int32_t off = std::abs(x - SUN_X);
            if (off < half) {
                int32_t m = main_smooth_noise(x * 2, y * 6, 4 + depth / 6, 9);
                int32_t strength = m - 90 - off * 110 / half - depth;
                if (strength > 0) paint_pixel(image, x, y, main_shade(x, y, GLOW, 8, strength * 3));
            }
        }
    paint_rect(image, 0, HORIZON, 319, HORIZON, GLOW + 1);
}

}  // namespace

void paint_farewell_picture(PictureImage* image) {
    palette(image);
    sky(image);
    sea(image);
    // the ship, heading for the sun, with a long pale wake behind it
    int32_t ship_x = 196, water = HORIZON + 6;
    for (int32_t x = ship_x + 58; x < 319; ++x) {
        int32_t spread = (x - ship_x - 58) / 12;
        for (int32_t y = water - spread / 2; y <= water + spread; ++y)
            if (main_hash(x, y, 21) < 150 - (x - ship_x) / 2) paint_pixel(image, x, y, WAKE + (y == water ? 2 : 1));
    }
    // (painted bow right on a scratch picture, then laid in mirrored so that the bow points west)
    PictureImage* scratch = new PictureImage();
    paint_clear(scratch, 0);
    main_ship_silhouette(scratch, ship_x, water, 62, DARK, LIGHT);
    for (int32_t y = water - 30; y <= water + 2; ++y)
        for (int32_t x = 0; x < 62; ++x) {
            int32_t c = paint_get(scratch, ship_x + 61 - x, y);
            if (c != 0) paint_pixel(image, ship_x + x, y, c);
        }
    delete scratch;
    // mirror the hull's flank in the water, broken by the ripples
    for (int32_t y = water + 2; y < water + 8; ++y)
        for (int32_t x = ship_x; x < ship_x + 62; ++x)
            if (paint_get(image, x, 2 * water - y) == DARK && (main_hash(x, y, 2) & 3)) paint_pixel(image, x, y, SEA);
    // gulls seeing the ship off
    static const int32_t gulls[][3] = {{36, 150, 4}, {52, 144, 3}, {270, 150, 3}, {22, 170, 6}, {298, 176, 5}};
    for (const auto& g : gulls) {
        int32_t x = g[0], y = g[1], s = g[2];
        paint_line(image, x - s, y - s / 2, x - 1, y, DARK);
        paint_line(image, x + 1, y, x + s, y - s / 2, DARK);
        paint_pixel(image, x, y, DARK);
    }
}
