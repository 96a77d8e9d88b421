#include "assets/picture_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "assets/art.h"
#include "assets/pattern_pictures.h"
#include "engine/picture.h"
#include "engine/picture_decode.h"
#include "tests/harness/harness.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Walks the codes of a packed picture on its own terms: the pixels of each row, and whether any
// code is a repeat of one or two or runs past a row's end.
struct CodeWalk {
    bool rows_end_at_320 = true;
    bool short_repeat = false;
    size_t used = 0;
};

CodeWalk walk(const Bytes& packed) {
    CodeWalk w;
    size_t at = 0;
    for (int32_t y = 0; y < 200 && at < packed.size(); ++y) {
        int32_t x = 0;
        while (x < 320 && at < packed.size()) {
            int32_t c = static_cast<int8_t>(packed[at]);
            int32_t len = c >= 1 ? c + 1 : 1 - c;
            if (c <= 0 && len <= 2) w.short_repeat = true;
            at += c >= 1 ? 1 + len : 2;
            x += len;
        }
        if (x != 320) w.rows_end_at_320 = false;
    }
    w.used = at;
    return w;
}

using Painter = void (*)(uint8_t* pixels);

uint32_t next_noise(uint32_t* s) {
    return *s = *s * 1664525u + 1013904223u;
}

TEST(PictureWriterTest, PacksEveryPatternWithinTheFormat) {
    struct Case {
        const char* name;
        Painter paint;
        size_t max_size;
    } cases[] = {
        {"flat", [](uint8_t* p) { std::memset(p, 40, 64000); }, 200 * 6},
        {"no two neighbours equal",
         [](uint8_t* p) {
             for (int32_t i = 0; i < 64000; ++i) p[i] = static_cast<uint8_t>(i % 7 + 1);
         },
         200 * 323},
        {"pairs",
         [](uint8_t* p) {
             for (int32_t i = 0; i < 64000; ++i) p[i] = static_cast<uint8_t>(i / 2 % 3);
         },
         200 * 323},
        {"two equal and one other",
         [](uint8_t* p) {
             for (int32_t i = 0; i < 64000; ++i) p[i] = static_cast<uint8_t>(i % 3 == 2 ? 9 : 4);
         },
         200 * 323},
        {"a lone pixel between long runs",
         [](uint8_t* p) {
             std::memset(p, 50, 64000);
             for (int32_t y = 0; y < 200; ++y) p[y * 320 + 160] = 51;
         },
         200 * 11},  // 129 + 30 repeated, literal of the last one and the lone pixel, 129 + 30
        {"runs of three",
         [](uint8_t* p) {
             for (int32_t i = 0; i < 64000; ++i) p[i] = static_cast<uint8_t>(i / 3 % 5);
         },
         200 * 230},
        {"noise",
         [](uint8_t* p) {
             uint32_t s = 7;
             for (int32_t i = 0; i < 64000; ++i) p[i] = static_cast<uint8_t>(next_noise(&s) >> 24);
         },
         200 * 323},
        {"a run across the row's end",
         [](uint8_t* p) {
             for (int32_t i = 0; i < 64000; ++i) p[i] = static_cast<uint8_t>((i + 100) / 400 % 2);
         },
         200 * 323},
    };
    auto pixels = std::make_unique<uint8_t[]>(64000);
    for (const Case& c : cases) {
        c.paint(pixels.get());
        Bytes packed;
        std::string error;
        ASSERT_TRUE(pack_picture(pixels.get(), &packed, &error)) << c.name << ": " << error;
        EXPECT_LE(packed.size(), c.max_size) << c.name;
        CodeWalk w = walk(packed);
        EXPECT_TRUE(w.rows_end_at_320) << c.name;
        EXPECT_FALSE(w.short_repeat) << c.name;
        EXPECT_EQ(w.used, packed.size()) << c.name;
        Bytes out(64000, 0xEE);
        EXPECT_EQ(picture_decode(packed.data(), static_cast<uint32_t>(packed.size()), out.data()), 64000)
            << c.name;
        EXPECT_EQ(out, Bytes(pixels.get(), pixels.get() + 64000)) << c.name;
    }
}

