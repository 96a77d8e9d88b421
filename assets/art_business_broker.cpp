// Pictures 7 and 42: the broker's building. The lift hall has a marble hall with the lift in the
// middle: the screen paints the closed doors over the opening and slides them apart to show the
// car inside, and runs the floor light along the black strip above it. The lift panel is the lobby
// wall around the floor directory that the screen draws in the middle.
#include <algorithm>
#include <cstdlib>

#include "assets/art_business.h"

namespace {

// The lift opening (the doors are drawn over it) and the indicator strip above it.
constexpr int32_t LIFT_X0 = 142, LIFT_X1 = 189, LIFT_Y0 = 88, LIFT_Y1 = 132;
constexpr int32_t STRIP_X0 = 145, STRIP_X1 = 188, STRIP_Y0 = 78, STRIP_Y1 = 83;

constexpr BizRoom HALL = {46, 30, 274, 134, 15, 199, 160, 84};

// Marble: a light stone with soft dark veins.
int32_t marble_level(int32_t x, int32_t y, int32_t base, uint32_t seed) {
    int32_t v = static_cast<int32_t>(
        biz_hash(static_cast<uint32_t>((x + y * 2) / 7), static_cast<uint32_t>((y - x) / 9), seed) % 16);
    int32_t vein =
        ((x * 3 + y * 5 + static_cast<int32_t>(biz_hash(static_cast<uint32_t>(y / 6), 1, seed) % 9)) % 37) ==
                0
            ? -40
            : 0;
    return base * 16 + v - 8 + vein;
}

void paint_hall_shell(PictureImage* image) {
    paint_rect(image, 0, 0, 319, BIZ_STATUS_ROWS - 1, 0);
    for (int32_t y = HALL.top; y <= HALL.bottom; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t c;
            switch (biz_room_part(HALL, x, y)) {
                case BIZ_BACK:
                    c = biz_level(BIZ_STONE, x, y, marble_level(x, y, 12, 1u));
                    break;
                case BIZ_CEILING: {
                    int32_t depth = HALL.y0 - y;
                    int32_t u = HALL.vx + (x - HALL.vx) * (HALL.y0 - HALL.vy) / std::min(y - HALL.vy, -1);
                    int32_t level = 10 * 16 - depth * 2;
                    if (((u + 400) % 40) < 2) level = 5 * 16;  // coffers
                    c = biz_level(BIZ_PAPER, x, y, level);
                    break;
                }
                case BIZ_LEFT:
                case BIZ_RIGHT: {
                    int32_t far = std::abs(x - HALL.vx) * 24 / 160;
                    c = biz_level(BIZ_STONE, x, y, marble_level(x, y, x < HALL.vx ? 10 : 9, 2u) - far);
                    break;
                }
                default: {
                    // checkered marble floor in perspective
                    int32_t depth = biz_room_floor_depth(HALL, y);
                    int32_t u = biz_room_floor_u(HALL, x, y);
                    int32_t row = 4000 / std::max(y - HALL.vy, 1) / 9;
                    bool dark = (((u + 1000) / 22 + row) & 1) != 0;
                    int32_t level = dark ? 3 * 16 : 11 * 16;
                    level += depth / 16 - 8;
                    c = biz_level(dark ? BIZ_WINE : BIZ_STONE, x, y, level);
                    break;
                }
            }
            paint_pixel(image, x, y, c);
        }
    paint_rect(image, HALL.x0, HALL.y1 - 2, HALL.x1, HALL.y1, biz_col(BIZ_WINE, 4));
    // cornice along the top of the back wall
    paint_rect(image, HALL.x0, HALL.y0, HALL.x1, HALL.y0 + 3, biz_col(BIZ_STONE, 14));
    for (int32_t x = HALL.x0; x <= HALL.x1; x += 4)
        paint_rect(image, x, HALL.y0 + 4, x + 1, HALL.y0 + 5, biz_col(BIZ_STONE, 8));
}

void paint_pillar(PictureImage* image, int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
    biz_cylinder_v(image, x0, y0, x1, y1, BIZ_STONE, 6, 15);
    for (int32_t x = x0 + 2; x < x1 - 1; x += 3)
        paint_rect(image, x, y0 + 6, x, y1 - 6, biz_col(BIZ_STONE, 7 + (x - x0) * 6 / std::max(x1 - x0, 1)));
    biz_block(image, x0 - 3, y0, x1 + 3, y0 + 4, BIZ_GOLD, 10);
    biz_block(image, x0 - 3, y1 - 4, x1 + 3, y1, BIZ_GOLD, 8);
}

// A closed lift door pair in brass, for the side lifts.
void paint_side_lift(PictureImage* image, int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
    biz_block(image, x0 - 4, y0 - 12, x1 + 4, y1, BIZ_GOLD, 6);
    int32_t mid = (x0 + x1) / 2;
    biz_gradient(image, x0, y0, mid, y1, BIZ_GOLD, 11, 7, true);
    biz_gradient(image, mid + 1, y0, x1, y1, BIZ_GOLD, 10, 6, true);
    paint_rect(image, mid, y0, mid, y1, biz_col(BIZ_GOLD, 2));
    for (int32_t x = x0 + 3; x < x1 - 2; x += 6) {
        if (std::abs(x - mid) < 2) continue;
        paint_rect(image, x, y0 + 6, x + 2, y1 - 6, biz_col(BIZ_GOLD, 12));
    }
    paint_rect(image, x0, y0 - 9, x1, y0 - 4, 0);  // its own floor strip, dark
    paint_rect(image, mid - 1, y0 - 7, mid, y0 - 6, biz_col(BIZ_RED, 10));
}

void paint_lift(PictureImage* image) {
    // surround: a broad brass frame with a pediment over the indicator
    biz_block(image, LIFT_X0 - 10, LIFT_Y0 - 20, LIFT_X1 + 10, LIFT_Y1 + 2, BIZ_GOLD, 7);
    paint_bevel(image, LIFT_X0 - 6, LIFT_Y0 - 16, LIFT_X1 + 6, LIFT_Y1 + 2, biz_col(BIZ_GOLD, 12),
                biz_col(BIZ_GOLD, 3), true);
    PaintPoint ped[] = {
        {LIFT_X0 - 12, LIFT_Y0 - 20}, {(LIFT_X0 + LIFT_X1) / 2, LIFT_Y0 - 32}, {LIFT_X1 + 12, LIFT_Y0 - 20}};
    biz_polygon_field(image, ped, 3, BIZ_GOLD, [](int32_t, int32_t y) { return 8 * 16 + (y - 56) * 4; });
    paint_line(image, LIFT_X0 - 12, LIFT_Y0 - 20, (LIFT_X0 + LIFT_X1) / 2, LIFT_Y0 - 32,
               biz_col(BIZ_GOLD, 14));
    paint_line(image, (LIFT_X0 + LIFT_X1) / 2, LIFT_Y0 - 32, LIFT_X1 + 12, LIFT_Y0 - 20,
               biz_col(BIZ_GOLD, 4));
    // the indicator: a black strip the light runs along, with a mark over each stop
    paint_rect(image, STRIP_X0 - 1, STRIP_Y0 - 1, STRIP_X1 + 1, STRIP_Y1 + 1, biz_col(BIZ_GOLD, 3));
    paint_rect(image, STRIP_X0, STRIP_Y0, STRIP_X1, STRIP_Y1, 0);
    for (int32_t x = 148; x <= 184; x += 6) {
        paint_rect(image, x, STRIP_Y0 - 4, x + 1, STRIP_Y0 - 3, biz_col(BIZ_GOLD, 14));
        paint_pixel(image, x + 1, STRIP_Y0 - 3, biz_col(BIZ_GOLD, 9));
    }
    // the car inside: lit wood panels, a mirror back, a handrail and a light in its ceiling
    biz_gradient(image, LIFT_X0, LIFT_Y0, LIFT_X1, LIFT_Y1, BIZ_WOOD, 12, 8, false);
    for (int32_t x = LIFT_X0 + 4; x < LIFT_X1 - 2; x += 10) {
        paint_bevel(image, x, LIFT_Y0 + 8, x + 7, LIFT_Y1 - 12, biz_col(BIZ_WOOD, 12), biz_col(BIZ_WOOD, 4),
                    true);
    }
    biz_gradient(image, LIFT_X0 + 14, LIFT_Y0 + 10, LIFT_X1 - 14, LIFT_Y0 + 30, BIZ_SKY, 12, 8, false);
    paint_frame(image, LIFT_X0 + 13, LIFT_Y0 + 9, LIFT_X1 - 13, LIFT_Y0 + 31, biz_col(BIZ_GOLD, 12));
    paint_rect(image, LIFT_X0 + 1, LIFT_Y0, LIFT_X1 - 1, LIFT_Y0 + 2, biz_col(BIZ_PAPER, 15));
    paint_rect(image, LIFT_X0 + 1, LIFT_Y0 + 3, LIFT_X1 - 1, LIFT_Y0 + 3, biz_col(BIZ_WOOD, 4));
    paint_rect(image, LIFT_X0 + 2, LIFT_Y0 + 34, LIFT_X1 - 2, LIFT_Y0 + 35, biz_col(BIZ_GOLD, 13));
    biz_gradient(image, LIFT_X0, LIFT_Y1 - 6, LIFT_X1, LIFT_Y1, BIZ_RED, 7, 10, false);
    // the call buttons beside the opening
    biz_block(image, LIFT_X1 + 14, 104, LIFT_X1 + 20, 116, BIZ_GOLD, 9);
    biz_ball(image, LIFT_X1 + 17, 108, 1, 1, BIZ_RED, 8, 14);
    biz_ball(image, LIFT_X1 + 17, 113, 1, 1, BIZ_STEEL, 6, 12);
}

void paint_bench(PictureImage* image, int32_t x0, int32_t x1, int32_t y) {
    biz_block(image, x0, y - 14, x1, y - 10, BIZ_WINE, 8);
    biz_block(image, x0, y - 9, x1, y - 6, BIZ_WINE, 6);
    for (int32_t x : {x0 + 2, x1 - 3}) paint_rect(image, x, y - 5, x + 1, y, biz_col(BIZ_GOLD, 7));
}

void paint_lamp_sconce(PictureImage* image, int32_t cx, int32_t cy) {
    // the light pool on the wall first, then the fitting
    for (int32_t y = cy - 14; y <= cy + 10; ++y)
        for (int32_t x = cx - 10; x <= cx + 10; ++x) {
            int32_t d = std::abs(x - cx) * 2 + std::abs(y - cy + 4);
            if (d < 20 && biz_dither(x, y, 20 - d)) biz_shift(image, x, y, x, y, BIZ_STONE, 1);
        }
    biz_block(image, cx - 1, cy, cx + 1, cy + 6, BIZ_GOLD, 8);
    PaintPoint cup[] = {{cx - 5, cy - 6}, {cx + 5, cy - 6}, {cx + 3, cy}, {cx - 3, cy}};
    paint_polygon(image, cup, 4, biz_col(BIZ_PAPER, 14));
    paint_rect(image, cx - 5, cy - 7, cx + 5, cy - 7, biz_col(BIZ_PAPER, 15));
}

}  // namespace

