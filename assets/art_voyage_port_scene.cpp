// The elements the port views are built from: skies, hills, skylines, quays, ships and water.
#include <algorithm>
#include <cstring>

#include "assets/art_voyage_harbour.h"

namespace {

constexpr int32_t W = PORT_VIEW_W;
constexpr int32_t H = PORT_VIEW_H;

// The sky as painted, so that reflections can tell scenery from sky.
uint8_t g_sky_copy[H][W];

void put(PortCanvas* c, int32_t x, int32_t y, int32_t colour) {
    if (x < 0 || y < 0 || x >= W || y >= H) return;
    paint_pixel(c->image, x, y, colour);
}

void rect(PortCanvas* c, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t colour) {
    paint_rect(c->image, std::max(x0, 0), std::max(y0, 0), std::min(x1, W - 1), std::min(y1, H - 1), colour);
}

// A vertical blend through a list of colours, ordered-dithered between neighbours.
void blend_rows(PortCanvas* c, int32_t y0, int32_t y1, const int32_t* colours, int32_t n) {
    for (int32_t y = y0; y <= y1; ++y) {
        int32_t pos = (y1 > y0 ? (y - y0) * (n - 1) * 16 / (y1 - y0) : 0);
        int32_t step = pos / 16, frac = pos % 16;
        for (int32_t x = 0; x < W; ++x) {
            int32_t s = step + (step < n - 1 && voyage_dither(x, y, frac) ? 1 : 0);
            put(c, x, y, colours[s]);
        }
    }
}

int32_t darker(int32_t colour, int32_t by) {
    if (colour < 32) return colour;
    int32_t base = 32 + (colour - 32) / 16 * 16;
    return std::max(base, colour - by);
}

}  // namespace

void harbour_palette(PictureImage* image) {
    voyage_ramp(image, HB_SKY, 16, 8, 18, 40, 44, 54, 63);
    voyage_ramp(image, HB_SEA, 16, 0, 6, 16, 28, 46, 54);
    voyage_ramp(image, HB_WARM, 16, 40, 12, 4, 63, 60, 40);
    voyage_ramp(image, HB_STONE, 16, 8, 8, 10, 58, 58, 56);
    voyage_ramp(image, HB_BRICK, 16, 18, 6, 4, 60, 36, 26);
    voyage_ramp(image, HB_SAND, 16, 24, 16, 6, 63, 58, 42);
    voyage_ramp(image, HB_GREEN, 16, 2, 8, 2, 36, 54, 20);
    voyage_ramp(image, HB_WOOD, 16, 10, 5, 2, 52, 36, 20);
    voyage_ramp(image, HB_SNOW, 16, 24, 30, 40, 63, 63, 63);
    voyage_ramp(image, HB_PAPER, 16, 12, 8, 4, 63, 60, 50);
    voyage_ramp(image, HB_BRASS, 16, 14, 9, 0, 63, 56, 24);
    voyage_ramp(image, HB_NAVY, 16, 2, 4, 10, 24, 32, 46);
    voyage_ramp(image, HB_RED, 16, 18, 0, 0, 63, 36, 30);
    voyage_ramp(image, HB_NIGHT, 16, 4, 3, 10, 40, 36, 54);
}

void port_sky(PortCanvas* c, PortSky sky) {
    static const int32_t day[] = {HB_SKY + 7, HB_SKY + 9, HB_SKY + 11, HB_SKY + 13, HB_SKY + 14};
    static const int32_t haze[] = {HB_SKY + 10, HB_SKY + 12, HB_SKY + 14, HB_SAND + 14, HB_SAND + 15};
    static const int32_t dusk[] = {HB_NIGHT + 5, HB_NIGHT + 8, HB_RED + 9,
                                   HB_WARM + 6,  HB_WARM + 10, HB_WARM + 13};
    static const int32_t grey[] = {HB_STONE + 8, HB_STONE + 10, HB_STONE + 11, HB_STONE + 12, HB_STONE + 13};
    static const int32_t arctic[] = {HB_SNOW + 4, HB_SNOW + 7, HB_SNOW + 10, HB_SNOW + 12, HB_SNOW + 14};
    static const int32_t tropic[] = {HB_SKY + 4, HB_SKY + 6, HB_SKY + 9, HB_SKY + 12, HB_SKY + 15};
    const int32_t* list = day;
    int32_t n = 5;
    switch (sky) {
        case SKY_DAY:
            break;
        case SKY_HAZE:
            list = haze;
            break;
        case SKY_DUSK:
            list = dusk, n = 6;
            break;
        case SKY_GREY:
            list = grey;
            break;
        case SKY_ARCTIC:
            list = arctic;
            break;
        case SKY_TROPIC:
            list = tropic;
            break;
    }
    blend_rows(c, 0, c->water_y - 1, list, n);
    for (int32_t y = 0; y < H; ++y)
        for (int32_t x = 0; x < W; ++x) g_sky_copy[y][x] = static_cast<uint8_t>(paint_get(c->image, x, y));
}

