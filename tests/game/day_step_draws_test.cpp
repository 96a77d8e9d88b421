// The day step's numbers pinned exactly: the ship-price index on given days (two sine waves, one
// truncating division of their product), and the till's draws in their order and how their
// results are used.
#include "game/day_step.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/game/day_step_fixture.h"
#include "tests/harness/draw_trace.h"
#include "world/records.h"

namespace {

class DayStepDraws : public DayStepTest {};

// 1000 + sin((day * 7 / 20) mod 360) * sin((day * 7 / 73) mod 360) / 256, the sines being the
// table's 256ths: day 500 gives 22 * 187 = 4114, day 1000 -43 * 255 = -10965 (truncated toward
// zero: 958, not 957), day 1234 242 * 226, day 5000 (the slower wave past a whole turn)
// -195 * 224.
TEST_F(DayStepDraws, ShipPriceIndexOnGivenDays) {
    struct Case {
        int32_t day;
        int32_t index;
    };
    const Case cases[] = {{1, 1000}, {500, 1016}, {1000, 958}, {1234, 1213}, {2570, 997}, {5000, 830}};
    g_shipowner_count = 0;
    for (const Case& c : cases) {
        g_day = c.day - 1;
        std::vector<TracedDraw> draws;
        draw_trace_start(&draws);
        day_step();
        draw_trace_stop();
        EXPECT_EQ(g_ship_price_index, c.index) << "day " << c.day;
        // The freight index is the price index and the day's one draw from -120..120.
        ASSERT_FALSE(draws.empty());
        const TracedDraw& freight = draws.back();
        EXPECT_EQ(freight.lo, -120);
        EXPECT_EQ(freight.hi, 120);
        EXPECT_EQ(g_freight_index, c.index + freight.result) << "day " << c.day;
    }
}

// With the office neglected beyond the threshold every day: one draw from 0..10; on a 1, with more
// than 200 k$ in the till, the share from 10..20 percent, then the new neglect count from 20..40;
// on a 1 with 200 k$ or less only the new count. Nothing else draws on a day without ships but
// the weather (first) and the freight index.
TEST_F(DayStepDraws, TillDrawsInTheirOrder) {
    g_difficulty = 3;  // a threshold of 80 days
    Shipowner& owner = g_shipowners[0];
    int32_t thefts = 0;
    int32_t poor_days = 0;
    for (int32_t day = 0; day < 400 && (thefts < 3 || poor_days < 2); ++day) {
        const bool poor = day % 2 == 1;
        const int32_t cash = poor ? 202 : 50000 + day;  // 200 or 50000+ after the day's 2 k$
        owner.cash = cash;
        owner.expenses_general = 0;
        owner.office_neglect_days = 80;
        std::vector<TracedDraw> draws;
        draw_trace_start(&draws);
        day_step();
        draw_trace_stop();
        ASSERT_GE(draws.size(), 2u);
        // Past the weather and the freight index.
        size_t k = 0;
        while (k < draws.size() && !(draws[k].lo == -120 && draws[k].hi == 120)) ++k;
        ASSERT_LT(k, draws.size());
        std::vector<TracedDraw> till(draws.begin() + static_cast<long>(k) + 1, draws.end());
        ASSERT_GE(till.size(), 1u);
        EXPECT_EQ(till[0].lo, 0);
        EXPECT_EQ(till[0].hi, 10);
        if (till[0].result != 1) {
            EXPECT_EQ(till.size(), 1u) << "day " << day;
            EXPECT_EQ(owner.office_neglect_days, 81);
            EXPECT_EQ(owner.cash, cash - 2);
            continue;
        }
        if (poor) {
            ASSERT_EQ(till.size(), 2u) << "day " << day;
            EXPECT_EQ(till[1].lo, 20);
            EXPECT_EQ(till[1].hi, 40);
            EXPECT_EQ(owner.office_neglect_days, till[1].result);
            EXPECT_EQ(owner.cash, 200);
            ++poor_days;
            continue;
        }
        // The theft letter comes between the share and the new count (its own draws with it).
        ASSERT_GE(till.size(), 3u) << "day " << day;
        EXPECT_EQ(till[1].lo, 10);
        EXPECT_EQ(till[1].hi, 20);
        EXPECT_EQ(till.back().lo, 20);
        EXPECT_EQ(till.back().hi, 40);
        for (size_t m = 2; m + 1 < till.size(); ++m)
            EXPECT_FALSE(till[m].lo == 20 && till[m].hi == 40) << "the count is drawn once, last";
        const int32_t there = cash - 2;
        const int32_t taken = till[1].result * there / 100;
        EXPECT_EQ(owner.cash, there - taken) << "day " << day;
        EXPECT_EQ(owner.expenses_general, 2 + taken);
        EXPECT_EQ(owner.office_neglect_days, till.back().result);
        ++thefts;
    }
    EXPECT_GE(thefts, 3);
    EXPECT_GE(poor_days, 2);
    EXPECT_EQ(letters(), thefts);
}

}  // namespace
