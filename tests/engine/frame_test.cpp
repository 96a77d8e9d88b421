#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "engine/frame.h"
#include "engine/frame_handover.h"
#include "engine/input.h"
#include "engine/timing.h"
#include "tests/harness/harness.h"

namespace {

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override { harness_start_engine(); }
};

TEST_F(FrameTest, StartUpClearsFrameAndLoadsInterfaceColours) {
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) ASSERT_EQ(g_screen_buffer[i], 0) << i;
    const uint8_t expected[][3] = {{0, 0, 0},   {0, 0, 42},  {63, 21, 63}, {42, 42, 42},
                                   {31, 31, 63}, {47, 43, 40}, {0, 0, 50}};
    const int32_t index[] = {0, 1, 13, 7, 16, 19, 27};
    for (size_t k = 0; k < std::size(index); ++k) {
        const uint8_t* e = g_game_palette[index[k]];
        EXPECT_EQ(e[2], expected[k][0] * 4) << index[k];
        EXPECT_EQ(e[1], expected[k][1] * 4) << index[k];
        EXPECT_EQ(e[0], expected[k][2] * 4) << index[k];
        EXPECT_EQ(e[3], 0);
    }
    for (int32_t c = 32; c < 256; ++c) EXPECT_EQ(g_game_palette[c][0] | g_game_palette[c][1] | g_game_palette[c][2], 0);
    EXPECT_EQ(g_fast_machine, 1u);
    EXPECT_EQ(g_graphics_mode, 1u);
    EXPECT_EQ(g_mouse_present, 1u);
}

TEST_F(FrameTest, PaletteEntriesAreStoredBlueGreenRedTimesFour) {
    const uint8_t rgb[] = {63, 0, 21};
    g_screen_changed = 0;
    palette_set_entries(rgb, 40, 1);
    EXPECT_EQ(g_game_palette[40][0], 84);
    EXPECT_EQ(g_game_palette[40][1], 0);
    EXPECT_EQ(g_game_palette[40][2], 252);
    EXPECT_EQ(g_game_palette[40][3], 0);
    EXPECT_EQ(g_screen_changed.load(), 1u);

    std::vector<uint8_t> ramp(224 * 3);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<uint8_t>(i % 64);
    palette_set_picture_colours(ramp.data());
    EXPECT_EQ(g_game_palette[32][2], ramp[0] * 4);
    EXPECT_EQ(g_game_palette[255][0], ramp[223 * 3 + 2] * 4);
    EXPECT_EQ(g_game_palette[31][0], 0);  // interface colours untouched
}

TEST_F(FrameTest, BackdropBlueTurnsColourZeroDarkBlue) {
    struct Case {
        int32_t first, on;
        uint8_t blue;
    } cases[] = {{1, 1, 64}, {0, 1, 64}, {1, 0, 0}, {0, 0, 0}};
    for (const Case& c : cases) {
        g_screen_changed = 0;
        EXPECT_EQ(set_backdrop_blue(c.first, c.on), 0);
        EXPECT_EQ(g_game_palette[0][0], c.blue);
        EXPECT_EQ(g_game_palette[0][1], 0);
        EXPECT_EQ(g_game_palette[0][2], 0);
        EXPECT_EQ(g_screen_changed.load(), 1u);
    }
}

TEST_F(FrameTest, PixelReadsAreSigned) {
    screen_put_pixel(3, 4, 200);
    EXPECT_EQ(screen_get_pixel(3, 4), -56);
    EXPECT_EQ(buffer_get_pixel(g_screen_buffer, 3, 4), -56);
    screen_put_pixel(3, 4, 127);
    EXPECT_EQ(screen_get_pixel(3, 4), 127);
}

TEST_F(FrameTest, StippledLineIsACheckerboard) {
    screen_hline_stippled(0, 8, 0, 9);
    screen_hline_stippled(0, 8, 1, 9);
    for (int32_t x = 0; x < 8; ++x) {
        EXPECT_EQ(g_screen_buffer[x], x % 2 == 0 ? 9 : 0) << x;
        EXPECT_EQ(g_screen_buffer[320 + x], x % 2 == 1 ? 9 : 0) << x;
    }
    screen_hline_stippled(5, 3, 2, 4);  // (5 ^ 2) is odd: starts at column 6
    EXPECT_EQ(g_screen_buffer[640 + 5], 0);
    EXPECT_EQ(g_screen_buffer[640 + 6], 4);
    EXPECT_EQ(g_screen_buffer[640 + 7], 0);
}

