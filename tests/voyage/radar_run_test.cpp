// The radar exercise on the headless host: the console and its instruments, the frames under the
// player's keys and mouse, the contact classes met on the scope, quitting, and whole exercises
// played with scripted keys to each way an encounter ends.
#include <gtest/gtest.h>

#include <vector>

#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/random.h"
#include "host/headless_host.h"
#include "host/sound_library.h"
#include "tests/voyage/sim_fixture.h"
#include "ui/fonts.h"
#include "ui/input_poll.h"
#include "voyage/radar.h"
#include "voyage/radar_frame.h"
#include "voyage/radar_gauges.h"
#include "voyage/radar_motion.h"
#include "voyage/radar_scope.h"
#include "world/sine_table.h"

namespace {

// A frame without a key or a held button: the empty key poll's 30 ms and two ticks of 16.
constexpr uint32_t FRAME_MS = 62;

class RadarRunTest : public SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp();
        g_quit = 0;
    }
    void TearDown() override {
        g_quit = 0;
        g_fast_machine = 0;
        headless_set_sleep_hook(nullptr, nullptr);
        SimTest::TearDown();
    }
    // A fresh start for the next case of a table.
    void restart() {
        TearDown();
        SetUp();
    }
    // Seeds the dice so that the next exercise starts the other ship from start k at speed.
    static void seed_for(int32_t start, int32_t* speed) {
        for (uint32_t seed = 1; seed < 65536; ++seed) {
            g_random_seed = static_cast<uint16_t>(seed);
            g_random_counter = g_random_value = 0;
            int32_t k = random_range(0, 2);
            int32_t s = random_range(40, 110);
            if (k == start && (*speed == 0 || s == *speed)) {
                *speed = s;
                g_random_seed = static_cast<uint16_t>(seed);
                g_random_counter = g_random_value = 0;
                return;
            }
        }
        FAIL() << "no seed for start " << start;
    }
    static int32_t row_colour_count(int32_t y, int32_t x0, int32_t x1, int32_t colour) {
        int32_t n = 0;
        for (int32_t x = x0; x <= x1; ++x) n += pixel(x, y) == colour;
        return n;
    }
};

// ---- the console -------------------------------------------------------------------------------

TEST_F(RadarRunTest, TheInstrumentsAtTheStart) {
    RadarRun run;
    radar_run_start(&run);
    radar_console_show(&run);
    // telegraph 7: a bright line across 203..222 at row 83 in the field
    EXPECT_EQ(20, row_colour_count(83, 203, 222, 15));
    EXPECT_EQ(20, row_colour_count(82, 203, 222, 2));
    EXPECT_EQ(20, row_colour_count(59, 203, 222, 2));
    EXPECT_EQ(20, row_colour_count(118, 203, 222, 2));
    // rudder amidships: column 225 from 155 to 164
    for (int32_t y = 155; y <= 164; ++y) {
        EXPECT_EQ(15, pixel(225, y)) << y;
        EXPECT_EQ(2, pixel(224, y)) << y;
        EXPECT_EQ(2, pixel(185, y)) << y;
        EXPECT_EQ(2, pixel(264, y)) << y;
    }
    // speed 60: 90 - 7 = 83, colour 1 across 242..254
    EXPECT_EQ(13, row_colour_count(83, 242, 254, 1));
    EXPECT_EQ(13, row_colour_count(84, 242, 254, 2));
    // the heading display: "270" and the degree mark in colour 1 from (210, 131) on a field of 2
    int32_t ink = 0, field = 0;
    for (int32_t y = 130; y <= 141; ++y)
        for (int32_t x = 185; x <= 264; ++x) {
            ink += pixel(x, y) == 1;
            field += pixel(x, y) == 2;
        }
    EXPECT_GT(ink, 10);
    EXPECT_EQ(80 * 12, ink + field);
    for (int32_t y = 130; y <= 141; ++y)
        for (int32_t x = 185; x < 210; ++x) ASSERT_EQ(2, pixel(x, y)) << x << "," << y;
    EXPECT_EQ(270, run.shown_heading);
    // the scope as the picture has it: ground and marks only
    EXPECT_EQ(34, pixel(87 + 30, 112 + 5));
}

