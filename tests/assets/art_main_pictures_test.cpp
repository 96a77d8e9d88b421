// What the game reads back from the main group of pictures: the areas it copies, keys, blanks,
// inverts or draws over, the shared palettes and the packed sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "assets/art.h"
#include "assets/picture_writer.h"
#include "world/ports.h"
#include "world/projection.h"
#include "views/world_map.h"

namespace {

constexpr int32_t MAIN_GROUP[] = {1, 9, 10, 35, 37, 38, 39, 40, 41};

class MainPicturesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        images_ = new std::vector<PictureImage>(PICTURE_IMAGE_COUNT);
        paint_main_pictures(images_->data());
    }
    static void TearDownTestSuite() {
        delete images_;
        images_ = nullptr;
    }
    static const PictureImage& picture(int32_t n) { return (*images_)[n - 1]; }
    static int32_t at(int32_t n, int32_t x, int32_t y) { return picture(n).pixels[y * 320 + x]; }
    // Brightness 0..189 of a screen colour as the picture's palette shows it.
    static int32_t brightness(int32_t n, int32_t colour) {
        if (colour < 32) return -1;
        const uint8_t* t = &picture(n).palette[3 * (colour - 32)];
        return t[0] + t[1] + t[2];
    }
    static std::vector<PictureImage>* images_;
};

std::vector<PictureImage>* MainPicturesTest::images_ = nullptr;

TEST_F(MainPicturesTest, EveryPicturePacksAndHasALoadablePalette) {
    for (int32_t n : MAIN_GROUP) {
        std::vector<uint8_t> packed;
        std::string error;
        EXPECT_TRUE(pack_picture(picture(n).pixels, &packed, &error)) << "picture " << n << ": " << error;
        EXPECT_LE(packed.size(), 65535u) << "picture " << n;
        EXPECT_TRUE(check_picture_palette(picture(n).palette, &error)) << "picture " << n << ": " << error;
    }
}

TEST_F(MainPicturesTest, PicturesShownTogetherShareOnePalette) {
    const int32_t groups[][2] = {{1, 37}, {10, 35}};
    for (const auto& g : groups)
        EXPECT_EQ(0, memcmp(picture(g[0]).palette, picture(g[1]).palette, sizeof picture(g[0]).palette))
            << "pictures " << g[0] << " and " << g[1];
}

TEST_F(MainPicturesTest, TheDayDialFaceIsBlackSoThatErasingTheHandLeavesNoTrace) {
    // every pixel a hand can reach: the ellipse 14 wide and 12 high round the pivot (104, 180)
    for (int32_t y = 168; y <= 192; ++y)
        for (int32_t x = 90; x <= 118; ++x) {
            int32_t dx = x - 104, dy = y - 180;
            if (dx * dx * 144 + dy * dy * 196 > 144 * 196) continue;
            ASSERT_EQ(0, at(1, x, y)) << "(" << x << ", " << y << ")";
        }
}

TEST_F(MainPicturesTest, WeekdayBoxesAreOutlinedInTheUnmarkedColour) {
    for (int32_t d = 0; d < 7; ++d) {
        int32_t x0 = 138 + 15 * d, x1 = x0 + 9;
        for (int32_t x = x0; x <= x1; ++x) {
            EXPECT_EQ(7, at(1, x, 167)) << "day " << d;
            EXPECT_EQ(7, at(1, x, 177)) << "day " << d;
        }
        for (int32_t y = 167; y <= 177; ++y) {
            EXPECT_EQ(7, at(1, x0, y)) << "day " << d;
            EXPECT_EQ(7, at(1, x1, y)) << "day " << d;
        }
    }
}

TEST_F(MainPicturesTest, RunButtonImagesFitTheSameWell) {
    // The running image at (253, 159) is copied to (10, 162): its edge must match the stopped one's,
    // and both faces must differ inside the hot zone (12, 164) 55 x 31.
    int32_t differ = 0;
    for (int32_t y = 0; y < 38; ++y)
        for (int32_t x = 0; x < 62; ++x) {
            int32_t stopped = at(1, 10 + x, 162 + y), running = at(1, 253 + x, 159 + y);
            bool edge = x == 0 || y == 0 || x == 61 || y == 37;
            if (edge) {
                ASSERT_EQ(stopped, running) << "edge (" << x << ", " << y << ")";
            }
            if (x >= 2 && x < 57 && y >= 2 && y < 33 && stopped != running) ++differ;
        }
    EXPECT_GT(differ, 300);
}

