// The sinking scene: the model clamped, sailing in at the machine's pace, the descent along half a
// cosine with its tilt, the shorter scene without the 256-colour mode, the bubbles (only once the
// figure is left of x 120, dying at the wave band, model 1's own origin, the draw order), frames
// that leave exactly the clean scene with the sprites where they are now, and a whole showing with
// its sounds.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "host/headless_host.h"
#include "host/sound_library.h"
#include "tests/harness/case_name.h"
#include "tests/voyage/voyage_fixture.h"
#include "voyage/sinking.h"

namespace {

using Image = std::vector<uint8_t>;

// The clean scene with sprite r drawn at (x, y), colour 32 left out, clipped to the frame.
void put_sprite(Image* img, const SinkRect& r, int32_t x, int32_t y) {
    for (int32_t j = 0; j < r.h; ++j)
        for (int32_t i = 0; i < r.w; ++i) {
            int32_t dx = x + i, dy = y + j;
            if (dx < 0 || dy < 0 || dx >= SCREEN_WIDTH || dy >= SCREEN_HEIGHT) continue;
            uint8_t c = g_sheet_buffer[(r.y + j) * SCREEN_WIDTH + r.x + i];
            if (c != 32) (*img)[static_cast<size_t>(dy * SCREEN_WIDTH + dx)] = c;
        }
}

Image background() {
    return Image(g_background_buffer, g_background_buffer + SCREEN_BYTES);
}

const SinkRect& ship_sprite(int32_t model, int32_t tilt) {
    return g_sink_ship_sprites[model - 1 + tilt];
}

void put_ship(Image* img, int32_t model, int32_t x, int32_t y, int32_t tilt) {
    put_sprite(img, ship_sprite(model, tilt), x, y - g_sink_ship_lift[model - 1]);
}

// The first pixel of rows y0..y1 (all columns but those in [skip0, skip1]) where the frame and the
// image differ, or -1.
int32_t first_difference(const Image& want, int32_t y0, int32_t y1, int32_t skip0 = -1, int32_t skip1 = -1) {
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = 0; x < SCREEN_WIDTH; ++x) {
            if (x >= skip0 && x <= skip1) continue;
            int32_t i = y * SCREEN_WIDTH + x;
            if (g_screen_buffer[i] != want[static_cast<size_t>(i)]) return i;
        }
    return -1;
}

class Sinking : public VoyageTest {
  protected:
    void SetUp() override {
        VoyageTest::SetUp();
        saved_mode_ = g_graphics_mode;
        saved_fast_ = g_fast_machine;
        g_graphics_mode = 1;
        g_fast_machine = 0;
    }
    void TearDown() override {
        g_graphics_mode = saved_mode_;
        g_fast_machine = saved_fast_;
        sound_library_reset();
        VoyageTest::TearDown();
    }
    static void load_scene() {
        ASSERT_EQ(picture_load(SINK_SHEET_PICTURE, g_sheet_buffer), 0);
        ASSERT_EQ(picture_load(SINK_BACKGROUND_PICTURE, g_background_buffer), 0);
    }
    // A scene under water with the figure at x, nothing rising yet.
    static SinkingScene under_water(int32_t model, int32_t figure_x, int32_t step) {
        SinkingScene s{};
        sinking_scene_start(&s, model);
        s.phase = SINK_UNDER_WATER;
        s.figure_x = figure_x;
        s.step = step;
        return s;
    }

  private:
    uint32_t saved_mode_ = 1;
    uint32_t saved_fast_ = 0;
};

// ---- set-up and motion ---------------------------------------------------------------------------

struct ModelCase {
    const char* what;
    int32_t model;
    int32_t want;
};

class SinkingModel : public Sinking, public testing::WithParamInterface<ModelCase> {};

TEST_P(SinkingModel, IsClampedAndStartsWhollyOffTheLeftEdge) {
    const ModelCase& c = GetParam();
    SinkingScene s{};
    sinking_scene_start(&s, c.model);
    EXPECT_EQ(s.model, c.want);
    EXPECT_EQ(s.x, -g_sink_ship_sprites[c.want - 1].w);
    EXPECT_EQ(s.y, SINK_WATER_LINE);
    EXPECT_EQ(s.phase, SINK_SAILING_IN);
    EXPECT_EQ(s.figure_x, 320);
}