void port_sun(PortCanvas* c, int32_t x, int32_t y, int32_t r, bool low) {
    paint_ellipse(c->image, x, y, r + 2, r + 2, low ? HB_WARM + 11 : HB_SKY + 15);
    paint_ellipse(c->image, x, y, r, r, low ? HB_WARM + 14 : HB_WARM + 15);
}

void port_clouds(PortCanvas* c, int32_t count, int32_t max_y, bool dark) {
    VoyageNoise n{c->seed * 31u + 7u};
    for (int32_t k = 0; k < count; ++k) {
        int32_t cx = voyage_noise_range(&n, 0, W);
        int32_t cy = voyage_noise_range(&n, 3, max_y);
        int32_t len = voyage_noise_range(&n, 6, 16);
        for (int32_t p = 0; p < 4; ++p) {
            int32_t px = cx + voyage_noise_range(&n, -len / 2, len / 2);
            int32_t py = cy + voyage_noise_range(&n, -1, 1);
            int32_t rx = voyage_noise_range(&n, 3, 6);
            int32_t ry = voyage_noise_range(&n, 1, 3);
            paint_ellipse(c->image, px, py + 1, rx, ry, dark ? HB_STONE + 7 : HB_SNOW + 11);
            paint_ellipse(c->image, px - 1, py, rx - 1, ry, dark ? HB_STONE + 9 : HB_SNOW + 15);
        }
    }
}

void port_mountains(PortCanvas* c, const PaintPoint* peaks, int32_t count, int32_t base, int32_t ramp,
                    int32_t tone, int32_t snow_y) {
    // the ridge line by linear steps between the peaks, shaded by the slope: east-facing slopes dark
    int32_t ridge[W];
    for (int32_t x = 0; x < W; ++x) ridge[x] = base;
    for (int32_t i = 0; i + 1 < count; ++i) {
        PaintPoint a = peaks[i], b = peaks[i + 1];
        for (int32_t x = std::max(a.x, 0); x <= std::min(b.x, W - 1); ++x)
            if (b.x != a.x) ridge[x] = a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
    }
    VoyageNoise n{c->seed * 13u + 3u};
    for (int32_t x = 0; x < W; ++x) {
        int32_t jitter = voyage_noise_range(&n, 0, 1);
        int32_t top = ridge[x] + jitter;
        bool falling = ridge[std::min(x + 3, W - 1)] > ridge[std::max(x - 3, 0)] + 1;
        for (int32_t y = top; y <= base; ++y) {
            int32_t t = tone + (falling ? -3 : 0) - (y - top) / 6;
            if ((x + y * 3) % 11 == 0) t -= 1;
            int32_t col = ramp + std::clamp(t, 0, 15);
            if (snow_y > 0 && y < snow_y + (x * 7 % 5)) col = falling ? HB_SNOW + 10 : HB_SNOW + 15;
            put(c, x, y, col);
        }
    }
}

void port_block(PortCanvas* c, int32_t x0, int32_t x1, int32_t top, int32_t base, int32_t ramp,
                int32_t tone) {
    rect(c, x0, top, x1, base, ramp + tone);
    rect(c, x1, top, x1, base, ramp + std::max(0, tone - 3));  // shaded side
    rect(c, x0, top, x1, top, ramp + std::min(15, tone + 2));
    for (int32_t y = top + 2; y < base - 1; y += 3)
        for (int32_t x = x0 + 1; x < x1 - 1; x += 2) {
            bool lit = ((x * 7 + y * 13 + static_cast<int32_t>(c->seed)) % 5) == 0;
            put(c, x, y, lit ? HB_WARM + 14 : ramp + std::max(0, tone - 5));
        }
}

