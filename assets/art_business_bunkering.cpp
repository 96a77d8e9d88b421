// Picture 2: the bunkering station. A steel tank with a window, which the screen fills with fuel
// from the bottom; level marks beside it at the four buttons the screen draws on the left, with
// their percentages; a meter console whose three black windows take the cost, tonnes and price;
// pipes, a valve and the hose to the ship on the right.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "assets/art_business.h"

namespace {

// The tank's inside (the screen fills it from the bottom), the level rows and the button rows.
constexpr int32_t TANK_X0 = 88, TANK_Y0 = 56, TANK_X1 = 157, TANK_Y1 = 168;
constexpr int32_t LEVEL_ROWS[5] = {56, 84, 112, 140, 168};
constexpr const char* LEVEL_LABELS[4] = {"100%", "75%", "50%", "25%"};
constexpr int32_t BUTTON_X0 = 51, BUTTON_Y[4] = {54, 82, 110, 138};
// The three meter windows (cost, tonnes, price).
constexpr int32_t WINDOW_X0 = 172, WINDOW_X1 = 232, WINDOW_Y[3] = {59, 73, 101};

void paint_rivets(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t gap) {
    for (int32_t x = x0; x <= x1; x += gap)
        for (int32_t y : {y0, y1}) {
            paint_pixel(image, x, y, biz_col(BIZ_STEEL, 12));
            paint_pixel(image, x + 1, y + 1, biz_col(BIZ_STEEL, 3));
        }
}

void paint_wall(PictureImage* image) {
    // a pump house wall of riveted steel plates, a grated floor below
    biz_field(image, 0, BIZ_STATUS_ROWS, 319, 176, BIZ_STEEL, [](int32_t x, int32_t y) {
        int32_t plate = ((x / 40) + (y / 32)) & 1;
        return 6 * 16 + plate * 10 +
               static_cast<int32_t>(biz_hash(static_cast<uint32_t>(x / 2), static_cast<uint32_t>(y / 3), 2) %
                                    10) -
               (y - 15) / 16;
    });
    for (int32_t x = 0; x < 320; x += 40)
        paint_rect(image, x, BIZ_STATUS_ROWS, x, 176, biz_col(BIZ_STEEL, 2));
    for (int32_t y = BIZ_STATUS_ROWS + 17; y < 176; y += 32)
        paint_rect(image, 0, y, 319, y, biz_col(BIZ_STEEL, 2));
    for (int32_t x = 4; x < 320; x += 40)
        for (int32_t y = BIZ_STATUS_ROWS + 21; y < 176; y += 32) paint_rivets(image, x, y, x + 32, y + 24, 8);
    // floor grating
    biz_field(image, 0, 177, 319, 199, BIZ_STEEL, [](int32_t x, int32_t y) {
        return ((x % 4) == 0 || (y % 3) == 0) ? 2 * 16 : 7 * 16 + (y - 177) * 2;
    });
    paint_rect(image, 0, 177, 319, 177, biz_col(BIZ_GOLD, 10));  // a yellow safety edge
    for (int32_t x = 0; x < 320; x += 8) paint_rect(image, x, 178, x + 3, 179, biz_col(BIZ_GOLD, 9));
    for (int32_t x = 4; x < 320; x += 8) paint_rect(image, x, 178, x + 3, 179, biz_col(BIZ_STEEL, 1));
}

void paint_tank(PictureImage* image) {
    // the tank body with its rounded top and bottom, around the window
    biz_cylinder_v(image, TANK_X0 - 6, TANK_Y0 - 16, TANK_X1 + 6, TANK_Y1 + 8, BIZ_RED, 2, 10);
    for (int32_t y = TANK_Y0 - 22; y < TANK_Y0 - 16; ++y) {
        int32_t in = (TANK_Y0 - 16 - y) * (TANK_Y0 - 16 - y) / 3;
        biz_cylinder_v(image, TANK_X0 - 6 + in, y, TANK_X1 + 6 - in, y, BIZ_RED, 2, 11);
    }
    paint_rect(image, TANK_X0 - 6, TANK_Y1 + 9, TANK_X1 + 6, TANK_Y1 + 9, biz_col(BIZ_RED, 1));
    // legs on the floor
    for (int32_t x : {TANK_X0 - 8, TANK_X1 + 4})
        biz_cylinder_v(image, x, TANK_Y1 + 9, x + 4, 184, BIZ_STEEL, 2, 8);
    // a welded seam and rivets round the body
    for (int32_t y : {TANK_Y0 - 10, TANK_Y1 + 4}) {
        paint_rect(image, TANK_X0 - 6, y, TANK_X1 + 6, y, biz_col(BIZ_RED, 3));
        for (int32_t x = TANK_X0 - 4; x <= TANK_X1 + 4; x += 5)
            paint_pixel(image, x, y - 1, biz_col(BIZ_RED, 12));
    }
    // the window: a heavy frame (the walls at x 87 and 158, rows 55 and 169), the empty inside
    paint_rect(image, TANK_X0 - 4, TANK_Y0 - 4, TANK_X1 + 4, TANK_Y1 + 4, biz_col(BIZ_STEEL, 9));
    paint_bevel(image, TANK_X0 - 4, TANK_Y0 - 4, TANK_X1 + 4, TANK_Y1 + 4, biz_col(BIZ_STEEL, 13),
                biz_col(BIZ_STEEL, 3), false);
    paint_bevel(image, TANK_X0 - 1, TANK_Y0 - 1, TANK_X1 + 1, TANK_Y1 + 1, biz_col(BIZ_STEEL, 2),
                biz_col(BIZ_STEEL, 12), false);
    for (int32_t x = TANK_X0 - 3; x <= TANK_X1 + 3; x += 7)
        for (int32_t y : {TANK_Y0 - 3, TANK_Y1 + 3}) paint_pixel(image, x, y, biz_col(BIZ_STEEL, 14));
    // inside: a lit, empty tank: a light gradient, the far wall's stiffeners and a ladder
    biz_field(image, TANK_X0, TANK_Y0, TANK_X1, TANK_Y1, BIZ_STONE, [](int32_t x, int32_t y) {
        int32_t d = std::abs(x - 112);
        return 14 * 16 - d * 2 - (y - TANK_Y0) / 3;
    });
    for (int32_t x = TANK_X0 + 6; x < TANK_X1; x += 16)
        paint_rect(image, x, TANK_Y0, x + 1, TANK_Y1, biz_col(BIZ_STONE, 7));
    for (int32_t y = TANK_Y0 + 8; y < TANK_Y1; y += 28)
        paint_rect(image, TANK_X0, y, TANK_X1, y, biz_col(BIZ_STONE, 8));
    for (int32_t x : {TANK_X1 - 16, TANK_X1 - 9})
        paint_rect(image, x, TANK_Y0, x, TANK_Y1, biz_col(BIZ_STONE, 5));
    for (int32_t y = TANK_Y0 + 3; y < TANK_Y1; y += 6)
        paint_rect(image, TANK_X1 - 16, y, TANK_X1 - 9, y, biz_col(BIZ_STONE, 5));
    // a stain line of old fuel at the bottom
    for (int32_t x = TANK_X0; x <= TANK_X1; ++x) {
        paint_pixel(image, x, TANK_Y1, biz_col(BIZ_STONE, 4));
        if (biz_hash(static_cast<uint32_t>(x), 3, 4) % 2 != 0)
            paint_pixel(image, x, TANK_Y1 - 1, biz_col(BIZ_STONE, 6));
    }
    // the level marks on the right of the window
    for (int32_t k = 0; k < 5; ++k) {
        int32_t y = LEVEL_ROWS[k];
        paint_rect(image, TANK_X1 + 5, y, TANK_X1 + (k == 4 ? 6 : 8), y, biz_col(BIZ_GOLD, 14));
        paint_rect(image, TANK_X1 + 5, y + 1, TANK_X1 + (k == 4 ? 6 : 8), y + 1, biz_col(BIZ_RED, 2));
    }
    for (int32_t y = LEVEL_ROWS[0] + 7; y < LEVEL_ROWS[4]; y += 7)
        paint_rect(image, TANK_X1 + 5, y, TANK_X1 + 7, y, biz_col(BIZ_GOLD, 9));
}

void paint_level_labels(PictureImage* image) {
    // a placard per button with its percentage, and a line out to the tank's mark
    for (int32_t k = 0; k < 4; ++k) {
        int32_t y = BUTTON_Y[k];
        biz_block(image, 14, y - 2, BUTTON_X0 - 3, y + 10, BIZ_PAPER, 13);
        int32_t w = static_cast<int32_t>(std::char_traits<char>::length(LEVEL_LABELS[k])) * 4 - 1;
        biz_digits(image, 14 + (BUTTON_X0 - 3 - 14 - w) / 2 + 1, y + 2, LEVEL_LABELS[k], 1,
                   biz_col(BIZ_STEEL, 1));
        paint_rect(image, 81, LEVEL_ROWS[k], TANK_X0 - 5, LEVEL_ROWS[k], biz_col(BIZ_GOLD, 12));
        // a well behind the button the screen draws
        paint_rect(image, BUTTON_X0 - 2, y - 2, BUTTON_X0 + 31, y + 10, biz_col(BIZ_STEEL, 2));
        paint_bevel(image, BUTTON_X0 - 2, y - 2, BUTTON_X0 + 31, y + 10, biz_col(BIZ_STEEL, 1),
                    biz_col(BIZ_STEEL, 11), false);
    }
    // the button column sits on a panel of its own
    paint_bevel(image, 10, 46, 84, 152, biz_col(BIZ_STEEL, 11), biz_col(BIZ_STEEL, 2), false);
}

void paint_console(PictureImage* image) {
    // the meter console with three black windows, a pump switch and the flow dial
    biz_block(image, 166, 48, 240, 120, BIZ_STEEL, 10);
    biz_gradient(image, 168, 50, 238, 118, BIZ_STEEL, 11, 8, false);
    for (int32_t k = 0; k < 3; ++k) {
        int32_t y0 = WINDOW_Y[k], y1 = y0 + 10;
        paint_bevel(image, WINDOW_X0 - 1, y0 - 1, WINDOW_X1 + 1, y1 + 1, biz_col(BIZ_STEEL, 3),
                    biz_col(BIZ_STEEL, 14), false);
        paint_rect(image, WINDOW_X0, y0, WINDOW_X1, y1, 0);
    }
    // a flow dial between the tonnes and the price window
    biz_ball(image, 186, 92, 5, 5, BIZ_STEEL, 2, 6);
    biz_ball(image, 186, 92, 4, 4, BIZ_PAPER, 10, 15);
    paint_line(image, 186, 92, 189, 89, biz_col(BIZ_RED, 9));
    biz_block(image, 204, 87, 226, 96, BIZ_STEEL, 5);  // switch plate with a lever
    paint_rect(image, 208, 90, 222, 92, biz_col(BIZ_STEEL, 1));
    biz_ball(image, 211, 91, 2, 2, BIZ_RED, 6, 14);
    paint_rivets(image, 170, 52, 234, 115, 8);
    // cable down from the console
    biz_cylinder_v(image, 200, 121, 203, 176, BIZ_STEEL, 1, 5);
}

void paint_pipes(PictureImage* image) {
    // the bunker line: from the tank's top, along the ceiling, down to a valve and the hose
    biz_cylinder_h(image, 118, 24, 280, 31, BIZ_GOLD, 4, 12);
    biz_cylinder_v(image, 118, 24, 125, 40, BIZ_GOLD, 4, 12);
    biz_cylinder_v(image, 272, 24, 280, 128, BIZ_GOLD, 4, 12);
    for (int32_t y : {36, 80}) biz_block(image, 270, y, 282, y + 3, BIZ_GOLD, 7);  // flanges
    biz_block(image, 160, 22, 164, 33, BIZ_GOLD, 7);
    biz_block(image, 230, 22, 234, 33, BIZ_GOLD, 7);
    // the valve wheel
    int32_t cx = 276, cy = 104;
    for (int32_t y = -11; y <= 11; ++y)
        for (int32_t x = -11; x <= 11; ++x) {
            int32_t d = x * x + y * y;
            if (d >= 81 && d <= 121)
                paint_pixel(image, cx + x, cy + y, biz_col(BIZ_RED, 9 + (x + y < 0 ? 3 : -3)));
        }
    for (int32_t k = 0; k < 4; ++k) {
        static const int32_t dx[4] = {9, 0, -9, 0};
        static const int32_t dy[4] = {0, 9, 0, -9};
        biz_thick_line(image, cx, cy, cx + dx[k], cy + dy[k], 2, biz_col(BIZ_RED, 7));
    }
    biz_ball(image, cx, cy, 3, 3, BIZ_STEEL, 4, 13);
    // the hose in a loop to the floor and out to the right
    for (int32_t t = 0; t <= 60; ++t) {
        int32_t x = 276 + t / 3 + (t > 30 ? (t - 30) : 0), y = 128 + t - (t > 40 ? (t - 40) * 2 : 0);
        biz_cylinder_h(image, x - 3, y - 3, x + 3, y + 3, BIZ_STEEL, 1, 5);
    }
    // barrels standing along the wall
    for (int32_t x0 : {244, 256}) {
        biz_cylinder_v(image, x0 - 2, 150, x0 + 10, 176, x0 == 244 ? BIZ_GREEN : BIZ_NAVY, 2, 10);
        for (int32_t y : {154, 163, 172}) paint_rect(image, x0 - 2, y, x0 + 10, y, biz_col(BIZ_STEEL, 3));
    }
}

}  // namespace

void paint_biz_bunkering(PictureImage* image) {
    paint_clear(image, 0);
    paint_wall(image);
    paint_pipes(image);
    paint_tank(image);
    paint_level_labels(image);
    paint_console(image);
    // a lamp cage over the tank
    biz_block(image, 60, 17, 72, 21, BIZ_STEEL, 6);
    biz_ball(image, 66, 24, 4, 3, BIZ_GOLD, 10, 15);
    for (int32_t x = 62; x <= 70; x += 2) paint_pixel(image, x, 24, biz_col(BIZ_STEEL, 3));
    paint_rect(image, 0, 0, 319, BIZ_STATUS_ROWS - 1, 0);
}
