// Pictures 26..33: the shipyard and the seven ship models. Each model is a small "photo" in the
// picture's top-left corner: the ship in side view on sea and sky, new ones bright, old ones faded
// and rusty under a grey sky. The rest of each picture is never shown and stays one flat colour.
#include <algorithm>
#include <cstdlib>

#include "assets/art_business.h"

namespace {

enum CraneKind { CRANE_NONE, CRANE_PEDESTAL, CRANE_DERRICK };

struct Crane {
    int32_t x;  // along the ship, from its stern
    CraneKind kind;
    int32_t reach;  // jib or boom length and direction (+ forward)
};

struct ShipLook {
    int32_t stern;       // x of the stern at the waterline
    int32_t length;      // waterline length in pixels
    int32_t waterline;   // row
    int32_t horizon;     // row of the sea's horizon
    int32_t freeboard;   // hull height above the water amidships
    int32_t sheer;       // extra height at the bow
    int32_t forecastle;  // raised bow deck length (0: none)
    int32_t rake;        // how far the stem leans forward at the deck
    bool cruiser_stern;  // rounded old stern instead of a transom
    BizRamp hull;
    int32_t hull_step;
    BizRamp boot;  // the band along the waterline
    int32_t house_x, house_len, decks, deck_h;
    int32_t funnel_x, funnel_w, funnel_h;
    BizRamp funnel;
    int32_t funnel_step;
    Crane cranes[5];
    int32_t cargo_x0, cargo_x1, tiers;  // containers on deck (tiers 0: hatch covers only)
    bool stern_ramp, thruster, smoke;
    int32_t rust;  // 0 new .. 3 a tub
    int32_t sky;   // 0 clear, 1 hazy, 2 overcast
    uint32_t seed;
};

// ---- the scene behind the ship -------------------------------------------------------------

void paint_sky_and_sea(PictureImage* image, const ShipLook& s, int32_t w, int32_t h) {
    int32_t hz = s.horizon;
    if (s.sky == 0) {
        biz_gradient(image, 0, 0, w - 1, hz - 1, BIZ_SKY, 7, 14, false);
    } else if (s.sky == 1) {
        biz_gradient(image, 0, 0, w - 1, hz - 1, BIZ_SKY, 9, 15, false);
    } else {
        biz_gradient(image, 0, 0, w - 1, hz - 1, BIZ_STONE, 8, 12, false);
    }
    // clouds: soft dithered ovals, lighter on top
    BizRamp cloud = s.sky == 2 ? BIZ_STONE : BIZ_SKY;
    for (int32_t k = 0; k < 6; ++k) {
        uint32_t r = biz_hash(static_cast<uint32_t>(k), 5, s.seed);
        int32_t cx = static_cast<int32_t>(r % static_cast<uint32_t>(w));
        int32_t cy = 2 + static_cast<int32_t>((r >> 10) % static_cast<uint32_t>(std::max(hz - 10, 2)));
        int32_t rx = 10 + static_cast<int32_t>((r >> 20) % 14), ry = 2 + rx / 8;
        for (int32_t y = cy - ry; y <= cy + ry; ++y)
            for (int32_t x = cx - rx; x <= cx + rx; ++x) {
                if (x < 0 || x >= w || y < 0 || y >= hz - 2) continue;
                int32_t d = (x - cx) * (x - cx) * 64 / (rx * rx) + (y - cy) * (y - cy) * 64 / (ry * ry);
                if (d > 64) continue;
                int32_t level = (s.sky == 2 ? 13 : 15) * 16 - (y - cy + ry) * 20 / (ry + 1);
                if (biz_dither(x, y, (64 - d) / 3)) paint_pixel(image, x, y, biz_level(cloud, x, y, level));
            }
    }
    // a far coast on one side
    for (int32_t x = 0; x < w; ++x) {
        int32_t t = s.seed % 2 == 0 ? x : w - 1 - x;
        int32_t hill = std::max(0, (w / 3 - t) / 9) +
                       static_cast<int32_t>(biz_hash(static_cast<uint32_t>(x / 4), 2, s.seed) % 2);
        if (t > w / 3) hill = 0;
        for (int32_t y = hz - hill; y < hz; ++y)
            paint_pixel(image, x, y, s.sky == 2 ? biz_col(BIZ_STONE, 6) : biz_col(BIZ_SKY, 5));
    }
    // the sea: darker at the horizon line, then lighter, with wave dashes growing towards the front
    biz_field(image, 0, hz, w - 1, h - 1, BIZ_SEA, [&](int32_t x, int32_t y) {
        int32_t d = y - hz;
        int32_t base = (s.sky == 2 ? 8 : 10) * 16 - d * 24 / std::max(h - hz, 1) * 4;
        uint32_t r = biz_hash(static_cast<uint32_t>((x + d * 7) / (3 + d)), static_cast<uint32_t>(y), s.seed);
        int32_t wave = static_cast<int32_t>(r % 5) - 2;
        return base + wave * 12;
    });
    paint_rect(image, 0, hz, w - 1, hz, biz_col(BIZ_SEA, s.sky == 2 ? 5 : 7));
}

// ---- the hull -----------------------------------------------------------------------------

int32_t deck_row(const ShipLook& s, int32_t x) {
    int32_t t = std::clamp((x - s.stern) * 100 / s.length, 0, 100);
    int32_t rise = t > 60 ? s.sheer * (t - 60) * (t - 60) / 1600 : 0;
    if (t < 15) rise += (15 - t) / 8;
    int32_t y = s.waterline - s.freeboard - rise;
    if (s.forecastle > 0 && x > s.stern + s.length - s.forecastle) y -= 2;
    return y;
}

void paint_hull(PictureImage* image, const ShipLook& s) {
    int32_t bow = s.stern + s.length;
    int32_t wl = s.waterline;
    PaintPoint pts[64];
    int32_t n = 0;
    if (s.cruiser_stern) {
        pts[n++] = {s.stern + 4, wl + 1};
        pts[n++] = {s.stern - 1, wl - s.freeboard / 2};
        pts[n++] = {s.stern - 2, deck_row(s, s.stern)};
    } else {
        pts[n++] = {s.stern + 1, wl + 1};
        pts[n++] = {s.stern, deck_row(s, s.stern)};
    }
    for (int32_t x = s.stern + 6; x < bow && n < 58; x += 6) pts[n++] = {x, deck_row(s, x)};
    pts[n++] = {bow + s.rake, deck_row(s, bow)};
    pts[n++] = {bow + s.rake * 2 / 3, wl - s.freeboard / 2};
    pts[n++] = {bow, wl + 1};
    int32_t top = s.hull_step + 4, low = s.hull_step - 3;
    biz_polygon_field(image, pts, n, s.hull, [&](int32_t x, int32_t y) {
        int32_t d = deck_row(s, std::min(x, bow));
        int32_t depth = std::max(y - d, 0) * 16 / std::max(wl - d, 1);
        int32_t level = top * 16 - (top - low) * depth;
        level -= (bow - x) * 10 / s.length;  // a little darker aft
        if (y == d) level += 32;             // the rail in the light
        return level;
    });
    // the band along the waterline
    for (int32_t x = s.stern; x <= bow + 1; ++x)
        for (int32_t y = wl - 1; y <= wl; ++y)
            if (paint_get(image, x, y) >= s.hull.base && paint_get(image, x, y) < s.hull.base + s.hull.count)
                paint_pixel(image, x, y, biz_col(s.boot, y == wl - 1 ? 7 : 4));
    // plating seams and a few portholes under the house
    for (int32_t x = s.stern + 9; x < bow - 6; x += 11)
        for (int32_t y = deck_row(s, x) + 2; y < wl - 2; ++y)
            if (((y + x) & 1) == 0) biz_shift(image, x, y, x, y, s.hull, -1);
    for (int32_t x = s.house_x + 2; x < s.house_x + s.house_len - 1; x += 4) {
        int32_t y = deck_row(s, x) + 2;
        if (y < wl - 3) paint_pixel(image, x, y, biz_col(BIZ_STEEL, 1));
    }
    // anchor in its hawse pipe
    int32_t ax = bow - 6, ay = deck_row(s, bow - 6) + 2;
    paint_rect(image, ax, ay, ax + 1, ay + 1, biz_col(BIZ_STEEL, 1));
    paint_pixel(image, ax, ay + 2, biz_col(BIZ_STEEL, 3));
    if (s.thruster) {
        // the bow-thruster mark: a ringed cross low on the bow
        int32_t tx = bow - 13, ty = wl - std::max(s.freeboard / 3, 3);
        for (int32_t a = -2; a <= 2; ++a) {
            paint_pixel(image, tx + a, ty + a, biz_col(BIZ_STONE, 15));
            paint_pixel(image, tx + a, ty - a, biz_col(BIZ_STONE, 15));
        }
        paint_frame(image, tx - 3, ty - 3, tx + 3, ty + 3, biz_col(BIZ_STONE, 14));
    }
    // draft marks at the stem
    for (int32_t y = wl - 2; y > wl - s.freeboard + 2; y -= 2)
        paint_pixel(image, bow + 1, y, biz_col(BIZ_STONE, 13));
}

// ---- what stands on deck ------------------------------------------------------------------

void paint_cargo(PictureImage* image, const ShipLook& s) {
    static const BizRamp box_ramps[] = {BIZ_RED,  BIZ_NAVY, BIZ_GREEN, BIZ_GOLD,
                                        BIZ_RUST, BIZ_TEAL, BIZ_STONE};
    for (int32_t x = s.cargo_x0; x + 7 <= s.cargo_x1; x += 8) {
        int32_t d = deck_row(s, x + 4);
        bool crane_here = false;
        for (const Crane& c : s.cranes)
            if (c.kind == CRANE_PEDESTAL && s.stern + c.x >= x - 2 && s.stern + c.x <= x + 9)
                crane_here = true;
        if (crane_here) continue;
        // hatch coaming
        biz_block(image, x, d - 2, x + 7, d - 1, BIZ_STEEL, 6);
        for (int32_t tier = 0; tier < s.tiers; ++tier) {
            uint32_t r = biz_hash(static_cast<uint32_t>(x), static_cast<uint32_t>(tier), s.seed);
            if (tier == s.tiers - 1 && r % 4 == 0) continue;  // a gap here and there on top
            BizRamp b = box_ramps[r % 7];
            int32_t y1 = d - 3 - tier * 4, y0 = y1 - 3;
            paint_rect(image, x, y0, x + 7, y1, biz_col(b, 8));
            paint_rect(image, x, y0, x + 7, y0, biz_col(b, 11));
            paint_rect(image, x + 7, y0, x + 7, y1, biz_col(b, 4));
            for (int32_t cx = x + 2; cx < x + 7; cx += 2) paint_pixel(image, cx, y0 + 2, biz_col(b, 6));
        }
    }
}

void paint_house(PictureImage* image, const ShipLook& s) {
    int32_t base = deck_row(s, s.house_x + s.house_len / 2);
    BizRamp white = BIZ_STONE;
    int32_t wstep = 13 - s.rust;
    for (int32_t d = 0; d < s.decks; ++d) {
        bool bridge = d == s.decks - 1;
        int32_t inset = d * 2;
        int32_t x0 = s.house_x + (d > 0 ? 1 : 0), x1 = s.house_x + s.house_len - inset;
        int32_t y1 = base - 1 - d * s.deck_h, y0 = y1 - s.deck_h + 1;
        biz_gradient(image, x0, y0, x1, y1, white, wstep + 1, wstep - 2, false);
        paint_rect(image, x0, y1, x1, y1, biz_col(white, wstep - 5));  // shadow under the deck above
        paint_rect(image, x1, y0, x1, y1, biz_col(white, wstep - 3));
        // windows
        int32_t wy = y0 + s.deck_h / 2 - 1;
        if (bridge) {
            paint_rect(image, x0 + 2, wy, x1 - 1, wy + 1, biz_col(BIZ_STEEL, 2));
            for (int32_t x = x0 + 3; x < x1 - 1; x += 3) paint_pixel(image, x, wy, biz_col(BIZ_SKY, 12));
            // bridge wing
            paint_rect(image, x1 + 1, y0 + 1, x1 + 3, y0 + 1, biz_col(white, wstep));
            paint_pixel(image, x1 + 3, y0 + 2, biz_col(white, wstep - 3));
        } else {
            for (int32_t x = x0 + 2; x < x1 - 1; x += 3) {
                paint_pixel(image, x, wy, biz_col(BIZ_STEEL, 2));
                if (s.deck_h > 4) paint_pixel(image, x, wy + 1, biz_col(BIZ_STEEL, 4));
            }
        }
    }
    // mast with radar over the bridge
    int32_t top = base - s.decks * s.deck_h;
    int32_t mx = s.house_x + s.house_len - s.decks * 2 - 3;
    paint_line(image, mx, top, mx, top - 6, biz_col(BIZ_STEEL, 3));
    paint_rect(image, mx - 3, top - 4, mx + 3, top - 4, biz_col(BIZ_STEEL, 5));
    paint_pixel(image, mx, top - 7, biz_col(BIZ_RED, 12));
}

void paint_funnel(PictureImage* image, const ShipLook& s) {
    // it stands on the top deck of the house
    int32_t base = deck_row(s, s.house_x + s.house_len / 2) - s.decks * s.deck_h;
    int32_t y0 = base - s.funnel_h;
    for (int32_t y = y0; y <= base; ++y) {
        int32_t lean = (base - y) * 2 / std::max(s.funnel_h, 1);  // raked aft
        int32_t x0 = s.funnel_x - lean, x1 = s.funnel_x + s.funnel_w - 1 - lean;
        bool black = y < y0 + 2;
        bool band = !black && y >= y0 + s.funnel_h / 3 && y < y0 + s.funnel_h / 3 + 2;
        BizRamp r = black ? BIZ_STEEL : band ? BIZ_STONE : s.funnel;
        int32_t st = black ? 1 : band ? 13 - s.rust : s.funnel_step;
        biz_cylinder_v(image, x0, y, x1, y, r, st - 3, st + 2);
    }
}

void paint_crane(PictureImage* image, const ShipLook& s, const Crane& c) {
    int32_t x = s.stern + c.x;
    int32_t d = deck_row(s, x);
    if (c.kind == CRANE_PEDESTAL) {
        BizRamp r = s.rust > 1 ? BIZ_STONE : BIZ_GOLD;
        int32_t st = s.rust > 1 ? 10 : 11;
        // the pedestal stands clear of the cargo stacked beside it
        d -= s.tiers * 4;
        biz_cylinder_v(image, x - 1, d - 5, x + 1, d + s.tiers * 4 - 1, r, st - 4, st + 1);
        biz_block(image, x - 2, d - 8, x + 2, d - 6, r, st);
        paint_pixel(image, x + (c.reach > 0 ? 1 : -1), d - 7, biz_col(BIZ_STEEL, 2));  // cab window
        int32_t ex = x + c.reach, ey = d - 7 - std::abs(c.reach) * 3 / 4;
        biz_thick_line(image, x, d - 7, ex, ey, 2, biz_col(r, st - 1));
        paint_line(image, x, d - 8, ex, ey - 1, biz_col(r, st + 3));
        paint_line(image, ex, ey + 1, ex, ey + 4, biz_col(BIZ_STEEL, 2));  // hook
    } else if (c.kind == CRANE_DERRICK) {
        int32_t h = 15 + std::abs(c.reach) / 3;
        BizRamp r = BIZ_STEEL;
        paint_rect(image, x, d - h, x + 1, d - 1, biz_col(r, s.rust > 1 ? 6 : 8));
        paint_pixel(image, x, d - h, biz_col(r, 11));
        paint_rect(image, x - 2, d - h + 4, x + 3, d - h + 4, biz_col(r, 5));  // crosstree
        // booms resting up towards the hatch, with their topping lifts
        int32_t bx = x + c.reach, by = d - 5;
        paint_line(image, x, d - 3, bx, by, biz_col(r, 9));
        paint_line(image, x, d - h + 1, bx, by, biz_col(r, 3));
    }
}

void paint_rust(PictureImage* image, const ShipLook& s) {
    if (s.rust == 0) return;
    int32_t bow = s.stern + s.length;
    int32_t count = s.length * s.rust / 6;
    for (int32_t k = 0; k < count; ++k) {
        uint32_t r = biz_hash(static_cast<uint32_t>(k), 17, s.seed);
        int32_t x = s.stern + 2 + static_cast<int32_t>(r % static_cast<uint32_t>(s.length - 4));
        int32_t d = deck_row(s, x);
        int32_t len =
            2 + static_cast<int32_t>((r >> 8) % static_cast<uint32_t>(std::max(s.freeboard * s.rust / 3, 2)));
        int32_t shade = 4 + static_cast<int32_t>((r >> 16) % 5);
        for (int32_t y = d + 1; y < std::min(d + 1 + len, s.waterline - 1); ++y) {
            int32_t c = paint_get(image, x, y);
            if (c >= s.hull.base && c < s.hull.base + s.hull.count &&
                (((y * 7) ^ static_cast<int32_t>(r)) & 3) != 0)
                paint_pixel(image, x, y, biz_col(BIZ_RUST, shade - (y - d) / 3));
        }
        // patches near the waterline and at the bow
        if (k % 3 == 0 && x < bow - 2) {
            int32_t py = s.waterline - 2 - static_cast<int32_t>((r >> 20) % 3);
            for (int32_t dx = 0; dx < 1 + s.rust; ++dx) {
                int32_t c = paint_get(image, x + dx, py);
                if (c >= s.hull.base && c < s.hull.base + s.hull.count)
                    paint_pixel(image, x + dx, py, biz_col(BIZ_RUST, 6));
            }
        }
    }
}

void paint_smoke(PictureImage* image, const ShipLook& s) {
    int32_t top = deck_row(s, s.house_x + s.house_len / 2) - s.decks * s.deck_h - s.funnel_h;
    int32_t x = s.funnel_x - 1, y = top - 1;
    for (int32_t k = 0; k < 14; ++k) {
        int32_t r = 1 + k / 3;
        int32_t cx = x - k * 3, cy = y - k / 2 - (k > 6 ? 1 : 0);
        for (int32_t dy = -r; dy <= r; ++dy)
            for (int32_t dx = -r - 1; dx <= r + 1; ++dx) {
                if (dx * dx + dy * dy * 2 > r * r + 1) continue;
                if (!biz_dither(cx + dx, cy + dy, 14 - k)) continue;
                paint_pixel(image, cx + dx, cy + dy, biz_col(BIZ_STONE, 3 + k / 2 + (dy < 0 ? 1 : 0)));
            }
    }
}

void paint_water_at_hull(PictureImage* image, const ShipLook& s, int32_t w, int32_t h) {
    int32_t bow = s.stern + s.length;
    // the hull's dark reflection, broken by ripples
    for (int32_t y = s.waterline + 1; y < std::min(s.waterline + 6, h); ++y)
        for (int32_t x = s.stern; x <= bow; ++x)
            if (((x + y * 3) % 5) != 0 &&
                biz_hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y), s.seed) % 3 != 0)
                biz_shift(image, x, y, x, y, BIZ_SEA, -(6 - (y - s.waterline)));
    // foam along the waterline and the bow wave
    for (int32_t x = s.stern - 3; x <= bow + 3; ++x)
        if (biz_hash(static_cast<uint32_t>(x), 9, s.seed) % 3 == 0)
            paint_pixel(image, x, s.waterline + 1, biz_col(BIZ_SEA, 14));
    for (int32_t k = 0; k < 6; ++k) {
        paint_pixel(image, bow + 1 + k, s.waterline + 1 - (k < 2 ? 1 : 0), biz_col(BIZ_SEA, 15 - k / 2));
        paint_pixel(image, bow - k * 2, s.waterline + 2, biz_col(BIZ_SEA, 13));
    }
    (void)w;
}

