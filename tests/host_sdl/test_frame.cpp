#include "tests/host_sdl/test_frame.h"

#include <cstring>

#include "engine/frame.h"
#include "engine/frame_handover.h"

namespace {

uint8_t g_test_pixels[SCREEN_BYTES];

bool in_marker(int32_t x, int32_t y, int32_t mx, int32_t my) {
    return mx >= 0 && x >= mx - 3 && x <= mx + 3 && y >= my - 3 && y <= my + 3;
}

uint32_t palette_colour(uint8_t i) {
    uint32_t r = i, g = (i * 7u) & 0xFF, b = 255u - i;
    return 0xFF000000u | r << 16 | g << 8 | b;
}

}  // namespace

uint8_t test_frame_index(int32_t x, int32_t y) {
    // A checkerboard of single pixels on top of bands that differ from row to row and column to
    // column; index 255 is kept for the marker.
    uint32_t v =
        (static_cast<uint32_t>(x) * 3u) ^ (static_cast<uint32_t>(y) * 5u) ^ (((x + y) & 1) != 0 ? 0x55u : 0u);
    v &= 0xFF;
    return static_cast<uint8_t>(v == 255 ? 254 : v);
}

uint32_t test_frame_colour(int32_t x, int32_t y) {
    return palette_colour(test_frame_index(x, y));
}

void test_frame_publish(int32_t mx, int32_t my) {
    for (int32_t y = 0; y < SCREEN_HEIGHT; ++y)
        for (int32_t x = 0; x < SCREEN_WIDTH; ++x)
            g_test_pixels[y * SCREEN_WIDTH + x] = in_marker(x, y, mx, my) ? 255 : test_frame_index(x, y);
    g_screen_buffer = g_test_pixels;
    for (int32_t i = 0; i < 256; ++i) {
        uint32_t c = palette_colour(static_cast<uint8_t>(i));
        g_game_palette[i][0] = static_cast<uint8_t>(c);
        g_game_palette[i][1] = static_cast<uint8_t>(c >> 8);
        g_game_palette[i][2] = static_cast<uint8_t>(c >> 16);
        g_game_palette[i][3] = 0;
    }
    g_frame_dirty = true;
    frame_publish();
}

int32_t test_frame_mismatches(const uint32_t* pixels, int32_t pitch, int32_t w, int32_t h, int32_t mx,
                              int32_t my) {
    int32_t bad = 0;
    for (int32_t y = 0; y < SCREEN_HEIGHT; ++y) {
        for (int32_t x = 0; x < SCREEN_WIDTH; ++x) {
            int32_t px = (2 * x + 1) * w / (2 * SCREEN_WIDTH);
            int32_t py = (2 * y + 1) * h / (2 * SCREEN_HEIGHT);
            uint32_t want = in_marker(x, y, mx, my) ? palette_colour(255) : test_frame_colour(x, y);
            if ((pixels[py * pitch + px] | 0xFF000000u) != want) ++bad;
        }
    }
    return bad;
}