void paint_biz_lift_hall(PictureImage* image) {
    paint_clear(image, 0);
    paint_hall_shell(image);
    paint_side_lift(image, 70, 104, 96, HALL.y1 - 2);
    paint_side_lift(image, 216, 250, 96, HALL.y1 - 2);
    paint_pillar(image, 118, 126, HALL.y0 + 6, HALL.y1 - 1);
    paint_pillar(image, 204, 212, HALL.y0 + 6, HALL.y1 - 1);
    paint_lamp_sconce(image, 60, 62);
    paint_lamp_sconce(image, 260, 62);
    paint_lift(image);
    // tall pillars on the side walls, plants and benches in the hall
    paint_pillar(image, 10, 24, 16, 190);
    paint_pillar(image, 296, 310, 16, 190);
    biz_plant(image, 44, 186, 54, 11u);
    biz_plant(image, 276, 186, 54, 12u);
    paint_bench(image, 60, 100, 160);
    paint_bench(image, 220, 260, 160);
    // a runner carpet leading to the lift
    PaintPoint run[] = {
        {LIFT_X0 + 2, HALL.y1 + 1}, {LIFT_X1 - 2, HALL.y1 + 1}, {LIFT_X1 + 40, 199}, {LIFT_X0 - 40, 199}};
    biz_polygon_field(image, run, 4, BIZ_RED, [](int32_t x, int32_t y) {
        int32_t edge = std::min(std::abs(x - 165), 200) * 256 / (24 + (y - 134) * 40 / 65);
        return edge > 225 ? 12 * 16 : 6 * 16 + (y - 134) / 2;
    });
}

