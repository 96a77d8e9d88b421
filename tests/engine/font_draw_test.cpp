// Glyph rules on the hand-made font: advances with spacing and kerning, the stand-in glyph, codes
// without a glyph, the pixels a glyph puts into the frame, clipping, and the character tables.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/charset.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "tests/engine/font_fixture.h"
#include "tests/harness/case_name.h"
#include "tests/harness/harness.h"

namespace {

class FontDraw : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        font_set_charset(0);
        load(FixtureOptions{});
    }
    void TearDown() override {
        font_free(&font_);
        font_set_charset(0);
    }
    void load(const FixtureOptions& options) {
        font_free(&font_);
        harness_write_file("fixture.fnt", fixture_font_file(options));
        ASSERT_EQ(font_load("fixture.fnt", &font_), 1);
    }
    // The frame's ink as rows of '#' and '.', for the rectangle at (x, y).
    static std::string frame_rows(int32_t x, int32_t y, int32_t w, int32_t h) {
        std::string out;
        for (int32_t r = 0; r < h; ++r) {
            for (int32_t k = 0; k < w; ++k) out += screen_get_pixel(x + k, y + r) != 0 ? '#' : '.';
            out += '\n';
        }
        return out;
    }
    static int32_t ink_count() {
        int32_t n = 0;
        for (int32_t i = 0; i < SCREEN_BYTES; ++i) n += g_screen_buffer[i] != 0 ? 1 : 0;
        return n;
    }
    Font font_ = {};
};

struct AdvanceCase {
    const char* what;
    uint8_t code;
    int32_t advance;
};

class FontAdvance : public FontDraw, public testing::WithParamInterface<AdvanceCase> {};

TEST_P(FontAdvance, MatchesTheGlyphRules) {
    EXPECT_EQ(font_char_advance(&font_, GetParam().code), GetParam().advance) << GetParam().what;
    int32_t before = ink_count();
    EXPECT_EQ(font_draw_char(&font_, GetParam().code, 50, 50), GetParam().advance) << GetParam().what;
    if (GetParam().advance == 0) {
        EXPECT_EQ(ink_count(), before) << GetParam().what;
    }
}

INSTANTIATE_TEST_SUITE_P(Fixture, FontAdvance,
                         testing::Values(AdvanceCase{"spacing entry", 'A', 4},
                                         AdvanceCase{"spacing 0 is nominal, plus kern", 'B', 7 + 1},
                                         AdvanceCase{"width 0 ignores its kern", 'C', 3},
                                         AdvanceCase{"last glyph: spacing plus kern", 'D', 6 + 2},
                                         AdvanceCase{"above hi: the last glyph", 'Z', 8},
                                         AdvanceCase{"below lo: the last glyph", ' ', 8},
                                         AdvanceCase{"below lo: the last glyph", '0', 8},
                                         AdvanceCase{"below 32", 31, 0}, AdvanceCase{"below 32", 1, 0},
                                         AdvanceCase{"box drawing: table gives 0", 176, 0},
                                         AdvanceCase{"block character: table gives 0", 219, 0},
                                         AdvanceCase{"box drawing: table gives 0", 223, 0},
                                         AdvanceCase{"table gives a Latin-1 code above hi", 132, 8},
                                         AdvanceCase{"table gives 'R'", 158, 8}),
                         CaseName());

TEST_F(FontDraw, WithoutSpacingTableEveryGlyphAdvancesByNominalPlusKern) {
    FixtureOptions options;
    options.spacing_table = false;
    load(options);
    EXPECT_EQ(font_char_advance(&font_, 'A'), 7);
    EXPECT_EQ(font_char_advance(&font_, 'B'), 8);
    EXPECT_EQ(font_char_advance(&font_, 'C'), 7);
    EXPECT_EQ(font_char_advance(&font_, 'D'), 9);
}

TEST_F(FontDraw, WithoutKerningTableGlyphsStartAtThePen) {
    FixtureOptions options;
    options.kerning_table = false;
    load(options);
    EXPECT_EQ(font_draw_char(&font_, 'D', 10, 20), 6);
    EXPECT_EQ(frame_rows(10, 20, 5, 3), "#..#.\n.##..\n#..#.\n");
}

TEST_F(FontDraw, GlyphBitsGoToThePenPlusKernInTheDrawColour) {
    g_draw_color = 9;
    std::memset(g_screen_buffer, 3, SCREEN_BYTES);  // clear bits leave the frame alone
    EXPECT_EQ(font_draw_char(&font_, 'B', 10, 20), 8);
    EXPECT_EQ(screen_get_pixel(10, 20), 3);
    EXPECT_EQ(screen_get_pixel(11, 20), 9);
    EXPECT_EQ(screen_get_pixel(12, 20), 9);
    EXPECT_EQ(screen_get_pixel(11, 21), 9);
    EXPECT_EQ(screen_get_pixel(12, 21), 3);
    EXPECT_EQ(screen_get_pixel(11, 22), 3);
    EXPECT_EQ(screen_get_pixel(12, 22), 9);
    EXPECT_EQ(screen_get_pixel(13, 20), 3);
}

TEST_F(FontDraw, TextIsDrawnAtTheSumOfTheAdvancesBefore) {
    // A at 0 (advance 4), D at 4 + kern 2 (advance 8), then the stand-in for 'x' at 12 + 2.
    EXPECT_EQ(font_draw_text(&font_, "ADx", 0, 0), 4 + 8 + 8);
    EXPECT_EQ(frame_rows(0, 0, 20, 3),
              "#.#...#..#....#..#..\n"
              ".#.....##......##...\n"
              "###...#..#....#..#..\n");
}

