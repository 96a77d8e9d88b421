// Pictures 10 and 35: the intro. The background is the open sea at night under a stormy sky, a
// coast with a lighthouse on the right. The game rotates colours 33..38 (the swell, painted in
// rising index order towards the viewer, so the waves roll in) and 39..43 (the lighthouse's
// turning beam, its lamp and the glitter on the water). With the crash the sprite, the bow of a
// big cargo ship coming straight at the viewer, is laid over the middle of the sea; its bow wave
// uses the same swell colours at the same screen places, so it rolls with the sea around it.
#include <algorithm>
#include <cstdlib>

#include "assets/art_main.h"
#include "assets/fixed_math.h"

namespace {

constexpr int32_t KEY = 32;
constexpr int32_t SWELL = 33;   // 6 colours, cycled: one wave from trough to crest and back
constexpr int32_t BEAM = 39;    // 5 colours, cycled: the light that turns
constexpr int32_t SKY = 44;     // 16 steps, dark to light clouds
constexpr int32_t HAZE = 60;    // 6 steps, the far sea near the horizon (not cycled)
constexpr int32_t LAND = 66;    // 6 steps
constexpr int32_t STEEL = 72;   // 16 steps, the hull: dark to light
constexpr int32_t WHITE = 88;   // 12 steps, superstructure paint: shadow to lit
constexpr int32_t FOAM = 100;   // 8 steps, spray: grey to white
constexpr int32_t RUST = 108;   // 6 steps
constexpr int32_t WINDOW = 114; // 4 steps, dark glass to lit
constexpr int32_t MOON = 118;   // 6 steps
constexpr int32_t RED = 124;    // 4 steps
constexpr int32_t BLACK = 128;
constexpr int32_t LAMP = 129;   // steady masthead light

constexpr int32_t HORIZON = 104;
constexpr int32_t SPRITE_X = 50;  // where the game lays the sprite over the background
constexpr int32_t SPRITE_W = 124, SPRITE_H = 196;

void palette(PictureImage* image) {
    paint_palette_set(image, KEY, 63, 0, 63);
    // the swell: a gradual rise to a bright crest and a quick fall into the trough
    static const int32_t swell[6][3] = {{3, 7, 18}, {5, 10, 22}, {8, 14, 27}, {12, 20, 32}, {22, 31, 42}, {7, 13, 25}};
    for (int32_t i = 0; i < 6; ++i) paint_palette_set(image, SWELL + i, swell[i][0], swell[i][1], swell[i][2]);
    static const int32_t beam[5][3] = {{62, 60, 44}, {26, 27, 30}, {12, 14, 21}, {8, 10, 18}, {8, 10, 18}};
    for (int32_t i = 0; i < 5; ++i) paint_palette_set(image, BEAM + i, beam[i][0], beam[i][1], beam[i][2]);
    main_ramp(image, SKY, 16, 2, 3, 9, 28, 30, 38);
    main_ramp(image, HAZE, 6, 7, 11, 22, 14, 19, 30);
    main_ramp(image, LAND, 6, 2, 3, 5, 12, 12, 16);
    main_ramp(image, STEEL, 16, 2, 3, 6, 36, 38, 44);
    main_ramp(image, WHITE, 12, 16, 18, 24, 60, 60, 58);
    main_ramp(image, FOAM, 8, 20, 26, 34, 62, 63, 63);
    main_ramp(image, RUST, 6, 14, 5, 2, 44, 20, 8);
    main_ramp(image, WINDOW, 4, 4, 6, 10, 63, 56, 30);
    main_ramp(image, MOON, 6, 30, 30, 30, 63, 62, 54);
    main_ramp(image, RED, 4, 20, 2, 2, 56, 10, 8);
    paint_palette_set(image, BLACK, 1, 1, 3);
    paint_palette_set(image, LAMP, 63, 63, 52);
}

// The swell colour at a screen position: the phase grows towards the viewer, rows widening with
// the distance from the horizon, and wavers along the row.
int32_t swell_at(int32_t x, int32_t y) {
    // phase = sqrt(70 d) + 0.8 (1 + d / 30) sin(0.07 x + 0.21 d) + (0.5 + d / 40) sin(0.023 x - 0.05 d),
    // angles in radians, in fixed point
    int64_t d = y - HORIZON;
    uint32_t near = static_cast<uint32_t>((x * 7 + d * 21) * FIXED_RADIAN / 100);
    uint32_t far = static_cast<uint32_t>((x * 23 - d * 50) * FIXED_RADIAN / 1000);
    int64_t phase = (int64_t{fixed_sqrt(static_cast<uint64_t>(d * 70) << 32)} << (FIXED_SHIFT - 16)) +
                    fixed_sin(near) * (30 + d) * 4 / 150 + fixed_sin(far) * (20 + d) / 40;
    int32_t p = static_cast<int32_t>(phase >> FIXED_SHIFT);
    return SWELL + ((p % 6) + 6) % 6;
}

void sky(PictureImage* image) {
    for (int32_t y = 0; y < HORIZON; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            // heavy clouds: layered noise, stretched sideways, brighter where the moon lights them
            int32_t coarse = main_smooth_noise(x, y * 3, 24, 1);
            int32_t fine = main_smooth_noise(x, y * 3, 9, 2);
            int32_t n = (coarse * 2 + fine) / 3;
            int32_t dx = x - 36, dy = y - 30;
            int32_t moon = std::max(0, 255 - (dx * dx + dy * dy * 2) / 30);
            int32_t pos = (n - 90) * 2 * (40 + moon) / 200 + y * 60 / HORIZON;
            paint_pixel(image, x, y, main_shade(x, y, SKY, 16, pos));
        }
    // the moon, half behind a cloud bank
    for (int32_t y = 20; y <= 40; ++y)
        for (int32_t x = 26; x <= 46; ++x) {
            int32_t dx = x - 36, dy = y - 30;
            if (dx * dx + dy * dy > 100) continue;
            if (y == 33 || y == 34 || (y == 27 && x > 31)) continue;  // thin cloud streaks across it
            paint_pixel(image, x, y, main_shade(x, y, MOON, 6, 255 - (dx + 10) * 6 - main_hash(x, y, 4) / 6));
        }
}

void sea(PictureImage* image) {
    for (int32_t y = HORIZON; y < 200; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            if (y < HORIZON + 5) {
                paint_pixel(image, x, y, main_shade(x, y, HAZE, 6, 255 - (y - HORIZON) * 50));
                continue;
            }
            paint_pixel(image, x, y, swell_at(x, y));
        }
    // moonlight glitter on the water under the moon, twinkling with the turning light's colours
    MainNoise noise = {7};
    for (int32_t i = 0; i < 260; ++i) {
        int32_t y = main_noise_range(&noise, HORIZON + 4, 199);
        int32_t spread = 6 + (y - HORIZON) / 2;
        int32_t x = 36 + main_noise_range(&noise, -spread, spread);
        if (x >= 0 && x < SPRITE_X - 2) paint_pixel(image, x, y, BEAM + main_noise_range(&noise, 0, 4));
    }
}

void coast(PictureImage* image) {
    // a low coast on the right with a headland, the lighthouse on its point
    for (int32_t x = 196; x < 320; ++x) {
        int32_t h = 3 + main_smooth_noise(x, 0, 14, 31) / 40 + (x > 290 ? (x - 290) / 2 : 0);
        if (x < 212) h = (x - 196) / 4;
        for (int32_t y = HORIZON - h; y < HORIZON + 1; ++y)
            paint_pixel(image, x, y, main_shade(x, y, LAND, 6, 40 + main_hash(x, y, 8) / 3 - (y - HORIZON + h) * 8));
    }
    int32_t lx = 214, base = HORIZON - 4;
    paint_rect(image, lx - 1, base - 14, lx + 1, base, LAND + 4);
    paint_rect(image, lx - 2, base - 3, lx + 2, base, LAND + 3);
    paint_rect(image, lx - 2, base - 16, lx + 2, base - 15, LAND + 2);
    paint_pixel(image, lx, base - 17, LAND + 2);
    paint_rect(image, lx - 1, base - 15, lx + 1, base - 15, BEAM);  // the lamp flashes with the beam
    // the turning beam: five sectors round the lamp in rising colour order, so it sweeps round
    int32_t ly = base - 15;
    for (int32_t y = 0; y < HORIZON; ++y)
        for (int32_t x = 150; x < 320; ++x) {
            int32_t dx = x - lx, dy = y - ly;
            int32_t r2 = dx * dx + dy * dy * 9;
            if (r2 < 16 || r2 > 110 * 110) continue;
            // only narrow rays near the horizon line, like a beam seen from the side
            if (std::abs(dy) > 2 + std::abs(dx) / 14) continue;
            // ten sectors of a turn, counted from the left (-x), so five colours twice round
            uint32_t from_left = fixed_atan2(dy * 3, dx) + (uint32_t{1} << 31);
            int32_t sector = static_cast<int32_t>((uint64_t{from_left} * 10) >> 32) % 5;
            int32_t fade = 110 * 110 - r2;
            if (!main_dither(x, y, fade * 16 / (110 * 110) + 2)) continue;
            int32_t c = paint_get(image, x, y);
            if (c >= SKY && c < SKY + 16) paint_pixel(image, x, y, BEAM + (dx < 0 ? 4 - sector : sector));
        }
    // a far ship on the horizon at the left, with its lights
    main_ship_silhouette(image, 4, HORIZON + 1, 34, BLACK, LAMP);
}

// --- the sprite: the bow coming at the viewer -------------------------------------------------

constexpr int32_t CX = SPRITE_W / 2;
constexpr int32_t WATER = 168;  // water line, sprite rows (the same as the screen's)
constexpr int32_t DECK = 70;

// Half width of the hull at a row: narrow at the water, flaring out towards the deck.
int32_t hull_half(int32_t y) {
    int32_t t = WATER - y;  // 0 at the water line
    if (t < 0) return 22;
    int32_t full = WATER - DECK;
    return 22 + (t * t * 22 / (full * full)) + t * 8 / full;
}

void hull(PictureImage* image) {
    for (int32_t y = DECK; y <= WATER + 6; ++y) {
        int32_t half = hull_half(y);
        for (int32_t x = CX - half; x <= CX + half; ++x) {
            int32_t off = x - CX;
            // light from the upper left: the port side lit, the starboard side in shadow, a bright
            // edge along the stem
            int32_t pos = off < 0 ? 150 + off * 80 / std::max(1, half) + 60 : 70 - off * 60 / std::max(1, half);
            if (std::abs(off) <= 1) pos = 230;
            pos += (main_smooth_noise(x, y, 4, 41) - 128) / 6;
            // plating seams every few rows
            if ((y - DECK) % 14 == 0) pos -= 40;
            int32_t c = main_shade(x, y, STEEL, 16, pos);
            if (y >= WATER - 3) c = RED + (off < 0 ? 2 : 1) - (y >= WATER ? 1 : 0);  // boot topping
            paint_pixel(image, x, y, c);
        }
    }
    // the deck edge with its rail
    int32_t half = hull_half(DECK);
    paint_rect(image, CX - half, DECK - 1, CX + half, DECK, STEEL + 12);
    for (int32_t x = CX - half; x <= CX + half; x += 4) paint_rect(image, x, DECK - 6, x, DECK - 2, STEEL + 10);
    paint_rect(image, CX - half, DECK - 7, CX + half, DECK - 6, STEEL + 13);
    // hawse pipes with their anchors, rust running down from them
    for (int32_t side = -1; side <= 1; side += 2) {
        int32_t ax = CX + side * 22, ay = 92;
        main_ball(image, ax, ay, 5, 4, STEEL, 6);
        paint_ellipse(image, ax, ay, 3, 2, BLACK);
        // the anchor, stowed: shank up into the pipe, flukes against the hull
        paint_rect(image, ax - 1, ay, ax + 1, ay + 11, STEEL + 6);
        PaintPoint flukes[] = {{ax - 6, ay + 9}, {ax + 6, ay + 9}, {ax + 1, ay + 16}, {ax - 1, ay + 16}};
        paint_polygon(image, flukes, 4, STEEL + 5);
        paint_line(image, ax - 6, ay + 9, ax - 1, ay + 15, STEEL + 8);
        for (int32_t k = 0; k < 3; ++k) {
            int32_t rx = ax - 3 + k * 3;
            int32_t len = 10 + main_hash(rx, k, 6) / 12;
            for (int32_t y = ay + 17; y < ay + 17 + len; ++y)
                if (main_hash(rx, y, 3) > 60) paint_pixel(image, rx, y, RUST + 1 + (y - ay) % 3);
        }
    }
    // draft marks: short light ticks up the stem
    for (int32_t y = WATER - 6; y > WATER - 40; y -= 6) paint_rect(image, CX + 3, y, CX + 5, y, WHITE + 8);
}

void superstructure(PictureImage* image) {
    // the bridge house behind the bow, wider than the deck, with its wings
    int32_t top = 26, bottom = DECK - 8;
    for (int32_t y = top; y <= bottom; ++y)
        for (int32_t x = 4; x <= SPRITE_W - 5; ++x) {
            int32_t pos = 200 - (x - 4) * 110 / (SPRITE_W - 8) - (y - top) * 2;
            paint_pixel(image, x, y, main_shade(x, y, WHITE, 12, pos));
        }
    paint_rect(image, 0, top + 2, SPRITE_W - 1, top + 4, WHITE + 9);        // wings
    paint_rect(image, 0, top + 5, 3, top + 9, WHITE + 5);
    paint_rect(image, SPRITE_W - 4, top + 5, SPRITE_W - 1, top + 9, WHITE + 3);
    // bridge windows, lit from inside, and two decks of portholes
    for (int32_t x = 10; x < SPRITE_W - 10; x += 7) {
        paint_rect(image, x, top + 7, x + 4, top + 12, WINDOW + 3);
        paint_rect(image, x, top + 7, x + 4, top + 7, WINDOW + 1);
    }
    for (int32_t row = 0; row < 2; ++row)
        for (int32_t x = 14 + row * 3; x < SPRITE_W - 14; x += 8)
            paint_rect(image, x, top + 19 + row * 9, x + 2, top + 21 + row * 9,
                       main_hash(x, row, 12) > 150 ? WINDOW + 3 : WINDOW);
    paint_rect(image, 4, bottom, SPRITE_W - 5, bottom, WHITE + 1);
    // the funnel behind, dark with a red band, and the foremast with its light
    PaintPoint funnel[] = {{46, 26}, {50, 8}, {74, 8}, {78, 26}};
    paint_polygon(image, funnel, 4, STEEL + 3);
    paint_rect(image, 49, 12, 75, 15, RED + 2);
    paint_rect(image, 50, 8, 74, 9, BLACK);
    paint_rect(image, CX, 0, CX + 1, DECK - 6, STEEL + 9);
    paint_rect(image, CX - 8, 14, CX + 9, 14, STEEL + 9);  // yard
    paint_rect(image, CX - 1, 1, CX + 2, 3, LAMP);
    paint_pixel(image, CX - 8, 15, RED + 3);
    paint_pixel(image, CX + 9, 15, BEAM);  // a signal lamp that flashes with the lighthouse
}

void bow_wave(PictureImage* image) {
    // the sea below and beside the hull in the swell colours of the screen place, then the spray
    for (int32_t y = WATER - 4; y < SPRITE_H; ++y)
        for (int32_t x = 0; x < SPRITE_W; ++x) {
            int32_t c = paint_get(image, x, y);
            if (c == KEY || y > WATER) {
                int32_t half = hull_half(y);
                bool hull_here = y <= WATER + 2 && std::abs(x - CX) <= half;
                if (!hull_here && y >= WATER - 1) paint_pixel(image, x, y, swell_at(SPRITE_X + x, y));
            }
        }
    // spray thrown out both sides of the stem: arcs of foam, densest near the hull
    for (int32_t y = WATER - 26; y < SPRITE_H; ++y)
        for (int32_t x = 0; x < SPRITE_W; ++x) {
            int32_t off = std::abs(x - CX);
            int32_t rise = WATER - y;                       // height above the water line
            int32_t reach = std::min(56, 26 + (y - (WATER - 26)) * 2);  // the spray widens downwards
            if (off > reach) continue;
            int32_t density = 255 - off * 200 / std::max(1, reach) - std::max(0, rise) * 9;
            if (y > WATER + 2) density = 220 - std::abs(off - (y - WATER) * 3 - 14) * 10;  // the wave's lip
            density += (main_smooth_noise(x, y, 3, 51) - 128);
            density -= std::max(0, off - 44) * 12;  // fading out before the sprite's sides
            if (density < 100) continue;
            if (rise > 0 && paint_get(image, x, y) == KEY && density < 150) continue;
            paint_pixel(image, x, y, main_shade(x, y, FOAM, 8, (density - 100) * 2));
        }
    // flying drops above the spray
    MainNoise noise = {61};
    for (int32_t i = 0; i < 90; ++i) {
        int32_t x = main_noise_range(&noise, 8, SPRITE_W - 9);
        int32_t y = main_noise_range(&noise, WATER - 40, WATER - 8);
        if (std::abs(x - CX) < 40 - (WATER - y) / 2) paint_pixel(image, x, y, FOAM + 6);
    }
}

void paint_sprite(PictureImage* sprite) {
    paint_clear(sprite, KEY);
    superstructure(sprite);
    hull(sprite);
    bow_wave(sprite);
    // everything beyond the sprite's rectangle is never used: keep it one flat colour
    paint_rect(sprite, SPRITE_W, 0, 319, 199, KEY);
    paint_rect(sprite, 0, SPRITE_H, 319, 199, KEY);
}

}  // namespace

void paint_intro_pictures(PictureImage* background, PictureImage* sprite) {
    palette(background);
    paint_palette_copy(sprite, background);
    sky(background);
    sea(background);
    coast(background);
    paint_sprite(sprite);
}
