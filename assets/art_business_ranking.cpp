// Pictures 8, 34 and 45: the property statistics board, the crown and the ranking list. The
// ranking list stacks copies of its own status brick and net-worth piece (the legend at the
// bottom right) in four columns over a plain backdrop, names the companies on light plates under
// them and gets the crown of picture 34 over the leader.
#include <algorithm>
#include <cstdlib>

#include "assets/art_business.h"

namespace {

// The chart field the screen draws the net-worth line into, dark so the white line reads.
constexpr int32_t CHART_X0 = 50, CHART_Y0 = 50, CHART_X1 = 250, CHART_Y1 = 150;

void paint_brick(PictureImage* image, int32_t x0, int32_t y0) {
    const int32_t w = BIZ_RANK_BRICK.w, h = BIZ_RANK_BRICK.h;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            int32_t level =
                8 * 16 +
                static_cast<int32_t>(biz_hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 44) % 20) -
                10;
            level += (w / 2 - x) * 2;  // lit from the left
            if (y == 0) level = 13 * 16;
            if (y == 1) level = 11 * 16;
            if (y == h - 1) level = 2 * 16;
            if (x == 0 && y > 0 && y < h - 1) level = 11 * 16;
            if (x == w - 1 && y > 0) level = 3 * 16;
            paint_pixel(image, x0 + x, y0 + y, biz_level(BIZ_RED, x0 + x, y0 + y, level));
        }
}

void paint_piece(PictureImage* image, int32_t x0, int32_t y0) {
    // a slice of a stack of gold coins: rim, face, shadow
    for (int32_t x = 0; x < BIZ_RANK_PIECE.w; ++x) {
        int32_t edge = (x == 0 || x == BIZ_RANK_PIECE.w - 1) ? -3 : (x < 4 ? 1 : 0);
        paint_pixel(image, x0 + x, y0, biz_col(BIZ_GOLD, 14 + edge));
        paint_pixel(image, x0 + x, y0 + 1, biz_col(BIZ_GOLD, 10 + edge));
        paint_pixel(image, x0 + x, y0 + 2, biz_col(BIZ_GOLD, 5 + edge));
    }
}

void paint_crown_shape(PictureImage* image, int32_t ox, int32_t oy) {
    // five points with pearls, a jewelled band and a velvet cap, inside 30 x 22 with a key border
    PaintPoint body[] = {{ox + 3, oy + 17},  {ox + 2, oy + 6},   {ox + 8, oy + 11},
                         {ox + 10, oy + 4},  {ox + 15, oy + 10}, {ox + 20, oy + 4},
                         {ox + 22, oy + 11}, {ox + 28, oy + 6},  {ox + 27, oy + 17}};
    paint_polygon(image, body, 9, biz_col(BIZ_WINE, 8));
    PaintPoint gold[] = {{ox + 3, oy + 17},  {ox + 2, oy + 6},  {ox + 7, oy + 13},  {ox + 10, oy + 4},
                         {ox + 14, oy + 12}, {ox + 15, oy + 3}, {ox + 16, oy + 12}, {ox + 20, oy + 4},
                         {ox + 23, oy + 13}, {ox + 28, oy + 6}, {ox + 27, oy + 17}};
    biz_polygon_field(image, gold, 11, BIZ_GOLD,
                      [&](int32_t x, int32_t y) { return 13 * 16 - (x - ox) * 8 / 2 + (oy + 10 - y) * 4; });
    // band
    biz_gradient(image, ox + 3, oy + 15, ox + 27, oy + 19, BIZ_GOLD, 14, 6, false);
    paint_rect(image, ox + 3, oy + 20, ox + 27, oy + 20, biz_col(BIZ_GOLD, 3));
    for (int32_t k = 0; k < 4; ++k) {
        int32_t jx = ox + 6 + k * 6;
        BizRamp j = k % 2 == 0 ? BIZ_RED : BIZ_TEAL;
        paint_rect(image, jx, oy + 16, jx + 1, oy + 18, biz_col(j, 9));
        paint_pixel(image, jx, oy + 16, biz_col(j, 14));
    }
    // pearls on the points
    for (PaintPoint p : {PaintPoint{ox + 2, oy + 4}, PaintPoint{ox + 10, oy + 2}, PaintPoint{ox + 15, oy + 1},
                         PaintPoint{ox + 20, oy + 2}, PaintPoint{ox + 28, oy + 4}}) {
        paint_rect(image, p.x - 1, p.y, p.x, p.y + 1, biz_col(BIZ_PAPER, 14));
        paint_pixel(image, p.x - 1, p.y, biz_col(BIZ_PAPER, 15));
    }
    // a glint
    paint_pixel(image, ox + 6, oy + 10, biz_col(BIZ_GOLD, 15));
    paint_pixel(image, ox + 10, oy + 7, 15);
}

}  // namespace

