// Palette and drawing helpers of the business pictures.
#include <algorithm>
#include <cstdlib>

#include "assets/art_business.h"

namespace {

constexpr int32_t BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

struct RampColours {
    BizRamp ramp;
    uint8_t dark[3];
    uint8_t mid[3];
    uint8_t light[3];
};

// Each ramp runs dark -> mid -> light in two straight pieces, so the middle can carry the hue.
constexpr RampColours RAMPS[] = {
    {BIZ_STEEL, {3, 4, 6}, {24, 26, 30}, {56, 58, 60}},    {BIZ_SKY, {8, 14, 30}, {26, 38, 56}, {54, 58, 63}},
    {BIZ_SEA, {0, 5, 12}, {6, 20, 34}, {28, 46, 54}},      {BIZ_WOOD, {8, 4, 2}, {30, 17, 8}, {54, 40, 24}},
    {BIZ_RED, {10, 1, 1}, {42, 8, 6}, {63, 38, 30}},       {BIZ_GREEN, {2, 7, 3}, {12, 30, 12}, {40, 58, 32}},
    {BIZ_PAPER, {22, 18, 12}, {48, 43, 32}, {63, 62, 55}}, {BIZ_GOLD, {14, 7, 0}, {46, 32, 4}, {63, 61, 36}},
    {BIZ_RUST, {10, 4, 1}, {36, 16, 5}, {58, 40, 20}},     {BIZ_TEAL, {0, 7, 9}, {6, 30, 32}, {36, 62, 58}},
    {BIZ_NAVY, {2, 2, 9}, {10, 14, 34}, {38, 44, 62}},     {BIZ_STONE, {8, 7, 6}, {32, 30, 27}, {60, 58, 54}},
    {BIZ_SKIN, {18, 8, 4}, {48, 30, 20}, {63, 52, 42}},    {BIZ_WINE, {8, 0, 3}, {32, 6, 14}, {56, 32, 40}},
};

}  // namespace

int32_t biz_col(BizRamp ramp, int32_t step) {
    return ramp.base + std::clamp(step, 0, ramp.count - 1);
}

void biz_palette(PictureImage* image) {
    paint_palette_set(image, BIZ_KEY, 63, 0, 63);
    for (const RampColours& r : RAMPS) {
        int32_t half = r.ramp.count / 2;
        paint_palette_ramp(image, r.ramp.base, half + 1, r.dark, r.mid);
        paint_palette_ramp(image, r.ramp.base + half, r.ramp.count - half, r.mid, r.light);
    }
}

bool biz_dither(int32_t x, int32_t y, int32_t frac) {
    return frac > BAYER[y & 3][x & 3];
}

int32_t biz_level(BizRamp ramp, int32_t x, int32_t y, int32_t level16) {
    level16 = std::clamp(level16, 0, (ramp.count - 1) * 16);
    int32_t step = level16 / 16;
    if (biz_dither(x, y, level16 % 16)) ++step;
    return biz_col(ramp, step);
}

void biz_gradient(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
                  int32_t from_step, int32_t to_step, bool horizontal) {
    int32_t span = std::max(horizontal ? x1 - x0 : y1 - y0, 1);
    biz_field(image, x0, y0, x1, y1, ramp, [&](int32_t x, int32_t y) {
        int32_t t = horizontal ? x - x0 : y - y0;
        return from_step * 16 + (to_step - from_step) * 16 * t / span;
    });
}

void biz_block(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
               int32_t step) {
    paint_rect(image, x0, y0, x1, y1, biz_col(ramp, step));
    paint_bevel(image, x0, y0, x1, y1, biz_col(ramp, step + 3), biz_col(ramp, step - 3), false);
}

void biz_well(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
              int32_t step) {
    paint_rect(image, x0, y0, x1, y1, biz_col(ramp, step));
    paint_bevel(image, x0, y0, x1, y1, biz_col(ramp, step + 3), biz_col(ramp, step - 3), true);
}

