#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "engine/frame.h"
#include "engine/input.h"
#include "engine/timing.h"
#include "host/headless_host.h"
#include "tests/harness/harness.h"

namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { harness_start_engine(); }
};

int g_menu_runs = 0;
void count_menu_run() { ++g_menu_runs; }

// The usual game-thread loop: left clicks are read with their position, keys are taken between
// clicks, and 'q' ends it. What it saw is written down as text.
std::string run_click_and_key_loop() {
    std::string seen;
    bool was_down = false;
    for (;;) {
        int32_t down = mouse_left_pressed();
        if (down != 0 && !was_down) {
            int32_t x = 0, y = 0;
            mouse_get_position(&x, &y);
            seen += "click " + std::to_string(x) + "," + std::to_string(y) + " at " +
                    std::to_string(headless_now() / 1000) + "s; ";
        }
        was_down = down != 0;
        if (key_slot_poll() != 0) {
            uint32_t k = key_slot_take();
            if (k == 'q') break;
            seen += "key " + std::to_string(k) + "; ";
        }
    }
    return seen;
}

TEST_F(InputTest, ScriptedGameLoopRunsInVirtualTime) {
    headless_script_click(1000, 100, 50);
    headless_script(2500, HEADLESS_KEY, 'a');
    headless_script(2500, HEADLESS_KEY, KEY_LEFT);
    headless_script_click(6000, 319, 199);
    headless_script(9000, HEADLESS_KEY, '%');
    headless_script(10000, HEADLESS_KEY, 'q');
    g_menu_run_hook = count_menu_run;
    auto t0 = std::chrono::steady_clock::now();
    std::string seen = run_click_and_key_loop();
    auto real = std::chrono::steady_clock::now() - t0;
    // The two keys stored together: only the second (the arrow) is delivered.
    EXPECT_EQ(seen, "click 100,50 at 1s; key 37; click 319,199 at 6s; key 37; ");
    EXPECT_GE(headless_now(), 10000u);
    EXPECT_LT(headless_now(), 10100u);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(real).count(), 1000);
    EXPECT_EQ(g_menu_runs, 0);
}

TEST_F(InputTest, ButtonCombinationsAndTheMenuStrip) {
    g_menu_runs = 0;
    g_menu_run_hook = count_menu_run;
    struct Case {
        uint32_t buttons;
        int32_t result;
        int menu_runs;
    } cases[] = {{0, 0, 0}, {MOUSE_LEFT, 1, 0}, {MOUSE_RIGHT, 0, 1}, {MOUSE_LEFT | MOUSE_RIGHT, 1, 0}};
    for (const Case& c : cases) {
        g_menu_runs = 0;
        g_mouse_buttons = c.buttons;
        EXPECT_EQ(mouse_left_pressed(), c.result) << c.buttons;
        EXPECT_EQ(g_menu_runs, c.menu_runs) << c.buttons;
        EXPECT_EQ(mouse_get_buttons(), c.buttons);  // never opens the menu
        EXPECT_EQ(g_menu_runs, c.menu_runs);
    }
    g_mouse_present = 0;
    g_mouse_buttons = MOUSE_LEFT;
    int32_t x = 5, y = 5;
    mouse_set_position(10, 20);
    EXPECT_EQ(mouse_left_pressed(), 0);
    EXPECT_EQ(mouse_get_buttons(), 0u);
    EXPECT_EQ(mouse_get_position(&x, &y), 1);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    g_mouse_present = 1;
}

TEST_F(InputTest, ReleaseKeepsThePositionAndReadsSleep) {
    mouse_left_down(40, 60);
    mouse_right_down(41, 61);
    mouse_left_up();
    EXPECT_EQ(g_mouse_buttons.load(), MOUSE_RIGHT);
    mouse_right_up();
    EXPECT_EQ(g_mouse_buttons.load(), 0u);
    int32_t x = 0, y = 0;
    uint32_t t0 = headless_now();
    mouse_get_position(&x, &y);
    EXPECT_EQ(x, 41);
    EXPECT_EQ(y, 61);
    EXPECT_EQ(headless_now() - t0, 30u);
}

TEST_F(InputTest, KeySlotPollTakeWaitPending) {
    uint32_t t0 = headless_now();
    EXPECT_EQ(key_slot_poll(), 0);  // empty: sleeps 30 ms
    EXPECT_EQ(headless_now() - t0, 30u);
    EXPECT_EQ(key_slot_pending(), 0);
    key_slot_store('x');
    t0 = headless_now();
    EXPECT_EQ(key_slot_poll(), -1);  // waiting: at once, and the key stays
    EXPECT_EQ(headless_now(), t0);
    EXPECT_EQ(key_slot_pending(), -1);
    EXPECT_EQ(key_slot_take(), static_cast<uint32_t>('x'));
    EXPECT_EQ(key_slot_take(), 0u);
    headless_script(headless_now() + 95, HEADLESS_KEY, 'y');
    t0 = headless_now();
    EXPECT_EQ(key_slot_wait(), static_cast<uint32_t>('y'));
    EXPECT_EQ(headless_now() - t0, 100u);  // five steps of 20 ms
    EXPECT_EQ(key_slot_pending(), 0);
}

TEST_F(InputTest, TicksLastAtLeastSixteenMilliseconds) {
    struct Case {
        int32_t n;
        uint32_t ms;
    } cases[] = {{0, 0}, {-3, 0}, {1, 16}, {10, 160}};
    for (const Case& c : cases) {
        uint32_t t0 = headless_now();
        delay_ticks(c.n);
        EXPECT_EQ(headless_now() - t0, c.ms) << c.n;
    }
    headless_advance(2999);
    int32_t s = -1;
    seconds_since_start(&s);
    EXPECT_EQ(s, static_cast<int32_t>(headless_now() / 1000));
}

TEST_F(InputTest, ScreenChangedFlagIsTakenOnce) {
    g_screen_changed = 0;
    EXPECT_EQ(screen_take_changed_flag(), 0u);
    screen_put_pixel(0, 0, 1);
    EXPECT_EQ(screen_take_changed_flag(), 1u);
    EXPECT_EQ(screen_take_changed_flag(), 0u);
}

}  // namespace
