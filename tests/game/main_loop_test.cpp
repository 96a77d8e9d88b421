// The main loop of the main screen: the run button and the space bar start and stop the clock,
// the side buttons and the keys '1' to '3' open the shipowner chooser only while it is stopped,
// nine running passes make a day, and the playing-time question.
#include "game/state_reset.h"
#include "game/main_loop.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/picture.h"
#include "views/day_dial.h"
#include "game/main_procedure.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "game/shipowner_chooser.h"
#include "views/world_map.h"
#include "host/headless_host.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"

namespace {

class MainLoopTest : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        all_state_reset();
        ASSERT_NE(picture_files_open("ib1vga.dat", "ib2vga.dat"), 0);
        Font* fonts[3] = {&g_font_sys13, &g_font_sys8b, &g_font_sys8};
        const char* files[3] = {"sys13.fnt", "sys8b.fnt", "sys8.fnt"};
        for (int32_t i = 0; i < 3; ++i) {
            kept_[i] = *fonts[i];
            *fonts[i] = Font{};
            ASSERT_NE(font_load(files[i], fonts[i]), 0);
        }
        for (Shipowner& o : g_shipowners) o = Shipowner{};
        // Two shipowners with cash in the till and a tended office: their days pass quietly.
        g_shipowner_count = 2;
        g_difficulty = 1;
        for (int32_t i = 0; i < 2; ++i) {
            g_shipowners[i].cash = 5000;
            g_shipowners[i].net_worth_history[0] = 5000;
        }
        std::snprintf(g_shipowners[0].company, RECORD_NAME_SIZE, "%s", "North Star");
        std::snprintf(g_shipowners[1].company, RECORD_NAME_SIZE, "%s", "Blue Anchor");
        g_day = 0;
        g_quit = 0;
        g_playing_duration = -1;
        g_project_command = 0;
        g_shipowner_box.y1 = 0;
        g_day_dial_hand = 0;
        main_screen_enter(&loop_);
    }
    void TearDown() override {
        Font* fonts[3] = {&g_font_sys13, &g_font_sys8b, &g_font_sys8};
        for (int32_t i = 0; i < 3; ++i) {
            font_free(fonts[i]);
            *fonts[i] = kept_[i];
        }
        g_shipowner_count = 0;
        g_quit = 0;
        g_playing_duration = -1;
        screen_buttons_clear();
        picture_files_close();
    }

    // Passes until every scripted event has been delivered, and one more to act on the last.
    void passes_until_script_done(int32_t limit = 200) {
        for (int32_t n = 0; n < limit && headless_pending_events() > 0; ++n) main_loop_pass(&loop_);
        main_loop_pass(&loop_);
    }

    // Pixels of the run button that differ from the picture's image for state.
    static int32_t run_button_off(int32_t state) {
        int32_t sx = state == RUN_RUNNING ? 253 : 10;
        int32_t sy = state == RUN_RUNNING ? 159 : 162;
        int32_t n = 0;
        for (int32_t y = 0; y < 38; ++y)
            for (int32_t x = 0; x < 62; ++x)
                if (g_screen_buffer[(162 + y) * SCREEN_WIDTH + 10 + x] !=
                    g_background_buffer[(sy + y) * SCREEN_WIDTH + sx + x])
                    ++n;
        return n;
    }

    // A click as a hand makes it: the pointer comes to rest on the spot first (a poll reads the
    // pointer before its sleep, so it sees a press where the pointer was), then the button goes
    // down and, long enough later for the poll to see both apart, up again.
    static void click(uint32_t at, int32_t x, int32_t y) {
        headless_script(at, HEADLESS_MOVE, x, y);
        headless_script(at + 150, HEADLESS_LEFT_DOWN, x, y);
        headless_script(at + 350, HEADLESS_LEFT_UP);
    }

    MainLoop loop_{};
    Font kept_[3];
};

TEST_F(MainLoopTest, StartsStoppedWithThePausedImage) {
    main_loop_pass(&loop_);
    EXPECT_EQ(loop_.run_state, RUN_STOPPED);
    EXPECT_EQ(g_main_screen_shown, 1);
    EXPECT_EQ(run_button_off(RUN_STOPPED), 0);
    EXPECT_EQ(g_day_dial_hand, 2);
}

// The run button's press and release, and the space bar, which acts as both at once.
TEST_F(MainLoopTest, RunButtonAndSpaceBar) {
    struct Step {
        int32_t kind;  // 0 click inside, 1 press inside and release outside, 2 space bar
        int32_t run_state;
    };
    const Step steps[] = {
        {0, RUN_RUNNING}, {0, RUN_STOPPED}, {1, RUN_STOPPED}, {2, RUN_RUNNING},
        {1, RUN_RUNNING}, {2, RUN_STOPPED}, {2, RUN_RUNNING}, {0, RUN_STOPPED},
    };
    for (const Step& s : steps) {
        uint32_t t = headless_now() + 100;
        if (s.kind == 0) {
            click(t, 40, 180);
        } else if (s.kind == 1) {
            headless_script(t, HEADLESS_MOVE, 40, 180);
            headless_script(t + 150, HEADLESS_LEFT_DOWN, 40, 180);
            headless_script(t + 300, HEADLESS_MOVE, 150, 60);
            headless_script(t + 450, HEADLESS_LEFT_UP);
        } else {
            headless_script(t, HEADLESS_KEY, ' ');
        }
        passes_until_script_done();
        EXPECT_EQ(loop_.run_state, s.run_state) << "step kind " << s.kind;
        EXPECT_EQ(run_button_off(s.run_state), 0) << "step kind " << s.kind;
        EXPECT_EQ(loop_.pending_button, 0);
    }
}

