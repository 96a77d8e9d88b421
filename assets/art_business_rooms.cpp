// Pictures 25, 43 and 44: the bankruptcy notice with the fiscal vulture, the panelled wall of the
// office information and bank screens, and the chart room behind the ships-positions list.
#include <algorithm>
#include <cstdlib>

#include "assets/art_business.h"

namespace {

// The notice the elimination texts are written on (black text needs a light ground).
constexpr int32_t NOTICE_X0 = 6, NOTICE_Y0 = 44, NOTICE_X1 = 204, NOTICE_Y1 = 195;

void paint_parchment(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    biz_field(image, x0, y0, x1, y1, BIZ_PAPER, [&](int32_t x, int32_t y) {
        int32_t edge = std::min({x - x0, x1 - x, y - y0, y1 - y});
        int32_t level = 14 * 16 +
                        static_cast<int32_t>(
                            biz_hash(static_cast<uint32_t>(x / 2), static_cast<uint32_t>(y / 2), 25) % 10) -
                        5;
        if (edge < 6) level -= (6 - edge) * 10;
        return level;
    });
    // torn edges: nibble the outline
    for (int32_t x = x0; x <= x1; ++x) {
        if (biz_hash(static_cast<uint32_t>(x), 1, 26) % 3 == 0)
            paint_pixel(image, x, y0, biz_col(BIZ_STEEL, 4));
        if (biz_hash(static_cast<uint32_t>(x), 2, 26) % 3 == 0)
            paint_pixel(image, x, y1, biz_col(BIZ_STEEL, 4));
    }
}

void paint_vulture(PictureImage* image, int32_t cx, int32_t cy) {
    // body: hunched shoulders, a drooping wing and a long tail, dark feathers lit from the left
    PaintPoint body[] = {{cx - 28, cy - 6},  {cx - 22, cy - 20}, {cx - 6, cy - 27}, {cx + 10, cy - 23},
                         {cx + 17, cy - 6},  {cx + 13, cy + 18}, {cx + 4, cy + 26}, {cx - 10, cy + 30},
                         {cx - 24, cy + 44}, {cx - 30, cy + 40}, {cx - 24, cy + 22}};
    biz_polygon_field(image, body, 11, BIZ_STEEL,
                      [&](int32_t x, int32_t y) { return 5 * 16 - (x - cx) * 2 - (y - cy) - 24; });
    PaintPoint wing[] = {{cx - 22, cy - 18}, {cx - 4, cy - 22},  {cx + 8, cy - 10}, {cx + 6, cy + 14},
                         {cx - 4, cy + 30},  {cx - 16, cy + 36}, {cx - 26, cy + 20}};
    biz_polygon_field(image, wing, 7, BIZ_STEEL,
                      [&](int32_t x, int32_t y) { return 6 * 16 - (x - cx) * 2 - (y - cy) - 20; });
    // feather rows on the wing and ragged tips
    for (int32_t row = 0; row < 7; ++row)
        for (int32_t x = cx - 20 + row; x <= cx + 4 - row; x += 4) {
            int32_t y = cy - 14 + row * 7 + ((x / 4) & 1);
            paint_line(image, x, y, x + 2, y + 4, biz_col(BIZ_STEEL, 0));
            paint_pixel(image, x, y, biz_col(BIZ_STEEL, 8));
        }
    for (int32_t k = 0; k < 5; ++k)
        paint_line(image, cx - 14 + k * 3, cy + 32 - k, cx - 16 + k * 3, cy + 38 - k, biz_col(BIZ_STEEL, 1));
    // the white ruff and the bare neck and head
    biz_ball(image, cx + 6, cy - 26, 14, 6, BIZ_PAPER, 9, 15);
    for (int32_t k = 0; k < 12; ++k) {
        int32_t fx = cx - 6 + k * 2;
        paint_line(image, fx, cy - 26, fx + 1, cy - 21, biz_col(BIZ_PAPER, 10 + (k & 1) * 3));
    }
    biz_thick_line(image, cx + 8, cy - 28, cx + 14, cy - 44, 5, biz_col(BIZ_SKIN, 8));
    biz_ball(image, cx + 16, cy - 48, 7, 6, BIZ_SKIN, 5, 13);
    // hooked beak and a mean eye
    PaintPoint beak[] = {
        {cx + 21, cy - 51}, {cx + 30, cy - 48}, {cx + 31, cy - 43}, {cx + 28, cy - 45}, {cx + 21, cy - 45}};
    biz_polygon_field(image, beak, 5, BIZ_GOLD,
                      [&](int32_t, int32_t y) { return 12 * 16 - (y - (cy - 51)) * 12; });
    paint_pixel(image, cx + 31, cy - 43, biz_col(BIZ_STEEL, 1));
    paint_rect(image, cx + 16, cy - 51, cx + 18, cy - 50, biz_col(BIZ_GOLD, 14));
    paint_pixel(image, cx + 17, cy - 51, biz_col(BIZ_STEEL, 0));
    paint_line(image, cx + 14, cy - 53, cx + 19, cy - 52, biz_col(BIZ_SKIN, 3));
    // tail and claws gripping the chest below
    PaintPoint tail[] = {{cx - 14, cy + 22}, {cx + 2, cy + 26}, {cx - 6, cy + 40}, {cx - 18, cy + 38}};
    paint_polygon(image, tail, 4, biz_col(BIZ_STEEL, 1));
    for (int32_t k = 0; k < 3; ++k) {
        int32_t fx = cx + 2 + k * 4;
        biz_thick_line(image, fx, cy + 24, fx + 1, cy + 32, 2, biz_col(BIZ_SKIN, 6));
        paint_line(image, fx + 1, cy + 32, fx + 3, cy + 34, biz_col(BIZ_STEEL, 12));
    }
}

void paint_money_chest(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    biz_planks(image, x0, y0, x1, y1, BIZ_WOOD, 7, 6, true, 3u);
    paint_frame(image, x0, y0, x1, y1, biz_col(BIZ_WOOD, 2));
    for (int32_t x : {x0 + 6, x1 - 8}) biz_block(image, x, y0, x + 2, y1, BIZ_STEEL, 7);
    biz_block(image, (x0 + x1) / 2 - 4, y0 + 6, (x0 + x1) / 2 + 4, y0 + 14, BIZ_GOLD, 9);
    paint_rect(image, (x0 + x1) / 2, y0 + 9, (x0 + x1) / 2, y0 + 12, biz_col(BIZ_STEEL, 0));
    // coins spilling from under the lid
    for (int32_t k = 0; k < 10; ++k) {
        uint32_t r = biz_hash(static_cast<uint32_t>(k), 6, 27);
        int32_t px = x0 - 8 + static_cast<int32_t>(r % static_cast<uint32_t>(x1 - x0 + 16));
        int32_t py = y1 + 1 + static_cast<int32_t>((r >> 8) % 4);
        paint_ellipse(image, px, py, 2, 1, biz_col(BIZ_GOLD, 10 + static_cast<int32_t>((r >> 16) % 5)));
    }
}

}  // namespace

