// Drawing helpers shared by the pictures of the main group.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "assets/art_main.h"

namespace {

constexpr int32_t BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// 3 x 5 digit shapes, one row per 3-bit group, top row first.
constexpr uint8_t DIGITS[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

// Strokes of the capitals of the product name on a grid 6 units wide and 8 high: pairs of points,
// (x0, y0, x1, y1) per stroke, ended by -1.
struct LogoLetter {
    int32_t width;
    int32_t strokes[40];
};

constexpr LogoLetter LOGO_M = {6, {0, 8, 0, 0, 0, 0, 3, 5, 3, 5, 6, 0, 6, 0, 6, 8, -1}};
constexpr LogoLetter LOGO_A = {6, {0, 8, 3, 0, 3, 0, 6, 8, 1, 5, 5, 5, -1}};
constexpr LogoLetter LOGO_R = {6, {0, 8, 0, 0, 0, 0, 4, 0, 4, 0, 5, 1, 5, 1, 5, 3, 5, 3, 4, 4, 4, 4, 0, 4,
                                   3, 4, 6, 8, -1}};
constexpr LogoLetter LOGO_I = {2, {1, 0, 1, 8, -1}};
constexpr LogoLetter LOGO_V = {6, {0, 0, 3, 8, 3, 8, 6, 0, -1}};
constexpr LogoLetter LOGO_N = {6, {0, 8, 0, 0, 0, 0, 6, 8, 6, 8, 6, 0, -1}};
constexpr LogoLetter LOGO_E = {5, {5, 0, 0, 0, 0, 0, 0, 8, 0, 8, 5, 8, 0, 4, 4, 4, -1}};
constexpr const LogoLetter* LOGO_WORD[] = {&LOGO_M, &LOGO_A, &LOGO_R, &LOGO_I,
                                           &LOGO_V, &LOGO_A, &LOGO_N, &LOGO_E};
constexpr int32_t LOGO_GAP = 2;

}  // namespace

uint32_t main_noise_next(MainNoise* noise) {
    noise->state = noise->state * 1664525u + 1013904223u;
    return noise->state >> 8;
}

int32_t main_noise_range(MainNoise* noise, int32_t lo, int32_t hi) {
    if (hi <= lo) return lo;
    return lo + static_cast<int32_t>(main_noise_next(noise) % static_cast<uint32_t>(hi - lo + 1));
}

int32_t main_hash(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<int32_t>(h & 255u);
}

int32_t main_smooth_noise(int32_t x, int32_t y, int32_t cell, uint32_t seed) {
    if (cell <= 1) return main_hash(x, y, seed);
    int32_t cx = (x >= 0 ? x : x - cell + 1) / cell, cy = (y >= 0 ? y : y - cell + 1) / cell;
    int32_t fx = x - cx * cell, fy = y - cy * cell;
    int32_t a = main_hash(cx, cy, seed), b = main_hash(cx + 1, cy, seed);
    int32_t c = main_hash(cx, cy + 1, seed), d = main_hash(cx + 1, cy + 1, seed);
    int32_t top = a * (cell - fx) + b * fx, bottom = c * (cell - fx) + d * fx;
    return (top * (cell - fy) + bottom * fy) / (cell * cell);
}

void main_ramp(PictureImage* image, int32_t first, int32_t count, int32_t r0, int32_t g0, int32_t b0,
               int32_t r1, int32_t g1, int32_t b1) {
    const uint8_t from[3] = {static_cast<uint8_t>(r0), static_cast<uint8_t>(g0), static_cast<uint8_t>(b0)};
    const uint8_t to[3] = {static_cast<uint8_t>(r1), static_cast<uint8_t>(g1), static_cast<uint8_t>(b1)};
    paint_palette_ramp(image, first, count, from, to);
}

bool main_dither(int32_t x, int32_t y, int32_t level) {
    return level > BAYER[y & 3][x & 3];
}

int32_t main_shade(int32_t x, int32_t y, int32_t first, int32_t count, int32_t pos) {
    pos = std::clamp(pos, 0, 255);
    int32_t scaled = pos * (count - 1) * 16 / 255;
    int32_t step = scaled / 16;
    if (main_dither(x, y, scaled % 16) && step < count - 1) ++step;
    return first + step;
}

void main_brush_line(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t radius,
                     int32_t colour) {
    if (radius <= 0) {
        paint_line(image, x0, y0, x1, y1, colour);
        return;
    }
    int32_t dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    int32_t steps = std::max(dx, dy);
    for (int32_t i = 0; i <= steps; ++i) {
        int32_t x = steps ? x0 + (x1 - x0) * i / steps : x0;
        int32_t y = steps ? y0 + (y1 - y0) * i / steps : y0;
        paint_ellipse(image, x, y, radius, radius, colour);
    }
}

void main_ball(PictureImage* image, int32_t cx, int32_t cy, int32_t rx, int32_t ry, int32_t first,
               int32_t count) {
    if (rx <= 0 || ry <= 0) {
        paint_pixel(image, cx, cy, first + count - 1);
        return;
    }
    for (int32_t y = -ry; y <= ry; ++y)
        for (int32_t x = -rx; x <= rx; ++x) {
            int32_t u = x * 256 / rx, v = y * 256 / ry;
            if (u * u + v * v > 256 * 256) continue;
            int32_t lu = u + 100, lv = v + 100;
            int32_t d = 256 * 256 - std::min(lu * lu + lv * lv, 256 * 256);
            paint_pixel(image, cx + x, cy + y, main_shade(cx + x, cy + y, first, count, d / 256));
        }
}

void main_ring(PictureImage* image, int32_t cx, int32_t cy, int32_t rx, int32_t ry, int32_t width,
               int32_t colour) {
    int32_t ox = rx + width - 1, oy = ry + width - 1;
    int64_t ox2 = static_cast<int64_t>(ox) * ox, oy2 = static_cast<int64_t>(oy) * oy;
    int64_t ix = std::max(rx - 1, 0), iy = std::max(ry - 1, 0);
    int64_t ix2 = ix * ix, iy2 = iy * iy;
    for (int32_t y = -oy; y <= oy; ++y)
        for (int32_t x = -ox; x <= ox; ++x) {
            bool in_outer = x * x * oy2 + y * y * ox2 <= ox2 * oy2;
            bool in_inner = ix > 0 && iy > 0 && x * x * iy2 + y * y * ix2 < ix2 * iy2;
            if (in_outer && !in_inner) paint_pixel(image, cx + x, cy + y, colour);
        }
}

void main_digit(PictureImage* image, int32_t x, int32_t y, int32_t digit, int32_t scale, int32_t colour) {
    if (digit < 0 || digit > 9) return;
    for (int32_t row = 0; row < 5; ++row)
        for (int32_t col = 0; col < 3; ++col)
            if (DIGITS[digit][row] & (4 >> col))
                paint_rect(image, x + col * scale, y + row * scale, x + col * scale + scale - 1,
                           y + row * scale + scale - 1, colour);
}

void main_replace(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t from,
                  int32_t to) {
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x)
            if (paint_get(image, x, y) == from) paint_pixel(image, x, y, to);
}

