// The generated font files against the glyph art they were made from: a line of text drawn with
// each font must put exactly the art's ink into the frame, pen step by pen step.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "assets/font_art.h"
#include "assets/font_face.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "tests/harness/harness.h"

namespace {

struct FontFileCase {
    const char* file;
    FontId id;
    uint32_t line_pitch;  // the screens put lines this far apart: no glyph may be taller
};

class FontFile : public testing::TestWithParam<FontFileCase> {};

// Printable ASCII, digits and, in the texts' code page, letters that the character table sends to
// Latin-1 slots: e acute, e grave, u diaeresis, n tilde, A ring, and o acute, o circumflex, u grave,
// u circumflex that live in the upper slots 211, 212, 217, 219.
const char kLine[] = "Marivane 1987: Quay, (ok)? \x82\x8A\x81\xA4\x8F\xA2\x93\x97\x96";

TEST_P(FontFile, DrawsTheArtOfItsGlyphs) {
    harness_start_engine();
    font_set_charset(0);
    const FontFileCase& c = GetParam();
    Font font = {};
    ASSERT_EQ(font_load(c.file, &font), 1) << c.file;
    EXPECT_LE(font.height, c.line_pitch) << c.file;

    constexpr int32_t X = 3, Y = 40;
    g_draw_color = 14;
    screen_clear_to(0);
    int32_t drawn = font_draw_text(&font, kLine, X, Y);

    // The expected frame, built from the art alone.
    std::string expected(SCREEN_BYTES, '\0');
    int32_t pen = X;
    for (const char* p = kLine; *p != '\0'; ++p) {
        uint8_t code = static_cast<uint8_t>(*p);
        font_translate_char(&code);
        GlyphBitmap glyph;
        ASSERT_TRUE(font_art_glyph(c.id, code, &glyph)) << c.file << " has no glyph for code " << int(code);
        for (int32_t r = 0; r < glyph.height; ++r)
            for (int32_t k = 0; k < glyph.width; ++k)
                if (glyph.ink[r * glyph.width + k] != 0) {
                    int32_t x = pen + glyph.left + k, y = Y + r;
                    if (x >= 0 && x < SCREEN_WIDTH) expected[y * SCREEN_WIDTH + x] = 14;
                }
        pen += glyph.advance;
    }
    EXPECT_EQ(drawn, pen - X) << c.file;
    EXPECT_EQ(font_text_width(&font, kLine), pen - X) << c.file;
    int32_t wrong = 0, ink = 0;
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) {
        wrong += g_screen_buffer[i] != static_cast<uint8_t>(expected[i]) ? 1 : 0;
        ink += expected[i] != 0 ? 1 : 0;
    }
    EXPECT_GT(ink, 100) << c.file;
    EXPECT_EQ(wrong, 0) << c.file << ": pixels that differ from the art";
    font_free(&font);
}

INSTANTIATE_TEST_SUITE_P(GameFonts, FontFile,
                         testing::Values(FontFileCase{"sys8.fnt", FONT_SYS8, 8},
                                         FontFileCase{"SYS13.FNT", FONT_SYS13, 15},
                                         FontFileCase{"sys7b.fnt", FONT_SYS7B, 9},
                                         FontFileCase{"sys8b.fnt", FONT_SYS8B, 10}),
                         [](const testing::TestParamInfo<FontFileCase>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