void paint_ship_photo(PictureImage* image, const ShipLook& s, int32_t w, int32_t h) {
    paint_sky_and_sea(image, s, w, h);
    for (const Crane& c : s.cranes)
        if (c.kind == CRANE_DERRICK) paint_crane(image, s, c);  // masts stand behind the hull's rail
    paint_hull(image, s);
    paint_cargo(image, s);
    if (s.stern_ramp) {
        // the stern ramp folded up, with its braces and hoisting wire
        int32_t d = deck_row(s, s.stern + 4);
        int32_t x0 = s.stern + 1, x1 = s.stern + 8, y0 = d - 10;
        biz_block(image, x0, y0, x1, d - 1, BIZ_STEEL, 7);
        for (int32_t y = y0 + 2; y < d - 1; y += 3)
            paint_line(image, x0 + 1, y, x1 - 1, y + 2, biz_col(BIZ_STEEL, 4));
        paint_line(image, x1, y0, x1 + 8, y0 - 6, biz_col(BIZ_STEEL, 3));
        paint_rect(image, x1 + 8, y0 - 6, x1 + 8, d - 1, biz_col(BIZ_STEEL, 5));
    }
    paint_house(image, s);
    paint_funnel(image, s);
    for (const Crane& c : s.cranes)
        if (c.kind == CRANE_PEDESTAL) paint_crane(image, s, c);
    paint_rust(image, s);
    if (s.smoke) paint_smoke(image, s);
    paint_water_at_hull(image, s, w, h);
}