TEST_F(RadarRunTest, TheHeadingDisplayShowsTheWholeDegrees) {
    struct Case {
        int32_t degrees;
        const char* text;
    } cases[] = {{270, "270\xF8"}, {5, "  5\xF8"}, {0, "  0\xF8"}, {359, "359\xF8"}, {42, " 42\xF8"}};
    for (const Case& c : cases) {
        set_draw_color(9);
        fill_rect(180, 125, 270, 145);
        radar_heading_draw(c.degrees);
        std::vector<int32_t> got;
        for (int32_t y = 125; y <= 145; ++y)
            for (int32_t x = 180; x <= 270; ++x) got.push_back(pixel(x, y));
        set_draw_color(9);
        fill_rect(180, 125, 270, 145);
        set_draw_color(2);
        fill_rect(185, 130, 264, 141);
        set_draw_color(1);
        font_draw_text(&g_font_sys8, c.text, 210, 131);
        std::vector<int32_t> want;
        for (int32_t y = 125; y <= 145; ++y)
            for (int32_t x = 180; x <= 270; ++x) want.push_back(pixel(x, y));
        EXPECT_EQ(want, got) << c.degrees;
    }
    EXPECT_GT(font_text_width(&g_font_sys8, "\xF8"), 0) << "the degree sign is drawn";
}

TEST_F(RadarRunTest, MarkersMoveWhenTheControlsChange) {
    RadarRun run;
    radar_run_start(&run);
    radar_console_show(&run);
    run.telegraph = -28;
    run.rudder = 39;
    radar_controls_update(&run);
    EXPECT_EQ(20, row_colour_count(83, 203, 222, 2)) << "the old line wiped";
    EXPECT_EQ(20, row_colour_count(118, 203, 222, 15));
    EXPECT_EQ(2, pixel(225, 160));
    EXPECT_EQ(15, pixel(264, 160));
    run.own.speed = -224;
    EXPECT_TRUE(radar_speed_update(&run));
    EXPECT_EQ(13, row_colour_count(83, 242, 254, 2));
    EXPECT_EQ(13, row_colour_count(118, 242, 254, 1));
    EXPECT_FALSE(radar_speed_update(&run));
    struct Case {
        int32_t speed, y;
    } rows[] = {{60, 83}, {0, 90}, {7, 90}, {8, 89}, {248, 59}, {255, 59}, {400, 59}, {-224, 118}, {-300, 118}, {-1, 91}};
    for (const Case& c : rows) EXPECT_EQ(c.y, radar_speed_mark_y(c.speed)) << c.speed;
}

TEST_F(RadarRunTest, TheMouseSetsRudderAndTelegraphInTheirFields) {
    struct Case {
        int32_t x, y, rudder, telegraph;
    } cases[] = {
        {185, 160, -40, 7}, {264, 155, 39, 7}, {230, 164, 5, 7},   // the rudder field
        {203, 59, 0, 31},   {222, 118, 0, -28}, {210, 90, 0, 0},  // the telegraph field
        {184, 160, 0, 7},   {265, 160, 0, 7},   {230, 165, 0, 7},  {210, 58, 0, 7}, {223, 70, 0, 7},
    };
    for (const Case& c : cases) {
        restart();
        headless_script(0, HEADLESS_LEFT_DOWN, c.x, c.y);
        headless_deliver_due();
        RadarRun run;
        radar_run_start(&run);
        radar_console_show(&run);
        radar_frame(&run);
        EXPECT_EQ(c.rudder, run.rudder) << c.x << "," << c.y;
        EXPECT_EQ(c.telegraph, run.telegraph) << c.x << "," << c.y;
        EXPECT_EQ(FRAME_MS + 30, headless_now()) << "reading the held pointer costs 30 ms";
        mouse_left_up();
    }
}

TEST_F(RadarRunTest, TheSpeedFallsTo56AndTheEnginePitchFollows) {
    ASSERT_EQ(sound_set_mode(SOUND_MODE_WAVE), 0);
    ASSERT_EQ(sound_open_library("sounds.dat"), 1);
    g_fast_machine = 1;  // the pitch values of a fast machine are within what the wave mode keeps
    RadarRun run;
    int32_t speed = 0;
    seed_for(0, &speed);
    radar_run_start(&run);
    radar_console_show(&run);
    EXPECT_EQ(297, g_sound_pitch) << "the engine starts at 297 on a fast machine";
    const int32_t want[] = {59, 58, 57, 56, 56, 56};
    for (int32_t s : want) {
        radar_frame(&run);
        ASSERT_EQ(RADAR_QUIT, run.result);
        EXPECT_EQ(s, run.own.speed);
        EXPECT_EQ(297 - s * 137 / 320, g_sound_pitch) << s;
    }
    EXPECT_EQ(6 * FRAME_MS, headless_now());
    sound_free(run.engine_slot);
    sound_free(run.crash_slot);
}