void port_skyline(PortCanvas* c, int32_t x0, int32_t x1, int32_t base, int32_t min_h, int32_t max_h,
                  int32_t ramp, int32_t tone, uint32_t seed) {
    VoyageNoise n{seed};
    int32_t x = x0;
    while (x < x1) {
        int32_t w = voyage_noise_range(&n, 4, 9);
        int32_t h = voyage_noise_range(&n, min_h, max_h);
        int32_t t = std::clamp(tone + voyage_noise_range(&n, -2, 2), 0, 15);
        port_block(c, x, std::min(x + w - 1, x1), base - h, base, ramp, t);
        if (h > (min_h + max_h) / 2 && voyage_noise_range(&n, 0, 2) == 0)
            put(c, x + w / 2, base - h - 1, ramp + std::max(0, t - 2));  // aerial
        x += w;
    }
}

void port_tower(PortCanvas* c, int32_t x, int32_t base, int32_t w, int32_t h, int32_t ramp, int32_t tone,
                bool spire, bool clock) {
    int32_t top = base - h;
    rect(c, x, top, x + w - 1, base, ramp + tone);
    rect(c, x + w - 1, top, x + w - 1, base, ramp + std::max(0, tone - 3));
    rect(c, x, top, x, base, ramp + std::min(15, tone + 2));
    for (int32_t y = top + 4; y < base - 2; y += 5) put(c, x + w / 2, y, ramp + std::max(0, tone - 6));
    if (clock) {
        paint_ellipse(c->image, x + w / 2, top + 4, w / 2 - 1, w / 2 - 1, HB_PAPER + 14);
        put(c, x + w / 2, top + 3, HB_NIGHT);
        put(c, x + w / 2, top + 4, HB_NIGHT);
        put(c, x + w / 2 + 1, top + 4, HB_NIGHT);
    }
    if (spire) {
        for (int32_t k = 0; k < h / 2; ++k) {
            int32_t half = (w / 2) * (h / 2 - k) / (h / 2);
            rect(c, x + w / 2 - half, top - k, x + w / 2 + half - (w % 2 ? 0 : 1), top - k,
                 k % 2 ? ramp + std::max(0, tone - 2) : ramp + tone);
        }
    }
}

void port_dome(PortCanvas* c, int32_t x, int32_t base, int32_t w, int32_t h, int32_t ramp,
               int32_t dome_ramp) {
    int32_t body_top = base - h / 2;
    rect(c, x, body_top, x + w - 1, base, ramp + 11);
    rect(c, x + w - 1, body_top, x + w - 1, base, ramp + 8);
    for (int32_t xx = x + 2; xx < x + w - 2; xx += 3) rect(c, xx, body_top + 2, xx, base - 1, ramp + 7);
    int32_t r = w / 2 - 1;
    for (int32_t dy = 0; dy <= h / 2; ++dy) {
        // upper half of an ellipse, lit from the left
        int32_t ry = h / 2;
        int32_t q = ry * ry - dy * dy;
        int32_t hw = 0;
        while ((hw + 1) * (hw + 1) * ry * ry <= q * r * r) ++hw;
        for (int32_t xx = -hw; xx <= hw; ++xx)
            put(c, x + w / 2 + xx, body_top - dy,
                dome_ramp + std::clamp(12 - (xx + hw) * 8 / std::max(1, 2 * hw), 4, 13));
    }
    put(c, x + w / 2, body_top - h / 2 - 1, HB_BRASS + 14);
    put(c, x + w / 2, body_top - h / 2 - 2, HB_BRASS + 12);
}

void port_minaret(PortCanvas* c, int32_t x, int32_t base, int32_t h, int32_t ramp) {
    rect(c, x, base - h, x + 2, base, ramp + 12);
    rect(c, x + 2, base - h, x + 2, base, ramp + 8);
    rect(c, x - 1, base - h * 2 / 3, x + 3, base - h * 2 / 3, ramp + 14);
    rect(c, x - 1, base - h + 2, x + 3, base - h + 2, ramp + 14);
    put(c, x + 1, base - h - 1, ramp + 10);
    put(c, x + 1, base - h - 2, HB_BRASS + 13);
}

void port_pagoda(PortCanvas* c, int32_t x, int32_t base, int32_t w, int32_t tiers) {
    int32_t y = base;
    for (int32_t t = 0; t < tiers; ++t) {
        int32_t tw = w - t * 3;
        int32_t x0 = x + (w - tw) / 2;
        rect(c, x0 + 1, y - 3, x0 + tw - 2, y, HB_RED + 5);
        rect(c, x0 + 2, y - 2, x0 + 2, y - 1, HB_WARM + 13);
        // curved roof
        rect(c, x0 - 1, y - 4, x0 + tw, y - 4, HB_GREEN + 3);
        put(c, x0 - 2, y - 5, HB_GREEN + 3);
        put(c, x0 + tw + 1, y - 5, HB_GREEN + 3);
        rect(c, x0 + 1, y - 5, x0 + tw - 2, y - 5, HB_GREEN + 6);
        y -= 6;
    }
    rect(c, x + w / 2, y - 3, x + w / 2, y, HB_BRASS + 12);
}