void paint_biz_lift_panel(PictureImage* image) {
    paint_clear(image, 0);
    // marble wall, a dark skirting and floor
    biz_field(image, 0, BIZ_STATUS_ROWS, 319, 188, BIZ_STONE,
              [](int32_t x, int32_t y) { return marble_level(x, y, 11, 3u); });
    biz_gradient(image, 0, 189, 319, 199, BIZ_WINE, 5, 2, false);
    paint_rect(image, 0, 188, 319, 188, biz_col(BIZ_GOLD, 10));
    // the directory's brass frame around the box the screen fills
    biz_block(image, 22, 27, 288, 191, BIZ_GOLD, 8);
    paint_bevel(image, 26, 31, 284, 188, biz_col(BIZ_GOLD, 3), biz_col(BIZ_GOLD, 13), false);
    paint_rect(image, 27, 32, 283, 187, biz_col(BIZ_WOOD, 4));
    for (int32_t x : {24, 286}) {
        for (int32_t y : {29, 189}) biz_ball(image, x, y, 2, 2, BIZ_GOLD, 6, 15);
    }
    // a crest over it: a ship's wheel in brass between two laurel sprigs
    int32_t cx = 155, cy = 21;
    for (int32_t k = 0; k < 8; ++k) {
        static const int32_t dx[8] = {0, 4, 6, 4, 0, -4, -6, -4};
        static const int32_t dy[8] = {-6, -4, 0, 4, 6, 4, 0, -4};
        paint_line(image, cx, cy, cx + dx[k], cy + dy[k], biz_col(BIZ_GOLD, 11));
    }
    for (int32_t y = -5; y <= 5; ++y)
        for (int32_t x = -5; x <= 5; ++x) {
            int32_t d = x * x + y * y;
            if (d >= 12 && d <= 22)
                paint_pixel(image, cx + x, cy + y, biz_col(BIZ_GOLD, 9 + (x + y < 0 ? 4 : 0)));
        }
    for (int32_t side : {-1, 1})
        for (int32_t k = 0; k < 6; ++k) {
            int32_t lx = cx + side * (10 + k * 4), ly = cy + 3 - k;
            paint_ellipse(image, lx, ly, 2, 1, biz_col(BIZ_GREEN, 7 + (k & 1) * 3));
        }
    // wall lamps on both sides and plants at the foot of the wall
    paint_lamp_sconce(image, 12, 70);
    paint_lamp_sconce(image, 302, 70);
    paint_lamp_sconce(image, 12, 140);
    paint_lamp_sconce(image, 302, 140);
    biz_plant(image, 300, 198, 30, 21u);
    biz_plant(image, 12, 198, 30, 22u);
}