// The seven models in the order of their pictures (27..33).
ShipLook model_look(int32_t model) {
    ShipLook s{};
    switch (model) {
        case 1:  // the big roll-on/lift-off carrier: high sides, containers, stern ramp, bow thruster
            s = {10,
                 206,
                 42,
                 37,
                 11,
                 4,
                 24,
                 6,
                 false,
                 BIZ_RED,
                 8,
                 BIZ_STEEL,
                 30,
                 26,
                 4,
                 5,
                 36,
                 7,
                 8,
                 BIZ_NAVY,
                 8,
                 {{88, CRANE_PEDESTAL, 14},
                  {150, CRANE_PEDESTAL, 14},
                  {0, CRANE_NONE, 0},
                  {0, CRANE_NONE, 0},
                  {0, CRANE_NONE, 0}},
                 62,
                 198,
                 3,
                 true,
                 true,
                 false,
                 0,
                 0,
                 27u};
            break;
        case 2:  // new multi-purpose freighter, 190 m: navy hull, house aft, four cranes
            s = {8,
                 160,
                 29,
                 24,
                 7,
                 3,
                 16,
                 4,
                 false,
                 BIZ_NAVY,
                 7,
                 BIZ_RED,
                 14,
                 22,
                 3,
                 4,
                 20,
                 6,
                 6,
                 BIZ_RED,
                 9,
                 {{56, CRANE_PEDESTAL, 11},
                  {88, CRANE_PEDESTAL, 11},
                  {120, CRANE_PEDESTAL, 11},
                  {0, CRANE_NONE, 0},
                  {0, CRANE_NONE, 0}},
                 40,
                 150,
                 1,
                 false,
                 false,
                 false,
                 0,
                 0,
                 31u};
            break;
        case 3:  // new multi-purpose freighter, 150 m: green hull, two cranes
            s = {10,
                 128,
                 29,
                 23,
                 7,
                 3,
                 14,
                 4,
                 false,
                 BIZ_GREEN,
                 6,
                 BIZ_RED,
                 12,
                 20,
                 3,
                 4,
                 17,
                 6,
                 6,
                 BIZ_STONE,
                 12,
                 {{54, CRANE_PEDESTAL, 10},
                  {90, CRANE_PEDESTAL, 10},
                  {0, CRANE_NONE, 0},
                  {0, CRANE_NONE, 0},
                  {0, CRANE_NONE, 0}},
                 36,
                 122,
                 1,
                 false,
                 false,
                 false,
                 0,
                 1,
                 34u};
            break;
        case 4:  // pre-owned, 190 m: black hull, derrick posts, some rust
            s = {10,
                 160,
                 28,
                 22,
                 7,
                 4,
                 18,
                 5,
                 false,
                 BIZ_STEEL,
                 2,
                 BIZ_RED,
                 28,
                 22,
                 3,
                 4,
                 36,
                 6,
                 7,
                 BIZ_GOLD,
                 9,
                 {{14, CRANE_DERRICK, 8},
                  {68, CRANE_DERRICK, -9},
                  {100, CRANE_DERRICK, 9},
                  {138, CRANE_DERRICK, -9},
                  {0, CRANE_NONE, 0}},
                 0,
                 0,
                 0,
                 false,
                 false,
                 false,
                 1,
                 1,
                 41u};
            break;
        case 5:  // pre-owned, 150 m: grey hull, house aft, grey cranes
            s = {10,
                 128,
                 28,
                 22,
                 7,
                 3,
                 14,
                 4,
                 false,
                 BIZ_STONE,
                 8,
                 BIZ_WINE,
                 10,
                 20,
                 3,
                 4,
                 16,
                 6,
                 6,
                 BIZ_TEAL,
                 8,
                 {{52, CRANE_PEDESTAL, -10},
                  {88, CRANE_PEDESTAL, 10},
                  {0, CRANE_NONE, 0},
                  {0, CRANE_NONE, 0},
                  {0, CRANE_NONE, 0}},
                 34,
                 122,
                 0,
                 false,
                 false,
                 false,
                 2,
                 1,
                 47u};
            break;
        case 6:  // low cost, 190 m: an old tramp with a midships bridge, tall funnel and smoke
            s = {10,
                 160,
                 26,
                 20,
                 6,
                 5,
                 22,
                 3,
                 true,
                 BIZ_WINE,
                 6,
                 BIZ_STEEL,
                 70,
                 24,
                 3,
                 4,
                 73,
                 7,
                 9,
                 BIZ_RUST,
                 8,
                 {{24, CRANE_DERRICK, 10},
                  {52, CRANE_DERRICK, -10},
                  {118, CRANE_DERRICK, 10},
                  {146, CRANE_DERRICK, -10},
                  {0, CRANE_NONE, 0}},
                 0,
                 0,
                 0,
                 false,
                 false,
                 true,
                 2,
                 2,
                 53u};
            break;
        default:  // low cost, 150 m: the tub, straight stem, thin smoking funnel, rust everywhere
            s = {12,
                 126,
                 26,
                 20,
                 6,
                 4,
                 18,
                 1,
                 true,
                 BIZ_GREEN,
                 4,
                 BIZ_STEEL,
                 52,
                 20,
                 2,
                 4,
                 55,
                 4,
                 10,
                 BIZ_STEEL,
                 4,
                 {{22, CRANE_DERRICK, 9},
                  {100, CRANE_DERRICK, -9},
                  {0, CRANE_NONE, 0},
                  {0, CRANE_NONE, 0},
                  {0, CRANE_NONE, 0}},
                 0,
                 0,
                 0,
                 false,
                 false,
                 true,
                 3,
                 2,
                 59u};
            break;
    }
    return s;
}

