// The control panel: its drawing, the speed mark's scale, the keys (taken until the store is
// empty, the pause), the mouse on the gauges, and the hourglass at the limit.
#include <gtest/gtest.h>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "host/headless_host.h"
#include "tests/voyage/sim_fixture.h"
#include "voyage/control_panel.h"
#include "voyage/hourglass.h"
#include "voyage/sim_state.h"

namespace {

class ControlPanelTest : public SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp();
        control_panel_draw(1);
        g_sim_gauge_shown_rudder[0] = g_sim_gauge_shown_telegraph[0] = 1;
        g_sim_gauge_shown_speed[0] = g_sim_gauge_shown_thruster[0] = 1;
    }
};

TEST_F(ControlPanelTest, PanelAndGaugesAtTheirPlaces) {
    EXPECT_EQ(2, pixel(276, 80));
    EXPECT_EQ(15, pixel(297, 77));    // the bow's point
    EXPECT_EQ(0, pixel(282, 100));    // thruster field, model 1
    EXPECT_EQ(15, pixel(297, 92));    // its mark above
    EXPECT_EQ(15, pixel(289, 116));   // a telegraph tick
    EXPECT_EQ(15, pixel(287, 198));   // a rudder dot
    EXPECT_EQ(15, pixel(305, 150));   // the speed scale's side
    EXPECT_EQ(0, pixel(308, 120));    // the speed scale
    EXPECT_EQ(7, pixel(282, 146));    // the zero line
    controls_update(1, 0, 0);
    EXPECT_EQ(15, pixel(297, 190));   // rudder at 0
    EXPECT_EQ(15, pixel(295, 146));   // telegraph at 0
    EXPECT_EQ(15, pixel(308, 146));   // speed at 0
    EXPECT_EQ(15, pixel(297, 100));   // thruster at 0
}

TEST_F(ControlPanelTest, OtherModelsHaveNoThrusterGauge) {
    clear_screen_to(4);
    control_panel_draw(3);
    EXPECT_EQ(2, pixel(282, 100));
    EXPECT_EQ(2, pixel(297, 92));
    controls_update(3, 0, 0);
    EXPECT_EQ(2, pixel(297, 100));
}

TEST_F(ControlPanelTest, SpeedMarkStaysOnItsScale) {
    struct Case {
        int32_t speed, y;
    } cases[] = {{0, 146}, {320, 106}, {318, 107}, {400, 106}, {-321, 186}, {-320, 186}, {-1, 147}, {7, 146}, {8, 145}};
    for (const Case& c : cases) EXPECT_EQ(c.y, speed_mark_y(c.speed)) << c.speed;
    g_sim_speed = -321;
    controls_update(1, 0, 0);
    EXPECT_EQ(15, pixel(308, 186));
    EXPECT_EQ(0, pixel(308, 146)) << "the old mark erased";
}

TEST_F(ControlPanelTest, Keys) {
    struct Case {
        const char* what;
        int32_t rudder, telegraph, thruster;
        uint32_t key;
        int32_t rudder_after, telegraph_after, thruster_after;
    } cases[] = {
        {"full ahead from astern stops first", 0, -5, 0, '!', 0, 0, 0},
        {"full ahead", 0, 10, 0, '!', 0, 40, 0},
        {"full astern from ahead stops first", 0, 10, 0, '"', 0, 0, 0},
        {"full astern", 0, 0, 0, '"', 0, -40, 0},
        {"stop", 7, 30, -4, '$', 0, 0, 0},
        {"left", 0, 0, 0, KEY_LEFT, -1, 0, 0},
        {"left at the stop", -15, 0, 0, KEY_LEFT, -15, 0, 0},
        {"right at the stop", 15, 0, 0, KEY_RIGHT, 15, 0, 0},
        {"up", 0, 39, 0, KEY_UP, 0, 40, 0},
        {"up at the stop", 0, 40, 0, KEY_UP, 0, 40, 0},
        {"down at the stop", 0, -40, 0, KEY_DOWN, 0, -40, 0},
        {"thruster to port", 0, 0, -15, '-', 0, 0, -15},
        {"thruster to starboard", 0, 0, 14, KEY_DELETE, 0, 0, 15},
        {"a typed '&' is up", 0, 0, 0, '&', 0, 1, 0},
        {"another key does nothing", 3, 3, 3, 'x', 3, 3, 3},
    };
    for (const Case& c : cases) {
        g_sim_rudder = c.rudder;
        g_sim_telegraph = c.telegraph;
        g_sim_thruster = c.thruster;
        key_slot_store(c.key);
        controls_update(1, 0, 0);
        EXPECT_EQ(c.rudder_after, g_sim_rudder) << c.what;
        EXPECT_EQ(c.telegraph_after, g_sim_telegraph) << c.what;
        EXPECT_EQ(c.thruster_after, g_sim_thruster) << c.what;
    }
}

// A key that arrives while the update runs (here during the 30 ms read of the mouse) is taken in
// the same update; the update ends with one empty poll.
TEST_F(ControlPanelTest, KeysAreTakenUntilTheStoreIsEmpty) {
    headless_script(0, HEADLESS_LEFT_DOWN, 10, 10);
    headless_script(10, HEADLESS_KEY, KEY_UP);
    headless_deliver_due();
    controls_update(1, 0, 0);
    EXPECT_EQ(1, g_sim_telegraph);
    EXPECT_EQ(60u, headless_now()) << "the mouse read and one empty poll";
}