void paint_biz_elimination(PictureImage* image) {
    paint_clear(image, 0);
    // a stormy evening over the harbour
    biz_gradient(image, 0, BIZ_STATUS_ROWS, 319, 120, BIZ_WINE, 3, 9, false);
    for (int32_t k = 0; k < 10; ++k) {
        uint32_t r = biz_hash(static_cast<uint32_t>(k), 4, 28);
        int32_t cx = static_cast<int32_t>(r % 320), cy = 20 + static_cast<int32_t>((r >> 8) % 80);
        int32_t rx = 20 + static_cast<int32_t>((r >> 16) % 30);
        for (int32_t y = cy - 5; y <= cy + 5; ++y)
            for (int32_t x = cx - rx; x <= cx + rx; ++x) {
                int32_t d = (x - cx) * (x - cx) * 25 / (rx * rx) + (y - cy) * (y - cy);
                if (d < 25 && biz_dither(x, y, 25 - d) && y >= BIZ_STATUS_ROWS)
                    paint_pixel(image, x, y, biz_col(BIZ_STEEL, 3 + (y < cy ? 2 : 0)));
            }
    }
    biz_gradient(image, 0, 121, 319, 199, BIZ_SEA, 4, 1, false);
    // a wreck going down far out
    PaintPoint hull[] = {{292, 124}, {316, 110}, {319, 113}, {298, 127}};
    paint_polygon(image, hull, 4, biz_col(BIZ_STEEL, 1));
    paint_line(image, 306, 100, 308, 118, biz_col(BIZ_STEEL, 2));
    // the vulture on its chest of gold, the notice on the left
    paint_money_chest(image, 226, 166, 300, 194);
    paint_vulture(image, 258, 132);
    paint_parchment(image, NOTICE_X0, NOTICE_Y0, NOTICE_X1, NOTICE_Y1);
    // a black mourning border, a seal in the corner
    paint_frame(image, NOTICE_X0 + 3, NOTICE_Y0 + 3, NOTICE_X1 - 3, NOTICE_Y1 - 3, biz_col(BIZ_STEEL, 2));
    biz_ball(image, NOTICE_X1 - 2, NOTICE_Y0 - 1, 7, 7, BIZ_RED, 3, 11);
    paint_rect(image, 0, 0, 319, BIZ_STATUS_ROWS - 1, 0);
}