void biz_cylinder_v(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
                    int32_t dark, int32_t light) {
    int32_t w = std::max(x1 - x0, 1);
    biz_field(image, x0, y0, x1, y1, ramp, [&](int32_t x, int32_t) {
        // brightest a third in from the left, falling off towards both edges
        int32_t t = (x - x0) * 256 / w;
        int32_t d = std::abs(t - 85);
        int32_t k = 256 - std::min(d * 256 / 171, 256);
        return dark * 16 + (light - dark) * 16 * k / 256;
    });
}

void biz_cylinder_h(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
                    int32_t dark, int32_t light) {
    int32_t h = std::max(y1 - y0, 1);
    biz_field(image, x0, y0, x1, y1, ramp, [&](int32_t, int32_t y) {
        int32_t t = (y - y0) * 256 / h;
        int32_t d = std::abs(t - 85);
        int32_t k = 256 - std::min(d * 256 / 171, 256);
        return dark * 16 + (light - dark) * 16 * k / 256;
    });
}

void biz_ball(PictureImage* image, int32_t cx, int32_t cy, int32_t rx, int32_t ry, BizRamp ramp, int32_t dark,
              int32_t light) {
    rx = std::max(rx, 1);
    ry = std::max(ry, 1);
    for (int32_t y = -ry; y <= ry; ++y)
        for (int32_t x = -rx; x <= rx; ++x) {
            int32_t u = x * 256 / rx, v = y * 256 / ry;
            if (u * u + v * v > 256 * 256) continue;
            int32_t lu = u + 100, lv = v + 100;
            int32_t d = std::min(lu * lu + lv * lv, 4 * 256 * 256);
            int32_t k = 256 - d / (4 * 256);
            paint_pixel(image, cx + x, cy + y,
                        biz_level(ramp, cx + x, cy + y, dark * 16 + (light - dark) * 16 * k / 256));
        }
}

uint32_t biz_hash(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

void biz_planks(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
                int32_t step, int32_t width, bool horizontal, uint32_t seed) {
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) {
            int32_t across = horizontal ? y - y0 : x - x0;
            int32_t along = horizontal ? x : y;
            int32_t plank = across / width, in = across % width;
            uint32_t ph = biz_hash(static_cast<uint32_t>(plank), 7, seed);
            // grain: a slow wave along the plank, offset per plank
            int32_t wave =
                static_cast<int32_t>(
                    (biz_hash(static_cast<uint32_t>(plank),
                              static_cast<uint32_t>((along + static_cast<int32_t>(ph % 64)) / 5), seed + 1) %
                     13)) -
                6;
            int32_t level = step * 16 + static_cast<int32_t>(ph % 3) * 8 - 8 + wave * 2;
            if (in == width - 1) level = (step - 4) * 16;
            if (in == 0) level = (step + 1) * 16;
            paint_pixel(image, x, y, biz_level(ramp, x, y, level));
        }
}

void biz_shift(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
               int32_t delta) {
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) {
            int32_t c = paint_get(image, x, y);
            if (c >= ramp.base && c < ramp.base + ramp.count)
                paint_pixel(image, x, y, biz_col(ramp, c - ramp.base + delta));
        }
}

void biz_shift_half(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
                    int32_t delta) {
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) {
            if (((x + y) & 1) != 0) continue;
            int32_t c = paint_get(image, x, y);
            if (c >= ramp.base && c < ramp.base + ramp.count)
                paint_pixel(image, x, y, biz_col(ramp, c - ramp.base + delta));
        }
}

void biz_thick_line(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width,
                    int32_t colour) {
    int32_t lo = -(width - 1) / 2, hi = width / 2;
    for (int32_t dy = lo; dy <= hi; ++dy)
        for (int32_t dx = lo; dx <= hi; ++dx) paint_line(image, x0 + dx, y0 + dy, x1 + dx, y1 + dy, colour);
}

namespace {

// 3 x 5 shapes, one 3-bit row each, top first; index 10 is the percent sign.
constexpr uint8_t DIGITS[11][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1}, {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}, {5, 1, 2, 4, 5},
};

}  // namespace