void paint_biz_crown(PictureImage* image) {
    paint_clear(image, BIZ_KEY);
    paint_crown_shape(image, BIZ_CROWN.x, BIZ_CROWN.y);
}

void paint_biz_ranking(PictureImage* image) {
    paint_clear(image, 0);
    // a deep blue backdrop over the columns, growing lighter towards the plinth
    biz_gradient(image, 0, 0, 319, 136, BIZ_NAVY, 2, 6, false);
    // slim pillars in the gaps between the columns
    for (int32_t k = 0; k < 4; ++k) {
        int32_t x = 80 * k + 80 - 4;
        if (x + 4 > 319) break;
        biz_cylinder_v(image, x - 1, 8, x + 3, 136, BIZ_STEEL, 4, 10);
        biz_block(image, x - 3, 4, x + 5, 8, BIZ_GOLD, 9);
    }
    // a velvet valance in swags above the columns (the crown stands below it, from row 22)
    for (int32_t x = 0; x < 320; ++x) {
        int32_t t = x % 40 - 20;
        int32_t drop = 18 - t * t / 40;
        for (int32_t y = 4; y <= drop; ++y) {
            int32_t fold = (y * 3 + std::abs(t)) % 8;
            paint_pixel(image, x, y,
                        biz_level(BIZ_WINE, x, y, (9 - (y - 4) / 3) * 16 + (fold < 4 ? 16 : -8)));
        }
        paint_pixel(image, x, drop, biz_col(BIZ_GOLD, 11));
        paint_pixel(image, x, drop + 1, biz_col(BIZ_GOLD, 6));
    }
    biz_block(image, 0, 0, 319, 3, BIZ_GOLD, 7);
    biz_cylinder_v(image, 0, 8, 4, 136, BIZ_STEEL, 4, 10);
    biz_cylinder_v(image, 315, 8, 319, 136, BIZ_STEEL, 4, 10);
    // the plinth, with a light name plate under each column
    biz_gradient(image, 0, 137, 319, 160, BIZ_STONE, 11, 7, false);
    paint_rect(image, 0, 137, 319, 137, biz_col(BIZ_STONE, 15));
    for (int32_t k = 0; k < 4; ++k) {
        int32_t x0 = 80 * k + 17;
        biz_block(image, x0, 139, x0 + 60, 156, BIZ_GOLD, 9);
        biz_gradient(image, x0 + 2, 141, x0 + 58, 154, BIZ_PAPER, 15, 13, false);
        paint_frame(image, x0 + 1, 140, x0 + 59, 155, biz_col(BIZ_GOLD, 6));
    }
    // the floor below, dark wood
    biz_planks(image, 0, 161, 319, 199, BIZ_WOOD, 4, 6, true, 45u);
    paint_rect(image, 0, 161, 319, 161, biz_col(BIZ_WOOD, 1));
    // the legend board with the sample brick and piece the screen copies
    biz_block(image, 206, 162, 316, 197, BIZ_WOOD, 8);
    paint_rect(image, 209, 164, 313, 195, biz_col(BIZ_STEEL, 2));
    paint_frame(image, 208, 163, 314, 196, biz_col(BIZ_WOOD, 11));
    paint_brick(image, BIZ_RANK_BRICK.x, BIZ_RANK_BRICK.y);
    // three small bricks stacked as a sign for "status", three piece rows for "worth"
    for (int32_t k = 0; k < 3; ++k)
        paint_rect(image, 268 + k * 2, 174 - k * 3, 278 + k * 2, 175 - k * 3, biz_col(BIZ_RED, 8 + k));
    for (int32_t k = 0; k < 5; ++k) paint_piece(image, BIZ_RANK_PIECE.x, BIZ_RANK_PIECE.y - 3 * k);
    for (int32_t k = 0; k < 6; ++k) paint_piece(image, 286, 190 - 3 * k);
    paint_piece(image, BIZ_RANK_PIECE.x, BIZ_RANK_PIECE.y);
}

