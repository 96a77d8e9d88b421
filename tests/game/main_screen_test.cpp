// The main screen's frame: the background with the spare run-button image hidden, the two
// run-button images, the side buttons' pressed look and the pointer test of the hot zones.
#include "game/state_reset.h"
#include "views/main_screen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "tests/harness/harness.h"
#include "ui/input_poll.h"

namespace {

class MainScreen : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        all_state_reset();
        ASSERT_NE(picture_files_open("ib1vga.dat", "ib2vga.dat"), 0);
        show_main_screen();
        restore_main_screen();
        invalidate_run_button_state();
    }
    void TearDown() override { picture_files_close(); }

    static uint8_t background(int32_t x, int32_t y) { return g_background_buffer[y * SCREEN_WIDTH + x]; }
    static uint8_t screen(int32_t x, int32_t y) { return g_screen_buffer[y * SCREEN_WIDTH + x]; }

    // Pixels of the 62 x 38 run button at (10, 162) that differ from the background at (sx, sy).
    static int32_t run_button_differences(int32_t sx, int32_t sy) {
        int32_t n = 0;
        for (int32_t y = 0; y < 38; ++y)
            for (int32_t x = 0; x < 62; ++x)
                if (screen(10 + x, 162 + y) != background(sx + x, sy + y)) ++n;
        return n;
    }
};

TEST_F(MainScreen, RestoreShowsThePictureWithTheSpareImageBlanked) {
    int32_t wrong = 0;
    for (int32_t y = 0; y < SCREEN_HEIGHT; ++y) {
        for (int32_t x = 0; x < SCREEN_WIDTH; ++x) {
            bool blank = x >= 253 && x <= 314 && y >= 159 && y <= 196;
            uint8_t expected = blank ? 0 : background(x, y);
            if (screen(x, y) != expected) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0);
    // The spare image must really be a different picture, or the run button could not change.
    int32_t distinct = 0;
    for (int32_t y = 0; y < 38; ++y)
        for (int32_t x = 0; x < 62; ++x)
            if (background(10 + x, 162 + y) != background(253 + x, 159 + y)) ++distinct;
    EXPECT_GT(distinct, 100);
}

TEST_F(MainScreen, RunButtonShowsTheImageOfTheState) {
    set_run_button_state(RUN_RUNNING);
    EXPECT_EQ(g_run_button_state, RUN_RUNNING);
    EXPECT_EQ(run_button_differences(253, 159), 0);
    set_run_button_state(RUN_STOPPED);
    EXPECT_EQ(g_run_button_state, RUN_STOPPED);
    EXPECT_EQ(run_button_differences(10, 162), 0);
}

TEST_F(MainScreen, RunButtonDrawsOnlyOnAChangeOrAfterInvalidating) {
    set_run_button_state(RUN_STOPPED);
    set_draw_color(5);
    fill_rect(10, 162, 71, 199);
    set_run_button_state(RUN_STOPPED);
    EXPECT_EQ(screen(30, 180), 5);
    set_run_button_state(7);  // not a state: nothing
    EXPECT_EQ(screen(30, 180), 5);
    invalidate_run_button_state();
    EXPECT_EQ(g_run_button_state, -1);
    set_run_button_state(RUN_STOPPED);
    EXPECT_EQ(run_button_differences(10, 162), 0);
}

TEST_F(MainScreen, SideButtonFrameInvertsAndComesBack) {
    std::vector<uint8_t> before(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
    toggle_button_frame(62, 1);
    EXPECT_EQ(screen(253, 62), before[62 * SCREEN_WIDTH + 253] ^ 15);
    EXPECT_EQ(screen(316, 107), before[107 * SCREEN_WIDTH + 316] ^ 15);
    EXPECT_EQ(screen(252, 62), before[62 * SCREEN_WIDTH + 252]);
    EXPECT_EQ(screen(317, 62), before[62 * SCREEN_WIDTH + 317]);
    EXPECT_EQ(screen(253, 108), before[108 * SCREEN_WIDTH + 253]);
    toggle_button_frame(62, 0);
    EXPECT_EQ(std::memcmp(g_screen_buffer, before.data(), SCREEN_BYTES), 0);
}

TEST(MainScreenHotZone, EdgesOfTheRunButton) {
    struct Case {
        int32_t x, y, inside;
    };
    const Case cases[] = {
        {12, 164, 1}, {66, 194, 1}, {11, 164, 0}, {67, 164, 0}, {12, 163, 0}, {12, 195, 0},
    };
    for (const Case& c : cases) {
        g_pointer_x = c.x;
        g_pointer_y = c.y;
        EXPECT_EQ(mouse_in_rect(12, 164, 55, 31), c.inside) << c.x << "," << c.y;
    }
}

}  // namespace