void port_temple(PortCanvas* c, int32_t x, int32_t base, int32_t w, int32_t h) {
    int32_t top = base - h;
    rect(c, x, base - 1, x + w - 1, base, HB_STONE + 9);
    for (int32_t xx = x + 1; xx < x + w - 1; xx += 3) {
        rect(c, xx, top + 3, xx, base - 2, HB_SAND + 14);
        put(c, xx + 1, top + 4, HB_SAND + 9);
    }
    rect(c, x, top + 1, x + w - 1, top + 2, HB_SAND + 13);
    for (int32_t k = 0; k < 3; ++k) rect(c, x + k * 3, top - k, x + w - 1 - k * 3, top - k, HB_SAND + 12 - k);
}

void port_palm(PortCanvas* c, int32_t x, int32_t base, int32_t h, bool lean_left) {
    int32_t tx = x + (lean_left ? -h / 4 : h / 4), ty = base - h;
    for (int32_t k = 0; k <= h; ++k) {
        int32_t px = x + (tx - x) * k * k / (h * h);
        put(c, px, base - k, k % 2 ? HB_WOOD + 6 : HB_WOOD + 9);
    }
    static const int32_t fx[6] = {-6, -4, -1, 2, 5, 6}, fy[6] = {2, -1, -3, -3, -1, 3};
    for (int32_t f = 0; f < 6; ++f) {
        paint_line(c->image, tx, ty, tx + fx[f], ty + fy[f], HB_GREEN + 7 + f % 3 * 2);
        put(c, tx + fx[f], ty + fy[f] + 1, HB_GREEN + 4);
    }
    put(c, tx, ty + 1, HB_WOOD + 3);
}

void port_tree(PortCanvas* c, int32_t x, int32_t base, int32_t r, bool conifer) {
    if (conifer) {
        for (int32_t k = 0; k < r * 3; ++k) {
            int32_t half = k / 3 + (k % 3 == 0 ? 0 : 0);
            rect(c, x - half, base - r * 3 + k, x + half, base - r * 3 + k, HB_GREEN + (k % 3 ? 3 : 5));
            put(c, x - half, base - r * 3 + k, HB_GREEN + 7);
        }
        put(c, x, base, HB_WOOD + 4);
        return;
    }
    rect(c, x, base - r, x, base, HB_WOOD + 5);
    voyage_ball(c->image, x, base - r - r / 2, r, r, HB_GREEN + 3, 9);
}

void port_tanks(PortCanvas* c, int32_t x, int32_t base, int32_t count, int32_t w) {
    for (int32_t k = 0; k < count; ++k) {
        int32_t x0 = x + k * (w + 2), h = w * 2 / 3;
        for (int32_t xx = 0; xx < w; ++xx) {
            int32_t tone = 14 - std::abs(xx - w / 3) * 10 / w;
            rect(c, x0 + xx, base - h, x0 + xx, base, HB_STONE + tone);
        }
        rect(c, x0, base - h - 1, x0 + w - 1, base - h - 1, HB_STONE + 9);
        rect(c, x0, base - h / 2, x0 + w - 1, base - h / 2, HB_RED + 8);
        paint_line(c->image, x0, base, x0 + w - 1, base - h, HB_STONE + 6);
    }
}

void port_chimney(PortCanvas* c, int32_t x, int32_t base, int32_t h, bool flame) {
    rect(c, x, base - h, x + 1, base, HB_STONE + 6);
    for (int32_t y = base - h; y < base; y += 4) rect(c, x, y, x + 1, y, HB_RED + 9);
    if (flame) {
        put(c, x, base - h - 1, HB_WARM + 10);
        put(c, x + 1, base - h - 2, HB_WARM + 14);
        put(c, x, base - h - 3, HB_WARM + 12);
    } else {
        for (int32_t k = 0; k < 6; ++k)
            paint_ellipse(c->image, x + 1 + k * 2, base - h - 2 - k, 1 + k / 2, 1, HB_STONE + 12 - k / 2);
    }
}