int32_t biz_digits(PictureImage* image, int32_t x, int32_t y, const char* text, int32_t scale,
                   int32_t colour) {
    for (const char* p = text; *p != 0; ++p) {
        int32_t g = *p == '%' ? 10 : *p - '0';
        if (g < 0 || g > 10) {
            x += 2 * scale;
            continue;
        }
        for (int32_t r = 0; r < 5; ++r)
            for (int32_t c = 0; c < 3; ++c)
                if ((DIGITS[g][r] >> (2 - c)) & 1)
                    paint_rect(image, x + c * scale, y + r * scale, x + c * scale + scale - 1,
                               y + r * scale + scale - 1, colour);
        x += 4 * scale;
    }
    return x;
}

void biz_view(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t horizon,
              uint32_t seed) {
    biz_gradient(image, x0, y0, x1, horizon, BIZ_SKY, 9, 15, false);
    // a few soft clouds
    for (int32_t k = 0; k < 4; ++k) {
        uint32_t h = biz_hash(static_cast<uint32_t>(k), 3, seed);
        int32_t cx = x0 + static_cast<int32_t>(h % static_cast<uint32_t>(std::max(x1 - x0, 1)));
        int32_t cy =
            y0 + 3 + static_cast<int32_t>((h >> 8) % static_cast<uint32_t>(std::max(horizon - y0 - 6, 1)));
        for (int32_t y = cy - 2; y <= cy + 2; ++y)
            for (int32_t x = cx - 9; x <= cx + 9; ++x) {
                if (x < x0 || x > x1 || y < y0 || y >= horizon) continue;
                int32_t d = std::abs(x - cx) * 2 + std::abs(y - cy) * 6;
                if (d < 18 && biz_dither(x, y, 18 - d)) paint_pixel(image, x, y, biz_col(BIZ_SKY, 15));
            }
    }
    // the far shore: a low hill line on one side
    int32_t span = std::max(x1 - x0, 1);
    for (int32_t x = x0; x <= x1; ++x) {
        int32_t t = (x - x0) * 100 / span;
        int32_t hgt =
            t < 45 ? (45 - t) / 6 + static_cast<int32_t>(biz_hash(static_cast<uint32_t>(x / 3), 1, seed) % 2)
                   : 0;
        for (int32_t y = horizon - hgt; y < horizon; ++y)
            if (y >= y0) paint_pixel(image, x, y, biz_col(BIZ_SKY, 4));
    }
    biz_field(image, x0, horizon, x1, y1, BIZ_SEA, [&](int32_t x, int32_t y) {
        int32_t d = y - horizon;
        int32_t ripple = static_cast<int32_t>(
            biz_hash(static_cast<uint32_t>((x + d * 3) / (4 + d / 3)), static_cast<uint32_t>(y), seed) % 24);
        return 13 * 16 - d * 16 * 7 / std::max(y1 - horizon, 1) + ripple - 12;
    });
}

void biz_plant(PictureImage* image, int32_t cx, int32_t base, int32_t height, uint32_t seed) {
    // terracotta pot
    int32_t pw = std::max(height / 5, 4);
    for (int32_t y = 0; y < pw + 2; ++y) {
        int32_t half = pw - y / 3;
        biz_cylinder_v(image, cx - half, base - y, cx + half, base - y, BIZ_SKIN, 2, 9);
    }
    paint_rect(image, cx - pw - 1, base - pw - 3, cx + pw + 1, base - pw - 2, biz_col(BIZ_SKIN, 10));
    // leaves: thin arcs fanning out from the pot
    int32_t top = base - pw - 3;
    for (int32_t k = 0; k < 14; ++k) {
        uint32_t h = biz_hash(static_cast<uint32_t>(k), 11, seed);
        int32_t dir = static_cast<int32_t>(h % 61) - 30;  // lean, in units of 1/10 of the height
        int32_t len = height * (6 + static_cast<int32_t>((h >> 8) % 5)) / 10;
        int32_t shade = 4 + static_cast<int32_t>((h >> 16) % 8);
        int32_t px = cx, py = top;
        for (int32_t s = 1; s <= len; ++s) {
            int32_t x = cx + dir * s * s / (len * 30 + 1) + dir / 10;
            int32_t y = top - s + (std::abs(dir) * s * s) / (len * 40 + 1);
            paint_line(image, px, py, x, y, biz_col(BIZ_GREEN, shade + (s > len / 2 ? 2 : 0)));
            if (s % 3 == 0) paint_pixel(image, x + (dir > 0 ? 1 : -1), y, biz_col(BIZ_GREEN, shade - 2));
            px = x;
            py = y;
        }
    }
}

