// The palette wave of the sea pictures: which triples move at which counter values, the upload of
// the cycling colours, and the animated boxes' answers.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "host/headless_host.h"
#include "tests/harness/case_name.h"
#include "tests/voyage/voyage_fixture.h"
#include "voyage/animated_boxes.h"

namespace {

// Triple k holds (k, k, k): after a step triple k's red tells where it came from.
void number_triples() {
    for (int32_t k = 0; k < 32; ++k)
        for (int32_t c = 0; c < 3; ++c) g_picture_palette[k][c] = static_cast<uint8_t>(k);
}

// True when first..last moved one place toward the end (the last becoming the first).
bool rotated(int32_t first, int32_t last) {
    if (g_picture_palette[first][0] != last) return false;
    for (int32_t k = first + 1; k <= last; ++k)
        if (g_picture_palette[k][0] != k - 1) return false;
    return true;
}

bool still(int32_t first, int32_t last) {
    for (int32_t k = first; k <= last; ++k)
        if (g_picture_palette[k][0] != k) return false;
    return true;
}

struct WaveCase {
    const char* what;
    int32_t tick, phase, quiet;
    bool near, far, spray;  // 1..6, 7..11, 12..15
    int32_t phase_after;
};

class PaletteWave : public VoyageTest, public testing::WithParamInterface<WaveCase> {};

TEST_P(PaletteWave, RotatesByTheCounters) {
    const WaveCase& c = GetParam();
    number_triples();
    int32_t tick = c.tick;
    int32_t phase = c.phase;
    uint32_t t0 = headless_now();
    palette_wave_step(&tick, &phase, c.quiet);
    EXPECT_EQ(tick, c.tick + 1);
    EXPECT_EQ(phase, c.phase_after);
    EXPECT_EQ(c.near ? rotated(1, 6) : still(1, 6), true);
    EXPECT_EQ(c.far ? rotated(7, 11) : still(7, 11), true);
    EXPECT_EQ(c.spray ? rotated(12, 15) : still(12, 15), true);
    EXPECT_TRUE(still(0, 0));
    EXPECT_TRUE(still(16, 31));
    // the cycling range is on screen: colour 33 shows triple 1 (6-bit values times 4)
    EXPECT_EQ(g_game_palette[33][2], g_picture_palette[1][0] * 4);
    EXPECT_EQ(g_game_palette[32 + 12][2], g_picture_palette[12][0] * 4);
    EXPECT_GE(headless_now() - t0, 15u) << "one tick waited";
}

INSTANTIATE_TEST_SUITE_P(
    Counters, PaletteWave,
    testing::Values(WaveCase{"tick not a multiple of 3", 1, 0, 0, false, false, false, 0},
                    WaveCase{"tick 5", 5, 4, 0, false, false, false, 4},
                    WaveCase{"phase 0: swell and spray", 0, 0, 0, true, false, true, 1},
                    WaveCase{"phase 1: swell and far swell", 3, 1, 0, true, true, false, 2},
                    WaveCase{"phase 2 quiet: no spray", 6, 2, 1, true, true, false, 3},
                    WaveCase{"phase 3: only the near swell", 9, 3, 0, true, false, false, 4},
                    WaveCase{"phase 4: all three", 12, 4, 0, true, true, true, 5},
                    WaveCase{"phase 4 quiet", 12, 4, 1, true, true, false, 5},
                    WaveCase{"phase 6: near and spray", 0, 6, 0, true, false, true, 7}),
    CaseName());

struct ChoiceCase {
    const char* what;
    uint32_t key;
    int32_t want;
};

class ChoiceBox : public VoyageTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChoiceBox, AnswersYesNoOrOther) {
    const ChoiceCase& c = GetParam();
    const char* lines[] = {"Attention !", nullptr};
    type_keys({c.key});
    EXPECT_EQ(choice_box_animated(lines, "pass through", "round", 0), c.want);
}

INSTANTIATE_TEST_SUITE_P(Keys, ChoiceBox,
                         testing::Values(ChoiceCase{"Enter is yes", 13, 1}, ChoiceCase{"y is yes", 'y', 1},
                                         ChoiceCase{"Escape is no", 27, 0}, ChoiceCase{"n is no", 'n', 0},
                                         ChoiceCase{"a digit is another command", '3', -1},
                                         ChoiceCase{"the space bar is another command", ' ', -1}),
                         CaseName());

TEST_F(VoyageTest, AnimatedMessageBoxMovesTheSeaWhileItWaitsAndRestoresTheScreen) {
    number_triples();
    clear_screen_to(5);
    answer_with_enter(false);
    uint32_t at = headless_now() + 500;  // about 30 steps of the wave
    headless_script(at, HEADLESS_KEY, 13);
    const char* lines[] = {"Gale force winds!", nullptr};
    message_box_animated(lines, 1);
    EXPECT_GE(headless_now(), at);
    EXPECT_FALSE(still(1, 6));
    EXPECT_TRUE(still(12, 15)) << "quiet: no spray";
    for (int32_t y = 0; y < SCREEN_HEIGHT; y += 7)
        for (int32_t x = 0; x < SCREEN_WIDTH; x += 7) ASSERT_EQ(screen_get_pixel(x, y), 5);
}

}  // namespace
