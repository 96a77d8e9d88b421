// Picture 38: the shipowners gather on the quay. Four captains in their caps stand in pairs at the
// left and right edges, where the players' dialog leaves the picture open; behind them a cargo
// ship lies at the quay under the cranes, in the light of early morning.
#include <algorithm>
#include <cstdlib>

#include "assets/art_main.h"

namespace {

constexpr int32_t SKY = 33;      // 12 steps, high blue to the warm horizon
constexpr int32_t SEA = 45;      // 8 steps
constexpr int32_t STONE = 53;    // 8 steps, the quay
constexpr int32_t HULL = 61;     // 8 steps, the ship at the quay
constexpr int32_t COAT = 69;     // 6 steps, navy blue
constexpr int32_t TROUSERS = 75; // 4 steps
constexpr int32_t SKIN = 79;     // 5 steps
constexpr int32_t CAP = 84;      // 4 steps, white cap covers
constexpr int32_t GOLD = 88;     // 4 steps
constexpr int32_t BLACK = 92;
constexpr int32_t BEARD = 93;    // 4 steps, grey to white
constexpr int32_t CRANE = 97;    // 6 steps, orange cranes
constexpr int32_t WHITE = 103;   // 4 steps, superstructure
constexpr int32_t HAIR = 107;    // 3 steps, brown
constexpr int32_t RED = 110;     // 4 steps, boot topping and funnel

constexpr int32_t HORIZON = 108, QUAY_Y = 150;

void palette(PictureImage* image) {
    paint_palette_set(image, 32, 63, 0, 63);
    main_ramp(image, SKY, 12, 22, 34, 54, 60, 52, 44);
    main_ramp(image, SEA, 8, 8, 18, 28, 34, 44, 50);
    main_ramp(image, STONE, 8, 12, 11, 10, 46, 42, 36);
    main_ramp(image, HULL, 8, 6, 8, 12, 30, 34, 40);
    main_ramp(image, COAT, 6, 2, 3, 10, 16, 20, 36);
    main_ramp(image, TROUSERS, 4, 3, 3, 8, 14, 15, 24);
    main_ramp(image, SKIN, 5, 30, 16, 10, 62, 44, 34);
    main_ramp(image, CAP, 4, 36, 38, 42, 63, 63, 63);
    main_ramp(image, GOLD, 4, 34, 22, 4, 63, 54, 20);
    paint_palette_set(image, BLACK, 2, 2, 3);
    main_ramp(image, BEARD, 4, 30, 30, 32, 58, 58, 58);
    main_ramp(image, CRANE, 6, 24, 8, 2, 63, 38, 12);
    main_ramp(image, WHITE, 4, 34, 36, 40, 60, 60, 58);
    main_ramp(image, HAIR, 3, 12, 6, 2, 30, 18, 8);
    main_ramp(image, RED, 4, 20, 3, 3, 54, 12, 8);
}

void harbour(PictureImage* image) {
    paint_gradient(image, 0, 0, 319, HORIZON - 1, SKY, 12, false);
    // a few morning clouds
    for (int32_t y = 4; y < 60; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t n = main_smooth_noise(x, y * 4, 20, 5);
            if (n > 175) paint_pixel(image, x, y, main_shade(x, y, SKY, 12, 170 + (n - 175) * 2 + y));
        }
    for (int32_t y = HORIZON; y < QUAY_Y; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t n = main_smooth_noise(x, y * 5, 4 + (y - HORIZON) / 6, 6);
            paint_pixel(image, x, y, main_shade(x, y, SEA, 8, 220 - (y - HORIZON) * 3 + (n - 128) / 2));
        }
    // the ship at the far side of the basin
    int32_t sx0 = 40, sx1 = 290, water = 132;
    PaintPoint hull[] = {{sx0, 100}, {sx1 - 16, 100}, {sx1, 94}, {sx1 - 10, water}, {sx0 + 4, water}};
    paint_polygon(image, hull, 5, HULL + 4);
    for (int32_t y = 92; y <= water; ++y)
        for (int32_t x = sx0; x <= sx1; ++x)
            if (paint_get(image, x, y) == HULL + 4)
                paint_pixel(image, x, y, y > water - 5 ? RED + 1 : main_shade(x, y, HULL, 8, 200 - (y - 94) * 4));
    for (int32_t x = sx0 + 8; x < sx1 - 14; x += 9) paint_pixel(image, x, 106, HULL);
    // containers, bridge and funnel
    MainNoise noise = {3};
    for (int32_t x = sx0 + 60; x < sx1 - 30; x += 12) {
        int32_t layers = main_noise_range(&noise, 2, 4);
        for (int32_t l = 0; l < layers; ++l) {
            int32_t base = (main_noise_range(&noise, 0, 3) == 0 ? CRANE : l % 2 ? HULL + 2 : RED);
            paint_rect(image, x, 99 - 6 * (l + 1), x + 10, 98 - 6 * l, base + 2);
            paint_rect(image, x, 99 - 6 * (l + 1), x + 10, 99 - 6 * (l + 1), base + 3);
            for (int32_t k = x + 2; k < x + 10; k += 3) paint_rect(image, k, 101 - 6 * (l + 1), k, 97 - 6 * l, base + 1);
        }
    }
    paint_rect(image, sx0 + 12, 66, sx0 + 44, 99, WHITE + 2);
    paint_rect(image, sx0 + 8, 66, sx0 + 48, 68, WHITE + 3);
    for (int32_t y = 72; y < 98; y += 7)
        for (int32_t x = sx0 + 15; x < sx0 + 42; x += 5) paint_rect(image, x, y, x + 2, y + 2, HULL + 1);
    paint_rect(image, sx0 + 22, 50, sx0 + 34, 65, RED + 2);
    paint_rect(image, sx0 + 22, 50, sx0 + 34, 53, BLACK);
    // cranes on the quay, their jibs reaching over the ship
    for (int32_t cx : {110, 200}) {
        for (int32_t y = 8; y < QUAY_Y; ++y) {
            paint_rect(image, cx, y, cx + 1, y, CRANE + 3);
            paint_rect(image, cx + 8, y, cx + 9, y, CRANE + 1);
            if (y % 8 == 0) paint_line(image, cx, y, cx + 9, y + 8, CRANE + 2);
        }
        paint_rect(image, cx - 30, 8, cx + 40, 10, CRANE + 4);
        paint_rect(image, cx - 30, 11, cx + 40, 11, CRANE + 1);
        paint_rect(image, cx - 4, 12, cx + 14, 22, CRANE + 2);
        paint_rect(image, cx - 2, 14, cx + 4, 18, WHITE + 3);
        paint_line(image, cx - 24, 12, cx - 24, 46, BLACK);
        paint_rect(image, cx - 27, 46, cx - 21, 49, GOLD + 1);
    }
    // the quay: stone blocks, its edge and a pair of bollards
    for (int32_t y = QUAY_Y; y < 200; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t row = (y - QUAY_Y) / 8;
            bool joint = (y - QUAY_Y) % 8 == 0 || (x + row * 13) % 26 == 0;
            int32_t pos = joint ? 40 : 150 + (main_smooth_noise(x, y, 4, 9) - 128) / 3 - (y - QUAY_Y);
            paint_pixel(image, x, y, main_shade(x, y, STONE, 8, pos));
        }
    paint_rect(image, 0, QUAY_Y, 319, QUAY_Y + 1, STONE + 7);
    for (int32_t bx : {80, 236}) {
        paint_rect(image, bx - 4, QUAY_Y + 4, bx + 4, QUAY_Y + 14, BLACK);
        paint_rect(image, bx - 6, QUAY_Y + 2, bx + 6, QUAY_Y + 4, HULL + 1);
        paint_rect(image, bx - 3, QUAY_Y + 5, bx - 2, QUAY_Y + 13, HULL + 3);
        paint_line(image, bx + 4, QUAY_Y + 6, bx + 40, QUAY_Y - 20, HAIR + 1);  // the mooring line
    }
}

struct CaptainLook {
    bool beard;
    bool grey;
    int32_t skin;  // 0 or 1: lighter or darker skin
};

// A captain seen from the front, standing with the feet at feet_y: h is the whole height.
void captain(PictureImage* image, int32_t cx, int32_t feet_y, int32_t h, const CaptainLook& look) {
    int32_t head_r = h / 15;
    int32_t head_y = feet_y - h + h / 12 + head_r;
    int32_t shoulder_y = head_y + head_r + h / 24;
    int32_t hip_y = feet_y - h * 45 / 100;
    int32_t half_sh = h / 7, half_hip = h / 8;
    // legs and shoes
    for (int32_t side = -1; side <= 1; side += 2) {
        int32_t lx0 = side < 0 ? cx - half_hip + 1 : cx + 1, lx1 = side < 0 ? cx - 1 : cx + half_hip - 1;
        for (int32_t y = hip_y; y < feet_y - 2; ++y)
            for (int32_t x = lx0; x <= lx1; ++x)
                paint_pixel(image, x, y, TROUSERS + (x == lx0 ? 2 : x == lx1 ? 0 : 1));
        paint_rect(image, lx0 - (side < 0 ? 2 : 0), feet_y - 2, lx1 + (side > 0 ? 2 : 0), feet_y, BLACK);
    }
    // the jacket: wide shoulders narrowing to the hips, long to the thigh
    int32_t coat_bottom = hip_y + h / 9;
    PaintPoint coat[] = {{cx - half_sh, shoulder_y + 2}, {cx - half_sh + 2, shoulder_y},
                         {cx + half_sh - 2, shoulder_y}, {cx + half_sh, shoulder_y + 2},
                         {cx + half_hip + 1, coat_bottom}, {cx - half_hip - 1, coat_bottom}};
    paint_polygon(image, coat, 6, COAT + 2);
    for (int32_t y = shoulder_y; y <= coat_bottom; ++y)
        for (int32_t x = cx - half_sh; x <= cx + half_sh; ++x)
            if (paint_get(image, x, y) == COAT + 2) {
                int32_t pos = 200 - (x - (cx - half_sh)) * 180 / (2 * half_sh);
                paint_pixel(image, x, y, main_shade(x, y, COAT, 6, pos));
            }
    // lapels, shirt and tie
    PaintPoint shirt[] = {{cx - 3, shoulder_y}, {cx + 3, shoulder_y}, {cx, shoulder_y + h / 8}};
    paint_polygon(image, shirt, 3, CAP + 3);
    paint_line(image, cx, shoulder_y + 1, cx, shoulder_y + h / 9, BLACK);
    paint_line(image, cx - 4, shoulder_y, cx, shoulder_y + h / 7, COAT + 5);
    paint_line(image, cx + 4, shoulder_y, cx, shoulder_y + h / 7, COAT);
    // two rows of gold buttons
    for (int32_t k = 0; k < 3; ++k) {
        int32_t by = shoulder_y + h / 6 + k * (h / 14);
        paint_pixel(image, cx - 3, by, GOLD + 3);
        paint_pixel(image, cx + 3, by, GOLD + 2);
    }
    // sleeves with gold rings at the cuffs, hands
    for (int32_t side = -1; side <= 1; side += 2) {
        int32_t sx = cx + side * half_sh;
        for (int32_t y = shoulder_y + 2; y < hip_y + 2; ++y) {
            int32_t x = sx - side * ((y - shoulder_y) / 10);
            paint_rect(image, std::min(x, x - side * 3), y, std::max(x, x - side * 3), y, side < 0 ? COAT + 4 : COAT);
        }
        int32_t cuff_x = sx - side * ((hip_y - shoulder_y) / 10);
        paint_rect(image, std::min(cuff_x, cuff_x - side * 3), hip_y - 2, std::max(cuff_x, cuff_x - side * 3), hip_y - 2, GOLD + 3);
        paint_rect(image, std::min(cuff_x, cuff_x - side * 3), hip_y, std::max(cuff_x, cuff_x - side * 3), hip_y, GOLD + 2);
        paint_ellipse(image, cuff_x - side, hip_y + 4, 2, 2, SKIN + 2 - look.skin);
    }
    // shoulder boards
    paint_rect(image, cx - half_sh + 1, shoulder_y, cx - half_sh + 5, shoulder_y + 1, GOLD + 2);
    paint_rect(image, cx + half_sh - 5, shoulder_y, cx + half_sh - 1, shoulder_y + 1, GOLD + 1);
    // the head: face, ears, eyes, perhaps a beard
    main_ball(image, cx, head_y, head_r, head_r + 1, SKIN + (look.skin ? 0 : 1), 4);
    paint_pixel(image, cx - head_r - 1, head_y, SKIN + 1);
    paint_pixel(image, cx + head_r + 1, head_y, SKIN);
    paint_pixel(image, cx - head_r / 2, head_y - 1, BLACK);
    paint_pixel(image, cx + head_r / 2, head_y - 1, BLACK);
    paint_pixel(image, cx, head_y + 1, SKIN);
    int32_t hair = look.grey ? BEARD + 1 : HAIR;
    if (look.beard) {
        for (int32_t y = head_y + 2; y <= head_y + head_r + 2; ++y)
            for (int32_t x = cx - head_r; x <= cx + head_r; ++x) {
                int32_t dx = x - cx, dy = y - head_y;
                if (dx * dx + dy * dy <= (head_r + 1) * (head_r + 1) && !(y == head_y + 3 && std::abs(dx) <= 1))
                    paint_pixel(image, x, y, hair + (main_hash(x, y, 2) & 1) + (dx < 0 ? 1 : 0));
            }
    } else {
        paint_rect(image, cx - 1, head_y + 3, cx + 1, head_y + 3, SKIN);  // mouth
    }
    // the cap: white crown wider than the head, a black band, the peak and a gold badge
    int32_t cap_y = head_y - head_r + 1;
    paint_ellipse(image, cx, cap_y - 3, head_r + 3, 3, CAP + 2);
    for (int32_t x = cx - head_r - 3; x <= cx + head_r + 3; ++x) paint_pixel(image, x, cap_y - 5, CAP + 3);
    main_ball(image, cx, cap_y - 3, head_r + 3, 3, CAP, 4);
    paint_rect(image, cx - head_r, cap_y, cx + head_r, cap_y + 1, BLACK);
    paint_rect(image, cx - head_r + 1, cap_y + 2, cx + head_r - 1, cap_y + 2, COAT);
    paint_rect(image, cx - 1, cap_y - 1, cx + 1, cap_y, GOLD + 3);
    paint_pixel(image, cx, cap_y - 2, GOLD + 2);
}

}  // namespace

void paint_captains_picture(PictureImage* image) {
    palette(image);
    harbour(image);
    // two pairs: the one behind a little smaller
    captain(image, 44, 184, 104, {false, false, 0});
    captain(image, 18, 194, 116, {true, true, 0});
    captain(image, 276, 184, 106, {true, false, 1});
    captain(image, 302, 194, 114, {false, true, 0});
}