void biz_wall_picture(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t seed) {
    // gilded frame, then a sea with a small steamer
    biz_block(image, x0, y0, x1, y1, BIZ_GOLD, 8);
    paint_frame(image, x0 + 1, y0 + 1, x1 - 1, y1 - 1, biz_col(BIZ_GOLD, 6));
    int32_t ix0 = x0 + 3, iy0 = y0 + 3, ix1 = x1 - 3, iy1 = y1 - 3;
    int32_t hz = iy0 + (iy1 - iy0) * 3 / 5;
    biz_view(image, ix0, iy0, ix1, iy1, hz, seed);
    paint_frame(image, ix0 - 1, iy0 - 1, ix1 + 1, iy1 + 1, biz_col(BIZ_GOLD, 3));
    int32_t sx = (ix0 + ix1) / 2, len = std::max((ix1 - ix0) / 3, 6);
    PaintPoint hull[] = {{sx - len / 2, hz - 2},
                         {sx + len / 2 + 2, hz - 3},
                         {sx + len / 2, hz + 1},
                         {sx - len / 2 + 1, hz + 1}};
    paint_polygon(image, hull, 4, biz_col(BIZ_STEEL, 1));
    paint_rect(image, sx - len / 6, hz - 5, sx + len / 8, hz - 3, biz_col(BIZ_STONE, 14));
    paint_rect(image, sx, hz - 8, sx + 1, hz - 5, biz_col(BIZ_RED, 8));
}

namespace {

int64_t cross(int64_t ax, int64_t ay, int64_t bx, int64_t by) {
    return ax * by - ay * bx;
}

}  // namespace

BizRoomPart biz_room_part(const BizRoom& room, int32_t x, int32_t y) {
    if (x >= room.x0 && x <= room.x1 && y >= room.y0 && y <= room.y1) return BIZ_BACK;
    int64_t px = x - room.vx, py = y - room.vy;
    int64_t tlx = room.x0 - room.vx, tly = room.y0 - room.vy, trx = room.x1 - room.vx,
            try_ = room.y0 - room.vy;
    int64_t brx = room.x1 - room.vx, bry = room.y1 - room.vy, blx = room.x0 - room.vx,
            bly = room.y1 - room.vy;
    if (cross(tlx, tly, px, py) >= 0 && cross(px, py, trx, try_) > 0) return BIZ_CEILING;
    if (cross(trx, try_, px, py) >= 0 && cross(px, py, brx, bry) > 0) return BIZ_RIGHT;
    if (cross(brx, bry, px, py) >= 0 && cross(px, py, blx, bly) > 0) return BIZ_FLOOR;
    return BIZ_LEFT;
}

int32_t biz_room_wall_y(const BizRoom& room, int32_t x, int32_t v256) {
    int32_t cx = x < room.vx ? room.x0 : room.x1;
    int32_t den = cx - room.vx;
    if (den == 0) den = 1;
    int32_t top = room.vy + (room.y0 - room.vy) * (x - room.vx) / den;
    int32_t bottom = room.vy + (room.y1 - room.vy) * (x - room.vx) / den;
    return top + (bottom - top) * v256 / 256;
}

int32_t biz_room_floor_u(const BizRoom& room, int32_t x, int32_t y) {
    int32_t dy = std::max(y - room.vy, 1);
    return room.vx + (x - room.vx) * (room.y1 - room.vy) / dy;
}

int32_t biz_room_floor_depth(const BizRoom& room, int32_t y) {
    return std::clamp((y - room.y1) * 256 / std::max(room.bottom - room.y1, 1), 0, 256);
}
