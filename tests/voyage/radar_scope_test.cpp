// The radar scope: the crossing of two segments, the sweep ray sparing the scope's marks, and the
// echo that the newest rays paint, never along a ray.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/draw.h"
#include "engine/frame.h"
#include "tests/harness/harness.h"
#include "voyage/radar.h"
#include "voyage/radar_scope.h"
#include "world/sine_table.h"

namespace {

TEST(SegmentIntersect, CrossingsParallelsAndEnds) {
    struct Case {
        const char* what;
        int32_t s[8];
        int32_t hit, x, y;
    } cases[] = {
        {"an X", {0, 0, 10, 10, 0, 10, 10, 0}, 1, 5, 5},
        {"parallel", {0, 0, 10, 0, 0, 5, 10, 5}, 0, 0, 0},
        {"on one line, overlapping", {0, 0, 10, 0, 2, 0, 8, 0}, 0, 0, 0},
        {"the first's end on the second", {0, 0, 10, 0, 10, -5, 10, 5}, 1, 10, 0},
        {"the first's start on the second", {0, 0, 10, 0, 0, -5, 0, 5}, 1, 0, 0},
        {"the second's end on the first", {0, 0, 10, 0, 5, 0, 5, 7}, 1, 5, 0},
        {"the second the other way", {0, 0, 10, 0, 5, 7, 5, 0}, 1, 5, 0},
        {"the first the other way", {10, 0, 0, 0, 5, 7, 5, 0}, 1, 5, 0},
        {"both the other way", {10, 0, 0, 0, 5, 0, 5, 7}, 1, 5, 0},
        {"short of the second", {0, 0, 4, 0, 5, -5, 5, 5}, 0, 0, 0},
        {"behind the first's start", {0, 0, 10, 0, -3, -5, -3, 5}, 0, 0, 0},
        {"the second stops short", {0, 0, 10, 0, 5, 1, 5, 7}, 0, 0, 0},
        {"the point truncated", {0, 0, 10, 3, 3, 0, 3, 10}, 1, 3, 0},
        {"truncated toward zero", {0, 0, -10, -3, -3, 0, -3, -10}, 1, -3, 0},
        {"a point segment", {0, 0, 10, 0, 5, 0, 5, 0}, 0, 0, 0},
        {"far apart", {-500000, 7, 500000, 7, 3, -500000, 3, 500000}, 1, 3, 7},
    };
    for (const Case& c : cases) {
        int32_t x = 0, y = 0;
        const int32_t* s = c.s;
        EXPECT_EQ(c.hit, segment_intersect(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], &x, &y)) << c.what;
        EXPECT_EQ(c.x, x) << c.what;
        EXPECT_EQ(c.y, y) << c.what;
    }
}

class RadarScope : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        set_draw_color(RADAR_SCOPE_GROUND);
        fill_rect(0, 0, 319, 199);
    }
    static int32_t count(uint32_t colour, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        int32_t n = 0;
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) n += screen_get_pixel(x, y) == static_cast<int32_t>(colour);
        return n;
    }
};

TEST_F(RadarScope, TheSweepRayGoesFromTheCentreAndSparesTheMarks) {
    struct Case {
        int32_t angle, x1, y1;  // where the ray ends: 0 down, 90 right, 180 up, 270 left
    } cases[] = {{0, 87, 174}, {90, 149, 112}, {180, 87, 50}, {270, 25, 112}, {-90, 25, 112}, {450, 149, 112}};
    for (const Case& c : cases) {
        SetUp();
        set_draw_color(RADAR_PHOSPHOR);
        radar_sweep_line_draw(c.angle);
        EXPECT_EQ(63, count(RADAR_PHOSPHOR, 0, 0, 319, 199)) << c.angle;
        EXPECT_EQ(63, count(RADAR_PHOSPHOR, std::min(87, c.x1), std::min(112, c.y1), std::max(87, c.x1),
                            std::max(112, c.y1)))
            << c.angle << ": from the centre to the end";
        SetUp();
        int32_t mx = (87 + c.x1) / 2, my = (112 + c.y1) / 2;
        screen_put_pixel(mx, my, 39);
        screen_put_pixel(c.x1, c.y1, 35);
        set_draw_color(RADAR_PHOSPHOR);
        radar_sweep_line_draw(c.angle);
        EXPECT_EQ(39, screen_get_pixel(mx, my)) << c.angle;
        EXPECT_EQ(35, screen_get_pixel(c.x1, c.y1)) << c.angle;
        EXPECT_EQ(61, count(RADAR_PHOSPHOR, 0, 0, 319, 199)) << c.angle;
    }
}