void paint_biz_information(PictureImage* image) {
    paint_clear(image, 0);
    // dark walnut panels in a regular grid, so any part of the wall may show between the boxes
    biz_planks(image, 0, BIZ_STATUS_ROWS, 319, 199, BIZ_WOOD, 5, 5, false, 43u);
    for (int32_t x = 4; x < 320; x += 40)
        for (int32_t y = 32; y < 180; y += 50) {
            paint_bevel(image, x, y, x + 31, y + 41, biz_col(BIZ_WOOD, 9), biz_col(BIZ_WOOD, 1), true);
            paint_bevel(image, x + 3, y + 3, x + 28, y + 38, biz_col(BIZ_WOOD, 9), biz_col(BIZ_WOOD, 2),
                        false);
            biz_shift(image, x + 4, y + 4, x + 27, y + 37, BIZ_WOOD, 1);
        }
    // a cornice with dentils at the top, a marble counter rail lower down
    biz_gradient(image, 0, BIZ_STATUS_ROWS, 319, 24, BIZ_WOOD, 10, 6, false);
    for (int32_t x = 0; x < 320; x += 6) biz_block(image, x, 25, x + 3, 28, BIZ_WOOD, 8);
    paint_rect(image, 0, 29, 319, 29, biz_col(BIZ_WOOD, 2));
    biz_field(image, 0, 130, 319, 136, BIZ_STONE, [](int32_t x, int32_t y) {
        return 12 * 16 - (y - 130) * 12 +
               static_cast<int32_t>(biz_hash(static_cast<uint32_t>(x / 3), static_cast<uint32_t>(y), 9) % 12);
    });
    paint_rect(image, 0, 137, 319, 137, biz_col(BIZ_WOOD, 1));
    paint_rect(image, 0, BIZ_STATUS_ROWS, 319, BIZ_STATUS_ROWS, biz_col(BIZ_GOLD, 8));
    paint_rect(image, 0, 0, 319, BIZ_STATUS_ROWS - 1, 0);
}