// ---- the shipyard -------------------------------------------------------------------------

void paint_yard_scene(PictureImage* image) {
    const int32_t W = BIZ_REPAIR_CUTOUT.w, H = BIZ_REPAIR_CUTOUT.h;
    const int32_t cx = W / 2;
    // evening sky over the yard
    biz_gradient(image, 0, 0, W - 1, 58, BIZ_SKY, 6, 13, false);
    biz_gradient(image, 0, 44, W - 1, 58, BIZ_GOLD, 9, 13, false);
    for (int32_t y = 36; y < 44; ++y)
        for (int32_t x = 0; x < W; ++x)
            if (biz_dither(x, y, (y - 36) * 2)) paint_pixel(image, x, y, biz_col(BIZ_GOLD, 10));
    // sheds and a chimney far away on both sides
    for (int32_t x = 0; x < W; ++x) {
        int32_t roof = x < 30 ? 50 - (x % 10) / 2 : x > 88 ? 48 - ((x - 88) % 12) / 3 : 56;
        for (int32_t y = roof; y <= 59; ++y) paint_pixel(image, x, y, biz_col(BIZ_STEEL, 4 + (y - roof) / 4));
    }
    paint_rect(image, 100, 30, 102, 50, biz_col(BIZ_STEEL, 3));
    // the dock: stepped walls converging on the far end, the floor below
    const int32_t far_y = 60, floor_y = 118;
    for (int32_t y = far_y; y < H; ++y) {
        int32_t t = (y - far_y) * 256 / (H - far_y);
        int32_t half_floor = 14 + 40 * t / 256;  // floor half width at this row
        int32_t half_top = 34 + 30 * t / 256;    // dock edge half width
        for (int32_t x = 0; x < W; ++x) {
            int32_t dx = std::abs(x - cx);
            if (dx > half_top) {
                // quay top beyond the dock edge
                paint_pixel(image, x, y, biz_level(BIZ_STONE, x, y, 7 * 16 + t / 8));
            } else if (dx > half_floor) {
                // the altars: steps across the wall
                int32_t step = (dx - half_floor) * 5 / std::max(half_top - half_floor, 1);
                int32_t level = (step % 2 == 0 ? 9 : 5) * 16 + t / 16 - 16;
                paint_pixel(image, x, y, biz_level(BIZ_STONE, x, y, level));
            } else {
                // wet dock floor with puddles reflecting the sky
                int32_t level = 4 * 16 + t / 10;
                uint32_t r = biz_hash(static_cast<uint32_t>(x / 5), static_cast<uint32_t>(y / 2), 77);
                if (r % 23 == 0 && biz_hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 5) % 4 != 0) {
                    paint_pixel(image, x, y, biz_col(BIZ_SKY, 7 + t / 64));
                    continue;
                }
                paint_pixel(image, x, y, biz_level(BIZ_STONE, x, y, level));
            }
        }
    }
    (void)floor_y;
    // gantry crane across the dock
    biz_cylinder_v(image, 4, 12, 8, 96, BIZ_RED, 3, 10);
    biz_cylinder_v(image, W - 9, 12, W - 5, 96, BIZ_RED, 3, 10);
    for (int32_t y = 20; y < 92; y += 9) {
        paint_line(image, 4, y, 8, y + 9, biz_col(BIZ_RED, 4));
        paint_line(image, W - 9, y, W - 5, y + 9, biz_col(BIZ_RED, 4));
    }
    biz_block(image, 0, 8, W - 1, 15, BIZ_RED, 8);
    for (int32_t x = 2; x < W - 2; x += 6) paint_line(image, x, 10, x + 5, 14, biz_col(BIZ_RED, 5));
    biz_block(image, 70, 14, 82, 20, BIZ_GOLD, 10);  // trolley and its cab
    paint_rect(image, 72, 16, 74, 17, biz_col(BIZ_STEEL, 2));
    paint_line(image, 76, 21, 76, 30, biz_col(BIZ_STEEL, 2));
    paint_line(image, 78, 21, 78, 30, biz_col(BIZ_STEEL, 2));
    paint_rect(image, 74, 30, 80, 31, biz_col(BIZ_GOLD, 8));
}

