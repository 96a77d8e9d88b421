// Pictures 17, 18, 19 and 20: the epidemic (a ship at anchor under the yellow quarantine flag in
// the heat, sea and shimmer cycled), rats in the hold, the robbed hold by night, and the picture
// that is never shown.
#include <algorithm>

#include "assets/art_voyage.h"

namespace {

// --- 17: epidemic --------------------------------------------------------------------------------

constexpr int32_t E_SEA = 33;      // 33..38 cycled swell
constexpr int32_t E_SHIMMER = 39;  // 39..43 cycled heat shimmer over the horizon
constexpr int32_t E_SKY = 48;      // 48..63 hot sky, pale to deep
constexpr int32_t E_HULL = 64;     // 64..71 rusty hull
constexpr int32_t E_WHITE = 72;    // 72..79 superstructure
constexpr int32_t E_FLAG = 80;     // 80..81 yellow flag
constexpr int32_t E_SAND = 88;     // 88..103 shore
constexpr int32_t E_GREEN = 104;   // 104..119 palms
constexpr int32_t E_SUN = 120;     // 120..123

void epidemic_palette(PictureImage* p) {
    const uint8_t sea[6][3] = {{4, 20, 24},  {6, 26, 30},  {10, 32, 36},
                               {18, 40, 42}, {10, 32, 36}, {6, 26, 30}};
    for (int32_t k = 0; k < 6; ++k) paint_palette_set(p, E_SEA + k, sea[k][0], sea[k][1], sea[k][2]);
    const uint8_t sh[5][3] = {{58, 52, 36}, {52, 50, 40}, {48, 50, 44}, {52, 50, 40}, {56, 52, 38}};
    for (int32_t k = 0; k < 5; ++k) paint_palette_set(p, E_SHIMMER + k, sh[k][0], sh[k][1], sh[k][2]);
    paint_palette_set(p, 32, 30, 36, 48);
    voyage_ramp(p, 44, 4, 40, 44, 50, 50, 50, 46);
    voyage_ramp(p, E_SKY, 16, 22, 32, 52, 60, 56, 44);
    voyage_ramp(p, E_HULL, 8, 14, 6, 4, 46, 22, 12);
    voyage_ramp(p, E_WHITE, 8, 30, 30, 28, 62, 62, 58);
    paint_palette_set(p, E_FLAG, 50, 44, 0);
    paint_palette_set(p, E_FLAG + 1, 63, 58, 10);
    voyage_ramp(p, E_SAND, 16, 26, 18, 8, 62, 54, 36);
    voyage_ramp(p, E_GREEN, 16, 4, 10, 2, 30, 44, 10);
    voyage_ramp(p, E_SUN, 4, 63, 52, 20, 63, 63, 54);
}

void palm(PictureImage* p, int32_t x, int32_t base, int32_t h, int32_t green, int32_t trunk) {
    for (int32_t k = 0; k <= h; ++k) {
        int32_t px = x + k * k / (h * 3);
        paint_rect(p, px, base - k, px + 2, base - k, trunk + (k % 3 == 0 ? 2 : 4));
    }
    int32_t tx = x + h / 3, ty = base - h;
    static const int32_t fx[7] = {-18, -14, -6, 4, 12, 18, 16}, fy[7] = {8, -2, -8, -9, -4, 4, 12};
    for (int32_t f = 0; f < 7; ++f) {
        voyage_thick_line(p, tx, ty, tx + fx[f], ty + fy[f], 2, green + 5 + (f % 3) * 2);
        paint_line(p, tx + fx[f] / 2, ty + fy[f] / 2 - 1, tx + fx[f], ty + fy[f] + 2, green + 3);
    }
}

void epidemic(PictureImage* p) {
    epidemic_palette(p);
    paint_rect(p, 0, 0, 319, 14, E_SKY + 2);
    paint_gradient(p, 0, 15, 319, 99, E_SKY + 3, 12, false);
    voyage_ball(p, 40, 34, 14, 14, E_SUN, 4);
    for (int32_t y = 100; y < 108; ++y)  // shimmer over the far water
        for (int32_t x = 0; x < 320; ++x) paint_pixel(p, x, y, E_SHIMMER + ((x / 3 + y) % 5));
    for (int32_t y = 108; y < 200; ++y) {
        int32_t period = 1 + (y - 108) / 14;
        for (int32_t x = 0; x < 320; ++x) {
            int32_t phase = ((x / (period * 4) + y / period + (x / 17 + y) % 2) % 6 + 6) % 6;
            paint_pixel(p, x, y, E_SEA + phase);
        }
    }
    // the shore on the left with palms
    PaintPoint shore[] = {{0, 150}, {40, 140}, {70, 150}, {90, 200}, {0, 200}};
    paint_polygon(p, shore, 5, E_SAND + 10);
    paint_noise(p, 0, 140, 90, 199, E_SAND + 8, 5, 3u);
    palm(p, 14, 160, 52, E_GREEN, E_SAND);
    palm(p, 40, 150, 40, E_GREEN, E_SAND);
    // the ship at anchor on the right, flying the yellow flag from its mast
    int32_t x0 = 214, wl = 150;
    PaintPoint hull[] = {{x0, wl - 12}, {319, wl - 14}, {319, wl + 4}, {x0 + 8, wl + 4}};
    paint_polygon(p, hull, 4, E_HULL + 4);
    paint_rect(p, x0, wl - 12, 319, wl - 11, E_HULL + 7);
    paint_rect(p, x0 + 6, wl + 1, 319, wl + 4, E_HULL + 1);
    for (int32_t x = x0 + 12; x < 319; x += 9) paint_line(p, x, wl - 10, x + 1, wl - 2, E_HULL + 2);  // rust
    paint_rect(p, 262, wl - 40, 319, wl - 13, E_WHITE + 6);
    paint_rect(p, 262, wl - 40, 319, wl - 39, E_WHITE + 7);
    for (int32_t y = wl - 35; y < wl - 15; y += 7)
        for (int32_t x = 266; x < 318; x += 6) paint_rect(p, x, y, x + 3, y + 2, E_HULL);
    paint_rect(p, 282, wl - 60, 294, wl - 41, E_HULL + 5);
    paint_rect(p, 282, wl - 60, 294, wl - 56, E_HULL);
    paint_rect(p, 240, 16, 241, wl - 13, E_WHITE + 2);  // mast
    paint_rect(p, 242, 18, 258, 30, E_FLAG + 1);        // the quarantine flag
    paint_rect(p, 242, 30, 258, 30, E_FLAG);
    paint_line(p, 241, 16, 228, wl - 13, E_WHITE + 1);  // stays
    paint_line(p, 241, 16, 262, wl - 40, E_WHITE + 1);
    paint_line(p, x0 + 4, wl - 8, x0 - 14, 199, E_HULL);  // anchor chain
}

// --- 18: rats --------------------------------------------------------------------------------

constexpr int32_t H_WOOD = 33;  // 33..48 planks
constexpr int32_t H_SACK = 49;  // 49..56 sacks
constexpr int32_t H_RAT = 57;   // 57..64 rat fur
constexpr int32_t H_PINK = 65;  // 65..66 ears and tails
constexpr int32_t H_EYE = 67;   // red glint
constexpr int32_t H_LAMP = 68;  // 68..75 lamp glow
constexpr int32_t H_IRON = 76;  // 76..83 ribs and barrel hoops

void hold_palette(PictureImage* p, bool night) {
    int32_t f = night ? 2 : 3;  // night scenes are darker
    voyage_ramp(p, 32, 1, 10, 7, 4, 10, 7, 4);
    voyage_ramp(p, H_WOOD, 16, 4 * f / 3, 2 * f / 3, 1, 16 * f, 10 * f, 5 * f);
    voyage_ramp(p, H_SACK, 8, 10, 8, 4, 16 * f, 14 * f, 9 * f);
    voyage_ramp(p, H_RAT, 8, 4, 3, 3, 34, 30, 28);
    voyage_ramp(p, H_PINK, 2, 40, 22, 24, 56, 36, 38);
    paint_palette_set(p, H_EYE, 63, 16, 8);
    voyage_ramp(p, H_LAMP, 8, 30, 20, 4, 63, 60, 40);
    voyage_ramp(p, H_IRON, 8, 6, 6, 7, 32, 32, 34);
    voyage_ramp(p, 84, 16, 2, 4, 10, 24, 30, 44);  // night sky and moonlight
}

void planks(PictureImage* p, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t tone, uint32_t seed) {
    for (int32_t y = y0; y <= y1; ++y) {
        int32_t board = (y - y0) / 9;
        for (int32_t x = x0; x <= x1; ++x) {
            int32_t t = tone + (board % 2) + (((x + board * 37) / 40) % 2);
            if ((y - y0) % 9 == 0) t = tone - 4;
            if ((x + board * 37) % 40 == 0) t = tone - 3;
            paint_pixel(p, x, y, H_WOOD + std::clamp(t, 0, 15));
        }
    }
    paint_noise(p, x0, y0, x1, y1, H_WOOD, 16, seed);
}

void sack(PictureImage* p, int32_t cx, int32_t cy, int32_t rx, int32_t ry) {
    voyage_ball(p, cx, cy, rx, ry, H_SACK, 8);
    paint_line(p, cx - rx / 2, cy - ry + 2, cx + rx / 3, cy - ry + 1, H_SACK + 1);
    paint_rect(p, cx - 2, cy - ry - 2, cx + 1, cy - ry, H_SACK + 2);
}

void crate(PictureImage* p, int32_t x0, int32_t y0, int32_t x1, int32_t y1, bool broken) {
    paint_rect(p, x0, y0, x1, y1, H_WOOD + 8);
    for (int32_t y = y0 + 4; y < y1; y += 5) paint_rect(p, x0, y, x1, y, H_WOOD + 5);
    paint_frame(p, x0, y0, x1, y1, H_WOOD + 3);
    paint_line(p, x0, y0, x1, y1, H_WOOD + 10);
    if (broken) {
        PaintPoint hole[] = {{x0 + 4, y0}, {x0 + (x1 - x0) / 2, y0 + 8}, {x1 - 6, y0 + 3}, {x1 - 2, y0}};
        paint_polygon(p, hole, 4, H_WOOD + 1);
    }
}

// A rat facing left (dir -1) or right (dir 1), nose at (x, y).
void rat(PictureImage* p, int32_t x, int32_t y, int32_t dir, int32_t size) {
    int32_t bx = x - dir * size * 3 / 2;
    voyage_ball(p, bx, y, size * 3 / 2, size * 3 / 4, H_RAT, 8);
    voyage_ball(p, x - dir * size / 3, y - size / 4, size / 2 + 1, size / 3 + 1, H_RAT + 1, 6);
    paint_pixel(p, x, y - size / 4, H_PINK + 1);
    paint_pixel(p, x - dir * (size / 3), y - size / 2, H_EYE);
    paint_ellipse(p, x - dir * (size * 2 / 3), y - size * 3 / 4, 1, 1, H_PINK);
    int32_t tx = bx - dir * size * 3 / 2;
    for (int32_t k = 0; k < size * 2; ++k)
        paint_pixel(p, tx - dir * k, y + size / 2 - (k * k) / (size * 6 + 1), H_PINK);
    paint_pixel(p, bx - dir * size / 2, y + size * 3 / 4, H_RAT + 2);
    paint_pixel(p, bx + dir * size / 2, y + size * 3 / 4, H_RAT + 2);
}

void lamp(PictureImage* p, int32_t x, int32_t y) {
    for (int32_t r = 34; r > 0; r -= 2)
        for (int32_t dy = -r; dy <= r; ++dy)
            for (int32_t dx = -r; dx <= r; ++dx) {
                if (dx * dx + dy * dy > r * r || y + dy < 15) continue;
                int32_t c = paint_get(p, x + dx, y + dy);
                if (c >= H_WOOD && c < H_WOOD + 15 && voyage_dither(x + dx, y + dy, 2))
                    paint_pixel(p, x + dx, y + dy, c + 1);
            }
    paint_line(p, x, y - 16, x, y - 6, H_IRON + 3);
    paint_rect(p, x - 3, y - 6, x + 3, y + 5, H_IRON + 2);
    paint_rect(p, x - 2, y - 5, x + 2, y + 4, H_LAMP + 6);
    paint_rect(p, x - 1, y - 2, x + 1, y + 2, H_LAMP + 7);
}

void rats(PictureImage* p) {
    hold_palette(p, false);
    paint_rect(p, 0, 0, 319, 14, H_WOOD + 1);
    planks(p, 0, 15, 319, 140, 6, 18u);       // the hold's side
    for (int32_t x = 30; x < 320; x += 70) {  // frames of the hull
        paint_rect(p, x, 15, x + 7, 140, H_IRON + 3);
        paint_rect(p, x, 15, x + 1, 140, H_IRON + 5);
    }
    planks(p, 0, 141, 319, 199, 4, 19u);  // the floor
    paint_rect(p, 0, 141, 319, 142, H_WOOD + 2);
    lamp(p, 236, 40);
    sack(p, 190, 128, 22, 16);
    sack(p, 224, 132, 18, 13);
    sack(p, 206, 108, 16, 11);
    crate(p, 262, 86, 314, 140, false);
    crate(p, 160, 150, 200, 180, true);
    // barrels
    for (int32_t k = 0; k < 2; ++k) {
        int32_t x = 30 + k * 40;
        paint_gradient(p, x, 128, x + 30, 178, H_WOOD + 3, 8, true);
        for (int32_t y : {132, 152, 172}) paint_rect(p, x, y, x + 30, y + 1, H_IRON + 2);
    }
    // spilled grain and the rats
    VoyageNoise n{1818u};
    for (int32_t k = 0; k < 120; ++k) {  // row first, then column
        int32_t y = voyage_noise_range(&n, 146, 168);
        int32_t x = voyage_noise_range(&n, 170, 250);
        paint_pixel(p, x, y, H_SACK + 6);
    }
    rat(p, 260, 160, -1, 8);
    rat(p, 290, 178, 1, 7);
    rat(p, 214, 188, -1, 9);
    rat(p, 180, 140, 1, 6);
    rat(p, 300, 82, -1, 6);
    rat(p, 120, 190, -1, 7);
}

// --- 19: robbery ----------------------------------------------------------------------------

void robbery(PictureImage* p) {
    hold_palette(p, true);
    paint_rect(p, 0, 0, 319, 14, H_WOOD);
    planks(p, 0, 15, 319, 150, 3, 29u);
    planks(p, 0, 151, 319, 199, 2, 31u);
    paint_rect(p, 0, 151, 319, 152, H_WOOD);
    // the open hatch overhead: night sky and a shaft of moonlight
    paint_rect(p, 196, 15, 290, 34, 84 + 2);
    paint_gradient(p, 196, 15, 290, 34, 84 + 1, 4, false);
    for (int32_t k = 0; k < 12; ++k) paint_pixel(p, 200 + k * 8, 18 + (k * 5) % 12, 84 + 14);
    paint_rect(p, 192, 34, 294, 37, H_IRON + 2);
    for (int32_t y = 38; y < 200; ++y) {
        int32_t spread = (y - 38) / 6;
        for (int32_t x = 196 - spread; x <= 290 + spread; ++x) {
            int32_t c = paint_get(p, x, y);
            if (c >= H_WOOD && c < H_WOOD + 14 && voyage_dither(x, y, 9)) paint_pixel(p, x, y, c + 2);
        }
    }
    // a rope from the hatch, a figure with a sack climbing out
    paint_line(p, 250, 37, 246, 170, H_SACK + 3);
    paint_line(p, 251, 37, 247, 170, H_SACK + 1);
    int32_t fx = 240, fy = 56;
    paint_ellipse(p, fx + 6, fy, 4, 4, H_RAT);  // head in a cap
    paint_rect(p, fx + 2, fy + 4, fx + 11, fy + 22, H_RAT + 1);
    paint_rect(p, fx + 3, fy + 22, fx + 5, fy + 36, H_RAT);
    paint_rect(p, fx + 8, fy + 22, fx + 10, fy + 32, H_RAT);
    paint_line(p, fx + 10, fy + 6, fx + 7, fy - 6, H_RAT + 1);  // arms on the rope
    sack(p, fx - 6, fy + 12, 9, 10);
    // the emptied hold: broken crates, scattered straw and footprints
    crate(p, 160, 150, 196, 190, true);
    crate(p, 270, 160, 314, 196, true);
    crate(p, 290, 100, 318, 150, false);
    VoyageNoise n{1919u};
    for (int32_t k = 0; k < 160; ++k) {
        int32_t x = voyage_noise_range(&n, 152, 318);
        int32_t y = voyage_noise_range(&n, 181, 199);
        paint_line(p, x, y, x + voyage_noise_range(&n, -3, 3), y - 1, H_SACK + 4);
    }
    for (int32_t k = 0; k < 7; ++k) {
        int32_t x = 300 - k * 13, y = 192 - (k % 2) * 4;
        paint_ellipse(p, x, y, 2, 1, H_WOOD);
    }
    for (int32_t k = 0; k < 5; ++k) {  // signs of the robbers along the top
        int32_t x = 160 + k * 7;
        paint_line(p, x, 20 + k, x + 3, 24 + k, H_IRON + 4);
    }
}

}  // namespace

void paint_epidemic_picture(PictureImage* image) {
    epidemic(image);
}

void paint_rats_picture(PictureImage* image) {
    rats(image);
}

void paint_robbery_picture(PictureImage* image) {
    robbery(image);
}

// Picture 20 is never shown; a plain grey picture with a valid palette.
void paint_unused_picture(PictureImage* image) {
    voyage_ramp(image, 32, 224, 20, 20, 22, 40, 40, 44);
    paint_clear(image, 32);
}
