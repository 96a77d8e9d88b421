// The title and the intro: how long each shows, what the space bar skips, and the intro's last
// frame (the intro background with the sprite keyed over it). Sound is off here, so each intro
// part lasts its 50 steps of two ticks.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "game/state_reset.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "game/intro.h"
#include "host/headless_host.h"
#include "host/sound_library.h"
#include "tests/harness/harness.h"

namespace {

constexpr uint32_t TICK_MS = 16;
constexpr uint32_t TITLE_MS = 122 * TICK_MS;
constexpr uint32_t INTRO_MS = 3 * 50 * 2 * TICK_MS;

class Intro : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        all_state_reset();
        sound_library_reset();
        ASSERT_NE(picture_files_open("ib1vga.dat", "ib2vga.dat"), 0);
    }
    void TearDown() override { picture_files_close(); }

    static std::vector<uint8_t> picture(int32_t n) {
        std::vector<uint8_t> pixels(SCREEN_BYTES);
        EXPECT_EQ(picture_load(n, pixels.data()), 0) << "picture " << n;
        return pixels;
    }
};

TEST_F(Intro, SpaceWaitingAfterTheTitleSkipsTheIntro) {
    headless_script(TITLE_MS - 100, HEADLESS_KEY, ' ');
    play_title_and_intro();
    EXPECT_EQ(headless_now(), TITLE_MS);
    std::vector<uint8_t> title = picture(9);
    EXPECT_EQ(std::memcmp(g_screen_buffer, title.data(), SCREEN_BYTES), 0);
}

TEST_F(Intro, KeysWaitingBeforeTheTitleAreDiscarded) {
    headless_script(0, HEADLESS_KEY, ' ');
    headless_deliver_due();
    play_title_and_intro();
    EXPECT_EQ(headless_now(), TITLE_MS + INTRO_MS);
}

TEST_F(Intro, OtherKeysDoNotSkip) {
    headless_script(TITLE_MS - 100, HEADLESS_KEY, 'x');
    headless_script(TITLE_MS + 3000, HEADLESS_KEY, 'y');
    play_title_and_intro();
    EXPECT_EQ(headless_now(), TITLE_MS + INTRO_MS);
}

TEST_F(Intro, EndsWithTheSpriteKeyedOverTheBackground) {
    play_title_and_intro();
    std::vector<uint8_t> background = picture(10);
    std::vector<uint8_t> sprite = picture(35);
    int32_t differences = 0;
    for (int32_t y = 0; y < SCREEN_HEIGHT; ++y) {
        for (int32_t x = 0; x < SCREEN_WIDTH; ++x) {
            uint8_t expected = background[y * SCREEN_WIDTH + x];
            if (x >= 50 && x < 50 + 124 && y < 196) {
                uint8_t s = sprite[y * SCREEN_WIDTH + (x - 50)];
                if (s != 32) expected = s;
            }
            if (g_screen_buffer[y * SCREEN_WIDTH + x] != expected) ++differences;
        }
    }
    EXPECT_EQ(differences, 0);
}

}  // namespace
