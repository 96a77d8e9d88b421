// The radar exercise's ships and controls without the screen: the speed settling on eight times
// the telegraph, the full-ahead and full-astern presses, the turn wrapping round the circle, the
// class of a contact by the headings, and the start the dice choose.
#include <gtest/gtest.h>

#include <vector>

#include "engine/input.h"
#include "engine/random.h"
#include "voyage/radar.h"
#include "voyage/radar_motion.h"

namespace {

TEST(RadarMotion, TheSpeedSettlesOnEightTimesTheTelegraph) {
    struct Case {
        int32_t speed, telegraph;
        std::vector<int32_t> after;  // the speed after each frame
    } cases[] = {
        {60, 7, {59, 58, 57, 56, 56, 56}},    // the start: down by one a frame to 56
        {247, 31, {247, 247}},                // 249 after the first test, back to 247 after the second
        {246, 31, {248, 248}},                // steps of two land on 248 from an even speed
        {0, 16, {2, 4, 6}},                   // |t| 16 steps by two
        {0, -28, {-2, -4}},                   // astern
        {-223, -28, {-225, -225}},            // the overshoot taken back astern too
        {10, 0, {9, 8}},
    };
    for (const Case& c : cases) {
        int32_t s = c.speed;
        for (size_t k = 0; k < c.after.size(); ++k) {
            s = radar_speed_step(s, c.telegraph);
            EXPECT_EQ(c.after[k], s) << "from " << c.speed << " at t " << c.telegraph << ", frame " << k + 1;
        }
    }
}

TEST(RadarMotion, FullAheadAndFullAsternStopTheEngineFirst) {
    struct Case {
        uint32_t key;
        int32_t from;
        int32_t first, second;
    } cases[] = {
        {RADAR_KEY_FULL_AHEAD, -10, 0, 31},  {RADAR_KEY_FULL_AHEAD, -28, 0, 31},
        {RADAR_KEY_FULL_AHEAD, 0, 31, 31},   {RADAR_KEY_FULL_AHEAD, 31, 31, 31},
        {RADAR_KEY_FULL_ASTERN, 12, 0, -28}, {RADAR_KEY_FULL_ASTERN, 1, 0, -28},
        {RADAR_KEY_FULL_ASTERN, 0, -28, -28}, {RADAR_KEY_FULL_ASTERN, -28, -28, -28},
    };
    for (const Case& c : cases) {
        RadarRun run{};
        run.telegraph = c.from;
        run.rudder = 5;
        radar_key_apply(&run, c.key);
        EXPECT_EQ(c.first, run.telegraph) << c.key << " from " << c.from;
        radar_key_apply(&run, c.key);
        EXPECT_EQ(c.second, run.telegraph) << c.key << " from " << c.from << ", pressed twice";
        EXPECT_EQ(5, run.rudder);
    }
}

TEST(RadarMotion, TheOtherKeysMoveTheControlsWithinTheirRanges) {
    struct Case {
        uint32_t key;
        int32_t telegraph, rudder;
        int32_t want_telegraph, want_rudder;
    } cases[] = {
        {KEY_LEFT, 3, 0, 3, -1},   {KEY_LEFT, 3, -40, 3, -40},    {KEY_RIGHT, 3, 38, 3, 39},
        {KEY_RIGHT, 3, 39, 3, 39}, {KEY_UP, 30, 2, 31, 2},        {KEY_UP, 31, 2, 31, 2},
        {KEY_DOWN, -27, 2, -28, 2}, {KEY_DOWN, -28, 2, -28, 2},   {RADAR_KEY_STOP, 20, -9, 0, 0},
        {RADAR_KEY_NOTHING, 20, -9, 20, -9}, {'%', 0, 0, 0, -1},  {'a', 4, 4, 4, 4},
    };
    for (const Case& c : cases) {
        RadarRun run{};
        run.telegraph = c.telegraph;
        run.rudder = c.rudder;
        radar_key_apply(&run, c.key);
        EXPECT_EQ(c.want_telegraph, run.telegraph) << "key " << c.key;
        EXPECT_EQ(c.want_rudder, run.rudder) << "key " << c.key;
    }
}

TEST(RadarMotion, TheHeadingWrapsRoundTheCircle) {
    struct Case {
        int32_t heading, rudder, telegraph, speed, want;
    } cases[] = {
        {46079, 1, 7, 56, 0},         // 4 x 1 x (28 + 14) = 168, >> 7 = 1: past 46079 to 0
        {46079, 39, 31, 248, 225},    // the hardest turn to starboard: 156 x 186 >> 7 = 226
        {46000, 10, 7, 56, 46013},
        {0, -1, 7, 56, 46078},        // -168 >> 7 = -2 (arithmetic)
        {100, -40, 31, 248, 45947},   // the hardest turn to port: -29760 >> 7 = -233
        {34560, 0, 31, 248, 34560},   // rudder amidships
        {34560, 5, -28, -224, 34560 + ((20 * (-112 - 56)) >> 7)},  // astern the turn reverses
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.want, radar_heading_step(c.heading, c.rudder, c.telegraph, c.speed))
            << c.heading << " rudder " << c.rudder;
}

TEST(RadarMotion, AShipMovesAlongItsHeadingInFixedPoint) {
    struct Case {
        int32_t heading, speed, dx, dy;
    } cases[] = {
        {0, 60, 15, 0},     // 256 x 60 >> 10
        {90, 60, 0, 15},    // down the screen
        {270, 60, 0, -15},  // up
        {180, 5, -2, 0},    // -1280 >> 10 = -2 (arithmetic)
        {270, -20, 0, 4},   // astern: sin 270 is -255 in the table
    };
    for (const Case& c : cases) {
        RadarShip s{1000, 1000, c.heading * 128, c.speed};
        radar_ship_move(&s, c.heading);
        EXPECT_EQ(1000 + c.dx, s.x) << c.heading;
        EXPECT_EQ(1000 + c.dy, s.y) << c.heading;
    }
}

TEST(RadarMotion, ContactClassesByTheDifferenceOfTheHeadings) {
    struct Case {
        int32_t own, other, want;
    } cases[] = {
        {181, 91, RADAR_FLANK},     {1, 91, RADAR_FLANK},        // 90 and 270
        {177, 91, RADAR_FLANK},     {185, 91, RADAR_FLANK},      // 86 and 94
        {176, 91, RADAR_CROSSING},  {186, 91, RADAR_CROSSING},   // 85 and 95
        {111, 91, RADAR_GLANCING},  {112, 91, RADAR_CROSSING},   // 20 and 21
        {71, 91, RADAR_GLANCING},   {70, 91, RADAR_CROSSING},    // 340 and 339
        {270, 91, RADAR_GLANCING},  {250, 91, RADAR_CROSSING},   // 179 head on, 159
        {291, 91, RADAR_GLANCING},  {292, 91, RADAR_CROSSING},   // 200 and 201
        {270, 270, RADAR_GLANCING}, {5, 355, RADAR_GLANCING},    // 0 and 10 across north
        {355, 5, RADAR_GLANCING},   {2, 268, RADAR_FLANK},       // 350; 94 across the wrap
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.want, radar_contact_class(c.own, c.other)) << c.own << " against " << c.other;
}

struct Draw {
    int32_t lo, hi, result;
};
std::vector<Draw>* g_draws = nullptr;
void record(int32_t lo, int32_t hi, int32_t result) { g_draws->push_back({lo, hi, result}); }

TEST(RadarMotion, TheDiceChooseTheStartThenTheSpeed) {
    std::vector<Draw> draws;
    g_draws = &draws;
    g_random_trace = record;
    int32_t seen[RADAR_TARGET_STARTS] = {};
    for (uint16_t seed = 1; seed <= 60; ++seed) {
        g_random_seed = seed;
        g_random_counter = 0;
        g_random_value = 0;
        draws.clear();
        RadarRun run;
        radar_run_start(&run);
        ASSERT_EQ(2u, draws.size());
        EXPECT_EQ(0, draws[0].lo);
        EXPECT_EQ(2, draws[0].hi);
        EXPECT_EQ(40, draws[1].lo);
        EXPECT_EQ(110, draws[1].hi);
        const RadarTargetStart& s = g_radar_target_starts[draws[0].result];
        ++seen[draws[0].result];
        EXPECT_EQ(s.x * 128, run.other.x);
        EXPECT_EQ(s.y * 128, run.other.y);
        EXPECT_EQ(s.heading * 128, run.other.heading);
        EXPECT_EQ(draws[1].result, run.other.speed);
        EXPECT_EQ(34560, run.own.heading);
        EXPECT_EQ(0, run.own.x);
        EXPECT_EQ(0, run.own.y);
        EXPECT_EQ(60, run.own.speed);
        EXPECT_EQ(7, run.telegraph);
        EXPECT_EQ(0, run.rudder);
        EXPECT_EQ(270, run.sweep);
        EXPECT_EQ(RADAR_QUIT, run.result);
    }
    g_random_trace = nullptr;
    for (int32_t n : seen) EXPECT_GT(n, 0) << "every start comes up";
}

TEST(RadarMotion, TheStartsAreTheThreeOfTheExercise) {
    const RadarTargetStart want[] = {{2, -50, 91}, {40, -40, 175}, {-40, -40, 12}};
    for (int32_t k = 0; k < RADAR_TARGET_STARTS; ++k) {
        EXPECT_EQ(want[k].x, g_radar_target_starts[k].x);
        EXPECT_EQ(want[k].y, g_radar_target_starts[k].y);
        EXPECT_EQ(want[k].heading, g_radar_target_starts[k].heading);
    }
}

TEST(RadarMotion, TheScopeIsHeadingUp) {
    struct Case {
        int32_t own_heading;  // degrees
        int32_t dx, dy;       // the other ship from the own, pixels
        int32_t other_heading;
        int32_t sx, sy, e;
    } cases[] = {
        {270, 2, -50, 91, 89, 62, 91},      // dead ahead with the bow up: as it lies
        {0, 50, 0, 91, 87, 62, 361},        // heading east, a ship 50 east is straight up
        {90, 0, 50, 12, 87, 62, 192},       // heading south, 50 south is up
        {0, 0, 50, 0, 136, 112, 270},       // heading east, 50 south is to the right (sin 270 = -255)
    };
    for (const Case& c : cases) {
        RadarRun run{};
        run.own = {640, -256, c.own_heading * 128, 0};
        run.other = {640 + c.dx * 128, -256 + c.dy * 128, c.other_heading * 128, 0};
        RadarScopePlace p = radar_scope_place(run);
        EXPECT_EQ(c.sx, p.sx) << c.own_heading;
        EXPECT_EQ(c.sy, p.sy) << c.own_heading;
        EXPECT_EQ(c.e, p.heading) << c.own_heading;
    }
}

TEST(RadarMotion, TheScopesSquareAndTheContactSquare) {
    struct Case {
        int32_t sx, sy, want;
    } cases[] = {
        {25, 50, RADAR_QUIT},          {149, 174, RADAR_QUIT},       {24, 100, RADAR_OUT_OF_SIGHT},
        {150, 100, RADAR_OUT_OF_SIGHT}, {60, 49, RADAR_OUT_OF_SIGHT}, {60, 175, RADAR_OUT_OF_SIGHT},
        {76, 101, RADAR_FLANK},        {98, 123, RADAR_FLANK},       {75, 110, RADAR_QUIT},
        {99, 110, RADAR_QUIT},         {87, 100, RADAR_QUIT},        {87, 124, RADAR_QUIT},
    };
    RadarRun run{};
    run.own.heading = 181 * 128;
    run.other.heading = 91 * 128;
    for (const Case& c : cases)
        EXPECT_EQ(c.want, radar_place_result(run, RadarScopePlace{c.sx, c.sy, 0})) << c.sx << "," << c.sy;
}

}  // namespace