void port_crane(PortCanvas* c, int32_t x, int32_t base, int32_t h, bool to_right) {
    int32_t s = to_right ? 1 : -1;
    // legs, cabin, jib and its hook
    paint_line(c->image, x - 2, base, x, base - h / 2, HB_RED + 7);
    paint_line(c->image, x + 2, base, x, base - h / 2, HB_RED + 5);
    rect(c, x - 1, base - h / 2 - 3, x + 1, base - h / 2, HB_RED + 9);
    paint_line(c->image, x, base - h / 2 - 3, x + s * h * 2 / 3, base - h, HB_RED + 8);
    paint_line(c->image, x, base - h / 2 - 2, x + s * h * 2 / 3, base - h, HB_RED + 5);
    int32_t hx = x + s * h / 2;
    paint_line(c->image, hx, base - h + h / 8, hx, base - h / 2 + 2, HB_STONE + 4);
    put(c, hx, base - h / 2 + 3, HB_STONE + 2);
}

void port_gantry(PortCanvas* c, int32_t x, int32_t base, int32_t h) {
    rect(c, x, base - h, x, base, HB_BRASS + 9);
    rect(c, x + 8, base - h, x + 8, base, HB_BRASS + 7);
    rect(c, x - 10, base - h, x + 14, base - h + 1, HB_BRASS + 11);
    rect(c, x - 10, base - h + 1, x + 14, base - h + 1, HB_BRASS + 7);
    paint_line(c->image, x, base - h / 2, x + 8, base - h, HB_BRASS + 6);
    rect(c, x + 1, base - h + 2, x + 4, base - h + 4, HB_SNOW + 12);
    paint_line(c->image, x + 4, base - h - 5, x - 10, base - h, HB_STONE + 5);
    paint_line(c->image, x + 4, base - h - 5, x + 14, base - h, HB_STONE + 5);
}

void port_lighthouse(PortCanvas* c, int32_t x, int32_t base, int32_t h) {
    for (int32_t k = 0; k < h; ++k) {
        int32_t half = 2 + (k * 2) / h;
        int32_t y = base - k;
        rect(c, x - half, y, x + half, y, (k / 4) % 2 ? HB_RED + 9 : HB_SNOW + 14);
        put(c, x + half, y, (k / 4) % 2 ? HB_RED + 5 : HB_SNOW + 8);
    }
    rect(c, x - 2, base - h - 3, x + 2, base - h, HB_WARM + 15);
    rect(c, x - 3, base - h - 4, x + 3, base - h - 4, HB_NIGHT + 2);
    put(c, x, base - h - 5, HB_NIGHT + 2);
}

void port_hut(PortCanvas* c, int32_t x, int32_t base, int32_t w, int32_t h, int32_t roof_ramp) {
    rect(c, x, base - h, x + w - 1, base, HB_WOOD + 8);
    rect(c, x + w - 1, base - h, x + w - 1, base, HB_WOOD + 5);
    put(c, x + w / 2, base - 1, HB_WOOD + 2);
    put(c, x + w / 2, base - 2, HB_WOOD + 2);
    for (int32_t k = 0; k <= w / 2 + 1; ++k)
        rect(c, x - 1 + k, base - h - 1 - k * 2 / 3, x + w - k, base - h - 1 - k * 2 / 3,
             roof_ramp + 9 - (k % 2));
}

void port_shed(PortCanvas* c, int32_t x0, int32_t x1, int32_t base, int32_t h, int32_t ramp) {
    rect(c, x0, base - h, x1, base, ramp + 9);
    for (int32_t x = x0 + 1; x < x1; x += 2) rect(c, x, base - h + 2, x, base, ramp + 7);
    rect(c, x0, base - h - 1, x1, base - h - 1, ramp + 12);
    rect(c, x0 + 2, base - h + 3, x0 + 6, base, HB_NIGHT + 3);
    rect(c, x0 - 1, base - h - 2, x1 + 1, base - h - 2, ramp + 5);
}

