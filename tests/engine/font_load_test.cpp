// Reading disk-font files: the record's fields, the failures of a missing, marker-less or short
// file, and files whose tables or glyphs point outside the glyph block.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "engine/font.h"
#include "engine/frame.h"
#include "tests/engine/font_fixture.h"
#include "tests/harness/case_name.h"
#include "tests/harness/harness.h"

namespace {

int32_t load_bytes(const std::string& bytes, Font* font) {
    harness_write_file("fixture.fnt", bytes);
    return font_load("FIXTURE.FNT", font);
}

TEST(FontLoad, ReadsTheRecordFromTheFile) {
    Font font = {};
    ASSERT_EQ(load_bytes(fixture_font_file(), &font), 1);
    ASSERT_NE(font.data, nullptr);
    EXPECT_EQ(font.height, FIXTURE_HEIGHT);
    EXPECT_EQ(font.width, FIXTURE_NOMINAL);
    EXPECT_EQ(font.baseline, 2u);
    EXPECT_EQ(font.modulo, FIXTURE_MODULO);
    EXPECT_EQ(font.bitmap_off, 0);
    EXPECT_EQ(font.loc_off, FIXTURE_LOC);
    EXPECT_EQ(font.space_off, FIXTURE_SPACE);
    EXPECT_EQ(font.kern_off, FIXTURE_KERN);
    EXPECT_EQ(font.data_size, FIXTURE_BLOCK_SIZE);
    EXPECT_EQ(font.header[32], FIXTURE_LO);
    EXPECT_EQ(font.header[33], FIXTURE_HI);
    // The block is the bytes after the header, the strike's first row first.
    EXPECT_EQ(font.data[0], 0xBC);
    font_free(&font);
}

TEST(FontLoad, AbsentTablesBecomeMinus110) {
    Font font = {};
    FixtureOptions options;
    options.spacing_table = false;
    options.kerning_table = false;
    ASSERT_EQ(load_bytes(fixture_font_file(options), &font), 1);
    EXPECT_EQ(font.space_off, -110);
    EXPECT_EQ(font.kern_off, -110);
    font_free(&font);
}

TEST(FontLoad, FreeingTwiceIsHarmless) {
    Font font = {};
    ASSERT_EQ(load_bytes(fixture_font_file(), &font), 1);
    font_free(&font);
    EXPECT_EQ(font.data, nullptr);
    font_free(&font);
    EXPECT_EQ(font.data, nullptr);
}

TEST(FontLoad, MissingFileFails) {
    Font font = {};
    font.data = reinterpret_cast<uint8_t*>(&font);  // stale pointer: the loader clears it first
    EXPECT_EQ(font_load("no-such.fnt", &font), 0);
    EXPECT_EQ(font.data, nullptr);
}

struct BrokenFile {
    const char* what;
    std::string bytes;
};

class FontLoadFailure : public testing::TestWithParam<BrokenFile> {};

TEST_P(FontLoadFailure, ReturnsZeroWithoutABlock) {
    Font font = {};
    EXPECT_EQ(load_bytes(GetParam().bytes, &font), 0) << GetParam().what;
    EXPECT_EQ(font.data, nullptr) << GetParam().what;
}

std::string truncated(size_t length) {
    return fixture_font_file().substr(0, length);
}

std::string without_marker() {
    std::string file = fixture_font_file();
    for (size_t i = 1; i < file.size(); ++i)
        if (file[i - 1] == 0x4E && file[i] == 0x75) file[i] = 0x74;
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    ShortOrMarkerless, FontLoadFailure,
    testing::Values(BrokenFile{"empty file", ""}, BrokenFile{"no 0x4E 0x75 pair", without_marker()},
                    BrokenFile{"ends right after the marker", truncated(13)},
                    BrokenFile{"ends inside the disk-font header", truncated(fixture_header_at() - 1)},
                    BrokenFile{"ends inside the font header", truncated(fixture_block_at() - 1)},
                    BrokenFile{"ends inside the glyph block",
                               truncated(fixture_block_at() + FIXTURE_BLOCK_SIZE - 1)}),
    CaseName());

// A file whose header or tables send the drawing outside the block.
std::string patched16(size_t at, uint32_t value) {
    std::string file = fixture_font_file();
    fixture_patch16(&file, at, value);
    return file;
}

std::string patched32(size_t at, uint32_t value) {
    std::string file = fixture_font_file();
    fixture_patch32(&file, at, value);
    return file;
}

std::string lo_above_hi() {
    std::string file = fixture_font_file();
    file[fixture_header_at() + 32] = static_cast<char>(FIXTURE_HI + 1);
    return file;
}

std::string more_glyphs_than_tables() {
    std::string file = fixture_font_file();
    file[fixture_header_at() + 33] = static_cast<char>(FIXTURE_HI + 2);
    return file;
}

const size_t kH = fixture_header_at();
const size_t kB = fixture_block_at();

INSTANTIATE_TEST_SUITE_P(
    Corrupted, FontLoadFailure,
    testing::Values(BrokenFile{"block size smaller than its tables", patched16(kH + 18, 30)},
                    BrokenFile{"strike taller than the block", patched16(kH + 20, 40)},
                    BrokenFile{"strike rows wider than the block", patched16(kH + 38, 20)},
                    BrokenFile{"strike starts past the block", patched32(kH + 34, 110 + 36)},
                    BrokenFile{"location table past the block", patched32(kH + 40, 110 + 30)},
                    BrokenFile{"location table before the block", patched32(kH + 40, 100)},
                    BrokenFile{"spacing table past the block", patched32(kH + 44, 110 + 34)},
                    BrokenFile{"kerning table past the block", patched32(kH + 48, 110 + 31)},
                    BrokenFile{"kerning table far past the block", patched32(kH + 48, 0xFFFFFFF0u)},
                    BrokenFile{"glyph columns past the strike row", patched16(kB + FIXTURE_LOC + 4 * 3, 13)},
                    BrokenFile{"glyph wider than the strike row", patched16(kB + FIXTURE_LOC + 2, 17)},
                    BrokenFile{"lowest code above the highest", lo_above_hi()},
                    BrokenFile{"more glyphs than the tables hold", more_glyphs_than_tables()}),
    CaseName());

TEST(FontLoad, GlyphEndingOnTheLastStrikeColumnIsValid) {
    Font font = {};
    EXPECT_EQ(load_bytes(patched16(kB + FIXTURE_LOC + 4 * 3, 12), &font), 1);
    font_free(&font);
}

TEST(FontStartUp, MissingDefaultFontEndsTheProgramWithMinusTwo) {
    EXPECT_EXIT(
        {
            // In the child only: a working directory without the fonts, stdout into stderr.
            char dir[] = "nofont-XXXXXX";
            if (mkdtemp(dir) == nullptr || chdir(dir) != 0) std::_Exit(1);
            dup2(2, 1);
            graphics_init();
        },
        testing::ExitedWithCode(254), "Error: Font SYS8.FNT not found!");
}

}  // namespace
