// Drawing helpers shared by the voyage pictures.
#include <algorithm>
#include <cstdlib>

#include "assets/art_voyage.h"

namespace {

constexpr int32_t BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// 3 x 5 digit shapes, one row per 3-bit group, top row first.
constexpr uint8_t DIGITS[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

}  // namespace

uint32_t voyage_noise_next(VoyageNoise* noise) {
    noise->state = noise->state * 1664525u + 1013904223u;
    return noise->state >> 8;
}

int32_t voyage_noise_range(VoyageNoise* noise, int32_t lo, int32_t hi) {
    if (hi <= lo) return lo;
    return lo + static_cast<int32_t>(voyage_noise_next(noise) % static_cast<uint32_t>(hi - lo + 1));
}

void voyage_ramp(PictureImage* image, int32_t first, int32_t count, int32_t r0, int32_t g0, int32_t b0,
                 int32_t r1, int32_t g1, int32_t b1) {
    const uint8_t from[3] = {static_cast<uint8_t>(r0), static_cast<uint8_t>(g0), static_cast<uint8_t>(b0)};
    const uint8_t to[3] = {static_cast<uint8_t>(r1), static_cast<uint8_t>(g1), static_cast<uint8_t>(b1)};
    paint_palette_ramp(image, first, count, from, to);
}

void voyage_thick_line(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width,
                       int32_t colour) {
    int32_t lo = -(width - 1) / 2, hi = width / 2;
    for (int32_t dy = lo; dy <= hi; ++dy)
        for (int32_t dx = lo; dx <= hi; ++dx) paint_line(image, x0 + dx, y0 + dy, x1 + dx, y1 + dy, colour);
}

bool voyage_dither(int32_t x, int32_t y, int32_t level) {
    return level > BAYER[y & 3][x & 3];
}

void voyage_ball(PictureImage* image, int32_t cx, int32_t cy, int32_t rx, int32_t ry, int32_t first,
                 int32_t count) {
    if (rx <= 0 || ry <= 0) {
        paint_pixel(image, cx, cy, first + count - 1);
        return;
    }
    for (int32_t y = -ry; y <= ry; ++y)
        for (int32_t x = -rx; x <= rx; ++x) {
            // inside test and a light from the upper left, in 1/256 units of the radii
            int32_t u = x * 256 / rx, v = y * 256 / ry;
            if (u * u + v * v > 256 * 256) continue;
            int32_t lu = u + 90, lv = v + 90;
            int32_t d = 256 * 256 - std::min(lu * lu + lv * lv, 256 * 256);  // 0 far from the light
            int32_t pos = d * (count - 1) * 16 / (256 * 256);
            int32_t step = pos / 16;
            if (voyage_dither(cx + x, cy + y, pos % 16) && step < count - 1) ++step;
            paint_pixel(image, cx + x, cy + y, first + step);
        }
}

void voyage_replace(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t from,
                    int32_t to) {
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x)
            if (paint_get(image, x, y) == from) paint_pixel(image, x, y, to);
}

void voyage_copy(PictureImage* to, int32_t tx, int32_t ty, const PictureImage* from, int32_t fx, int32_t fy,
                 int32_t w, int32_t h) {
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            int32_t c = paint_get(from, fx + x, fy + y);
            if (c >= 0) paint_pixel(to, tx + x, ty + y, c);
        }
}

void voyage_copy_keyed(PictureImage* to, int32_t tx, int32_t ty, const PictureImage* from, int32_t fx,
                       int32_t fy, int32_t w, int32_t h, int32_t key) {
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            int32_t c = paint_get(from, fx + x, fy + y);
            if (c >= 0 && c != key) paint_pixel(to, tx + x, ty + y, c);
        }
}

void voyage_digit(PictureImage* image, int32_t x, int32_t y, int32_t digit, int32_t scale, int32_t colour) {
    if (digit < 0 || digit > 9) return;
    for (int32_t row = 0; row < 5; ++row)
        for (int32_t col = 0; col < 3; ++col)
            if (DIGITS[digit][row] & (4 >> col))
                paint_rect(image, x + col * scale, y + row * scale, x + col * scale + scale - 1,
                           y + row * scale + scale - 1, colour);
}

