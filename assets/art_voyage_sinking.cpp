// Pictures 23 and 24: the sinking scene. 24 is a side view of sky, sea and sea bed; 23 holds the
// sprites drawn over it: the seven ship models upright and tilted, the wave band in four phases, a
// shark in three frames and rising bubbles, all on colour 32 (transparent) but the wave strips.
// Index 0 is avoided: the blue backdrop is on during the scene.
#include "voyage/sinking.h"

#include <algorithm>
#include <memory>

#include "assets/art_voyage.h"

namespace {

constexpr int32_t KEY = 32;
constexpr int32_t SKY = 33;     // 33..47 sky, deep to pale
constexpr int32_t SEA = 48;     // 48..63 water, deep to light
constexpr int32_t HULL = 64;    // 64..67 navy hull
constexpr int32_t BOOT = 68;    // 68..69 red antifouling
constexpr int32_t DECK = 70;    // 70..73 white superstructure
constexpr int32_t FUNNEL = 74;  // 74..75 funnel, also rust
constexpr int32_t FUNNEL_TOP = 76;
constexpr int32_t WINDOW = 77;
constexpr int32_t GEAR = 78;      // 78..79 masts and cranes
constexpr int32_t CARGO = 80;     // 80..82 containers and hatches
constexpr int32_t OLD_HULL = 84;  // 84..87 dark green hull of the older ships
constexpr int32_t SAND = 96;      // 96..111 sea bed
constexpr int32_t WEED = 112;     // 112..127 weed and rock
constexpr int32_t SHARK = 128;    // 128..143 shark greys, dark to light
constexpr int32_t BUBBLE = 144;   // 144..147 bubble rim to highlight
constexpr int32_t FOAM = 160;     // 160..175 wave water to foam
constexpr int32_t CLOUD = 176;    // 176..191 clouds

void sinking_palette(PictureImage* p) {
    paint_palette_set(p, KEY, 63, 0, 63);
    voyage_ramp(p, SKY, 15, 14, 24, 48, 46, 54, 62);
    voyage_ramp(p, SEA, 16, 1, 6, 16, 14, 36, 48);
    voyage_ramp(p, HULL, 4, 6, 8, 20, 20, 26, 42);
    voyage_ramp(p, BOOT, 2, 34, 6, 4, 48, 12, 8);
    voyage_ramp(p, DECK, 4, 38, 40, 42, 63, 63, 60);
    voyage_ramp(p, FUNNEL, 2, 40, 16, 4, 56, 28, 8);
    paint_palette_set(p, FUNNEL_TOP, 8, 8, 8);
    paint_palette_set(p, WINDOW, 10, 16, 24);
    voyage_ramp(p, GEAR, 2, 24, 24, 24, 40, 40, 38);
    voyage_ramp(p, CARGO, 3, 20, 30, 14, 50, 40, 16);
    voyage_ramp(p, OLD_HULL, 4, 6, 12, 8, 22, 32, 22);
    voyage_ramp(p, SAND, 16, 8, 10, 10, 44, 40, 28);
    voyage_ramp(p, WEED, 16, 2, 10, 6, 20, 40, 18);
    voyage_ramp(p, SHARK, 16, 6, 10, 16, 52, 56, 58);
    voyage_ramp(p, BUBBLE, 4, 24, 44, 54, 63, 63, 63);
    voyage_ramp(p, FOAM, 16, 8, 26, 40, 62, 63, 63);
    voyage_ramp(p, CLOUD, 16, 30, 36, 48, 63, 63, 63);
}

ShipSideColours ship_colours(int32_t model) {
    return ShipSideColours{model >= 6 ? OLD_HULL : HULL, BOOT, DECK, FUNNEL, FUNNEL_TOP, WINDOW, GEAR, CARGO};
}

// --- background --------------------------------------------------------------------------------

// The sea bed's top row at column x: about 179 under the resting wreck, rising in a rocky slope
// on the left.
int32_t bed_top(int32_t x) {
    int32_t y = 179 + ((x * 7) % 13 == 0 ? 1 : 0);
    if (x < 150) y -= (150 - x) / 6;
    if (x > 300) y -= (x - 300) / 4;
    return y;
}

void paint_background(PictureImage* p) {
    // sky: a gradient that ends in one colour over rows 66..71, matching the wave strips
    paint_gradient(p, 0, 0, 319, 65, SKY, 14, false);
    paint_rect(p, 0, 66, 319, 71, SKY + 14);
    VoyageNoise n{2424u};
    for (int32_t k = 0; k < 7; ++k) {
        int32_t cx = voyage_noise_range(&n, 0, 319);
        int32_t cy = voyage_noise_range(&n, 8, 44);
        for (int32_t b = 0; b < 5; ++b) {
            int32_t x = cx + voyage_noise_range(&n, -14, 14);
            int32_t y = cy + voyage_noise_range(&n, -2, 2);
            int32_t rx = voyage_noise_range(&n, 5, 11);
            int32_t ry = voyage_noise_range(&n, 2, 4);
            paint_ellipse(p, x, y + 1, rx, ry, CLOUD + 6);
            paint_ellipse(p, x - 1, y, rx - 1, ry - 1, CLOUD + 12);
        }
    }
    // the surface rows (the wave band covers 72..74)
    paint_rect(p, 0, 72, 319, 74, FOAM + 8);
    // under water: light near the surface, dark towards the bed, with slanting light shafts
    paint_gradient(p, 0, 75, 319, 199, SEA + 3, 12, false);
    for (int32_t y = 75; y < 200; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t c = paint_get(p, x, y);
            // gradient runs dark to light downwards; turn it round so the top is light
            c = SEA + 3 + (SEA + 14 - c);
            int32_t shaft = ((x + (y - 75) / 2) / 9) % 7;
            if (shaft == 0 && y < 160 && voyage_dither(x, y, 10 - (y - 75) / 9))
                c = std::min(c + 1, SEA + 15);
            paint_pixel(p, x, y, c);
        }
    for (int32_t k = 0; k < 260; ++k) {  // drifting particles
        int32_t x = voyage_noise_range(&n, 0, 319);
        int32_t y = voyage_noise_range(&n, 78, 176);
        int32_t c = paint_get(p, x, y);
        paint_pixel(p, x, y, std::min(c + 2, SEA + 15));
    }
    // the sea bed
    for (int32_t x = 0; x < 320; ++x) {
        int32_t top = bed_top(x);
        for (int32_t y = top; y < 200; ++y) {
            int32_t t = 9 - (y - top) / 3 + ((x * 13 + y * 7) % 5 == 0 ? -1 : 0);
            paint_pixel(p, x, y, SAND + std::clamp(t, 1, 12));
        }
        paint_pixel(p, x, top, SAND + 11);
    }
    paint_noise(p, 0, 150, 319, 199, SAND + 1, 12, 77u);
    // rocks on the slope and weed
    for (int32_t k = 0; k < 9; ++k) {
        int32_t x = voyage_noise_range(&n, 4, 170), y = bed_top(x) + 2;
        int32_t rx = voyage_noise_range(&n, 4, 10);
        int32_t ry = voyage_noise_range(&n, 3, 6);
        voyage_ball(p, x, y, rx, ry, WEED + 1, 6);
    }
    for (int32_t k = 0; k < 26; ++k) {
        int32_t x = voyage_noise_range(&n, 0, 319);
        int32_t h = voyage_noise_range(&n, 6, 22);
        int32_t y0 = bed_top(x) + 1;
        for (int32_t i = 0; i < h; ++i) {
            int32_t sway = ((i + x) / 4) % 2 ? 1 : 0;
            paint_pixel(p, x + sway, y0 - i, WEED + 6 + (i % 3) + (sway ? 2 : 0));
        }
    }
    // a lost anchor half in the sand
    paint_rect(p, 262, 171, 263, 181, SHARK + 4);
    paint_rect(p, 258, 173, 267, 173, SHARK + 4);
    paint_line(p, 256, 178, 262, 182, SHARK + 3);
    paint_line(p, 269, 178, 263, 182, SHARK + 3);
    paint_ellipse(p, 262, 170, 1, 1, SHARK + 5);
}

// --- sheet -------------------------------------------------------------------------------------

void paint_ships(PictureImage* sheet) {
    auto scratch = std::make_unique<PictureImage>();
    for (int32_t m = 0; m < 7; ++m) {
        const SinkRect& up = g_sink_ship_sprites[m];
        int32_t lift = g_sink_ship_lift[m];
        voyage_ship_side(sheet, up.x, up.y, up.w, up.h, lift, m + 1, ship_colours(m + 1));
        // tilted: the same ship trimmed by the bow, its stern rising out of the water
        paint_clear(scratch.get(), KEY);
        voyage_ship_side(scratch.get(), 0, 0, up.w, up.h, lift, m + 1, ship_colours(m + 1));
        const SinkRect& t = g_sink_ship_sprites[m + 7];
        int32_t extra = t.h - up.h;
        for (int32_t ty = 0; ty < t.h; ++ty)
            for (int32_t tx = 0; tx < t.w; ++tx) {
                int32_t sx = tx * up.w / t.w;
                int32_t sy = ty - extra * tx / std::max(1, t.w - 1);
                int32_t c = sy >= 0 && sy < up.h ? paint_get(scratch.get(), sx, sy) : KEY;
                paint_pixel(sheet, t.x + tx, t.y + ty, c);
            }
    }
}

// Wave height (0..2 rows of crest above the band's lowest row) at column x in phase k: a swell of
// period 25 that moves right by a quarter period per phase, so the strips tile every 100 pixels.
int32_t wave_crest(int32_t x, int32_t phase) {
    static const int32_t profile[25] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 1, 1, 1,
                                        1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    int32_t u = ((x - phase * 6) % 25 + 25) % 25;
    return profile[u];
}

void paint_waves(PictureImage* sheet) {
    for (int32_t k = 0; k < 4; ++k) {
        int32_t y0 = g_sink_wave_rows[2 * k];  // each strip serves two wave phases
        for (int32_t x = 0; x < SINK_WAVE_W; ++x) {
            int32_t crest = wave_crest(x, k);
            for (int32_t r = 0; r < SINK_WAVE_H; ++r) {
                int32_t above = 2 - r;  // rows of the band above its bottom row
                int32_t c;
                if (above > crest)
                    c = SKY + 14;  // sky behind the trough
                else if (above == crest)
                    c = crest == 2 ? FOAM + 15 : FOAM + 12;  // crest line
                else
                    c = FOAM + 6 + crest * 2 - (r == 2 ? 2 : 0);
                paint_pixel(sheet, SINK_WAVE_X + x, y0 + r, c);
            }
        }
    }
}

// The shark, facing left, in the box (x, y) 103 x 24; frame 0..2 swings the tail.
void paint_shark(PictureImage* s, int32_t x, int32_t y, int32_t frame) {
    int32_t cy = y + 12;
    int32_t tail_dy = (frame - 1) * 3;
    // body: a spindle from the snout at the left to the tail root
    for (int32_t u = 0; u < 80; ++u) {
        int32_t half = u < 20 ? 2 + u * 5 / 20 : 7 - (u - 20) * 5 / 60;
        int32_t bend = (u > 50 ? (u - 50) * tail_dy / 30 : 0);
        for (int32_t v = -half; v <= half; ++v) {
            int32_t c =
                v < -half / 3 ? SHARK + 5 : (v < half / 2 ? SHARK + 8 : SHARK + 13);  // dark back, pale belly
            if (v == -half) c = SHARK + 3;
            paint_pixel(s, x + 4 + u, cy + v + bend, c);
        }
    }
    // the tail fin
    int32_t tx = x + 84, ty = cy + tail_dy;
    PaintPoint tail[4] = {
        {tx - 2, ty}, {tx + 14, ty - 8 + tail_dy / 3}, {tx + 8, ty}, {tx + 12, ty + 6 + tail_dy / 3}};
    paint_polygon(s, tail, 4, SHARK + 5);
    // dorsal and pectoral fins
    PaintPoint dorsal[3] = {{x + 30, cy - 6}, {x + 44, cy - 6}, {x + 42, cy - 11}};
    paint_polygon(s, dorsal, 3, SHARK + 4);
    PaintPoint pectoral[3] = {{x + 24, cy + 3}, {x + 36, cy + 4}, {x + 34 + (frame - 1), cy + 11}};
    paint_polygon(s, pectoral, 3, SHARK + 6);
    // eye, gills and mouth
    paint_pixel(s, x + 12, cy - 2, SHARK + 0);
    paint_pixel(s, x + 12, cy - 3, SHARK + 15);
    for (int32_t g = 0; g < 3; ++g) paint_line(s, x + 19 + g * 2, cy - 2, x + 19 + g * 2, cy + 2, SHARK + 4);
    paint_line(s, x + 6, cy + 2, x + 12, cy + 3, SHARK + 2);
}

void paint_bubbles(PictureImage* s) {
    for (const SinkRect& b : g_sink_bubble_sprites) {
        int32_t rx = (b.w - 1) / 2, ry = (b.h - 1) / 2;
        if (b.w <= 2) {
            paint_rect(s, b.x, b.y, b.x + 1, b.y + 1, BUBBLE + 1);
            paint_pixel(s, b.x, b.y, BUBBLE + 3);
            continue;
        }
        int32_t cx = b.x + rx, cy = b.y + ry;
        for (int32_t y = b.y; y < b.y + b.h; ++y)
            for (int32_t x = b.x; x < b.x + b.w; ++x) {
                // inside the ellipse inscribed in the box (in doubled coordinates)
                int32_t dx = 2 * (x - b.x) + 1 - b.w, dy = 2 * (y - b.y) + 1 - b.h;
                if (dx * dx * b.h * b.h + dy * dy * b.w * b.w > b.w * b.w * b.h * b.h) continue;
                bool rim =
                    dx * dx * b.h * b.h + dy * dy * b.w * b.w > (b.w - 2) * (b.w - 2) * (b.h - 2) * (b.h - 2);
                paint_pixel(s, x, y, rim ? BUBBLE + 1 : BUBBLE);
            }
        paint_pixel(s, cx - rx / 2, cy - ry / 2, BUBBLE + 3);
    }
}

}  // namespace

void paint_sinking_pictures(PictureImage* sheet, PictureImage* background) {
    sinking_palette(background);
    paint_background(background);
    sinking_palette(sheet);
    paint_clear(sheet, KEY);
    paint_ships(sheet);
    paint_waves(sheet);
    for (int32_t f = 0; f < 3; ++f) paint_shark(sheet, g_sink_figure_frames[f].x, g_sink_figure_frames[f].y, f);
    paint_bubbles(sheet);
}