void port_suspension_bridge(PortCanvas* c, int32_t x0, int32_t x1, int32_t deck_y, int32_t tower_h,
                            int32_t ramp, int32_t tone) {
    int32_t t0 = x0 + (x1 - x0) / 5, t1 = x1 - (x1 - x0) / 5;
    rect(c, x0, deck_y, x1, deck_y + 1, ramp + tone);
    rect(c, x0, deck_y + 2, x1, deck_y + 2, ramp + std::max(0, tone - 4));
    for (int32_t t : {t0, t1}) {
        rect(c, t - 1, deck_y - tower_h, t + 1, c->water_y, ramp + tone);
        put(c, t + 1, deck_y - tower_h, ramp + std::max(0, tone - 3));
        rect(c, t - 1, deck_y - tower_h / 2, t + 1, deck_y - tower_h / 2, ramp + std::max(0, tone - 3));
    }
    // main cable sagging between the towers, side spans down to the deck ends
    for (int32_t x = t0; x <= t1; ++x) {
        int32_t u = x - (t0 + t1) / 2, half = (t1 - t0) / 2;
        int32_t y = deck_y - 2 - (tower_h - 2) * u * u / std::max(1, half * half);
        put(c, x, y, ramp + tone);
        if (x % 3 == 0) paint_line(c->image, x, y + 1, x, deck_y - 1, ramp + std::max(0, tone - 2));
    }
    paint_line(c->image, x0, deck_y - 1, t0, deck_y - tower_h, ramp + tone);
    paint_line(c->image, x1, deck_y - 1, t1, deck_y - tower_h, ramp + tone);
}

void port_arch_bridge(PortCanvas* c, int32_t x0, int32_t x1, int32_t deck_y, int32_t arch_h) {
    int32_t half = (x1 - x0) / 2, mid = x0 + half;
    for (int32_t x = x0; x <= x1; ++x) {
        int32_t u = x - mid;
        int32_t y = deck_y - arch_h + arch_h * u * u / std::max(1, half * half);
        put(c, x, y, HB_STONE + 5);
        put(c, x, y + 1, HB_STONE + 3);
        if (x % 3 == 0 && y < deck_y) paint_line(c->image, x, y, x, deck_y, HB_STONE + 4);
    }
    rect(c, x0 - 3, deck_y, x1 + 3, deck_y + 1, HB_STONE + 7);
    rect(c, x0 - 2, deck_y - 6, x0 + 1, c->water_y, HB_SAND + 10);
    rect(c, x1 - 1, deck_y - 6, x1 + 2, c->water_y, HB_SAND + 10);
    rect(c, x1 + 2, deck_y - 6, x1 + 2, c->water_y, HB_SAND + 6);
}

void port_cantilever_bridge(PortCanvas* c, int32_t x0, int32_t x1, int32_t deck_y, int32_t h) {
    rect(c, x0, deck_y, x1, deck_y + 1, HB_STONE + 6);
    int32_t span = x1 - x0;
    for (int32_t k = 0; k < 2; ++k) {
        int32_t p = x0 + span * (1 + 2 * k) / 4;  // the two main piers
        rect(c, p - 1, deck_y - h, p + 1, c->water_y, HB_STONE + 5);
        for (int32_t s = -1; s <= 1; s += 2) {
            int32_t end = p + s * span / 4;
            paint_line(c->image, p, deck_y - h, end, deck_y - 2, HB_STONE + 6);
            for (int32_t t = 1; t < 4; ++t) {
                int32_t xx = p + s * span * t / 16;
                int32_t yy = deck_y - h + (h - 2) * t / 4;
                paint_line(c->image, xx, yy, xx, deck_y, HB_STONE + 4);
                paint_line(c->image, xx, deck_y, p + s * span * (t + 1) / 16,
                           deck_y - h + (h - 2) * (t + 1) / 4, HB_STONE + 3);
            }
        }
    }
}

void port_sails(PortCanvas* c, int32_t x, int32_t base, int32_t w) {
    rect(c, x - 2, base - 2, x + w + 2, base, HB_SAND + 11);
    for (int32_t k = 0; k < 4; ++k) {
        int32_t sx = x + k * w / 4, sh = 9 - k * 2 + (k == 0 ? 2 : 0);
        PaintPoint shell[3] = {{sx, base - 2}, {sx + w / 3, base - 2}, {sx + w / 6 + 3, base - 2 - sh}};
        paint_polygon(c->image, shell, 3, HB_SNOW + 15);
        paint_line(c->image, sx + w / 3, base - 2, sx + w / 6 + 3, base - 2 - sh, HB_SNOW + 8);
    }
}