TEST(PictureWriterTest, RefusesPalettesTheGameWouldNotLoadWhole) {
    struct Case {
        const char* name;
        int32_t index;  // the one byte set (-1: none)
        uint8_t value;
        bool ok;
    } cases[] = {
        {"all zero", -1, 0, false},
        {"only byte 32 set", 32, 5, false},  // colours 32..63 would keep the
                                             // earlier picture's values
        {"byte 31 set", 31, 1, true},
        {"byte 0 set", 0, 63, true},
        {"a value above 63", 0, 64, false},
    };
    for (const Case& c : cases) {
        uint8_t palette[224 * 3] = {};
        if (c.index >= 0) palette[c.index] = c.value;
        std::string error;
        EXPECT_EQ(check_picture_palette(palette, &error), c.ok) << c.name;
        EXPECT_EQ(error.empty(), c.ok) << c.name;
    }
}

class PictureRoundTripTest : public ::testing::Test {
  protected:
    void TearDown() override { picture_files_close(); }
    // Loads all 45 pictures back and compares pixels and palettes with the images.
    static void expect_pictures(const std::vector<PictureImage>& images) {
        Bytes buffer(64000);
        for (int32_t n = 1; n <= 45; ++n) {
            std::memset(buffer.data(), 0xEE, buffer.size());
            ASSERT_EQ(picture_load(n, buffer.data()), 0);
            const PictureImage& image = images[n - 1];
            EXPECT_EQ(buffer, Bytes(image.pixels, image.pixels + 64000)) << "picture " << n;
            const uint8_t* palette = &g_picture_palette[0][0];
            EXPECT_EQ(Bytes(palette, palette + 672), Bytes(image.palette, image.palette + 672))
                << "picture " << n;
            EXPECT_EQ(Bytes(palette + 672, palette + 768), Bytes(96, 0)) << "picture " << n;
        }
    }
};

TEST_F(PictureRoundTripTest, WrittenFilesLoadBackAsPainted) {
    std::vector<PictureImage> images(45);
    uint32_t s = 99;
    for (int32_t n = 1; n <= 45; ++n) {
        PictureImage& image = images[n - 1];
        for (int32_t i = 0; i < 64000; ++i) {
            // noisy, banded or flat by picture, so both files hold large and small images
            uint32_t r = next_noise(&s) >> 24;
            image.pixels[i] = static_cast<uint8_t>(n % 3 == 0 ? r : n % 3 == 1 ? (i / 37 + n) % 256 : n);
        }
        for (int32_t i = 0; i < 672; ++i)
            image.palette[i] = static_cast<uint8_t>((next_noise(&s) >> 20) % 64);
        image.palette[5] = static_cast<uint8_t>(n);  // never all zero at the start
    }
    std::filesystem::create_directory("roundtrip");
    ASSERT_EQ(write_picture_pair("roundtrip", images.data()), 0);

    // Pictures 1..22 in the first file, 23..45 in the second, every entry inside its file.
    std::string first = harness_read_file("roundtrip/IB1VGA.DAT");
    std::string second = harness_read_file("roundtrip/IB2VGA.DAT");
    ASSERT_EQ(picture_files_open("roundtrip\\ib1vga.dat", "roundtrip\\ib2vga.dat"), 1);
    for (int32_t n = 1; n <= 45; ++n) {
        const PictureDirEntry& e = g_picture_directory[n - 1];
        EXPECT_EQ(e.file, n <= 22 ? 0 : 1) << n;
        size_t file_size = e.file == 1 ? second.size() : first.size();
        EXPECT_LE(e.offset + e.size, file_size) << n;
        if (e.file != 1) {
            EXPECT_GE(e.offset, 360u + 45 * 768) << n;
        }
    }
    expect_pictures(images);
}

// The generated data files hold exactly what the painters paint.
TEST_F(PictureRoundTripTest, TheGamesFilesHoldThePaintedPictures) {
    std::vector<PictureImage> images(45);
    paint_main_pictures(images.data());
    paint_business_pictures(images.data());
    paint_voyage_pictures(images.data());
    ASSERT_EQ(picture_files_open("ib1vga.dat", "ib2vga.dat"), 1);
    expect_pictures(images);
}

}  // namespace