TEST_F(MainPicturesTest, PressedSideButtonsInvertIntoAReadableNegative) {
    // A press XORs the frame with 15, which maps index k to 15 - k inside its block of 16. Each
    // block used there must run steadily from dark to light, so the press shows a negative.
    for (int32_t y0 : {16, 62, 108})
        for (int32_t y = y0; y <= y0 + 45; ++y)
            for (int32_t x = 253; x <= 316; ++x) {
                int32_t c = at(1, x, y);
                ASSERT_GE(c, 48) << "(" << x << ", " << y << ") uses an interface colour or the key block";
                int32_t block = c & ~15;
                for (int32_t k = block; k < block + 15; ++k)
                    ASSERT_LE(brightness(1, k), brightness(1, k + 1)) << "block " << block << " is not a ramp";
            }
}

TEST_F(MainPicturesTest, MapShowsEveryPortOnOpenWater) {
    // Ships in port are drawn at the port's projected pixel: the map must show sea there, and the
    // light steel sea keeps the owners' colours and the white wind numbers readable.
    for (int32_t row = 1; row <= PORT_COUNT; ++row) {
        g_project_lat = g_port_table[row].lat;
        g_project_lon = g_port_table[row].lon;
        project_flat_map_point();
        int32_t x = g_project_x, y = g_project_y;
        // the port's own dot, with the sea round it
        int32_t sea = 0;
        for (int32_t dy = -1; dy <= 1; ++dy)
            for (int32_t dx = -1; dx <= 1; ++dx) {
                int32_t c = at(1, x + dx, y + dy);
                if (c >= 33 && c < 48) ++sea;
            }
        EXPECT_GE(sea, 1) << "port " << row << " at (" << x << ", " << y << ") lies inland";
    }
    for (int32_t k = 33; k < 48; ++k) EXPECT_GE(brightness(1, k), 80) << "sea colour " << k << " too dark";
}

TEST_F(MainPicturesTest, LetterPaperIsLightAndOpaqueWhereTheLetterIsTyped) {
    for (int32_t y = 6; y <= 97; ++y)
        for (int32_t x = 12; x <= 195; ++x) {
            int32_t c = at(37, x, y);
            ASSERT_NE(1, c) << "(" << x << ", " << y << ") would let the map through";
            ASSERT_GE(brightness(37, c), 130) << "(" << x << ", " << y << ") too dark for black text";
        }
    // round the paper the map shows through
    EXPECT_EQ(1, at(37, 0, 0));
    EXPECT_EQ(1, at(37, 0, 114));
}

TEST_F(MainPicturesTest, IntroSpriteIsKeyedWhereTheBackgroundShowsThrough) {
    // blitted with colour 32 transparent: the sky beside the ship's top must be key, the ship opaque
    EXPECT_EQ(32, at(35, 0, 0));
    EXPECT_EQ(32, at(35, 123, 0));
    EXPECT_EQ(32, at(35, 2, 60));
    EXPECT_NE(32, at(35, 62, 120));
    int32_t key_pixels = 0;
    for (int32_t y = 0; y < 196; ++y)
        for (int32_t x = 0; x < 124; ++x) key_pixels += at(35, x, y) == 32;
    EXPECT_GT(key_pixels, 2000);
    EXPECT_LT(key_pixels, 124 * 196 - 4000);
}

TEST_F(MainPicturesTest, IntroUsesBothCycledRanges) {
    // The intro rotates colours 33..38 and 39..43: every one of them must be on screen for the sea
    // and the lights to move, and none may stand for a still part (the key 32 is not in them).
    int32_t counts[256] = {};
    for (int32_t i = 0; i < PICTURE_IMAGE_PIXELS; ++i) ++counts[picture(10).pixels[i]];
    for (int32_t k = 33; k <= 43; ++k) EXPECT_GT(counts[k], 0) << "colour " << k;
    EXPECT_GT(counts[33] + counts[34] + counts[35] + counts[36] + counts[37] + counts[38], 20000);
}

}  // namespace