// --- ships from the side ----------------------------------------------------------------------------

namespace {

// The hull outline from stern (left) to bow (right): a raked bow, a transom stern, sheer rising to
// the bow.
void ship_hull(PictureImage* image, int32_t x, int32_t deck_y, int32_t keel_y, int32_t w, int32_t water_y,
               const ShipSideColours& c, bool old_paint) {
    int32_t bow_rake = std::max(4, w / 10);
    for (int32_t col = 0; col < w; ++col) {
        // sheer: the deck line rises towards the bow over the last fifth
        int32_t rise = col > w * 4 / 5 ? (col - w * 4 / 5) * 3 / std::max(1, w / 5) : 0;
        int32_t top = deck_y - rise;
        int32_t bottom = keel_y;
        // the bow slopes back from deck to keel
        int32_t from_bow = w - 1 - col;
        if (from_bow < bow_rake) bottom = std::min(keel_y, top + (keel_y - top) * from_bow / bow_rake);
        // a rounded stern below the water line
        if (col < 3) bottom = std::min(bottom, water_y + 1 + col);
        for (int32_t y = top; y <= bottom; ++y) {
            int32_t colour;
            if (y == top) {
                colour = c.hull + 3;
            } else if (y > water_y) {
                colour = c.boot + (y == water_y + 1 ? 1 : 0);
            } else {
                // darker towards the water line, lighter under the deck edge
                int32_t shade = 2 - (y - top) * 2 / std::max(1, water_y - top);
                colour = c.hull + std::clamp(shade, 0, 2);
            }
            paint_pixel(image, x + col, y, colour);
        }
        if (old_paint && (col * 7 + deck_y) % 23 == 0)  // rust streaks down from the deck edge
            for (int32_t y = top + 1; y < std::min(water_y, top + 4 + col % 3); ++y)
                paint_pixel(image, x + col, y, c.funnel);
    }
}

void superstructure(PictureImage* image, int32_t x0, int32_t x1, int32_t top, int32_t base,
                    const ShipSideColours& c) {
    paint_gradient(image, x0, top, x1, base, c.deck + 3, 1, false);
    paint_rect(image, x0, top, x1, top, c.deck + 3);
    paint_rect(image, x1, top, x1, base, c.deck + 1);
    paint_rect(image, x0, top, x0, base, c.deck + 2);
    for (int32_t y = top + 2; y < base - 1; y += 3)
        for (int32_t x = x0 + 2; x < x1 - 1; x += 3) paint_pixel(image, x, y, c.window);
    paint_rect(image, x0, base, x1, base, c.deck);
}

void funnel(PictureImage* image, int32_t x, int32_t top, int32_t base, int32_t w, const ShipSideColours& c) {
    for (int32_t y = top; y <= base; ++y) {
        int32_t lean = (base - y) / 3;  // raked aft
        paint_rect(image, x - lean, y, x - lean + w - 1, y, c.funnel + ((y - top) > 1 ? 0 : 1));
        paint_pixel(image, x - lean + w - 1, y, c.funnel);
        paint_pixel(image, x - lean, y, c.funnel + 1);
    }
    int32_t band = top + 2;
    if (band + 1 <= base)
        paint_rect(image, x - (base - band) / 3, band, x - (base - band) / 3 + w - 1, band + 1, c.funnel_top);
}

void crane(PictureImage* image, int32_t x, int32_t deck, int32_t height, int32_t reach,
           const ShipSideColours& c) {
    paint_rect(image, x, deck - height, x + 1, deck, c.gear + 1);
    paint_pixel(image, x, deck - height, c.gear);
    paint_line(image, x + 1, deck - height + 1, x + 1 + reach, deck - height / 3, c.gear);
    paint_line(image, x + 1, deck - height, x + 1 + reach, deck - height / 3, c.gear + 1);
}

}  // namespace