INSTANTIATE_TEST_SUITE_P(Models, SinkingModel,
                         testing::Values(ModelCase{"model 0 shows model 1", 0, 1},
                                         ModelCase{"a negative model shows model 1", -3, 1},
                                         ModelCase{"model 8 shows model 7", 8, 7},
                                         ModelCase{"model 100 shows model 7", 100, 7},
                                         ModelCase{"model 4 as it is", 4, 4}),
                         CaseName());

TEST_F(Sinking, SailsInOnePixelAFrameOnAFastMachineAndTwoOtherwise) {
    for (uint32_t fast : {1u, 0u}) {
        g_fast_machine = fast;
        SinkingScene s{};
        sinking_scene_start(&s, 5);  // 83 wide: the slow pace passes 100 without meeting it
        int32_t frames = 0;
        while (s.phase == SINK_SAILING_IN && frames < 1000) {
            int32_t before = s.x;
            sinking_phase_step(&s);
            ++frames;
            if (s.phase == SINK_SAILING_IN) {
                EXPECT_EQ(s.x - before, fast != 0 ? 1 : 2);
            }
        }
        EXPECT_EQ(frames, fast != 0 ? 183 : 92);
        EXPECT_EQ(s.phase, SINK_SINKING);
        EXPECT_EQ(s.t, 0);
    }
}

struct DescentCase {
    const char* what;
    uint32_t graphics_mode;
    int32_t want_phase;
};

class SinkingDescent : public Sinking, public testing::WithParamInterface<DescentCase> {};

TEST_P(SinkingDescent, FollowsHalfACosineTiltedMostOfTheWay) {
    g_graphics_mode = GetParam().graphics_mode;
    SinkingScene s{};
    sinking_scene_start(&s, 2);
    s.phase = SINK_SINKING;
    for (int32_t k = 1; k <= 180; ++k) {
        ASSERT_EQ(s.phase, SINK_SINKING) << k;
        sinking_phase_step(&s);
        int32_t t = k - 1;  // the step the frame was computed with
        EXPECT_EQ(s.x, 100 + (t >> 1));
        if (k == 1) {
            EXPECT_EQ(s.y, 73);
        }
        EXPECT_EQ(s.tilt, k >= 20 && k < 160 ? SINK_TILTED : 0) << k;
    }
    EXPECT_EQ(s.x, 189);
    EXPECT_EQ(s.y, 177);
    EXPECT_EQ(s.phase, GetParam().want_phase);
}

INSTANTIATE_TEST_SUITE_P(Modes, SinkingDescent,
                         testing::Values(DescentCase{"256 colours go on under water", 1, SINK_UNDER_WATER},
                                         DescentCase{"another mode ends on the bottom", 2, SINK_DONE},
                                         DescentCase{"mode 0 ends on the bottom", 0, SINK_DONE}),
                         CaseName());

TEST_F(Sinking, TheFigureCrossesInTwoHundredAndTwelveFramesThroughItsSequence) {
    SinkingScene s = under_water(3, 320, 0);
    int32_t frames = 0;
    while (s.phase == SINK_UNDER_WATER) {
        sinking_phase_step(&s);
        EXPECT_EQ(s.figure_frame, g_sink_figure_sequence[frames % SINK_FIGURE_STEPS]);
        ++frames;
    }
    EXPECT_EQ(frames, 212);
    EXPECT_EQ(s.figure_x, -104);
    EXPECT_EQ(s.phase, SINK_DONE);
}

// ---- bubbles ----------------------------------------------------------------------------------

struct BubbleCase {
    const char* what;
    int32_t figure_x;  // before the step
    int32_t step;      // before the step
    bool want_born;
    bool want_moved;
    int32_t want_size;  // of the bubble already rising, size 1 before
};

class SinkingBubbles : public Sinking, public testing::WithParamInterface<BubbleCase> {};