void main_starry_sky(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t first,
                     int32_t count, int32_t star, int32_t stars, uint32_t seed) {
    paint_gradient(image, x0, y0, x1, y1, first, count, false);
    MainNoise noise = {seed};
    for (int32_t i = 0; i < stars; ++i) {
        int32_t x = main_noise_range(&noise, x0, x1);
        // more stars high up, fading towards the horizon
        int32_t a = main_noise_range(&noise, 0, y1 - y0);
        int32_t b = main_noise_range(&noise, 0, y1 - y0);
        int32_t y = y0 + std::min(a, b);
        paint_pixel(image, x, y, star);
        if (main_noise_range(&noise, 0, 9) == 0) {  // a few brighter ones with a cross
            paint_pixel(image, x - 1, y, star);
            paint_pixel(image, x + 1, y, star);
            paint_pixel(image, x, y - 1, star);
            paint_pixel(image, x, y + 1, star);
        }
    }
}

int32_t main_logo_width(int32_t cell) {
    int32_t units = 0;
    for (const LogoLetter* letter : LOGO_WORD) units += letter->width + LOGO_GAP;
    return (units - LOGO_GAP) * cell + cell;  // the strokes' brush overhangs half a cell each side
}

int32_t main_logo(PictureImage* image, int32_t x, int32_t y, int32_t cell, int32_t first, int32_t count,
                  int32_t outline, int32_t shadow) {
    int32_t width = main_logo_width(cell), height = 9 * cell;
    int32_t pad = 3;
    int32_t mw = width + 2 * pad, mh = height + 2 * pad;
    std::vector<uint8_t> mask(static_cast<size_t>(mw * mh), 0);
    // Strokes are drawn into a mask with a round brush half a cell wide, then shaded.
    PictureImage* scratch = new PictureImage();
    std::fill(std::begin(scratch->pixels), std::end(scratch->pixels), 0);
    int32_t ux = pad + cell / 2;
    int32_t radius = std::max(1, cell * 5 / 8);
    for (const LogoLetter* letter : LOGO_WORD) {
        for (int32_t i = 0; letter->strokes[i] >= 0; i += 4) {
            const int32_t* s = &letter->strokes[i];
            main_brush_line(scratch, ux + s[0] * cell, pad + cell / 2 + s[1] * cell, ux + s[2] * cell,
                            pad + cell / 2 + s[3] * cell, radius, 1);
        }
        ux += (letter->width + LOGO_GAP) * cell;
    }
    for (int32_t my = 0; my < mh && my < PICTURE_IMAGE_HEIGHT; ++my)
        for (int32_t mx = 0; mx < mw && mx < PICTURE_IMAGE_WIDTH; ++mx)
            mask[static_cast<size_t>(my * mw + mx)] = static_cast<uint8_t>(paint_get(scratch, mx, my) == 1);
    delete scratch;
    auto in = [&](int32_t mx, int32_t my) {
        return mx >= 0 && my >= 0 && mx < mw && my < mh && mask[static_cast<size_t>(my * mw + mx)];
    };
    int32_t ox = x - pad, oy = y - pad;
    if (shadow >= 0)
        for (int32_t my = 0; my < mh; ++my)
            for (int32_t mx = 0; mx < mw; ++mx)
                if (in(mx - 3, my - 3) || in(mx - 2, my - 3)) paint_pixel(image, ox + mx, oy + my, shadow);
    for (int32_t my = 0; my < mh; ++my)
        for (int32_t mx = 0; mx < mw; ++mx) {
            if (in(mx, my)) continue;
            bool near = false;
            for (int32_t dy = -1; dy <= 1 && !near; ++dy)
                for (int32_t dx = -1; dx <= 1 && !near; ++dx) near = in(mx + dx, my + dy);
            if (near && outline >= 0) paint_pixel(image, ox + mx, oy + my, outline);
        }
    for (int32_t my = 0; my < mh; ++my)
        for (int32_t mx = 0; mx < mw; ++mx) {
            if (!in(mx, my)) continue;
            // a metallic fill: light at the top, a dark band just under the middle, light again
            int32_t t = (my - pad) * 256 / std::max(1, height);
            int32_t pos = t < 128 ? 255 - t : 128 + (t - 128) * 3 / 4;
            if (t > 110 && t < 150) pos = 60 + std::abs(t - 130) * 2;
            int32_t colour = main_shade(ox + mx, oy + my, first, count, pos);
            if (!in(mx - 1, my - 1)) colour = first + count - 1;              // lit upper-left edge
            else if (!in(mx + 1, my + 1)) colour = first + std::max(0, count / 5);  // shaded lower-right
            paint_pixel(image, ox + mx, oy + my, colour);
        }
    return width;
}