void port_statue(PortCanvas* c, int32_t x, int32_t base, int32_t h) {
    // pedestal, robed figure, raised torch
    rect(c, x - 3, base - h / 3, x + 3, base, HB_STONE + 8);
    rect(c, x - 4, base - h / 3, x + 4, base - h / 3, HB_STONE + 10);
    int32_t body_top = base - h + 4;
    for (int32_t y = body_top; y < base - h / 3; ++y) {
        int32_t half = 1 + (y - body_top) / 4;
        rect(c, x - half, y, x + half, y, HB_GREEN + 9);
        put(c, x + half, y, HB_GREEN + 6);
    }
    put(c, x, body_top - 1, HB_GREEN + 10);
    put(c, x - 1, body_top - 2, HB_GREEN + 8);
    put(c, x + 1, body_top - 2, HB_GREEN + 8);
    rect(c, x + 2, body_top - 5, x + 2, body_top, HB_GREEN + 10);
    put(c, x + 2, body_top - 6, HB_WARM + 14);
}

void port_ship(PortCanvas* c, int32_t x, int32_t w, int32_t model, int32_t hull_ramp) {
    ShipSideColours colours{hull_ramp,    HB_RED + 4,   HB_SNOW + 11, HB_RED + 8,
                            HB_NIGHT + 1, HB_NIGHT + 3, HB_STONE + 5, HB_BRICK + 7};
    int32_t h = model == 1 ? 22 : 15;
    int32_t lift = h - 4;
    voyage_ship_side(c->image, x, c->water_y - lift - 1 + 2, w, h, lift, model, colours);
}

void port_dhow(PortCanvas* c, int32_t x, int32_t w) {
    int32_t y = c->water_y;
    for (int32_t k = 0; k < w; ++k) {
        int32_t top = y - 3 + (k < 3 ? 3 - k : 0) - (k > w - 4 ? k - (w - 4) : 0);
        rect(c, x + k, top, x + k, y, HB_WOOD + 6 + (k % 4 == 0 ? 2 : 0));
    }
    int32_t mx = x + w / 2;
    rect(c, mx, y - 16, mx, y - 3, HB_WOOD + 4);
    PaintPoint sail[3] = {{mx - w / 2, y - 5}, {mx + w / 3, y - 17}, {mx + 2, y - 4}};
    paint_polygon(c->image, sail, 3, HB_PAPER + 14);
    paint_line(c->image, mx - w / 2, y - 5, mx + w / 3, y - 17, HB_WOOD + 3);
}

void port_warship(PortCanvas* c, int32_t x, int32_t w) {
    int32_t y = c->water_y;
    for (int32_t k = 0; k < w; ++k) {
        int32_t top = y - 3 - (k > w * 3 / 4 ? 1 : 0);
        rect(c, x + k, top, x + k, y, HB_STONE + 7 - (k % 9 == 0 ? 1 : 0));
    }
    rect(c, x + w / 3, y - 8, x + w / 2, y - 4, HB_STONE + 8);
    rect(c, x + w / 3 + 2, y - 12, x + w / 3 + 5, y - 8, HB_STONE + 9);
    rect(c, x + w / 3 + 3, y - 17, x + w / 3 + 3, y - 12, HB_STONE + 5);
    rect(c, x + w / 5, y - 5, x + w / 5 + 3, y - 4, HB_STONE + 6);
    paint_line(c->image, x + w / 5 + 3, y - 5, x + w / 5 + 8, y - 6, HB_STONE + 4);
    rect(c, x + w * 2 / 3, y - 5, x + w * 2 / 3 + 3, y - 4, HB_STONE + 6);
    paint_line(c->image, x + w * 2 / 3 + 3, y - 5, x + w * 2 / 3 + 8, y - 6, HB_STONE + 4);
}

void port_iceberg(PortCanvas* c, int32_t x, int32_t w, int32_t h) {
    int32_t y = c->water_y;
    PaintPoint p[6] = {{x, y + 1},
                       {x + w / 5, y - h / 2},
                       {x + w * 2 / 5, y - h},
                       {x + w * 3 / 5, y - h + 3},
                       {x + w * 4 / 5, y - h / 3},
                       {x + w, y + 1}};
    paint_polygon(c->image, p, 6, HB_SNOW + 14);
    PaintPoint shade[4] = {
        {x + w * 2 / 5, y - h}, {x + w * 3 / 5, y - h + 3}, {x + w, y + 1}, {x + w / 2, y + 1}};
    paint_polygon(c->image, shade, 4, HB_SNOW + 9);
}

void port_flag(PortCanvas* c, int32_t x, int32_t base, int32_t h, int32_t colour_a, int32_t colour_b) {
    rect(c, x, base - h, x, base, HB_STONE + 12);
    rect(c, x + 1, base - h, x + 5, base - h + 1, colour_a);
    rect(c, x + 1, base - h + 2, x + 5, base - h + 3, colour_b);
}

