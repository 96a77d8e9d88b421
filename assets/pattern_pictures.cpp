#include "assets/pattern_pictures.h"

#include <cstring>

namespace {

// Triple 0 (colour 32, the usual transparent key of the sprite sheets) is magenta; then 14 ramps
// of 16 steps in different hues, dark to light.
void paint_palette(uint8_t* palette) {
    static const uint8_t hues[14][3] = {
        {63, 63, 63}, {63, 0, 0},  {0, 63, 0},  {0, 0, 63},  {63, 63, 0}, {0, 63, 63}, {63, 0, 63},
        {63, 32, 0},  {32, 63, 0}, {0, 32, 63}, {32, 0, 63}, {63, 0, 32}, {0, 63, 32}, {40, 40, 50},
    };
    std::memset(palette, 0, PICTURE_SHOWN_TRIPLES * 3);
    palette[0] = 63;
    palette[2] = 63;
    for (int32_t k = 1; k < PICTURE_SHOWN_TRIPLES; ++k) {
        int32_t ramp = ((k - 1) / 16) % 14;
        int32_t step = (k - 1) % 16;
        for (int32_t c = 0; c < 3; ++c)
            palette[3 * k + c] = static_cast<uint8_t>(hues[ramp][c] * (step + 4) / 19);
    }
}

}  // namespace

void paint_pattern_picture(int32_t n, PictureImage* image) {
    paint_palette(image->palette);
    uint32_t noise = 12345u * static_cast<uint32_t>(n) + 1u;
    for (int32_t y = 0; y < PICTURE_IMAGE_HEIGHT; ++y) {
        for (int32_t x = 0; x < PICTURE_IMAGE_WIDTH; ++x) {
            uint8_t v;
            if (x < 4 || y < 4 || x >= PICTURE_IMAGE_WIDTH - 4 || y >= PICTURE_IMAGE_HEIGHT - 4) {
                v = 15;  // an interface-white frame
            } else if (y >= 150 && y < 158 && x >= 20 && x < 20 + 20 * (n / 10)) {
                v = (x - 20) % 20 < 16 ? 0 : 15;  // the picture's number at a glance: wide bars for tens,
            } else if (y >= 165 && y < 173 && x >= 20 && x < 20 + 10 * (n % 10)) {
                v = (x - 20) % 10 < 8 ? 0 : 15;  // narrow bars for units
            } else if (x >= 240 && x < 300 && y >= 20 && y < 80) {
                noise = noise * 1103515245u + 12345u;  // a busy patch packed as literals
                v = static_cast<uint8_t>(33 + (noise >> 16) % 190);
            } else {
                // diagonal bands, a hue per picture
                v = static_cast<uint8_t>(33 + 16 * (n % 13) + ((x + y) / 12) % 16);
            }
            image->pixels[y * PICTURE_IMAGE_WIDTH + x] = v;
        }
    }
}