TEST_F(ControlPanelTest, SpacePausesUntilTheNextSpaceDroppingKeys) {
    key_slot_store(' ');
    headless_script(1000, HEADLESS_KEY, KEY_UP);
    headless_script(2000, HEADLESS_KEY, ' ');
    controls_update(1, 0, 0);
    EXPECT_EQ(0, g_sim_telegraph) << "dropped while paused";
    EXPECT_EQ(2040u, headless_now()) << "held until the space, then one empty poll";
    key_slot_store(KEY_RIGHT);
    controls_update(1, 0, 0);
    EXPECT_EQ(1, g_sim_rudder) << "keys act again";
}

TEST_F(ControlPanelTest, MouseOnTheGauges) {
    struct Case {
        int32_t x, y;
        int32_t rudder, telegraph, thruster;
    } cases[] = {
        {282, 100, 0, 0, -15}, {312, 95, 0, 0, 15},  {297, 106, 0, 40, 0}, {292, 186, 0, -40, 0},
        {303, 146, 0, 0, 0},   {282, 190, -15, 0, 0}, {312, 197, 15, 0, 0}, {281, 190, 0, 0, 0},
        {313, 100, 0, 0, 0},   {300, 198, 0, 0, 0},
    };
    for (const Case& c : cases) {
        g_sim_rudder = g_sim_telegraph = g_sim_thruster = 0;
        mouse_left_down(static_cast<uint32_t>(c.x), static_cast<uint32_t>(c.y));
        controls_update(3, 0, 0);
        mouse_left_up();
        EXPECT_EQ(c.rudder, g_sim_rudder) << c.x << "," << c.y;
        EXPECT_EQ(c.telegraph, g_sim_telegraph) << c.x << "," << c.y;
        EXPECT_EQ(c.thruster, g_sim_thruster) << c.x << "," << c.y << ": the simulation clears it later";
    }
}

class HourglassTest : public SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp();
        clear_screen_to(1);
        g_hourglass_present = 1;
        g_hourglass_origin[0] = 100;
        g_hourglass_origin[1] = 50;
        hourglass_init(0);
    }
    static int32_t glass(int32_t x, int32_t y) { return pixel(100 + x, 50 + y); }
};

TEST_F(HourglassTest, StartsFullWithTheStreamOnEvenRows) {
    EXPECT_EQ(150, g_hourglass_grains);
    for (const HourglassRow& r : g_hourglass_top_rows)
        for (int32_t x = r.x0; x <= r.x1; ++x) EXPECT_EQ(14, glass(x, r.y));
    EXPECT_EQ(14, glass(12, 16));
    EXPECT_EQ(1, glass(12, 17));
    EXPECT_EQ(14, glass(12, 38));
}

TEST_F(HourglassTest, AtTheLimitSevenFullRowsAnd17GrainsOfTheEighth) {
    for (int32_t tick = 0; tick <= 2000; ++tick) hourglass_advance(tick, 2000);
    EXPECT_EQ(150, g_hourglass_moved);
    for (const HourglassRow& r : g_hourglass_top_rows)
        for (int32_t x = r.x0; x <= r.x1; ++x) EXPECT_EQ(7, glass(x, r.y)) << x << "," << r.y;
    for (int32_t y = 33; y <= 39; ++y)
        for (int32_t x = 3; x <= 21; ++x) EXPECT_EQ(14, glass(x, y)) << x << "," << y;
    // 17 grains on y 32, the middle one under the stream's end, which flickers
    int32_t row32 = 0;
    for (int32_t x = 3; x <= 21; ++x) row32 += x != 12 && glass(x, 32) == 14 ? 1 : 0;
    EXPECT_EQ(16, row32);
    EXPECT_EQ(1, glass(3, 32));
    EXPECT_EQ(1, glass(21, 32));
    EXPECT_EQ(32, g_hourglass_bottom_rows[g_hourglass_bottom_row].y) << "the stream reaches down to y 32";
    // once more grains are due than the glass holds, nothing changes, not even the stream
    // (150 x 2014 / 2000 is 151; the episode itself never asks past the limit)
    int32_t phase = g_hourglass_stream_phase;
    hourglass_advance(2014, 2000);
    EXPECT_EQ(phase, g_hourglass_stream_phase);
    EXPECT_EQ(150, g_hourglass_moved);
}

TEST_F(HourglassTest, TheHeapRisesInTheMiddleFirst) {
    hourglass_advance(2, 150);  // two grains: offsets 0 and 1; the stream runs over the middle
    EXPECT_EQ(14, glass(13, 39));
    EXPECT_EQ(1, glass(11, 39));
    EXPECT_EQ(7, glass(12, 4));
    EXPECT_EQ(7, glass(13, 4));
    EXPECT_EQ(14, glass(11, 4));
}

TEST_F(HourglassTest, WithoutTheSpriteNothingIsDrawn) {
    g_hourglass_present = 0;
    clear_screen_to(1);
    hourglass_init(0);
    hourglass_advance(100, 100);
    EXPECT_EQ(0, g_hourglass_grains);
    EXPECT_EQ(1, glass(12, 39));
    EXPECT_EQ(1, glass(12, 4));
}

}  // namespace