void voyage_ship_side(PictureImage* image, int32_t x, int32_t y, int32_t w, int32_t h, int32_t lift,
                      int32_t model, const ShipSideColours& c) {
    int32_t water = y + lift;
    int32_t keel = y + h - 1;
    bool big = model == 1;
    bool old = model >= 4;
    bool oldest = model >= 6;
    // freeboard: 4 rows on small ships, 6 on model 1
    int32_t deck = water - (big ? 7 : (h >= 19 ? 5 : 4));
    ship_hull(image, x, deck, keel, w, water, c, old);
    // white water-line stripe of the newer ships
    if (!old) paint_rect(image, x + 3, water, x + w - w / 10 - 1, water, c.deck + 2);

    if (big) {
        // RORO/LOLO: long box of cargo decks, containers forward, bridge aft, stern ramp
        int32_t box_top = deck - 6;
        paint_rect(image, x + 4, box_top, x + w * 3 / 4, deck - 1, c.hull + 2);
        paint_rect(image, x + 4, box_top, x + w * 3 / 4, box_top, c.hull + 3);
        for (int32_t k = x + 30; k < x + w * 3 / 4 - 4; k += 7) {
            int32_t tint = c.cargo + (k / 7) % 3;
            paint_rect(image, k, box_top - 4, k + 5, box_top - 1, tint);
            paint_rect(image, k, box_top - 4, k + 5, box_top - 4, c.cargo + 2);
        }
        superstructure(image, x + 8, x + 24, y + 2, box_top, c);
        funnel(image, x + 14, y, y + 3, 5, c);
        paint_line(image, x + 24, y + 2, x + 27, y + 1, c.gear + 1);  // mast
        crane(image, x + w * 3 / 4 + 4, deck, 12, 14, c);
        crane(image, x + w * 3 / 4 - 12, box_top - 4, 6, 10, c);
        // stern ramp folded up
        paint_line(image, x, deck - 1, x + 3, box_top + 1, c.gear);
        // bow thruster mark
        paint_rect(image, x + w - 14, water + 1, x + w - 12, water + 2, c.deck + 2);
        return;
    }
    // multi-purpose freighters: bridge aft (new), midships (oldest), hatches and cranes forward
    int32_t bridge_x0, bridge_x1;
    if (oldest) {
        bridge_x0 = x + w * 2 / 5;
        bridge_x1 = bridge_x0 + w / 7;
    } else {
        bridge_x0 = x + 5;
        bridge_x1 = x + 5 + w / 6;
    }
    int32_t top = y + 2;
    superstructure(image, bridge_x0, bridge_x1, top + 2, deck - 1, c);
    funnel(image, (bridge_x0 + bridge_x1) / 2 - 1, top - 1 < y ? y : top - 1 + (old ? 0 : 0), top + 3,
           old ? 4 : 3, c);
    // hatches along the deck
    int32_t hatch_from = oldest ? x + 6 : bridge_x1 + 3;
    for (int32_t k = hatch_from; k < x + w - w / 8 - 6; k += 10) {
        if (oldest && k + 8 >= bridge_x0 && k <= bridge_x1 + 2) continue;
        paint_rect(image, k, deck - 2, k + 7, deck - 1, c.cargo + 1);
        paint_rect(image, k, deck - 2, k + 7, deck - 2, c.cargo + 2);
    }
    // cranes (new and pre-owned) or derrick masts (oldest)
    for (int32_t k = 0; k < 3; ++k) {
        int32_t cx =
            (oldest ? x + w / 6 : bridge_x1 + 8) + k * (oldest ? w / 3 : (w - (bridge_x1 - x) - 16) / 3);
        if (oldest && cx >= bridge_x0 - 2 && cx <= bridge_x1 + 2) cx = bridge_x1 + 6;
        if (cx > x + w - 12) break;
        if (oldest) {
            paint_rect(image, cx, y + 3, cx, deck - 1, c.gear + 1);
            paint_line(image, cx, y + 5, cx + 6, deck - 3, c.gear);
            paint_line(image, cx - 3, y + 5, cx + 3, y + 5, c.gear);
        } else {
            crane(image, cx, deck - 1, std::max(5, deck - y - 4), 8, c);
        }
    }
    // forecastle and a mast at the bow
    paint_rect(image, x + w - w / 8 - 2, deck - 2, x + w - w / 12, deck - 1, c.hull + 2);
    paint_line(image, x + w - w / 10, deck - 2, x + w - w / 10, y + 4, c.gear + 1);
}