void paint_yard_ship(PictureImage* image) {
    const int32_t cx = BIZ_REPAIR_CUTOUT.w / 2;
    // the house far aft, seen over the bow
    biz_gradient(image, cx - 20, 32, cx + 20, 44, BIZ_STONE, 13, 10, false);
    for (int32_t y = 34; y < 44; y += 4)
        for (int32_t x = cx - 18; x < cx + 18; x += 3) paint_pixel(image, x, y, biz_col(BIZ_STEEL, 2));
    paint_rect(image, cx - 22, 31, cx + 22, 31, biz_col(BIZ_STONE, 14));
    biz_cylinder_v(image, cx - 5, 22, cx + 5, 31, BIZ_NAVY, 6, 12);
    paint_rect(image, cx - 5, 22, cx + 5, 23, biz_col(BIZ_STEEL, 1));
    paint_line(image, cx + 12, 31, cx + 12, 20, biz_col(BIZ_STEEL, 3));
    paint_rect(image, cx + 9, 23, cx + 15, 23, biz_col(BIZ_STEEL, 4));
    // the bow: flared sides, red bottom below the load line, bulb low down
    for (int32_t y = 44; y <= 112; ++y) {
        int32_t t = y - 44;
        int32_t half = t < 40 ? 26 - t * t / 140 : std::max(15 - (t - 40) * 10 / 28, 4);
        bool bottom = y > 80;
        for (int32_t x = cx - half; x <= cx + half; ++x) {
            int32_t u = (x - (cx - half)) * 256 / std::max(2 * half, 1);  // 0 left .. 256 right
            int32_t light = 256 - std::abs(u - 100) * 2;
            BizRamp r = bottom ? BIZ_RED : BIZ_NAVY;
            int32_t level = (bottom ? 4 : 4) * 16 + std::max(light, 0) * 9 * 16 / 256 / 2;
            if (std::abs(x - cx) <= 1 && !bottom) level += 24;  // the stem catches the light
            paint_pixel(image, x, y, biz_level(r, x, y, level));
        }
    }
    // the bulb
    biz_ball(image, cx, 100, 8, 10, BIZ_RED, 3, 11);
    // load line and boot top
    paint_rect(image, cx - 20, 80, cx + 20, 80, biz_col(BIZ_STEEL, 2));
    for (int32_t x = cx - 24; x <= cx + 24; ++x) {
        int32_t c = paint_get(image, x, 79);
        if (c >= BIZ_NAVY.base && c < BIZ_NAVY.base + BIZ_NAVY.count)
            paint_pixel(image, x, 79, biz_col(BIZ_STONE, 12));
    }
    // hawse pipes with the anchors, and the bow-thruster tunnel
    for (int32_t side : {-1, 1}) {
        int32_t ax = cx + side * 14;
        biz_ball(image, ax, 52, 3, 2, BIZ_STEEL, 0, 3);
        paint_rect(image, ax - 1, 54, ax + 1, 58, biz_col(BIZ_STEEL, side < 0 ? 8 : 5));
        paint_rect(image, ax - 2, 58, ax + 2, 59, biz_col(BIZ_STEEL, side < 0 ? 7 : 4));
    }
    paint_ellipse(image, cx, 88, 5, 4, biz_col(BIZ_STEEL, 1));
    paint_ellipse(image, cx, 88, 3, 2, biz_col(BIZ_STEEL, 0));
    // rail and forecastle gear
    paint_rect(image, cx - 26, 43, cx + 26, 43, biz_col(BIZ_STONE, 13));
    for (int32_t x = cx - 26; x <= cx + 26; x += 4) paint_pixel(image, x, 42, biz_col(BIZ_STONE, 11));
    paint_rect(image, cx - 26, 41, cx + 26, 41, biz_col(BIZ_STONE, 12));
    // keel blocks and shores
    for (int32_t x = cx - 8; x <= cx + 6; x += 7) biz_block(image, x, 113, x + 5, 118, BIZ_WOOD, 8);
    for (int32_t side : {-1, 1}) {
        for (int32_t k = 0; k < 3; ++k) {
            int32_t hx = cx + side * (24 - k * 3), hy = 58 + k * 14;
            int32_t wx = cx + side * (44 + k * 6), wy = 70 + k * 16;
            biz_thick_line(image, hx, hy, wx, wy, 2, biz_col(BIZ_WOOD, 7 - k));
            paint_line(image, hx, hy - 1, wx, wy - 1, biz_col(BIZ_WOOD, 11));
        }
    }
    // scaffold on the left side, a worker's welding spark on the right
    for (int32_t y = 60; y <= 100; y += 10) paint_rect(image, cx - 36, y, cx - 24, y, biz_col(BIZ_GOLD, 8));
    paint_rect(image, cx - 36, 58, cx - 36, 104, biz_col(BIZ_STEEL, 6));
    for (int32_t k = 0; k < 9; ++k) {
        int32_t sx = cx + 19 + (k % 3) - 1, sy = 70 + (k / 3) - 1;
        paint_pixel(image, sx, sy, biz_col(BIZ_GOLD, 15));
    }
    paint_line(image, cx + 20, 71, cx + 24, 76, biz_col(BIZ_GOLD, 13));
    paint_line(image, cx + 18, 71, cx + 15, 78, biz_col(BIZ_GOLD, 12));
    paint_pixel(image, cx + 19, 70, 15);
    // the worker on the scaffold
    paint_rect(image, cx - 32, 84, cx - 30, 89, biz_col(BIZ_GOLD, 9));
    paint_rect(image, cx - 32, 82, cx - 30, 83, biz_col(BIZ_SKIN, 10));
    paint_rect(image, cx - 32, 81, cx - 30, 81, biz_col(BIZ_GOLD, 13));
    paint_rect(image, cx - 32, 90, cx - 32, 93, biz_col(BIZ_NAVY, 4));
    paint_rect(image, cx - 30, 90, cx - 30, 93, biz_col(BIZ_NAVY, 4));
}

}  // namespace

void paint_biz_shipyard(PictureImage* image) {
    paint_clear(image, 0);
    paint_yard_scene(image);
    paint_yard_ship(image);
}

void paint_biz_ship_model(int32_t model, PictureImage* image) {
    paint_clear(image, 0);
    const ShipModelCutout& cut = g_ship_model_cutouts[model];
    ShipLook s = model_look(model);
    paint_ship_photo(image, s, cut.w, cut.h);
}
