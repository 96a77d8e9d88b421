// The ship's handling in fixed point: the speed settling towards eight times the telegraph by
// class, and the turn and movement of one tick, pinned by exact values.
#include <gtest/gtest.h>

#include <vector>

#include "voyage/ship_motion.h"
#include "world/sine_table.h"

namespace {

// Speeds of ticks 1..n from rest with a constant telegraph.
std::vector<int32_t> speeds(int32_t handling, int32_t telegraph, int32_t n, int32_t speed = 0) {
    std::vector<int32_t> out;
    for (int32_t tick = 1; tick <= n; ++tick) {
        speed = ship_speed_step(handling, tick, speed, telegraph);
        out.push_back(speed);
    }
    return out;
}

TEST(ShipMotion, HandlingClassByModel) {
    struct Case {
        int32_t model, handling;
    } cases[] = {{1, 2}, {2, 1}, {4, 1}, {6, 1}, {3, 0}, {5, 0}, {7, 0}, {0, 0}, {8, 0}, {-1, 0}};
    for (const Case& c : cases) EXPECT_EQ(c.handling, handling_class(c.model)) << "model " << c.model;
}

TEST(ShipMotion, ClassZeroFromRestAtFullAheadReaches318OnTick106AndStays) {
    std::vector<int32_t> s = speeds(0, 40, 300);
    EXPECT_EQ(3, s[0]);
    EXPECT_EQ(6, s[1]);
    EXPECT_EQ(9, s[2]);
    EXPECT_EQ(315, s[104]);
    EXPECT_EQ(318, s[105]);  // tick 106
    for (size_t i = 105; i < s.size(); ++i) EXPECT_EQ(318, s[i]) << "tick " << i + 1;
}

TEST(ShipMotion, SettledSpeedsByClass) {
    struct Case {
        int32_t handling, telegraph, settled;
    } cases[] = {
        {0, 40, 318}, {0, -40, -321}, {1, 40, 318}, {1, -40, -321}, {2, 40, 320}, {2, -40, -320},
        {0, 0, 0},    {0, 16, 128},   {0, 15, 120},
    };
    for (const Case& c : cases) {
        std::vector<int32_t> s = speeds(c.handling, c.telegraph, 1200);
        EXPECT_EQ(c.settled, s.back()) << "class " << c.handling << " telegraph " << c.telegraph;
        EXPECT_EQ(c.settled, s[s.size() - 4]) << "class " << c.handling << " telegraph " << c.telegraph;
    }
}

TEST(ShipMotion, ClassOneStepsOnEvenTicksAndClassTwoAlternatesTheStep) {
    EXPECT_EQ((std::vector<int32_t>{0, 3, 3, 6, 6, 9}), speeds(1, 40, 6));
    EXPECT_EQ((std::vector<int32_t>{0, 2, 2, 5, 5, 7, 7, 10}), speeds(2, 40, 8));
    // from above, stopping: class 2 takes one step of 1 every fourth tick
    EXPECT_EQ((std::vector<int32_t>{10, 10, 10, 9, 9, 9, 9, 8}), speeds(2, 0, 8, 10));
}

TEST(ShipMotion, WorkedValuesOfOneTick) {
    struct Case {
        const char* what;
        ShipPose from;
        int32_t rudder, telegraph, speed, thruster;
        ShipPose to;
    } cases[] = {
        {"heading 0 at 318 moves 79/128 pixel", {0, 0, 0}, 0, 40, 318, 0, {79, 0, 0}},
        {"rudder 15 turns 112/128 degree", {0, 0, 0}, 15, 40, 318, 0, {79, 0, 112}},
        {"thruster 15 alone moves 15/128 down", {0, 0, 0}, 0, 0, 0, 15, {0, 15, 0}},
        {"heading 90 moves down", {0, 0, 90 * 128}, 0, 40, 318, 0, {0, 79, 90 * 128}},
        // -14340 >> 7 is -113: the shift rounds towards minus infinity
        {"turning left past 0 wraps", {0, 0, 10}, -15, 40, 318, 0, {79, (sin_deg(359) * 318) >> 10, 46080 + 10 - 113}},
        {"astern the turn reverses", {1280, 0, 0}, 15, -40, -321, 0,
         {1280 - 81, (sin_deg(359) * -321) >> 10, 46080 - 113}},
        {"rudder answers at a standstill", {0, 0, 0}, 15, 40, 0, 0, {0, 0, 75}},
    };
    for (const Case& c : cases) {
        ShipPose p = c.from;
        ship_move(&p, c.rudder, c.telegraph, c.speed, c.thruster);
        EXPECT_EQ(c.to.x, p.x) << c.what;
        EXPECT_EQ(c.to.y, p.y) << c.what;
        EXPECT_EQ(c.to.heading, p.heading) << c.what;
    }
}

}  // namespace