TEST_P(SinkingBubbles, RiseOnlyOnceTheFigureIsLeftOfX120) {
    const BubbleCase& c = GetParam();
    SinkingScene s = under_water(2, c.figure_x, c.step);
    g_sink_bubbles[3] = SinkBubble{200, 100, 1, 0, 0, 0, 0, 0, 0};
    sinking_phase_step(&s);
    EXPECT_EQ(g_sink_bubbles[0].x != 0, c.want_born);
    EXPECT_EQ(s.next_bubble, c.want_born ? 1 : 0);
    EXPECT_EQ(g_sink_bubbles[3].y, c.want_moved ? 98 : 100);
    EXPECT_EQ(g_sink_bubbles[3].size, c.want_size);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SinkingBubbles,
    testing::Values(BubbleCase{"the figure at 120 still holds them", 122, 5, false, false, 1},
                    BubbleCase{"left of 120 a bubble is born on the sixth step", 121, 5, true, true, 1},
                    BubbleCase{"no birth between the sixth steps", 100, 6, false, true, 1},
                    BubbleCase{"every fifth step they grow", 100, 4, false, true, 2},
                    BubbleCase{"step 30 grows and bears", 100, 29, true, true, 2}),
    CaseName());

struct DeathCase {
    const char* what;
    int32_t y;
    int32_t size;
    bool want_alive;
    int32_t want_size;
};

class SinkingBubbleEnd : public Sinking, public testing::WithParamInterface<DeathCase> {};

TEST_P(SinkingBubbleEnd, DiesAtTheWaveBandAndGrowsToSizeFourAtMost) {
    const DeathCase& c = GetParam();
    SinkingScene s = under_water(2, 100, 9);  // step 10: growth, no birth
    g_sink_bubbles[5] = SinkBubble{210, c.y, c.size, 0, 0, 0, 0, 0, 0};
    sinking_phase_step(&s);
    EXPECT_EQ(g_sink_bubbles[5].x != 0, c.want_alive);
    if (c.want_alive) {
        EXPECT_EQ(g_sink_bubbles[5].y, c.y - 2);
        EXPECT_EQ(g_sink_bubbles[5].size, c.want_size);
    }
}

INSTANTIATE_TEST_SUITE_P(Ends, SinkingBubbleEnd,
                         testing::Values(DeathCase{"up to 74 it lives", 76, 1, true, 2},
                                         DeathCase{"above 74 it dies", 75, 1, false, 0},
                                         DeathCase{"size 4 stays 4", 120, 4, true, 4}),
                         CaseName());

struct OriginCase {
    const char* what;
    int32_t model;
    int32_t origin_x;
};

class SinkingBubbleOrigin : public Sinking, public testing::WithParamInterface<OriginCase> {};

TEST_P(SinkingBubbleOrigin, RisesFromTheWreckDrawingDriftsInSlotOrderThenTheBirth) {
    const OriginCase& c = GetParam();
    SinkingScene s = under_water(c.model, 100, 5);
    s.next_bubble = 4;
    g_sink_bubbles[1] = SinkBubble{150, 120, 0, 0, 0, 0, 0, 0, 0};
    g_sink_bubbles[4] = SinkBubble{160, 130, 0, 0, 0, 0, 0, 0, 0};  // the slot of the birth: it waits
    g_sink_bubbles[7] = SinkBubble{170, 140, 0, 0, 0, 0, 0, 0, 0};
    g_random_seed = 4242;
    g_random_counter = 0;
    int32_t d1 = random_range(-1, 1), d7 = random_range(-1, 1), born = random_range(-1, 1);
    g_random_seed = 4242;
    g_random_counter = 0;
    sinking_phase_step(&s);
    EXPECT_EQ(g_random_counter, 3);
    EXPECT_EQ(g_sink_bubbles[1].x, 150 + d1);
    EXPECT_EQ(g_sink_bubbles[7].x, 170 + d7);
    EXPECT_EQ(g_sink_bubbles[4].x, c.origin_x + born);
    EXPECT_EQ(g_sink_bubbles[4].y, 175 - g_sink_ship_lift[c.model - 1]);
    EXPECT_EQ(g_sink_bubbles[4].size, 0);
    EXPECT_EQ(s.next_bubble, 5);
}

INSTANTIATE_TEST_SUITE_P(Models, SinkingBubbleOrigin,
                         testing::Values(OriginCase{"model 1 has its own origin", 1, 195},
                                         OriginCase{"model 2", 2, 206}, OriginCase{"model 7", 7, 206}),
                         CaseName());

// ---- drawing --------------------------------------------------------------------------------

struct MoveCase {
    const char* what;
    int32_t model;
    int32_t x0, y0, tilt0;
    int32_t x1, y1, tilt1;
};

class SinkingFrame : public Sinking, public testing::WithParamInterface<MoveCase> {};