TEST_F(RadarScope, TheSweepWipesFourRaysAndDrawsTheNewOne) {
    set_draw_color(RADAR_PHOSPHOR);
    for (int32_t a = 0; a <= 8; ++a) radar_sweep_line_draw(a);
    EXPECT_EQ(356, radar_sweep_advance(0)) << "below 0 goes round";
    EXPECT_EQ(0, radar_sweep_advance(4));
    // rays 0..4 wiped by the second advance (3, 2, 1 and 4) and the first (359, 358, 357, 0)
    // once the new ray at 0 is drawn again: left bright are 5..8 and the new rays 356 and 0
    for (int32_t y = 140; y <= 174; ++y) EXPECT_EQ(RADAR_PHOSPHOR, static_cast<uint32_t>(screen_get_pixel(87, y)));
    auto end_colour = [](int32_t a) {
        return static_cast<uint32_t>(
            screen_get_pixel(87 + ((sin_deg(a) * 62) >> 8), 112 + ((cos_deg(a) * 62) >> 8)));
    };
    for (int32_t a : {2, 3, 4, 357, 358, 359}) EXPECT_EQ(RADAR_SCOPE_GROUND, end_colour(a)) << a;
    for (int32_t a : {5, 6, 7, 8, 356, 0}) EXPECT_EQ(RADAR_PHOSPHOR, end_colour(a)) << a;
}

TEST_F(RadarScope, TheEchoIsPaintedWhereTheNewestRaysCrossIt) {
    // rays 0..3 (a = -3) run nearly straight down through an echo heading east at (87, 140): the
    // ray at 0 crosses all five lines in column 87
    screen_put_pixel(87, 140, 35);
    radar_echo_draw(-3, 87, 140, 0);
    EXPECT_EQ(35, screen_get_pixel(87, 140)) << "the dim mark stays";
    for (int32_t y : {138, 139, 141, 142})
        EXPECT_EQ(RADAR_PHOSPHOR, static_cast<uint32_t>(screen_get_pixel(87, y))) << y;
    EXPECT_EQ(count(RADAR_PHOSPHOR, 0, 0, 319, 199), count(RADAR_PHOSPHOR, 87, 138, 90, 142))
        << "nothing outside the echo's lines near the rays";
    // rays far from the echo paint nothing
    SetUp();
    radar_echo_draw(90, 87, 140, 0);
    EXPECT_EQ(0, count(RADAR_PHOSPHOR, 0, 0, 319, 199));
}

TEST_F(RadarScope, AnEchoLineParallelToARayIsNeverPainted) {
    // heading 90 lays the echo's lines down the screen, along the rays at 0 and 1 (whose end
    // truncates to column 87 too): the keel in column 87 lies on both and is never painted, the
    // lines left of it are met by no ray, and only the rays at 2 and 3 cross the lines to the right
    radar_echo_draw(-3, 87, 140, 90);
    EXPECT_EQ(0, count(RADAR_PHOSPHOR, 85, 130, 87, 150)) << "the keel and the lines to port";
    EXPECT_GT(count(RADAR_PHOSPHOR, 88, 130, 89, 150), 0) << "the lines met across";
    EXPECT_EQ(count(RADAR_PHOSPHOR, 0, 0, 319, 199), count(RADAR_PHOSPHOR, 88, 130, 89, 150));
}

}  // namespace