void paint_biz_positions(PictureImage* image) {
    paint_clear(image, 0);
    // the chart: pale sea, coasts, a grid of meridians and parallels, a compass rose
    biz_planks(image, 0, BIZ_STATUS_ROWS, 319, 199, BIZ_WOOD, 4, 16, false, 44u);
    const int32_t x0 = 6, y0 = 20, x1 = 313, y1 = 194;
    biz_field(image, x0, y0, x1, y1, BIZ_SKY, [&](int32_t x, int32_t y) {
        return 14 * 16 - (std::abs(x - 160) + std::abs(y - 107)) / 10 +
               static_cast<int32_t>(biz_hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 45) % 8);
    });
    // land masses: blobby coasts from a few centres, shaded inland
    struct Blob {
        int32_t cx, cy, rx, ry;
    };
    const Blob land[] = {{30, 56, 44, 34},   {70, 40, 30, 16},   {14, 150, 24, 44}, {250, 30, 60, 22},
                         {300, 150, 30, 50}, {170, 196, 50, 16}, {120, 120, 10, 7}};
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) {
            int32_t best = 1 << 30;
            for (const Blob& b : land) {
                int32_t dx = (x - b.cx) * 64 / b.rx, dy = (y - b.cy) * 64 / b.ry;
                best = std::min(best, dx * dx + dy * dy);
            }
            // coast wobble on three scales, so the shores are ragged
            int32_t wobble =
                static_cast<int32_t>(
                    biz_hash(static_cast<uint32_t>(x / 16), static_cast<uint32_t>(y / 16), 46) % 2400) +
                static_cast<int32_t>(
                    biz_hash(static_cast<uint32_t>(x / 6), static_cast<uint32_t>(y / 6), 47) % 1200) +
                static_cast<int32_t>(
                    biz_hash(static_cast<uint32_t>(x / 2), static_cast<uint32_t>(y / 2), 48) % 400) -
                1600;
            int32_t d = best + wobble;
            if (d < 4096)
                paint_pixel(image, x, y,
                            biz_level(BIZ_PAPER, x, y, 11 * 16 + std::min((4096 - d) / 150, 60)));
            else if (d < 4500)
                paint_pixel(image, x, y, biz_col(BIZ_WOOD, 6));
            else if (d < 6400 && (x + y) % 3 == 0)
                paint_pixel(image, x, y, biz_col(BIZ_SKY, 10));
        }
    for (int32_t x = x0 + 10; x < x1; x += 30)
        for (int32_t y = y0; y <= y1; ++y)
            biz_shift(image, x, y, x, y,
                      paint_get(image, x, y) >= BIZ_PAPER.base && paint_get(image, x, y) < BIZ_PAPER.base + 16
                          ? BIZ_PAPER
                          : BIZ_SKY,
                      -3);
    for (int32_t y = y0 + 12; y < y1; y += 24)
        for (int32_t x = x0; x <= x1; ++x)
            biz_shift(image, x, y, x, y,
                      paint_get(image, x, y) >= BIZ_PAPER.base && paint_get(image, x, y) < BIZ_PAPER.base + 16
                          ? BIZ_PAPER
                          : BIZ_SKY,
                      -3);
    // rhumb lines from the rose
    const int32_t rx = 236, ry = 120;
    for (int32_t k = 0; k < 16; ++k) {
        static const int32_t dx[16] = {0, 38, 71, 92, 100, 92, 71, 38, 0, -38, -71, -92, -100, -92, -71, -38};
        static const int32_t dy[16] = {-100, -92, -71, -38, 0, 38, 71, 92, 100, 92, 71, 38, 0, -38, -71, -92};
        for (int32_t s = 18; s < 300; s += 2) {
            int32_t px = rx + dx[k] * s / 100, py = ry + dy[k] * s / 100;
            if (px < x0 || px > x1 || py < y0 || py > y1) break;
            if ((s / 2) % 3 != 0) paint_pixel(image, px, py, biz_col(BIZ_RED, 9));
        }
    }
    for (int32_t k = 0; k < 8; ++k) {
        static const int32_t dx[8] = {0, 11, 16, 11, 0, -11, -16, -11};
        static const int32_t dy[8] = {-16, -11, 0, 11, 16, 11, 0, -11};
        int32_t len = k % 2 == 0 ? 150 : 80;
        PaintPoint tri[] = {
            {rx, ry}, {rx + dy[k] / 3, ry - dx[k] / 3}, {rx + dx[k] * len / 100, ry + dy[k] * len / 100}};
        PaintPoint tri2[] = {
            {rx, ry}, {rx - dy[k] / 3, ry + dx[k] / 3}, {rx + dx[k] * len / 100, ry + dy[k] * len / 100}};
        paint_polygon(image, tri, 3, biz_col(BIZ_NAVY, 4));
        paint_polygon(image, tri2, 3, biz_col(BIZ_PAPER, 15));
    }
    biz_ball(image, rx, ry, 2, 2, BIZ_GOLD, 8, 15);
    // scale bar along the bottom edge and a dividers lying on the chart
    for (int32_t k = 0; k < 8; ++k)
        paint_rect(image, 20 + k * 10, 188, 29 + k * 10, 190,
                   biz_col(k % 2 == 0 ? BIZ_STEEL : BIZ_PAPER, k % 2 == 0 ? 2 : 15));
    paint_line(image, 150, 60, 176, 100, biz_col(BIZ_STEEL, 9));
    paint_line(image, 151, 60, 186, 98, biz_col(BIZ_STEEL, 6));
    biz_ball(image, 150, 59, 2, 2, BIZ_GOLD, 6, 14);
    // the chart's frame
    paint_bevel(image, x0 - 1, y0 - 1, x1 + 1, y1 + 1, biz_col(BIZ_WOOD, 2), biz_col(BIZ_WOOD, 11), false);
    paint_rect(image, 0, 0, 319, BIZ_STATUS_ROWS - 1, 0);
}
