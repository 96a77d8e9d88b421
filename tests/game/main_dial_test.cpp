// The day dial: nine hand positions a day on a 14 x 12 ellipse around (104, 180), each drawn after
// the old hand is erased.
#include <gtest/gtest.h>

#include "game/state_reset.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "views/day_dial.h"
#include "host/headless_host.h"
#include "tests/harness/harness.h"

namespace {

struct HandCase {
    int32_t step;  // the main loop's dial step
    int32_t x, y;  // where the hand ends
};

// Worked out from the sine table (x 104 + sin * 14 / 255, y 180 - cos * 12 / 255, truncating).
const HandCase kHands[] = {
    {0, 106, 169}, {8, 114, 173}, {16, 118, 180}, {24, 114, 187}, {32, 106, 191},
    {40, 98, 190}, {48, 91, 184}, {56, 91, 176},  {64, 98, 170},
};

class DayDial : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        all_state_reset();
        g_day_dial_hand = 0;
    }
};

TEST_F(DayDial, HandEndsOnTheEllipse) {
    for (const HandCase& c : kHands) {
        int32_t x = 0;
        int32_t y = 0;
        day_dial_hand_end(c.step + 2, &x, &y);
        EXPECT_EQ(x, c.x) << "step " << c.step;
        EXPECT_EQ(y, c.y) << "step " << c.step;
    }
    // Position 0, the hand's rest before the first draw: straight up, 12 pixels (256 * 12 / 255).
    int32_t x = 0;
    int32_t y = 0;
    day_dial_hand_end(0, &x, &y);
    EXPECT_EQ(x, 104);
    EXPECT_EQ(y, 168);
}

TEST_F(DayDial, EachDrawErasesTheOldHandAndWaitsATick) {
    const HandCase* previous = nullptr;
    for (const HandCase& c : kHands) {
        uint32_t before = headless_now();
        draw_day_dial(c.step);
        EXPECT_GE(headless_now() - before, 16u) << "step " << c.step;
        EXPECT_EQ(g_day_dial_hand, c.step + 2);
        EXPECT_EQ(screen_get_pixel(c.x, c.y), 14) << "step " << c.step;
        EXPECT_EQ(screen_get_pixel(104, 180), 14);
        if (previous != nullptr) {
            EXPECT_EQ(screen_get_pixel(previous->x, previous->y), 0) << "step " << c.step;
        }
        previous = &c;
    }
}

}  // namespace
