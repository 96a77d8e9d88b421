// Whole episodes on the headless host, steered by scripted keys: each outcome, the berth that is
// not taken while the engine runs, the thruster of model 1 only, the models outside 1..7, the
// pacing of a tick, and the order of the chart's random draws.
#include <gtest/gtest.h>

#include "engine/input.h"
#include "engine/random.h"
#include "host/headless_host.h"
#include "tests/voyage/sim_fixture.h"
#include "voyage/charts.h"
#include "voyage/control_panel.h"
#include "voyage/hourglass.h"
#include "voyage/manoeuvre.h"
#include "voyage/ship_outline.h"
#include "voyage/sim_state.h"

namespace {

// A tick: the ship's drawing waits 16 ms, the empty key poll sleeps 30.
constexpr uint32_t TICK_MS = 46;

using ManoeuvreTest = SimTest;

TEST_F(ManoeuvreTest, TheTickLimitEndsAnIdleEpisode) {
    EXPECT_EQ(MANOEUVRE_OUT_OF_TIME, manoeuvre_run(1, 3, 0, 0, 0, 50, nullptr));
    EXPECT_EQ(51 * TICK_MS, headless_now()) << "ticks 1..51, the 51st past the limit";
    EXPECT_EQ(150, g_hourglass_moved) << "the glass ran out";
}

TEST_F(ManoeuvreTest, FullAsternOffTheLeftEdgeIsOffTheChart) {
    key_slot_store(SIM_KEY_FULL_ASTERN);
    EXPECT_EQ(MANOEUVRE_OFF_CHART, manoeuvre_run(1, 3, 0, 0, 0, 2000, nullptr));
    EXPECT_LT(g_sim_ship_box[2], 0);
}

TEST_F(ManoeuvreTest, StartingStoppedInTheBerthTakesItAtOnce) {
    EXPECT_EQ(MANOEUVRE_SUCCESS, manoeuvre_run(0, 3, 0, 1, 1, 2000, "London"));
    EXPECT_EQ(TICK_MS, headless_now());
}

TEST_F(ManoeuvreTest, ABerthIsNotTakenWhileTheTelegraphIsOff0) {
    key_slot_store(KEY_UP);
    headless_script(1000, HEADLESS_KEY, KEY_DOWN);
    EXPECT_EQ(MANOEUVRE_SUCCESS, manoeuvre_run(0, 3, 0, 1, 1, 2000, nullptr));
    EXPECT_GT(headless_now(), 1000u);
    EXPECT_EQ(0, g_sim_telegraph);
    EXPECT_LE(g_sim_speed, 3);
}

TEST_F(ManoeuvreTest, FullAheadIntoTheBankIsDamageBySpeed) {
    // from London's lower berth, bow west, straight on into the south bank of the river's bend
    key_slot_store(SIM_KEY_FULL_AHEAD);
    EXPECT_EQ(318 >> 3, manoeuvre_run(0, 3, 0, 1, 0, 6000, nullptr));
}

TEST_F(ManoeuvreTest, CreepingUpToTheRaftIsARescue) {
    // the raft lies still at (90, 12); the ship, heading 265 from (100, 161), comes up at speed 32
    headless_script_text(0, "&&&&");
    EXPECT_EQ(MANOEUVRE_SUCCESS, manoeuvre_run(2, 3, 0, 1, 1, 6000, nullptr));
    EXPECT_EQ(32, g_sim_speed);
    EXPECT_EQ(85, g_sim_raft_box[0]);
    EXPECT_EQ(7, g_sim_raft_box[1]);
}

TEST_F(ManoeuvreTest, RammingTheRaftIsDamage) {
    key_slot_store(SIM_KEY_FULL_AHEAD);
    EXPECT_EQ(318 >> 3, manoeuvre_run(2, 3, 0, 1, 1, 6000, nullptr));
}

TEST_F(ManoeuvreTest, TheRaftDriftingOffTheScreenIsOffTheChart) {
    EXPECT_EQ(MANOEUVRE_OFF_CHART, manoeuvre_run(2, 3, 1000, 3, 2, 6000, nullptr));
    EXPECT_LT(g_sim_raft_box[0], 0);
}

TEST_F(ManoeuvreTest, ThrusterOnModelOneOnly) {
    struct Case {
        int32_t model, thruster;
        bool moved;
    } cases[] = {{1, 5, true}, {3, 0, false}, {2, 0, false}};
    for (const Case& c : cases) {
        headless_reset();
        headless_script_text(0, ".....");  // '.' is the Delete key's code
        EXPECT_EQ(MANOEUVRE_OUT_OF_TIME, manoeuvre_run(1, c.model, 0, 0, 0, 200, nullptr));
        EXPECT_EQ(c.thruster, g_sim_thruster) << "model " << c.model;
        EXPECT_EQ(c.moved, g_sim_last_pose[1] > 130) << "model " << c.model << " at y " << g_sim_last_pose[1];
        EXPECT_EQ(0, g_sim_last_pose[0]) << "sideways only";
    }
}

TEST_F(ManoeuvreTest, ModelsOutsideOneToSevenSteerModelOnesOutlineAsClassZero) {
    for (int32_t model : {0, 8, -3}) {
        headless_reset();
        key_slot_store(SIM_KEY_FULL_AHEAD);
        EXPECT_EQ(MANOEUVRE_OUT_OF_TIME, manoeuvre_run(1, model, 0, 0, 0, 10, nullptr));
        EXPECT_EQ(g_ship_outline_table[1], g_sim_outline) << model;
        EXPECT_EQ(33, g_sim_speed) << "class 0 steps 3 every tick: " << model;
    }
}

TEST_F(ManoeuvreTest, OutOfRangeArgumentsAreClamped) {
    // harbour row 99 is row 0, start 7 is 3, target -2 is the entrance
    EXPECT_EQ(MANOEUVRE_OUT_OF_TIME, manoeuvre_run(0, 3, 99, 7, -2, 1, nullptr));
    EXPECT_EQ(g_harbour_maps[0].coast, g_sim_coast);
    EXPECT_EQ(g_harbour_maps[0].min_x[0], g_sim_target_box[0]);
    EXPECT_EQ(g_harbour_maps[0].start_x[3], g_sim_last_pose[0]);
    // a mode above 2 is the rescue
    EXPECT_EQ(MANOEUVRE_OUT_OF_TIME, manoeuvre_run(5, 3, 0, 0, 0, 1, nullptr));
    EXPECT_EQ(999, g_sim_target_heading);
}

TEST_F(ManoeuvreTest, AnIceChartDrawsSixtyOneNumbersPerFloe) {
    int32_t floes = 0;
    for (const int32_t* p = g_reef_maps[0].coast; p[0] != -1; p += 2)
        if (p[0] == -2) ++floes;
    ++floes;
    g_random_seed = 321;
    g_random_counter = 0;
    for (int32_t k = 0; k < 61 * floes; ++k) random_range(-100, 100);
    int32_t next = random_range(0, 30000);
    g_random_seed = 321;
    g_random_counter = 0;
    manoeuvre_run(1, 3, 0, 0, 0, 1, nullptr);
    EXPECT_EQ(next, random_range(0, 30000));
}

TEST_F(ManoeuvreTest, TheTitleStandsAtTheTopRight) {
    manoeuvre_run(0, 3, 0, 0, 1, 1, "London");
    bool lit = false;
    for (int32_t y = 1; y <= 9; ++y)
        for (int32_t x = 280; x <= 315; ++x) lit = lit || pixel(x, y) == 15;
    EXPECT_TRUE(lit);
}

}  // namespace