// Clicks near the edges of the run button's hot zone (12, 164) 55 x 31.
TEST_F(MainLoopTest, RunButtonHotZone) {
    struct Case {
        int32_t x, y;
        bool toggles;
    };
    const Case cases[] = {{12, 164, true},  {66, 194, true},  {11, 180, false},
                          {67, 180, false}, {40, 163, false}, {40, 195, false}};
    for (const Case& c : cases) {
        int32_t before = loop_.run_state;
        click(headless_now() + 100, c.x, c.y);
        passes_until_script_done();
        EXPECT_EQ(loop_.run_state != before, c.toggles) << c.x << "," << c.y;
    }
}

// Keys '1' to '3' and clicks on the side buttons: with the clock stopped they open the chooser,
// with it running they only flash the button's frame (and the office and broker take the main
// screen's mark away).
TEST_F(MainLoopTest, SideButtonsOpenTheChooserOnlyWhenStopped) {
    struct Case {
        bool running;
        int32_t key;  // 0: click
        int32_t x, y;
        bool chooser;
        int32_t shown_after;
    };
    const Case cases[] = {
        {false, '1', 0, 0, true, 1},    {false, '2', 0, 0, true, 1},  {false, '3', 0, 0, true, 1},
        {false, 0, 280, 40, true, 1},   {false, 0, 280, 85, true, 1}, {false, 0, 280, 130, true, 1},
        {false, 0, 280, 153, false, 1}, {true, '1', 0, 0, false, 1},  {true, '2', 0, 0, false, 0},
        {true, '3', 0, 0, false, 0},    {true, 0, 280, 40, false, 1}, {true, 0, 280, 130, false, 0},
    };
    for (const Case& c : cases) {
        loop_.run_state = c.running ? RUN_RUNNING : RUN_STOPPED;
        g_main_screen_shown = 1;
        g_shipowner_box.y1 = 0;
        uint32_t t = headless_now() + 100;
        if (c.key != 0) {
            headless_script(t, HEADLESS_KEY, c.key);
        } else {
            click(t, c.x, c.y);
        }
        headless_script(t + 1000, HEADLESS_KEY, 27);  // cancels the chooser if it opened
        std::vector<uint8_t> frame_before(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
        for (int32_t n = 0; n < 100 && headless_pending_events() > 1; ++n) main_loop_pass(&loop_);
        main_loop_pass(&loop_);  // a key that came in the pass's last sleep is read in the next
        EXPECT_EQ(g_shipowner_box.y1 != 0, c.chooser) << "key " << c.key << " at " << c.x << "," << c.y;
        EXPECT_EQ(g_main_screen_shown, c.shown_after) << "key " << c.key << " at " << c.x << "," << c.y;
        // The frame of the side buttons is back as it was.
        for (int32_t y = 16; y <= 153; ++y)
            for (int32_t x = 253; x <= 316; ++x)
                ASSERT_EQ(g_screen_buffer[y * SCREEN_WIDTH + x], frame_before[y * SCREEN_WIDTH + x])
                    << "key " << c.key << " at " << x << "," << y;
        // Drain the Escape without leaving it for the next case.
        while (headless_pending_events() > 0) headless_advance(100);
        g_key_slot = 0;
    }
}

// With the clock running the dial moves one of nine positions per pass, and the ninth pass makes
// the day: the day counter moves on and the map is drawn afresh. A quiet day lasts about 0.7 s.
TEST_F(MainLoopTest, NinePassesMakeADay) {
    loop_.run_state = RUN_RUNNING;
    const int32_t marker_x = 100;
    const int32_t marker_y = 100;
    for (int32_t day = 0; day < 3; ++day) {
        screen_put_pixel(marker_x, marker_y, 99);
        uint32_t start = headless_now();
        for (int32_t pass = 1; pass <= 9; ++pass) {
            main_loop_pass(&loop_);
            EXPECT_EQ(g_day_dial_hand, (pass - 1) * 8 + 2) << "day " << day << " pass " << pass;
            bool day_done = screen_get_pixel(marker_x, marker_y) != 99;
            EXPECT_EQ(day_done, pass == 9) << "day " << day << " pass " << pass;
            EXPECT_EQ(g_day, pass == 9 ? day + 1 : day) << "day " << day << " pass " << pass;
        }
        EXPECT_EQ(loop_.dial_step, 0);
        uint32_t ms = headless_now() - start;
        EXPECT_GE(ms, 650u) << "day " << day;
        EXPECT_LE(ms, 750u) << "day " << day;
    }
}

TEST_F(MainLoopTest, StoppedClockMakesNoDay) {
    screen_put_pixel(100, 100, 99);
    for (int32_t pass = 0; pass < 20; ++pass) main_loop_pass(&loop_);
    EXPECT_EQ(screen_get_pixel(100, 100), 99);
    EXPECT_EQ(loop_.dial_step, 0);
    EXPECT_EQ(g_day_dial_hand, 2);
}

// The playing time has run out once the start time plus the duration lies below the clock's
// seconds; "Continue" lifts the limit for good, anything else quits.
TEST_F(MainLoopTest, PlayingTimeQuestion) {
    struct Case {
        int32_t duration;
        uint32_t now_ms;
        int32_t key;  // the answer, 0 when no question is expected
        int32_t duration_after;
        int32_t quit;
    };
    const Case cases[] = {
        {-1, 50000, 0, -1, 0},   {0, 50000, 0, 0, 0},     {12, 12999, 0, 12, 0},   {12, 13000, 13, -1, 0},
        {12, 13000, 'n', 12, 1}, {12, 13000, ' ', 12, 1}, {12, 40000, 'y', -1, 0},
    };
    for (const Case& c : cases) {
        headless_reset();
        headless_advance(c.now_ms);
        g_game_start_time = 0;
        g_playing_duration = c.duration;
        g_quit = 0;
        headless_script(c.now_ms + 500, HEADLESS_KEY, c.key != 0 ? c.key : 13);
        main_loop_check_playing_time();
        bool asked = headless_pending_events() == 0;
        EXPECT_EQ(asked, c.key != 0) << c.duration << " at " << c.now_ms;
        EXPECT_EQ(g_playing_duration, c.duration_after) << c.duration << " at " << c.now_ms;
        EXPECT_EQ(g_quit, c.quit) << c.duration << " at " << c.now_ms;
        if (c.duration_after == -1 && c.key != 0) {
            // Not asked again.
            headless_script(headless_now() + 500, HEADLESS_KEY, 13);
            main_loop_check_playing_time();
            EXPECT_EQ(headless_pending_events(), 1u);
        }
        g_key_slot = 0;
    }
}

// The shipowner chooser: one row per shipowner still in the game, cancel below them, and the digit
// keys that pick any shipowner by number.
TEST_F(MainLoopTest, ShipownerChooser) {
    struct Case {
        int32_t count;
        bool second_out;
        int32_t key;  // 0: click at (x, y)
        int32_t x, y;
        int32_t result, chosen, box_bottom;
    };
    const Case cases[] = {
        {3, true, 0, 97, 37, 0, 0, 90},   // first row
        {3, true, 0, 97, 57, 0, 2, 90},   // second row: the third shipowner
        {3, true, 0, 100, 77, 1, 0, 90},  // cancel at y 70
        {3, true, '2', 0, 0, 0, 1, 90},   // a digit picks one without a row
        {3, true, '3', 0, 0, 0, 2, 90},   {3, true, '4', 0, 0, 1, 0, 90},   {3, true, '0', 0, 0, 1, 0, 90},
        {3, true, 13, 0, 0, 1, 0, 90},    {3, true, 27, 0, 0, 1, 0, 90},    {4, false, 0, 97, 97, 0, 3, 130},
        {4, false, '4', 0, 0, 0, 3, 130}, {1, false, 0, 100, 57, 1, 0, 70}, {1, false, '2', 0, 0, 1, 0, 70},
    };
    const char* names[4] = {"North Star", "Blue Anchor", "Coral Sea", "Polar Line"};
    for (const Case& c : cases) {
        for (Shipowner& o : g_shipowners) o = Shipowner{};
        g_shipowner_count = static_cast<int8_t>(c.count);
        for (int32_t i = 0; i < 4; ++i)
            std::snprintf(g_shipowners[i].company, RECORD_NAME_SIZE, "%s", names[i]);
        if (c.second_out) g_shipowners[1].out_of_game = 1;
        uint32_t t = headless_now() + 100;
        if (c.key != 0) {
            headless_script(t, HEADLESS_KEY, c.key);
        } else {
            click(t, c.x, c.y);
        }
        int32_t chosen = -1;
        int32_t result = choose_shipowner_dialog(&chosen);
        EXPECT_EQ(result, c.result) << "key " << c.key << " at " << c.x << "," << c.y;
        EXPECT_EQ(chosen, c.chosen) << "key " << c.key << " at " << c.x << "," << c.y;
        EXPECT_EQ(g_shipowner_box.y1, c.box_bottom);
        EXPECT_EQ(g_shipowner_box.style, 99);
        while (headless_pending_events() > 0) headless_advance(100);
        g_key_slot = 0;
        restore_main_screen();
    }
}

TEST_F(MainLoopTest, ChooserEndsAtOnceOnQuit) {
    g_quit = 1;
    int32_t chosen = -1;
    EXPECT_EQ(choose_shipowner_dialog(&chosen), 1);
    EXPECT_EQ(chosen, 0);
    EXPECT_LT(headless_now(), 200u);
}

}  // namespace
