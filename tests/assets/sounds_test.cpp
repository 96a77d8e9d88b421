#include "assets/sounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// What the game does with each sound: its plausible length (the loops and waits of its screens)
// and whether it is played in a loop.
struct SoundRule {
    int32_t min_ms, max_ms;
    bool loops;
};
const SoundRule kRules[SOUND_LIBRARY_COUNT] = {
    {4000, 8000, true},  {6000, 15000, true}, {500, 1500, false}, {200, 1000, true}, {0, 750, false},
    {1000, 2000, false}, {100, 500, true},    {2000, 5000, true}, {1500, 4000, true},
};

TEST(Sounds, LengthsLoopsAndEnds) {
    for (int32_t k = 0; k < SOUND_LIBRARY_COUNT; ++k) {
        const SoundRecipe& recipe = g_sound_recipes[k];
        const SoundRule& rule = kRules[k];
        SCOPED_TRACE(testing::Message() << "sound " << k + 1 << ", " << recipe.role);
        SynthTrack track = recipe.render();
        std::vector<int8_t> s = synth_to_8bit(&track, 110);
        ASSERT_GE(s.size(), 2u);
        EXPECT_EQ(track.loop, rule.loops);
        EXPECT_EQ(recipe.loops, rule.loops);
        EXPECT_GE(s.size(), static_cast<size_t>(synth_ms(rule.min_ms)));
        EXPECT_LE(s.size(), static_cast<size_t>(synth_ms(rule.max_ms)));
        int32_t loudest = 0, widest_step = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            loudest = std::max(loudest, std::abs(int32_t{s[i]}));
            if (i > 0) widest_step = std::max(widest_step, std::abs(s[i] - s[i - 1]));
        }
        EXPECT_EQ(loudest, 110);  // scaled to the peak
        if (rule.loops) {
            // the end leads into the start like any two neighbours inside: no click at the seam
            EXPECT_LE(std::abs(s.front() - s.back()), widest_step);
        } else {
            // stopped or freed right after: starts and ends at silence
            EXPECT_EQ(s.front(), 0);
            EXPECT_EQ(s.back(), 0);
        }
    }
}

TEST(Sounds, NoiseAndPeakScaling) {
    // the same seed gives the same noise, spread over the whole range
    SynthNoise a{5u}, b{5u};
    int32_t low = 0, high = 0;
    for (int32_t i = 0; i < 4000; ++i) {
        int32_t v = synth_noise(&a);
        ASSERT_EQ(v, synth_noise(&b));
        low = std::min(low, v);
        high = std::max(high, v);
    }
    EXPECT_GE(low, -SYNTH_UNIT);
    EXPECT_LT(high, SYNTH_UNIT);
    EXPECT_LT(low, -SYNTH_UNIT * 99 / 100);
    EXPECT_GT(high, SYNTH_UNIT * 99 / 100);
    // scaling rounds halves away from zero and keeps silence silent
    SynthTrack t = synth_track(5, false);
    t.samples = {-4000, -1000, 0, 500, 1000};
    EXPECT_EQ(synth_to_8bit(&t, 100), (std::vector<int8_t>{-100, -25, 0, 13, 25}));
    SynthTrack quiet = synth_track(3, true);
    EXPECT_EQ(synth_to_8bit(&quiet, 110), (std::vector<int8_t>{0, 0, 0}));
}

}  // namespace