void main_ship_silhouette(PictureImage* image, int32_t x, int32_t y, int32_t w, int32_t colour,
                          int32_t light) {
    int32_t hull_h = std::max(3, w / 12);
    // hull: sheer rising to a raked bow, a square stern
    PaintPoint hull[] = {{x, y - hull_h},
                         {x + w * 85 / 100, y - hull_h},
                         {x + w, y - hull_h - hull_h / 2},
                         {x + w - w / 14, y + 1},
                         {x + 2, y + 1}};
    paint_polygon(image, hull, 5, colour);
    // bridge house aft, funnel behind it, cargo cranes and containers forward
    int32_t house_x = x + w / 12, house_w = w / 7, house_h = hull_h * 2;
    paint_rect(image, house_x, y - hull_h - house_h, house_x + house_w, y - hull_h, colour);
    paint_rect(image, house_x - 1, y - hull_h - house_h, house_x + house_w + 2, y - hull_h - house_h + 1, colour);
    int32_t funnel_x = house_x + house_w / 3;
    paint_rect(image, funnel_x, y - hull_h - house_h - hull_h, funnel_x + std::max(2, w / 30),
               y - hull_h - house_h, colour);
    for (int32_t cx = house_x + house_w + w / 25; cx < x + w * 80 / 100; cx += std::max(4, w / 10)) {
        int32_t stack = hull_h / 2 + (cx / 7) % 2 * (hull_h / 3);
        paint_rect(image, cx, y - hull_h - stack, cx + std::max(3, w / 12) - 1, y - hull_h, colour);
    }
    int32_t mast_x = x + w * 88 / 100;
    paint_line(image, mast_x, y - hull_h - 1, mast_x, y - hull_h * 3, colour);
    if (light >= 0) {
        for (int32_t k = 0; k < house_w - 1; k += 2) paint_pixel(image, house_x + 1 + k, y - hull_h - house_h + 3, light);
        paint_pixel(image, mast_x, y - hull_h * 3, light);
    }
}