TEST_P(SinkingFrame, LeavesTheCleanSceneWithTheShipWhereItIsNow) {
    const MoveCase& c = GetParam();
    load_scene();
    Image before = background();
    put_ship(&before, c.model, c.x0, c.y0, c.tilt0);
    std::memcpy(g_screen_buffer, before.data(), SCREEN_BYTES);
    SinkingScene s{};
    sinking_scene_start(&s, c.model);
    s.phase = SINK_SINKING;
    s.drawn_x = c.x0, s.drawn_y = c.y0, s.drawn_tilt = c.tilt0;
    s.x = c.x1, s.y = c.y1, s.tilt = c.tilt1;
    s.figure_drawn_y = SINK_FIGURE_Y;  // the figure waits off the right edge
    s.wave_phase = 5;

    sinking_frame_draw(&s);

    Image want = background();
    put_ship(&want, c.model, c.x1, c.y1, c.tilt1);
    EXPECT_EQ(first_difference(want, 0, 71), -1);
    EXPECT_EQ(first_difference(want, 75, 199), -1);
    // the band: the strip of phase 5 across the width, over the ship too
    for (int32_t y = 0; y < SINK_WAVE_H; ++y)
        for (int32_t x = 0; x < SCREEN_WIDTH; ++x)
            ASSERT_EQ(g_screen_buffer[(SINK_WAVE_TOP + y) * SCREEN_WIDTH + x],
                      g_sheet_buffer[(g_sink_wave_rows[5] + y) * SCREEN_WIDTH + SINK_WAVE_X + x % 100])
                << x << "," << y;
    EXPECT_EQ(s.wave_phase, 6);
    EXPECT_EQ(s.drawn_x, c.x1);
    EXPECT_EQ(s.drawn_y, c.y1);
    EXPECT_EQ(s.drawn_tilt, c.tilt1);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, SinkingFrame,
    testing::Values(MoveCase{"sailing in from off the left edge", 5, 0, 100, 0, -83, 73, 0},
                    MoveCase{"sideways by two across the band", 1, 40, 73, 0, 42, 73, 0},
                    MoveCase{"sinking a row", 3, 100, 120, 7, 100, 121, 7},
                    MoveCase{"sinking and drifting", 6, 150, 150, 7, 151, 152, 7},
                    MoveCase{"sinking further than the ship is high", 2, 120, 100, 7, 120, 130, 7},
                    MoveCase{"tilting", 4, 110, 90, 0, 110, 91, 7},
                    MoveCase{"level again on the bottom", 7, 189, 176, 7, 189, 177, 0}),
    CaseName());

TEST_F(Sinking, TheFigureIsDrawnWholeOnceThenMovedRowByRow) {
    load_scene();
    std::memcpy(g_screen_buffer, g_background_buffer, SCREEN_BYTES);
    SinkingScene s = under_water(2, 200, 0);
    s.drawn_x = s.x, s.drawn_y = s.y;  // the ship needs no drawing
    s.figure_frame = 1;
    sinking_frame_draw(&s);
    Image want = background();
    put_sprite(&want, g_sink_figure_frames[1], 200, SINK_FIGURE_Y);
    EXPECT_EQ(first_difference(want, 75, 199), -1);
    EXPECT_EQ(s.figure_drawn_x, 200);
    EXPECT_EQ(s.figure_drawn_y, SINK_FIGURE_Y);

    s.figure_x = 198;
    s.figure_frame = 2;
    sinking_frame_draw(&s);
    want = background();
    put_sprite(&want, g_sink_figure_frames[2], 198, SINK_FIGURE_Y);
    EXPECT_EQ(first_difference(want, 75, 199), -1);
}