void port_quay(PortCanvas* c, int32_t x0, int32_t x1, int32_t h, bool wooden) {
    int32_t y1 = c->water_y - 1, y0 = y1 - h + 1;
    int32_t ramp = wooden ? HB_WOOD : HB_STONE;
    rect(c, x0, y0, x1, y1, ramp + 8);
    rect(c, x0, y0, x1, y0, ramp + 12);
    for (int32_t x = x0; x <= x1; ++x) {
        if (wooden ? x % 3 == 0 : (x + (y1 % 2) * 2) % 5 == 0) rect(c, x, y0 + 1, x, y1, ramp + 6);
        if (!wooden && (x % 5) == 2) put(c, x, y0 + 2, ramp + 7);
    }
    for (int32_t x = x0 + 3; x <= x1; x += 11) {
        put(c, x, y0 - 1, HB_NIGHT + 2);
        put(c, x + 1, y0 - 1, HB_NIGHT + 2);
    }
}

void port_land(PortCanvas* c, int32_t top, int32_t ramp, int32_t tone) {
    for (int32_t y = top; y < c->water_y; ++y)
        for (int32_t x = 0; x < W; ++x) {
            int32_t t = tone - (y - top) / 3 + ((x * 5 + y * 3) % 7 == 0 ? -1 : 0);
            put(c, x, y, ramp + std::clamp(t, 0, 15));
        }
}

void port_water(PortCanvas* c, bool icy, bool muddy) {
    int32_t ramp = muddy ? HB_SAND : HB_SEA;
    VoyageNoise n{c->seed * 7u + 1u};
    for (int32_t y = c->water_y; y < H; ++y) {
        int32_t depth = (y - c->water_y) * 16 / std::max(1, H - c->water_y);
        // light near the quay, darker towards the viewer: four tones over the height
        int32_t pos = (y - c->water_y) * 4 * 16 / std::max(1, H - c->water_y);
        for (int32_t x = 0; x < W; ++x) {
            int32_t t = (muddy ? 6 : 9) - pos / 16;
            if (voyage_dither(x, y, pos % 16)) t -= 1;
            put(c, x, y, ramp + std::clamp(t, 0, 15));
        }
        // ripples: short light strokes, shorter and sparser far away
        int32_t strokes = 2 + (y - c->water_y) / 3;
        for (int32_t k = 0; k < strokes; ++k) {
            int32_t x = voyage_noise_range(&n, 0, W - 1);
            int32_t len = voyage_noise_range(&n, 1, 2 + depth / 3);
            rect(c, x, y, x + len, y, muddy ? HB_SEA + 10 : ramp + 12);
            if (y + 1 < H) rect(c, x + 1, y + 1, x + len, y + 1, ramp + 3);
        }
    }
    if (icy) {
        for (int32_t k = 0; k < 9; ++k) {
            int32_t x = voyage_noise_range(&n, 0, W - 1);
            int32_t y = voyage_noise_range(&n, c->water_y + 2, H - 2);
            int32_t rx = voyage_noise_range(&n, 3, 9), ry = 1 + (y - c->water_y) / 8;
            paint_ellipse(c->image, x, y, rx, ry, HB_SNOW + 12);
            rect(c, x - rx + 1, y - ry, x + rx - 2, y - ry, HB_SNOW + 15);
            rect(c, x - rx + 2, y + ry + 1, x + rx - 1, y + ry + 1, HB_SEA + 2);
        }
    }
}

void port_reflect(PortCanvas* c) {
    int32_t wy = c->water_y;
    VoyageNoise n{c->seed + 99u};
    for (int32_t y = wy; y < std::min(H, wy + 16); ++y) {
        int32_t m = 2 * wy - y - 1;
        if (m < 0) break;
        int32_t wobble = voyage_noise_range(&n, -1, 1);
        for (int32_t x = 0; x < W; ++x) {
            int32_t sx = std::clamp(x + wobble, 0, W - 1);
            int32_t src = paint_get(c->image, sx, m);
            if (src == g_sky_copy[m][sx]) continue;  // sky is not mirrored
            if (!voyage_dither(x, y, 11 - (y - wy) / 2)) continue;
            int32_t here = paint_get(c->image, x, y);
            // keep the ripple highlights, darken the mirrored scenery
            if (here >= HB_SEA + 11 && here < HB_SEA + 16) continue;
            put(c, x, y, darker(src, 5));
        }
    }
}