TEST_F(RadarRunTest, TheSweepTurnsFourDegreesAFrameAndPaintsTheEcho) {
    RadarRun run;
    int32_t speed = 0;
    seed_for(1, &speed);
    radar_run_start(&run);
    radar_console_show(&run);
    // the other ship starts at (127, 72) on the scope, 135 degrees round from the bottom: the sweep
    // starting at 270 (left) passes it in the 34th frame
    for (int32_t k = 1; k <= 40; ++k) {
        radar_frame(&run);
        ASSERT_EQ(RADAR_QUIT, run.result);
        EXPECT_EQ((270 - 4 * k + 360) % 360, run.sweep);
    }
    RadarScopePlace p = radar_scope_place(run);
    int32_t echo = 0;
    for (int32_t y = p.sy - 8; y <= p.sy + 8; ++y)
        for (int32_t x = p.sx - 8; x <= p.sx + 8; ++x) echo += pixel(x, y) == 49;
    EXPECT_GT(echo, 4) << "the echo near (" << p.sx << ", " << p.sy << ")";
}

TEST_F(RadarRunTest, TheHeadingDisplayFollowsTheTurn) {
    RadarRun run;
    radar_run_start(&run);
    radar_console_show(&run);
    auto display = [] {
        std::vector<int32_t> v;
        for (int32_t y = 130; y <= 141; ++y)
            for (int32_t x = 185; x <= 264; ++x) v.push_back(pixel(x, y));
        return v;
    };
    std::vector<int32_t> at_270 = display();
    run.rudder = RADAR_RUDDER_MAX;
    int32_t frames = 0;
    while (run.own.heading >> 7 == 270 && frames < 20) {
        radar_frame(&run);
        ++frames;
        if (run.own.heading >> 7 == 270) {
            EXPECT_EQ(at_270, display()) << "frame " << frames;
        }
    }
    ASSERT_EQ(271, run.own.heading >> 7) << "hard to starboard turns about 0.4 degrees a frame";
    EXPECT_EQ(3, frames);
    std::vector<int32_t> shown = display();
    EXPECT_NE(at_270, shown);
    radar_heading_draw(271);
    EXPECT_EQ(display(), shown);
}

TEST_F(RadarRunTest, TheSpeedMarkerIsColour3InGraphicsMode2) {
    uint32_t mode = g_graphics_mode;
    g_graphics_mode = 2;
    RadarRun run;
    radar_run_start(&run);
    radar_console_show(&run);
    g_graphics_mode = mode;
    EXPECT_EQ(13, row_colour_count(83, 242, 254, 3));
}

// ---- contacts met on the scope --------------------------------------------------------------

TEST_F(RadarRunTest, ContactsByTheHeadingsTheOtherShipMeets) {
    // the own ship lies stopped at the centre on a heading; the other comes down from ahead on 91
    struct Case {
        int32_t own_heading, want;
    } cases[] = {
        {1, RADAR_FLANK},       // 1 - 91 = -90: 270
        {181, RADAR_FLANK},     // 90
        {176, RADAR_CROSSING},  // 85
        {111, RADAR_GLANCING},  // 20
        {271, RADAR_GLANCING},  // 180, head on
    };
    for (const Case& c : cases) {
        restart();
        RadarRun run;
        radar_run_start(&run);
        radar_console_show(&run);
        run.own = {0, 0, c.own_heading * 128, 0};
        run.telegraph = 0;
        // 40 pixels back along its course of 91, coming fast straight at the own ship
        run.other = {0, 0, 91 * 128, 400};
        run.other.x = (cos_deg(91 + 180) * 40) >> 1;
        run.other.y = (sin_deg(91 + 180) * 40) >> 1;
        int32_t frames = 0;
        while (run.result < 0 && frames < 500) {
            radar_frame(&run);
            ++frames;
        }
        EXPECT_EQ(c.want, run.result) << "own heading " << c.own_heading;
        EXPECT_EQ(c.own_heading * 128, run.own.heading);
        EXPECT_LT(frames, 100);
    }
}

// ---- whole exercises ------------------------------------------------------------------------

struct VoiceLog {
    std::vector<uint32_t> loops;  // of every sound started
    uint32_t starts = 0;
    uint32_t quit_at = 0;  // sets g_quit then, 0 never
};

void watch(void* context) {
    auto* log = static_cast<VoiceLog*>(context);
    HeadlessVoice v = headless_voice();
    if (v.starts != log->starts) {
        log->starts = v.starts;
        log->loops.push_back(v.loops);
    }
    if (log->quit_at != 0 && headless_now() >= log->quit_at) g_quit = 1;
}

