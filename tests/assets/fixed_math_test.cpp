#include "assets/fixed_math.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Within this many parts in 2^30 of the true value (a third of a millionth).
constexpr int64_t kSineTolerance = 360;

TEST(FixedMath, SineAndCosineRoundTheTurn) {
    struct Case {
        int64_t num, den;  // the angle, as a fraction of a turn
        int64_t sin_millionths, cos_millionths;
    };
    const Case cases[] = {
        {0, 1, 0, 1000000},         {1, 12, 500000, 866025},     {1, 8, 707107, 707107},
        {1, 4, 1000000, 0},         {1, 3, 866025, -500000},     {1, 2, 0, -1000000},
        {7, 12, -500000, -866025},  {3, 4, -1000000, 0},         {11, 12, -500000, 866025},
        {-1, 12, -500000, 866025},  {13, 12, 500000, 866025},    {1, 1000, 6283, 999980},
    };
    for (const Case& c : cases) {
        uint32_t turn = fixed_turn(c.num, c.den);
        SCOPED_TRACE(testing::Message() << c.num << "/" << c.den << " of a turn");
        constexpr int64_t tolerance = kSineTolerance + FIXED_ONE / 2000000;  // and the table's rounding
        EXPECT_NEAR(fixed_sin(turn), c.sin_millionths * FIXED_ONE / 1000000, tolerance);
        EXPECT_NEAR(fixed_cos(turn), c.cos_millionths * FIXED_ONE / 1000000, tolerance);
    }
    // the peaks and the crossings are exact, and the sine is odd everywhere
    EXPECT_EQ(fixed_sin(fixed_turn(1, 4)), FIXED_ONE);
    EXPECT_EQ(fixed_sin(fixed_turn(3, 4)), -FIXED_ONE);
    EXPECT_EQ(fixed_sin(0), 0);
    EXPECT_EQ(fixed_sin(fixed_turn(1, 2)), 0);
    for (uint32_t k = 0; k < 1000; ++k) {
        uint32_t turn = 12345 + k * 4294967u;
        EXPECT_EQ(fixed_sin(0u - turn), -fixed_sin(turn)) << turn;
    }
}

TEST(FixedMath, AngleOfAVector) {
    struct Case {
        int64_t y, x;
        int64_t num, den;  // the expected angle, as a fraction of a turn
    };
    const Case cases[] = {
        {0, 5, 0, 1},   {5, 5, 1, 8},  {7, 0, 1, 4},    {3, -3, 3, 8},  {0, -9, 1, 2},
        {-2, -2, 5, 8}, {-1, 0, 3, 4}, {-40, 40, 7, 8}, {0, 0, 0, 1},  // no direction: 0
    };
    for (const Case& c : cases) {
        uint32_t want = fixed_turn(c.num, c.den);
        int32_t off = static_cast<int32_t>(fixed_atan2(c.y, c.x) - want);
        EXPECT_NEAR(off, 0, 16) << "(" << c.x << ", " << c.y << ")";
    }
    // every direction round the turn comes back as its angle, to the precision of the vector
    for (uint32_t k = 0; k < 360; ++k) {
        uint32_t turn = 777 + k * 11930464u;
        int32_t x = fixed_cos_scaled(turn, 100000, 1), y = fixed_sin_scaled(turn, 100000, 1);
        EXPECT_NEAR(static_cast<int32_t>(fixed_atan2(y, x) - turn), 0, 7000) << turn;
    }
}

TEST(FixedMath, ExponentialDecay) {
    struct Case {
        int64_t num, den;
        int64_t billionths;  // e^(-num / den)
    };
    const Case cases[] = {
        {0, 7, 1000000000},   {1, 1, 367879441},   {1, 2, 606530660},  {5, 2, 82084999},
        {10, 1, 45400},       {3, 1000, 997004496}, {21, 1, 1},         {22, 1, 0},
        {1000, 1, 0},         // far below the last bit
        {int64_t{1} << 40, int64_t{1} << 41, 606530660},  // a divisor beyond 32 bits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "e^-(" << c.num << "/" << c.den << ")");
        EXPECT_NEAR(fixed_exp_neg(c.num, c.den), c.billionths * FIXED_ONE / 1000000000, 4);
    }
}

TEST(FixedMath, SquareRootAndRounding) {
    const uint64_t roots[][2] = {{0, 0},   {1, 1},   {3, 1},   {4, 2},   {99, 9},  {100, 10},
                                 {6650ull << 32, 5344299},  // sqrt(6650) x 2^16, rounded down
                                 {~uint64_t{0}, 0xFFFFFFFFu}};
    for (const auto& r : roots) EXPECT_EQ(fixed_sqrt(r[0]), r[1]) << r[0];
    // halves go away from zero, like the rounding of a point's coordinates to pixels
    EXPECT_EQ(fixed_round(FIXED_ONE * 5 / 2), 3);
    EXPECT_EQ(fixed_round(-FIXED_ONE * 5 / 2), -3);
    EXPECT_EQ(fixed_round(FIXED_ONE * 5 / 2 - 1), 2);
    EXPECT_EQ(fixed_round(-FIXED_ONE / 3), 0);
    EXPECT_EQ(fixed_sin_scaled(fixed_turn(1, 4), 39, 2), 20);  // 19.5
    EXPECT_EQ(fixed_cos_scaled(fixed_turn(1, 2), 7, 1), -7);
}

}  // namespace