TEST_F(FontDraw, TextWidthEqualsDrawnWidth) {
    const char* texts[] = {"",
                           "A",
                           "ABCD",
                           ("A\x01"
                            "B"),  // the escape ends before the B
                           "\xB0\xB1",
                           "Hello, world",
                           "\x84\x94"};
    for (const char* text : texts) {
        int32_t width = font_text_width(&font_, text);
        EXPECT_EQ(font_draw_text(&font_, text, 5, 5), width) << text;
    }
    EXPECT_EQ(font_text_width(&font_, ""), 0);
    EXPECT_EQ(font_text_width(&font_, "ABCD"), 4 + 8 + 3 + 8);
}

TEST_F(FontDraw, GlyphPixelsOutsideTheScreenAreNotDrawn) {
    struct Place {
        int32_t x, y, inside;
    };
    // 'A' has 6 ink pixels: #.# / .#. / ###
    const Place places[] = {
        {-1, 0, 4},  {-3, 0, 0},  {318, 0, 4}, {319, 0, 2},         {0, -2, 3},
        {0, 198, 3}, {0, 199, 2}, {0, 200, 0}, {-2147483647, 0, 0}, {2147483600, 2147483600, 0}};
    for (const Place& p : places) {
        harness_start_engine();
        EXPECT_EQ(font_draw_char(&font_, 'A', p.x, p.y), 4);
        EXPECT_EQ(ink_count(), p.inside) << p.x << "," << p.y;
    }
}

TEST_F(FontDraw, DrawingHidesAVisibleCursor) {
    g_cursor_visible = 1;
    font_draw_char(&font_, 'A', 0, 0);
    EXPECT_EQ(g_cursor_visible, 0u);
    g_cursor_visible = 1;
    font_draw_text(&font_, "", 0, 0);
    EXPECT_EQ(g_cursor_visible, 0u);
    g_cursor_visible = 1;
    font_text_width(&font_, "AB");
    EXPECT_EQ(g_cursor_visible, 1u);
    g_cursor_visible = 0;
}

TEST_F(FontDraw, UnloadedFontDrawsNothing) {
    font_free(&font_);
    EXPECT_EQ(font_draw_text(&font_, "AB", 0, 0), 0);
    EXPECT_EQ(font_text_width(&font_, "AB"), 0);
    EXPECT_EQ(ink_count(), 0);
}

struct CharsetCase {
    uint32_t mode;
    uint8_t code;
    uint8_t result;
};

class Charset : public testing::TestWithParam<CharsetCase> {};

TEST_P(Charset, TranslatesThroughTheSelectedTable) {
    EXPECT_EQ(font_set_charset(GetParam().mode), GetParam().mode);
    EXPECT_EQ(g_charset_mode, GetParam().mode);
    uint8_t c = GetParam().code;
    font_translate_char(&c);
    EXPECT_EQ(c, GetParam().result) << "mode " << GetParam().mode << " code " << int{GetParam().code};
    font_set_charset(0);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, Charset,
    testing::Values(CharsetCase{0, 'a', 'a'}, CharsetCase{1, 127, 127}, CharsetCase{0, 128, 199},
                    CharsetCase{0, 132, 228}, CharsetCase{1, 132, 227}, CharsetCase{2, 132, 228},
                    CharsetCase{0, 142, 196}, CharsetCase{1, 142, 195}, CharsetCase{0, 148, 246},
                    CharsetCase{1, 148, 245}, CharsetCase{0, 153, 214}, CharsetCase{1, 153, 213},
                    CharsetCase{0, 155, 162}, CharsetCase{2, 155, 248}, CharsetCase{0, 157, 165},
                    CharsetCase{2, 157, 216}, CharsetCase{1, 155, 162}, CharsetCase{0, 162, 211},
                    CharsetCase{0, 147, 212}, CharsetCase{0, 151, 217}, CharsetCase{0, 150, 219},
                    CharsetCase{0, 175, 187}, CharsetCase{0, 176, 0}, CharsetCase{2, 223, 0},
                    CharsetCase{0, 224, 97}, CharsetCase{0, 225, 223}, CharsetCase{0, 248, 176},
                    CharsetCase{0, 253, 178}, CharsetCase{0, 255, 0}, CharsetCase{7, 132, 228},
                    CharsetCase{0xFFFFFFFFu, 142, 196}),
    [](const testing::TestParamInfo<CharsetCase>& info) {
        return "mode" + std::to_string(info.param.mode % 100) + "_code" + std::to_string(info.param.code) +
               "_" + std::to_string(info.index);
    });

TEST(CharsetTables, DifferOnlyInTheirOwnLetters) {
    for (int32_t i = 0; i < 128; ++i) {
        int32_t code = 128 + i;
        bool portuguese = code == 132 || code == 142 || code == 148 || code == 153;
        bool nordic = code == 155 || code == 157;
        EXPECT_EQ(g_charset_portuguese[i] != g_charset_common[i], portuguese) << code;
        EXPECT_EQ(g_charset_nordic[i] != g_charset_common[i], nordic) << code;
        if (code >= 176 && code <= 223) {
            EXPECT_EQ(g_charset_common[i], 0) << code;
            EXPECT_EQ(g_charset_portuguese[i], 0) << code;
            EXPECT_EQ(g_charset_nordic[i], 0) << code;
        }
    }
}

}  // namespace
