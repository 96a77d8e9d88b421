#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/blit.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/palette_cycle.h"
#include "engine/picture.h"
#include "tests/harness/harness.h"

namespace {

using Bytes = std::vector<uint8_t>;

uint8_t source_value(int32_t x, int32_t y) {
    return static_cast<uint8_t>(x * 7 + y * 3);
}
uint8_t frame_value(int32_t x, int32_t y) {
    return static_cast<uint8_t>(x + 5 * y + 1);
}

class BlitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        src.resize(64000);
        for (int32_t y = 0; y < 200; ++y)
            for (int32_t x = 0; x < 320; ++x) src[y * 320 + x] = source_value(x, y);
        for (int32_t y = 0; y < 200; ++y)
            for (int32_t x = 0; x < 320; ++x) g_screen_buffer[y * 320 + x] = frame_value(x, y);
        g_screen_changed = 0;
    }
    static uint8_t frame(int32_t x, int32_t y) { return g_screen_buffer[y * 320 + x]; }
    Bytes src;
};

// Every frame pixel inside both the frame and the destination rectangle takes the source pixel at the
// same place relative to the rectangles; all others keep their value.
TEST_F(BlitTest, CopiesAreClippedToTheFrame) {
    struct Case {
        int32_t sx, sy, dx, dy, w, h;
        bool draws;
    } cases[] = {
        {5, 6, 40, 50, 30, 20, true},
        {20, 0, -10, 0, 30, 5, true},  // source columns 30..49 at frame columns 0..19
        {0, 0, 310, 0, 30, 5, true},   // 10 columns
        {0, 20, 0, -7, 4, 10, true},
        {0, 0, 0, 195, 4, 10, true},
        {0, 0, -30, 0, 30, 5, false},  // ends at column -1
        {0, 0, 320, 0, 30, 5, false},
        {0, 0, 0, -10, 30, 10, false},
        {0, 0, 0, 200, 30, 10, false},
        {-5, -5, -5, -5, 330, 210, true},  // covers the whole frame
    };
    for (const Case& c : cases) {
        SetUp();
        blit_copy_to_screen(src.data(), c.sx, c.sy, c.dx, c.dy, c.w, c.h);
        EXPECT_EQ(g_screen_changed.load(), c.draws ? 1u : 0u) << c.dx << "," << c.dy;
        int32_t wrong = 0;
        for (int32_t y = 0; y < 200; ++y) {
            for (int32_t x = 0; x < 320; ++x) {
                bool inside = x >= c.dx && x < c.dx + c.w && y >= c.dy && y < c.dy + c.h;
                uint8_t expect = inside ? source_value(c.sx + x - c.dx, c.sy + y - c.dy) : frame_value(x, y);
                wrong += frame(x, y) != expect;
            }
        }
        EXPECT_EQ(wrong, 0) << "blit to " << c.dx << "," << c.dy << " size " << c.w << "x" << c.h;
    }
}

TEST_F(BlitTest, ModesCombineSourceAndFrame) {
    // A source row holding the key values, over a frame of mixed values.
    const uint8_t s_row[] = {0, 1, 32, 0x0F, 0xF0, 200, 33};
    const uint8_t d_row[] = {0x55, 0x55, 0x55, 0x3C, 0x3C, 9, 0xFF};
    constexpr int32_t n = sizeof s_row;
    struct Case {
        int32_t mode;
        uint8_t (*result)(uint8_t d, uint8_t s);
    } cases[] = {
        {0, [](uint8_t, uint8_t s) { return s; }},
        {1, [](uint8_t d, uint8_t s) { return static_cast<uint8_t>(d | s); }},
        {2, [](uint8_t d, uint8_t s) { return s == 0 ? d : s; }},
        {3, [](uint8_t d, uint8_t s) { return s == 1 ? d : s; }},
        {4, [](uint8_t d, uint8_t s) { return static_cast<uint8_t>(~(d & s)); }},
        {5, [](uint8_t d, uint8_t s) { return s == 32 ? d : s; }},
        {6, [](uint8_t d, uint8_t) { return d; }},
        {-1, [](uint8_t d, uint8_t) { return d; }},
    };
    for (const Case& c : cases) {
        std::memcpy(src.data() + 3 * 320 + 10, s_row, n);
        std::memcpy(g_screen_buffer + 100 * 320 + 200, d_row, n);
        blit_to_screen(src.data(), 10, 3, 200, 100, n, 1, c.mode);
        for (int32_t i = 0; i < n; ++i)
            EXPECT_EQ(frame(200 + i, 100), c.result(d_row[i], s_row[i]))
                << "mode " << c.mode << " pixel " << i;
    }
}