TEST_F(FrameTest, SpanWorkers) {
    std::vector<uint8_t> src(SCREEN_BYTES, 0), dst(SCREEN_BYTES, 0);
    const uint8_t s[] = {1, 5, 0xF0, 5};
    const uint8_t d[] = {2, 2, 0x0F, 9};
    std::memcpy(&src[320 * 7 + 10], s, 4);
    struct Case {
        const char* name;
        uint8_t expect[4];
    } cases[] = {{"copy", {1, 5, 0xF0, 5}}, {"keyed", {1, 2, 0xF0, 9}}, {"or", {3, 7, 0xFF, 13}},
                 {"nand", {0xFF, 0xFF, 0xFF, 0xFE}}};
    for (const Case& c : cases) {
        std::memcpy(&dst[320 * 3 + 20], d, 4);
        std::string n = c.name;
        if (n == "copy") span_copy(10, 20, src.data(), dst.data(), 4, 7, 3);
        if (n == "keyed") span_copy_keyed(10, 20, src.data(), dst.data(), 4, 7, 3, 5);
        if (n == "or") span_or(10, 20, src.data(), dst.data(), 4, 7, 3);
        if (n == "nand") span_nand(10, 20, src.data(), dst.data(), 4, 7, 3);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(dst[320 * 3 + 20 + i], c.expect[i]) << n << " " << i;
        EXPECT_EQ(dst[320 * 3 + 24], 0) << n;  // nothing past the span
    }
}

TEST_F(FrameTest, HandOverPublishesOnlyAtSleepsAndRaisesTheFlagAgain) {
    std::vector<uint8_t> front(SCREEN_BYTES), palette(1024);
    game_sleep_ms(1);
    screen_put_pixel(5, 6, 11);
    EXPECT_EQ(screen_take_changed_flag(), 1u);  // the window takes the flag before the copy...
    frame_front_read(front.data(), palette.data());
    EXPECT_EQ(front[6 * 320 + 5], 0);  // ...and the front frame does not have the pixel yet
    game_sleep_ms(30);
    EXPECT_EQ(screen_take_changed_flag(), 1u);  // the copy raised the flag once more
    frame_front_read(front.data(), palette.data());
    EXPECT_EQ(front[6 * 320 + 5], 11);
    EXPECT_EQ(std::memcmp(palette.data(), g_game_palette, 1024), 0);
    game_sleep_ms(30);
    EXPECT_EQ(screen_take_changed_flag(), 0u);  // nothing drawn, nothing handed over
    // A pixel drawn again in the colour it has: drawn, but nothing new to hand over.
    uint32_t serial = frame_front_serial();
    screen_put_pixel(5, 6, 11);
    EXPECT_EQ(screen_take_changed_flag(), 1u);
    game_sleep_ms(30);
    EXPECT_EQ(screen_take_changed_flag(), 0u);
    EXPECT_EQ(frame_front_serial(), serial);
    screen_put_pixel(5, 6, 12);
    game_sleep_ms(30);
    EXPECT_EQ(frame_front_serial(), serial + 1);
    EXPECT_EQ(frame_front_read(front.data(), nullptr), serial + 1);
    EXPECT_EQ(front[6 * 320 + 5], 12);
}

// The window thread presents while the game thread draws: run under ThreadSanitizer this shows the
// hand-over has no data race, and every presented frame is whole (one colour throughout).
TEST_F(FrameTest, WindowThreadSeesOnlyWholeFrames) {
    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::thread window([&] {
        std::vector<uint8_t> front(SCREEN_BYTES);
        while (!done.load()) {
            if (screen_take_changed_flag() == 0) continue;
            frame_front_read(front.data(), nullptr);
            for (int32_t i = 1; i < SCREEN_BYTES; ++i)
                if (front[i] != front[0]) {
                    ++torn;
                    break;
                }
        }
    });
    for (uint32_t c = 1; c < 60; ++c) {
        for (int32_t y = 0; y < SCREEN_HEIGHT; ++y) screen_hline(0, SCREEN_WIDTH, y, c);
        game_sleep_ms(20);
    }
    done = true;
    window.join();
    EXPECT_EQ(torn.load(), 0);
}

}  // namespace
