#include "assets/paint.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// 4 x 4 ordered-dither thresholds, 0..15.
constexpr int32_t BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

}  // namespace

void paint_palette_set(PictureImage* image, int32_t index, int32_t r, int32_t g, int32_t b) {
    if (index < 32 || index > 255) return;
    uint8_t* t = &image->palette[3 * (index - 32)];
    t[0] = static_cast<uint8_t>(std::clamp(r, 0, 63));
    t[1] = static_cast<uint8_t>(std::clamp(g, 0, 63));
    t[2] = static_cast<uint8_t>(std::clamp(b, 0, 63));
}

void paint_palette_ramp(PictureImage* image, int32_t first, int32_t count, const uint8_t from[3],
                        const uint8_t to[3]) {
    for (int32_t i = 0; i < count; ++i) {
        int32_t d = count > 1 ? count - 1 : 1;
        int32_t c[3];
        for (int32_t k = 0; k < 3; ++k) c[k] = from[k] + (to[k] - from[k]) * i / d;
        paint_palette_set(image, first + i, c[0], c[1], c[2]);
    }
}

void paint_palette_copy(PictureImage* to, const PictureImage* from) {
    std::memcpy(to->palette, from->palette, sizeof to->palette);
}

void paint_pixel(PictureImage* image, int32_t x, int32_t y, int32_t colour) {
    if (x < 0 || y < 0 || x >= PICTURE_IMAGE_WIDTH || y >= PICTURE_IMAGE_HEIGHT) return;
    image->pixels[y * PICTURE_IMAGE_WIDTH + x] = static_cast<uint8_t>(colour);
}

int32_t paint_get(const PictureImage* image, int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= PICTURE_IMAGE_WIDTH || y >= PICTURE_IMAGE_HEIGHT) return -1;
    return image->pixels[y * PICTURE_IMAGE_WIDTH + x];
}

void paint_clear(PictureImage* image, int32_t colour) {
    std::memset(image->pixels, colour, sizeof image->pixels);
}

void paint_rect(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t colour) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, PICTURE_IMAGE_WIDTH - 1);
    y1 = std::min(y1, PICTURE_IMAGE_HEIGHT - 1);
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x)
            image->pixels[y * PICTURE_IMAGE_WIDTH + x] = static_cast<uint8_t>(colour);
}

void paint_frame(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t colour) {
    paint_rect(image, x0, y0, x1, y0, colour);
    paint_rect(image, x0, y1, x1, y1, colour);
    paint_rect(image, x0, y0, x0, y1, colour);
    paint_rect(image, x1, y0, x1, y1, colour);
}

void paint_bevel(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t light,
                 int32_t dark, bool sunken) {
    int32_t top = sunken ? dark : light;
    int32_t bottom = sunken ? light : dark;
    paint_rect(image, x0, y0, x1, y0, top);
    paint_rect(image, x0, y0, x0, y1, top);
    paint_rect(image, x0 + 1, y1, x1, y1, bottom);
    paint_rect(image, x1, y0 + 1, x1, y1, bottom);
}

void paint_line(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t colour) {
    int32_t dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int32_t dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int32_t err = dx + dy;
    for (;;) {
        paint_pixel(image, x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        int32_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void paint_ellipse(PictureImage* image, int32_t cx, int32_t cy, int32_t rx, int32_t ry, int32_t colour) {
    if (rx <= 0 || ry <= 0) {
        paint_pixel(image, cx, cy, colour);
        return;
    }
    int64_t rx2 = static_cast<int64_t>(rx) * rx, ry2 = static_cast<int64_t>(ry) * ry;
    for (int32_t y = -ry; y <= ry; ++y)
        for (int32_t x = -rx; x <= rx; ++x)
            if (x * x * ry2 + y * y * rx2 <= rx2 * ry2) paint_pixel(image, cx + x, cy + y, colour);
}

void paint_polygon(PictureImage* image, const PaintPoint* points, int32_t count, int32_t colour) {
    if (count < 3) return;
    std::vector<int32_t> xs;
    for (int32_t y = 0; y < PICTURE_IMAGE_HEIGHT; ++y) {
        xs.clear();
        // Crossings of the row through the pixel centres (y + 0.5), in doubled coordinates.
        int32_t yc = 2 * y + 1;
        for (int32_t i = 0; i < count; ++i) {
            PaintPoint a = points[i], b = points[(i + 1) % count];
            int32_t ay = 2 * a.y, by = 2 * b.y;
            if ((ay <= yc) == (by <= yc)) continue;
            // x of the crossing, doubled, rounded down
            int64_t num =
                static_cast<int64_t>(2 * a.x) * (by - yc) + static_cast<int64_t>(2 * b.x) * (yc - ay);
            int64_t den = by - ay;
            int64_t q = num / den;
            if ((num % den != 0) && ((num < 0) != (den < 0))) --q;
            xs.push_back(static_cast<int32_t>(q));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            // pixel centres 2x + 1 within [xs[i], xs[i + 1])
            int32_t from = std::max(xs[i] / 2 - 1, 0),
                    to = std::min(xs[i + 1] / 2 + 1, PICTURE_IMAGE_WIDTH - 1);
            for (int32_t x = from; x <= to; ++x)
                if (2 * x + 1 >= xs[i] && 2 * x + 1 < xs[i + 1])
                    image->pixels[y * PICTURE_IMAGE_WIDTH + x] = static_cast<uint8_t>(colour);
        }
    }
}

void paint_gradient(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t first,
                    int32_t count, bool horizontal) {
    int32_t span = horizontal ? x1 - x0 : y1 - y0;
    if (span <= 0 || count <= 1) {
        paint_rect(image, x0, y0, x1, y1, first);
        return;
    }
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) {
            int32_t t = horizontal ? x - x0 : y - y0;
            // position in sixteenths of a step
            int32_t pos = t * (count - 1) * 16 / span;
            int32_t step = pos / 16, frac = pos % 16;
            if (frac > BAYER[y & 3][x & 3] && step < count - 1) ++step;
            paint_pixel(image, x, y, first + step);
        }
}

void paint_noise(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t base,
                 int32_t count, uint32_t seed) {
    uint32_t s = seed * 2654435761u + 1u;
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) {
            s = s * 1103515245u + 12345u;
            int32_t c = paint_get(image, x, y);
            if (c < base || c >= base + count) continue;
            int32_t r = static_cast<int32_t>((s >> 16) % 8);
            if (r == 0 && c > base) paint_pixel(image, x, y, c - 1);
            if (r == 1 && c < base + count - 1) paint_pixel(image, x, y, c + 1);
        }
}
