#include <gtest/gtest.h>

#include <climits>

#include "world/sine_table.h"

namespace {

TEST(SineTable, EntriesAndLookups) {
    struct Case {
        int32_t angle, sine, cosine;
    } cases[] = {
        {0, 0, 256},    {1, 4, 256},     {90, 256, 0},  {180, 0, -255}, {181, -3, -255}, {270, -255, 0},
        {359, -3, 256}, {-90, -255, 0},  {450, 256, 0}, {720, 0, 256},  {-1, -3, 256},   {30, 128, 222},
        {-360, 0, 256}, {-721, -3, 256}, {3610, 44, 252},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sin_deg(c.angle), c.sine) << c.angle;
        EXPECT_EQ(cos_deg(c.angle), c.cosine) << c.angle;
    }
    EXPECT_EQ(sin_deg(INT_MAX), sin_deg(INT_MAX % 360));
    EXPECT_EQ(cos_deg(INT_MIN), sin_deg(INT_MIN % 360 + 360 + 90));
}

TEST(SineTable, PositiveHalfRoundsNegativeHalfTruncates) {
    for (int32_t d = 1; d < 180; ++d) {
        EXPECT_GT(g_sine_table[d], 0) << d;
        // the negative half is at most the positive one in size, never one more
        int32_t m = -g_sine_table[d + 180];
        EXPECT_TRUE(m == g_sine_table[d] || m == g_sine_table[d] - 1) << d;
    }
    EXPECT_EQ(g_sine_table[0], 0);
    EXPECT_EQ(g_sine_table[180], 0);
}

}  // namespace
