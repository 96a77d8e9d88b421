// The ride up to the broker: the closed doors and the light in the lift hall, the three sounds,
// the light's six steps, the doors sliding open, and how long it all takes.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "business/broker.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "host/headless_host.h"
#include "host/sound_library.h"
#include "tests/business/broker_fixture.h"
#include "world/records.h"

namespace {

constexpr uint32_t TICK_MS = 16;
constexpr uint32_t RIDE_TICKS = 6 * 25 + 23 * 2 + 2;
constexpr uint32_t POLL_MS = 30;  // the panel's first poll reads the mouse

class LiftRide : public BrokerTest {
  protected:
    void SetUp() override {
        BrokerTest::SetUp();
        ASSERT_EQ(sound_set_mode(SOUND_MODE_WAVE), 0);
        ASSERT_EQ(sound_open_library("sounds.dat"), 1);
    }
    void TearDown() override {
        sound_library_reset();
        BrokerTest::TearDown();
    }
};

TEST_F(LiftRide, RunsTheLightOpensTheDoorsAndTakesTheSameTicksAfterTheFirstSound) {
    std::vector<uint8_t> first_frame;
    std::vector<uint8_t> open_frame;
    HeadlessVoice start_sound{};
    uint32_t panel_at = 0;
    uint32_t most_loops = 0;
    watch([&] {
        HeadlessVoice v = headless_voice();
        if (first_frame.empty()) {
            first_frame.assign(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
            start_sound = v;
        }
        if (v.playing && v.loops > most_loops) most_loops = v.loops;
        if (panel_at == 0 && lift_panel_up()) panel_at = headless_now();
        if (panel_at == 0) open_frame.assign(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
    });
    plan({keys(lift_panel_up, "\r")});
    enter_shipbroker_building(0);

    ASSERT_FALSE(first_frame.empty());
    auto at = [](const std::vector<uint8_t>& f, int32_t x, int32_t y) { return f[y * SCREEN_WIDTH + x]; };
    // Closed doors in colour 1 with the black seam, the light at the right end of its strip.
    EXPECT_EQ(at(first_frame, 150, 100), 1);
    EXPECT_EQ(at(first_frame, 180, 120), 1);
    EXPECT_EQ(at(first_frame, 165, 100), 0);
    EXPECT_EQ(at(first_frame, 166, 100), 0);
    EXPECT_EQ(at(first_frame, 184, 80), 3);
    EXPECT_EQ(at(first_frame, 185, 81), 3);
    EXPECT_EQ(start_sound.loops, 1u) << "the start sound plays once";
    EXPECT_EQ(start_sound.started_at, 0u);
    EXPECT_EQ(most_loops, 999u) << "the running sound loops";
    EXPECT_EQ(headless_voice().starts, 3u) << "start, running, doors";

    // The wait for the start sound ends at the first tick after it; then the ride's fixed ticks.
    uint32_t sound_ms = (start_sound.length * 1000 + 8362) / 8363;
    ASSERT_GT(panel_at, 0u);
    uint32_t ride_end = panel_at - POLL_MS;
    EXPECT_GE(ride_end, sound_ms + RIDE_TICKS * TICK_MS);
    EXPECT_LT(ride_end, sound_ms + TICK_MS + RIDE_TICKS * TICK_MS);

    // The doors are open: the lift car of the picture between two black door edges, the light
    // at its left end.
    std::vector<uint8_t> hall(SCREEN_BYTES);
    ASSERT_EQ(picture_load(7, hall.data()), 0);
    int32_t wrong = 0;
    for (int32_t y = 88; y <= 132; ++y)
        for (int32_t x = 143; x <= 188; ++x) wrong += at(open_frame, x, y) != hall[y * SCREEN_WIDTH + x];
    EXPECT_EQ(wrong, 0);
    for (int32_t y = 88; y <= 132; ++y) {
        EXPECT_EQ(at(open_frame, 142, y), 0);
        EXPECT_EQ(at(open_frame, 189, y), 0);
    }
    EXPECT_EQ(at(open_frame, 148, 80), 3);
    EXPECT_EQ(at(open_frame, 149, 81), 3);
    for (int32_t x = 154; x <= 185; x += 6) EXPECT_EQ(at(open_frame, x, 80), 0) << x;
    for (int32_t slot = 0; slot < SOUND_SLOTS; ++slot) EXPECT_EQ(g_sound_slots[slot].buffer, nullptr) << slot;
}

TEST_F(BrokerTest, WithSoundOffTheRideTakesOnlyItsTicks) {
    uint32_t panel_at = 0;
    watch([&] {
        if (panel_at == 0 && lift_panel_up()) panel_at = headless_now();
    });
    plan({keys(lift_panel_up, "\r")});
    enter_shipbroker_building(0);
    EXPECT_EQ(panel_at, RIDE_TICKS * TICK_MS + POLL_MS);
}

TEST_F(BrokerTest, AShipownerOutOfTheGameIsNotLetIn) {
    g_shipowners[0].out_of_game = 1;
    std::memset(g_screen_buffer, 9, SCREEN_BYTES);
    enter_shipbroker_building(0);
    EXPECT_EQ(headless_now(), 0u);
    int32_t drawn = 0;
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) drawn += g_screen_buffer[i] != 9;
    EXPECT_EQ(drawn, 0);
}

}  // namespace
