// Pictures 11 and 12: the distress call. 11 is the view from the ship's deck over a grey sea to a
// life raft far off; 12 holds five frames of the raft (a survivor waving, a flare going up) that
// the game plays over the raft's place (24, 84). The sea moves by the cycled ranges 33..38 (swell)
// and 39..43 (glints); the frames carry the same sea pixels as the picture around them, so they
// fit seamlessly and the water keeps moving through them.
#include <algorithm>

#include "assets/art_voyage.h"
#include "voyage/rescue.h"

namespace {

constexpr int32_t SWELL = 33;   // 33..38 cycled
constexpr int32_t GLINT = 39;   // 39..43 cycled
constexpr int32_t SKY = 48;     // 48..63 dawn sky, dark to light
constexpr int32_t RAFT = 64;    // 64..71 orange raft, dark to light
constexpr int32_t FIGURE = 72;  // 72 dark clothes, 73 skin, 74 yellow vest
constexpr int32_t FLARE = 76;   // 76..79 flare red to white
constexpr int32_t STEEL = 80;   // 80..95 deck and rail steel
constexpr int32_t RING = 96;    // 96..99 life ring red, 100..103 white
constexpr int32_t HAZE = 104;   // 104..111 far sea and horizon haze

constexpr int32_t SPOT_X = RESCUE_SPOT_X, SPOT_Y = RESCUE_SPOT_Y, FRAME_W = RESCUE_FRAME_W, FRAME_H = RESCUE_FRAME_H;
constexpr int32_t HORIZON = 62;

void rescue_palette(PictureImage* p) {
    const uint8_t swell[6][3] = {{6, 14, 20},  {8, 17, 23},  {11, 21, 27},
                                 {15, 25, 30}, {11, 21, 27}, {8, 17, 23}};
    for (int32_t k = 0; k < 6; ++k) paint_palette_set(p, SWELL + k, swell[k][0], swell[k][1], swell[k][2]);
    const uint8_t glint[5][3] = {{52, 54, 56}, {26, 32, 36}, {14, 22, 28}, {12, 20, 26}, {18, 26, 31}};
    for (int32_t k = 0; k < 5; ++k) paint_palette_set(p, GLINT + k, glint[k][0], glint[k][1], glint[k][2]);
    paint_palette_set(p, 32, 20, 22, 30);
    voyage_ramp(p, 44, 4, 20, 22, 30, 30, 32, 38);
    voyage_ramp(p, SKY, 16, 14, 16, 26, 56, 48, 44);
    voyage_ramp(p, RAFT, 8, 30, 8, 0, 63, 40, 10);
    paint_palette_set(p, FIGURE, 8, 8, 12);
    paint_palette_set(p, FIGURE + 1, 50, 36, 28);
    paint_palette_set(p, FIGURE + 2, 60, 54, 8);
    paint_palette_set(p, FIGURE + 3, 30, 30, 32);
    voyage_ramp(p, FLARE, 4, 50, 4, 4, 63, 60, 50);
    voyage_ramp(p, STEEL, 16, 4, 5, 7, 44, 46, 48);
    voyage_ramp(p, RING, 4, 30, 2, 2, 60, 14, 10);
    voyage_ramp(p, RING + 4, 4, 36, 36, 38, 62, 62, 62);
    voyage_ramp(p, HAZE, 8, 18, 24, 30, 44, 44, 46);
}

void sky_and_sea(PictureImage* p) {
    paint_rect(p, 0, 0, 319, 14, SKY);  // under the caption bar
    paint_gradient(p, 0, 15, 319, HORIZON - 6, SKY + 2, 13, false);
    VoyageNoise n{1111u};
    for (int32_t k = 0; k < 16; ++k) {  // low clouds lit from below
        int32_t x = voyage_noise_range(&n, -20, 340);
        int32_t y = voyage_noise_range(&n, 20, 52);
        int32_t rx = voyage_noise_range(&n, 14, 30);
        paint_ellipse(p, x, y, rx, 3, SKY + 3 + (y - 15) / 6);
        paint_rect(p, x - rx + 4, y + 3, x + rx - 4, y + 3, SKY + 9 + (y - 15) / 8);
    }
    paint_gradient(p, 0, HORIZON - 5, 319, HORIZON - 1, HAZE + 3, 4, false);
    // sea: swell bands of the cycled range, finer towards the horizon, with glints
    for (int32_t y = HORIZON; y < 200; ++y) {
        int32_t d = y - HORIZON;
        int32_t period = 2 + d / 12;
        for (int32_t x = 0; x < 320; ++x) {
            int32_t wob = ((x / 13 + y / 3) % 3) - 1;
            int32_t phase =
                ((x / std::max(1, period * 3) + y / std::max(1, period / 2 + 1) + wob) % 6 + 6) % 6;
            paint_pixel(p, x, y, SWELL + phase);
        }
    }
    for (int32_t k = 0; k < 700; ++k) {
        int32_t y = voyage_noise_range(&n, HORIZON, 199);
        int32_t x = voyage_noise_range(&n, 0, 319);
        int32_t len = 1 + (y - HORIZON) / 25;
        for (int32_t i = 0; i < len; ++i) paint_pixel(p, x + i, y, GLINT + (x + i) % 5);
    }
    paint_rect(p, 0, HORIZON, 319, HORIZON, HAZE + 6);
}

void deck(PictureImage* p) {
    // the ship's rail across the foreground, the deck below it and a life ring on the rail
    paint_gradient(p, 0, 176, 319, 199, STEEL + 3, 5, false);
    paint_noise(p, 0, 176, 319, 199, STEEL + 3, 5, 9u);
    for (int32_t y : {150, 162}) {
        paint_rect(p, 0, y, 319, y + 1, STEEL + 12);
        paint_rect(p, 0, y + 2, 319, y + 2, STEEL + 5);
    }
    paint_rect(p, 0, 172, 319, 175, STEEL + 8);
    paint_rect(p, 0, 172, 319, 172, STEEL + 13);
    for (int32_t x = 10; x < 320; x += 44) {
        paint_rect(p, x, 150, x + 2, 176, STEEL + 10);
        paint_rect(p, x + 2, 150, x + 2, 176, STEEL + 5);
    }
    int32_t cx = 238, cy = 160;
    for (int32_t y = -13; y <= 13; ++y)
        for (int32_t x = -13; x <= 13; ++x) {
            int32_t d = x * x + y * y;
            if (d > 169 || d < 49) continue;
            int32_t quarter = ((x >= 0) == (y >= 0)) ? 0 : 4;  // red and white quarters
            int32_t light = (x + y) < -6 ? 3 : ((x + y) < 6 ? 2 : 1);
            paint_pixel(p, cx + x, cy + y, RING + quarter + light);
        }
    paint_line(p, cx - 10, cy - 8, cx - 18, cy - 13, STEEL + 2);  // the line hanging from it
    paint_line(p, cx - 18, cy - 13, cx - 20, cy + 10, STEEL + 2);
}

// The raft at the spot (frame 0..4): canopy, a survivor whose arm waves, and a flare that rises
// and bursts.
void raft(PictureImage* p, int32_t ox, int32_t oy, int32_t frame) {
    int32_t bx = ox + 6, by = oy + 11;
    paint_rect(p, bx, by, bx + 16, by + 2, RAFT + 4);
    paint_rect(p, bx + 1, by + 3, bx + 15, by + 3, RAFT + 1);
    paint_rect(p, bx, by, bx + 16, by, RAFT + 7);
    for (int32_t k = 0; k < 6; ++k)
        paint_rect(p, bx + 9 - k, by - 1 - k, bx + 15 - k / 2, by - 1 - k, RAFT + 2 + (k % 2));
    paint_pixel(p, bx + 12, by - 4, FIGURE + 3);
    // survivor at the open end
    paint_rect(p, bx + 3, by - 4, bx + 4, by - 1, FIGURE + 2);
    paint_pixel(p, bx + 3, by - 5, FIGURE + 1);
    paint_pixel(p, bx + 4, by - 5, FIGURE + 1);
    static const int32_t arm_dy[5] = {-1, -3, -5, -3, -1};
    paint_line(p, bx + 2, by - 3, bx + 1, by - 4 + arm_dy[frame], FIGURE + 1);
    // the flare: rising trail in frames 1..3, burst in frame 4
    if (frame >= 1) {
        int32_t top = oy + 11 - frame * 2;
        for (int32_t y = top; y < oy + 9; ++y) paint_pixel(p, ox + 23 - (y - top) / 4, y, FIGURE + 3);
        paint_pixel(p, ox + 23, top, FLARE + 3);
        paint_pixel(p, ox + 23, top + 1, FLARE + 1);
        if (frame == 4) {
            static const int32_t sx[8] = {-2, -1, 0, 1, 2, 1, 0, -1}, sy[8] = {0, -1, -2, -1, 0, 1, 2, 1};
            for (int32_t k = 0; k < 8; ++k) paint_pixel(p, ox + 23 + sx[k], top + sy[k], FLARE + k % 3);
            paint_pixel(p, ox + 23, top, FLARE + 3);
        }
    }
    // foam round the raft
    paint_pixel(p, bx - 1, by + 3, GLINT);
    paint_pixel(p, bx + 17, by + 2, GLINT);
}

}  // namespace

void paint_rescue_pictures(PictureImage* background, PictureImage* frames) {
    rescue_palette(background);
    sky_and_sea(background);
    deck(background);
    rescue_palette(frames);
    paint_clear(frames, SKY + 4);
    // every frame starts as the sea of the spot, border included, so its edges match the picture
    for (int32_t f = 0; f < RESCUE_FRAME_IMAGES; ++f) {
        voyage_copy(frames, g_rescue_frames[f].x, g_rescue_frames[f].y, background, SPOT_X, SPOT_Y, FRAME_W, FRAME_H);
        raft(frames, g_rescue_frames[f].x, g_rescue_frames[f].y, f);
    }
    raft(background, SPOT_X, SPOT_Y, 0);
}