void paint_biz_statistics(PictureImage* image) {
    paint_clear(image, 0);
    // a light drawing board on a wooden wall
    biz_planks(image, 0, BIZ_STATUS_ROWS, 319, 199, BIZ_WOOD, 6, 20, false, 8u);
    biz_block(image, 20, 24, 300, 199, BIZ_PAPER, 11);
    biz_field(image, 22, 26, 298, 199, BIZ_PAPER, [](int32_t x, int32_t y) {
        return 14 * 16 - (x + y) / 40 +
               static_cast<int32_t>(biz_hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 81) % 6);
    });
    // a drawing pin in each top corner
    for (int32_t x : {28, 292}) biz_ball(image, x, 31, 2, 2, BIZ_RED, 5, 14);
    // the chart field: a dark screen with a dim grid, axes and ticks outside it
    paint_rect(image, CHART_X0 - 3, CHART_Y0 - 3, CHART_X1 + 3, CHART_Y1 + 3, biz_col(BIZ_STEEL, 8));
    paint_bevel(image, CHART_X0 - 3, CHART_Y0 - 3, CHART_X1 + 3, CHART_Y1 + 3, biz_col(BIZ_STEEL, 12),
                biz_col(BIZ_STEEL, 3), false);
    biz_gradient(image, CHART_X0, CHART_Y0, CHART_X1, CHART_Y1, BIZ_NAVY, 4, 1, false);
    for (int32_t x = CHART_X0; x <= CHART_X1; x += 20)
        for (int32_t y = CHART_Y0; y <= CHART_Y1; y += 2) paint_pixel(image, x, y, biz_col(BIZ_NAVY, 6));
    for (int32_t y = CHART_Y0; y <= CHART_Y1; y += 10)
        for (int32_t x = CHART_X0; x <= CHART_X1; x += 2) paint_pixel(image, x, y, biz_col(BIZ_NAVY, 6));
    for (int32_t y = CHART_Y0; y <= CHART_Y1; y += 10)
        paint_rect(image, CHART_X0 - 9, y, CHART_X0 - 5, y, biz_col(BIZ_STEEL, 3));
    for (int32_t x = CHART_X0; x <= CHART_X1; x += 20)
        paint_rect(image, x, CHART_Y1 + 5, x, CHART_Y1 + 9, biz_col(BIZ_STEEL, 3));
    paint_rect(image, CHART_X0 - 6, CHART_Y0 - 2, CHART_X0 - 6, CHART_Y1 + 6, biz_col(BIZ_STEEL, 2));
    paint_rect(image, CHART_X0 - 6, CHART_Y1 + 6, CHART_X1 + 2, CHART_Y1 + 6, biz_col(BIZ_STEEL, 2));
    // up and down arrows at the ends of the value axis
    for (int32_t k = 0; k < 3; ++k) {
        paint_rect(image, CHART_X0 - 6 - k, CHART_Y0 - 4 + k, CHART_X0 - 6 + k, CHART_Y0 - 4 + k,
                   biz_col(BIZ_GREEN, 7));
        paint_rect(image, CHART_X1 + 4, CHART_Y1 + 6 - k, CHART_X1 + 4, CHART_Y1 + 6 + k,
                   biz_col(BIZ_STEEL, 2));
    }
    paint_rect(image, CHART_X1 + 1, CHART_Y1 + 6, CHART_X1 + 3, CHART_Y1 + 6, biz_col(BIZ_STEEL, 2));
    // on the right: a pen and a stack of coins, the owner's tools
    biz_thick_line(image, 262, 140, 290, 100, 3, biz_col(BIZ_NAVY, 6));
    paint_line(image, 261, 139, 289, 99, biz_col(BIZ_NAVY, 11));
    paint_rect(image, 259, 141, 261, 143, biz_col(BIZ_GOLD, 12));
    for (int32_t k = 0; k < 7; ++k) paint_piece(image, 266, 176 - 3 * k);
    for (int32_t k = 0; k < 4; ++k) paint_piece(image, 280, 176 - 3 * k);
    biz_ball(image, 272, 60, 14, 14, BIZ_GOLD, 5, 14);  // a medal-like seal
    biz_ball(image, 272, 60, 10, 10, BIZ_GOLD, 8, 12);
    paint_rect(image, 0, 0, 319, BIZ_STATUS_ROWS - 1, 0);
}