TEST_F(Sinking, ABubbleShowsForTwoFramesAndIsThenErased) {
    load_scene();
    std::memcpy(g_screen_buffer, g_background_buffer, SCREEN_BYTES);
    SinkingScene s = under_water(2, -50, 0);
    s.drawn_x = s.x, s.drawn_y = s.y;
    s.figure_drawn_x = s.figure_x, s.figure_drawn_y = SINK_FIGURE_Y;
    g_sink_bubbles[2] = SinkBubble{210, 150, 3, 0, 0, 0, 0, 0, 0};
    sinking_frame_draw(&s);  // drawn at 150
    g_sink_bubbles[2].y = 148;
    sinking_frame_draw(&s);  // drawn at 148; the one at 150 stays
    Image want = background();
    put_sprite(&want, g_sink_bubble_sprites[3], 210, 150);
    put_sprite(&want, g_sink_bubble_sprites[3], 210, 148);
    EXPECT_EQ(first_difference(want, 75, 199), -1);
    g_sink_bubbles[2].y = 146;
    sinking_frame_draw(&s);  // the drawing at 150 goes first, taking the rows of 148 it covers
    want = background();
    put_sprite(&want, g_sink_bubble_sprites[3], 210, 148);
    Image clean = background();
    for (int32_t y = 150; y < 155; ++y)
        for (int32_t x = 210; x < 216; ++x) want[y * SCREEN_WIDTH + x] = clean[y * SCREEN_WIDTH + x];
    put_sprite(&want, g_sink_bubble_sprites[3], 210, 146);
    EXPECT_EQ(first_difference(want, 75, 199), -1);
}

// ---- whole showings ---------------------------------------------------------------------------

struct VoiceLog {
    const uint8_t* slot_buffer[SOUND_SLOTS] = {};
    uint32_t starts = 0;
    std::vector<int32_t> slots;  // the slot of each sound started
    std::vector<uint32_t> loops;
};

void log_voice(void* context) {
    auto* log = static_cast<VoiceLog*>(context);
    if (log->slot_buffer[0] == nullptr)
        for (int32_t k = 0; k < SOUND_SLOTS; ++k) log->slot_buffer[k] = g_sound_slots[k].buffer;
    HeadlessVoice v = headless_voice();
    if (v.starts == log->starts) return;
    log->starts = v.starts;
    int32_t slot = -1;
    for (int32_t k = 0; k < SOUND_SLOTS; ++k)
        if (v.samples != nullptr && v.samples == log->slot_buffer[k]) slot = k;
    log->slots.push_back(slot);
    log->loops.push_back(v.loops);
}

TEST_F(Sinking, AWholeShowingPlaysItsSoundsAndEndsWithTheWreckOnTheBottom) {
    ASSERT_EQ(sound_set_mode(SOUND_MODE_WAVE), 0);
    ASSERT_EQ(sound_open_library("sounds.dat"), 1);
    VoiceLog log;
    headless_set_sleep_hook(&log_voice, &log);

    ship_sinking_animation(3);

    // sound 9 (slot 0) once, then 8 and 9 in turn while the ship sails in, then 8 looped
    ASSERT_GE(log.slots.size(), 2u);
    EXPECT_EQ(log.slots.front(), 0);
    EXPECT_EQ(log.loops.front(), 1u);
    for (size_t k = 1; k + 1 < log.slots.size(); ++k) {
        EXPECT_EQ(log.slots[k], log.slots[k - 1] == 0 ? 1 : 0) << k;
        EXPECT_EQ(log.loops[k], 1u);
    }
    EXPECT_EQ(log.slots.back(), 1);
    EXPECT_EQ(log.loops.back(), 30000u);
    EXPECT_FALSE(headless_voice().playing);
    for (const SoundSlot& slot : g_sound_slots) EXPECT_EQ(slot.buffer, nullptr);

    // the wreck lies level at x 189 on water line 177; the figure has gone
    Image want = background();
    put_ship(&want, 3, 189, 177, 0);
    EXPECT_EQ(first_difference(want, 160, 199), -1) << "no bubble reaches below where it is born";
    EXPECT_EQ(first_difference(want, 75, 159, 185, 220), -1) << "only the bubbles' column differs";
    EXPECT_EQ(g_gui_palette[0][2], 16) << "the backdrop is blue";
}

TEST_F(Sinking, WithoutThe256ColourModeTheSceneEndsOnTheBottom) {
    g_graphics_mode = 1;
    headless_reset();
    ship_sinking_animation(7);
    uint32_t full = headless_now();

    g_graphics_mode = 2;
    headless_reset();
    ship_sinking_animation(9);  // shown as model 7
    uint32_t shorter = headless_now();

    EXPECT_EQ(full - shorter, 212u * 16u) << "212 frames of one tick fewer";
    for (const SinkBubble& b : g_sink_bubbles) EXPECT_EQ(b.x, 0);
    Image want = background();
    put_ship(&want, 7, 189, 177, 0);
    EXPECT_EQ(first_difference(want, 0, 71), -1);
    EXPECT_EQ(first_difference(want, 75, 199), -1) << "no figure, no bubbles";
}

}  // namespace