TEST_F(BlitTest, ShowBufferCopiesItWholeAndHidesTheCursor) {
    g_cursor_visible = 1;
    screen_show_buffer(src.data());
    EXPECT_EQ(g_cursor_visible, 0u);
    EXPECT_EQ(Bytes(g_screen_buffer, g_screen_buffer + 64000), src);
    EXPECT_EQ(g_screen_changed.load(), 1u);
}

TEST_F(BlitTest, MaskCopyMarksTheKeyWith0AndAllElseWith15) {
    struct Case {
        uint8_t* buffer;
        int32_t key;
        uint8_t pixels[4];
        uint8_t mask[4];
    } cases[] = {
        {nullptr, 1, {1, 0, 15, 1}, {0, 15, 15, 0}},
        {nullptr, 2, {2, 1, 2, 130}, {0, 15, 0, 15}},
        {nullptr, 200, {200, 200, 0, 1}, {15, 15, 15, 15}},  // read signed: 200 is -56, never the key
        {g_sheet_buffer, 1, {1, 1, 7, 0}, {0, 0, 15, 15}},
    };
    for (const Case& c : cases) {
        uint8_t* b = c.buffer != nullptr ? c.buffer : g_screen_buffer;
        // a 2 x 2 block at (10, 20) masked into (100, 150)
        b[20 * 320 + 10] = c.pixels[0];
        b[20 * 320 + 11] = c.pixels[1];
        b[21 * 320 + 10] = c.pixels[2];
        b[21 * 320 + 11] = c.pixels[3];
        b[150 * 320 + 102] = 77;
        make_mask_copy(c.buffer, 10, 20, 100, 150, 2, 2, c.key);
        const uint8_t got[4] = {b[150 * 320 + 100], b[150 * 320 + 101], b[151 * 320 + 100],
                                b[151 * 320 + 101]};
        for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(got[i], c.mask[i]) << "key " << c.key << " pixel " << i;
        EXPECT_EQ(b[150 * 320 + 102], 77) << "outside the rectangle";
    }
}

class PaletteCycleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        for (int32_t k = 0; k < 256; ++k) {
            g_picture_palette[k][0] = static_cast<uint8_t>(k % 64);
            g_picture_palette[k][1] = static_cast<uint8_t>((k + 1) % 64);
            g_picture_palette[k][2] = static_cast<uint8_t>((k + 2) % 64);
        }
    }
    static std::vector<int32_t> order() {  // which original triple stands at each place 0..31
        std::vector<int32_t> o;
        for (int32_t k = 0; k < 32; ++k) o.push_back(g_picture_palette[k][0]);
        return o;
    }
    static bool uploaded() {  // colours 32..63 show triples 0..31
        for (int32_t k = 0; k < 32; ++k)
            if (g_game_palette[32 + k][2] != g_picture_palette[k][0] * 4 ||
                g_game_palette[32 + k][0] != g_picture_palette[k][2] * 4)
                return false;
        return true;
    }
};

TEST_F(PaletteCycleTest, RotatesWithinTheCyclingRangeOnly) {
    auto identity = [] {
        std::vector<int32_t> o;
        for (int32_t k = 0; k < 32; ++k) o.push_back(k);
        return o;
    };
    struct Case {
        int32_t first, count, apply;
        std::vector<std::pair<int32_t, int32_t>> moved;  // (place, original triple) differing from identity
        bool upload;
    } cases[] = {
        {7, 5, 1, {{7, 11}, {8, 7}, {9, 8}, {10, 9}, {11, 10}}, true},
        {1, 6, 0, {{1, 6}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}}, false},
        {30, 2, 1, {{30, 31}, {31, 30}}, true},
        {0, 0, 1, {}, true},    // upload only
        {31, 1, 1, {}, true},   // one triple does not move
        {30, 4, 1, {}, false},  // reaches past triple 31: nothing at all
        {32, 1, 1, {}, false},
        {-1, 3, 1, {}, false},
    };
    for (const Case& c : cases) {
        SetUp();
        palette_cycle(c.first, c.count, c.apply);
        std::vector<int32_t> expect = identity();
        for (auto [place, triple] : c.moved) expect[place] = triple;
        EXPECT_EQ(order(), expect) << c.first << "," << c.count;
        EXPECT_EQ(uploaded(), c.upload) << c.first << "," << c.count;
        EXPECT_EQ(g_picture_palette[40][0], 40) << "triples past the range stay";
    }
}

}  // namespace