TEST_F(RadarRunTest, QuittingReturnsMinusOneWithoutACrash) {
    ASSERT_EQ(sound_set_mode(SOUND_MODE_WAVE), 0);
    ASSERT_EQ(sound_open_library("sounds.dat"), 1);
    for (uint32_t at : {1u, 500u, 2000u}) {
        for (int32_t start = 0; start < 3; ++start) {
            restart();
            ASSERT_EQ(sound_set_mode(SOUND_MODE_WAVE), 0);
            ASSERT_EQ(sound_open_library("sounds.dat"), 1);
            VoiceLog log;
            log.quit_at = at;
            headless_set_sleep_hook(watch, &log);
            int32_t speed = 110;  // the fastest: the ships meet soonest
            seed_for(start, &speed);
            EXPECT_EQ(RADAR_QUIT, collision_radar_run()) << at;
            EXPECT_EQ(std::vector<uint32_t>{30000u}, log.loops) << "the engine only";
            EXPECT_FALSE(headless_voice().playing);
            for (const SoundSlot& slot : g_sound_slots) EXPECT_EQ(nullptr, slot.buffer);
            headless_set_sleep_hook(nullptr, nullptr);
        }
    }
}

TEST_F(RadarRunTest, ThePauseHoldsEverythingUntilTheNextSpace) {
    RadarRun run;
    radar_run_start(&run);
    radar_console_show(&run);
    headless_script(0, HEADLESS_KEY, RADAR_KEY_PAUSE);
    headless_script(100, HEADLESS_KEY, KEY_UP);
    headless_script(200, HEADLESS_KEY, RADAR_KEY_STOP);
    headless_script(5000, HEADLESS_KEY, RADAR_KEY_PAUSE);
    headless_deliver_due();
    radar_frame(&run);
    EXPECT_EQ(7, run.telegraph) << "keys in the pause are dropped";
    EXPECT_GE(headless_now(), 5000u);
    EXPECT_EQ(59, run.own.speed) << "one frame's step after the pause";
}

struct Draws {
    std::vector<int32_t> bounds;  // lo, hi of every draw
};
Draws* g_draws = nullptr;
void record_draw(int32_t lo, int32_t hi, int32_t) {
    g_draws->bounds.push_back(lo);
    g_draws->bounds.push_back(hi);
}

TEST_F(RadarRunTest, WholeExercisesToEachEnd) {
    struct Case {
        const char* what;
        int32_t start, speed;
        const char* keys;   // typed from 0, one every 100 ms
        const char* later;  // typed from 500 ms
        int32_t want;
    } cases[] = {
        {"steaming on, she passes ahead", 2, 40, "", "", RADAR_OUT_OF_SIGHT},
        {"full astern out of her way", 0, 75, "\"\"", "", RADAR_OUT_OF_SIGHT},
        {"head on", 0, 75, "", "", RADAR_GLANCING},
        {"she crosses from starboard", 1, 75, "", "", RADAR_CROSSING},
        {"five degrees of port rudder and back, square into her side", 1, 75, "%%%%%", "'''''", RADAR_FLANK},
    };
    for (const Case& c : cases) {
        restart();
        ASSERT_EQ(sound_set_mode(SOUND_MODE_WAVE), 0);
        ASSERT_EQ(sound_open_library("sounds.dat"), 1);
        VoiceLog log;
        headless_set_sleep_hook(watch, &log);
        int32_t speed = c.speed;
        seed_for(c.start, &speed);
        headless_script_text(0, c.keys);
        headless_script_text(500, c.later);
        Draws draws;
        g_draws = &draws;
        g_random_trace = record_draw;
        int32_t result = collision_radar_run();
        g_random_trace = nullptr;
        EXPECT_EQ(c.want, result) << c.what;
        EXPECT_EQ((std::vector<int32_t>{0, 2, 40, 110}), draws.bounds) << c.what << ": the start, then the speed";
        if (c.want > 0)
            EXPECT_EQ((std::vector<uint32_t>{30000u, 1u}), log.loops) << c.what << ": the engine, then the crash once";
        else
            EXPECT_EQ(std::vector<uint32_t>{30000u}, log.loops) << c.what << ": no crash";
        EXPECT_FALSE(headless_voice().playing) << c.what;
        for (const SoundSlot& slot : g_sound_slots) EXPECT_EQ(nullptr, slot.buffer) << c.what;
        EXPECT_LT(headless_now(), 120000u) << c.what;
    }
}

}  // namespace
