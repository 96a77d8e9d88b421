#include <gtest/gtest.h>

#include <climits>

#include "engine/intmath.h"
#include "engine/random.h"

namespace {

void reset_generator() {
    g_random_seed = 1;
    g_random_counter = 0;
}

TEST(Random, SequenceFromSeedOne) {
    reset_generator();
    EXPECT_EQ(random_next(), 32498u);
    EXPECT_EQ(random_next(), 45244u);
    EXPECT_EQ(random_next(), 58562u);
    EXPECT_EQ(g_random_value, 58562u);
    EXPECT_EQ(g_random_counter, 3u);
}

TEST(Random, CounterMakesTheSequenceDependOnTheDrawCount) {
    g_random_seed = 1;
    g_random_counter = 100;
    uint32_t a = random_next();
    reset_generator();
    EXPECT_NE(a, random_next());
    g_random_seed = 0xFFFF;
    g_random_counter = 0xFFFF;  // both wrap in 16 bits
    random_next();
    EXPECT_EQ(g_random_counter, 0u);
    EXPECT_EQ(g_random_seed, static_cast<uint16_t>(0xFFFFu * 20077u + 12345u));
}

TEST(Random, RangeUsesTheSpanTimesTheDraw) {
    reset_generator();
    for (int i = 0; i < 2000; ++i) {
        int32_t r = random_range(0, 1);
        EXPECT_EQ(r, g_random_value < 32768 ? 0 : 1);
        int32_t s = random_range(-120, 120);
        EXPECT_EQ(s, -120 + ((241 * static_cast<int32_t>(g_random_value)) >> 16));
        ASSERT_GE(s, -120);
        ASSERT_LE(s, 120);
        EXPECT_EQ(random_range(5, 5), 5);
    }
    int seen[5] = {};
    for (int i = 0; i < 5000; ++i) ++seen[random_range(-2, 2) + 2];
    for (int k : seen) EXPECT_GT(k, 800);  // every value of a symmetric range comes up
}

TEST(IntMath, SquareRoot) {
    struct Case {
        int32_t n, r;
    } cases[] = {{0, 0},       {-7, 0},     {INT_MIN, 0}, {1, 1},         {2, 1},          {3, 1},
                 {4, 2},       {8, 2},      {9, 3},       {99, 9},        {100, 10},       {65535, 255},
                 {65536, 256}, {1 << 30, 32768}, {2147395599, 46339}, {2147395600, 46340}, {INT_MAX, 46340}};
    for (const Case& c : cases) EXPECT_EQ(isqrt(c.n), c.r) << c.n;
    for (int32_t n = 1; n < 100000; n += 7) {
        int32_t r = isqrt(n);
        ASSERT_LE(r * r, n);
        ASSERT_GT((r + 1) * (r + 1), n);
    }
}

TEST(IntMath, MultiplyHelpersTruncateShiftAndWrap) {
    EXPECT_EQ(mul_shift(-3, 1, 1), -2);  // arithmetic shift rounds toward minus infinity
    EXPECT_EQ(mul_div(-3, 1, 2), -1);    // division truncates toward zero
    EXPECT_EQ(mul_div(7, 9, 4), 15);
    EXPECT_EQ(mul_shift(256, 300, 8), 300);
    EXPECT_EQ(mul_add_shift(3, 256, -1, 256, 8), 2);
    EXPECT_EQ(mul_sub_shift(3, 256, 5, 256, 8), -2);
    EXPECT_EQ(mul_add_div(3, 4, 5, 6, 7), 6);
    EXPECT_EQ(mul_sub_div(3, 4, 5, 6, 7), -2);
    // Products wrap in 32 bits instead of being undefined.
    EXPECT_EQ(mul_shift(65536, 65536, 0), 0);
    EXPECT_EQ(mul_div(INT_MAX, 2, 1), -2);
    EXPECT_EQ(mul_add_shift(INT_MAX, 1, 1, 1, 0), INT_MIN);
    EXPECT_EQ(mul_div(INT_MIN, 1, -1), INT_MIN);
}

}  // namespace
