// The business pictures against what the screens read back from them: shared palettes, the cut-out
// sizes and keys, the black windows and strips the screens paint into, light grounds under black
// text and dark grounds under white lines, and plain rows under the status line.
#include "assets/art_business.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "assets/art.h"
#include "assets/picture_writer.h"

namespace {

// Interface colours 0..31 as the screen shows them (6-bit).
constexpr uint8_t INTERFACE[32][3] = {
    {0, 0, 0},    {0, 0, 42},   {0, 42, 0},   {0, 42, 42},  {42, 0, 0},   {42, 0, 42},  {42, 21, 0},
    {42, 42, 42}, {21, 21, 21}, {21, 21, 63}, {21, 63, 21}, {21, 63, 63}, {63, 21, 21}, {63, 21, 63},
    {63, 63, 21}, {63, 63, 63}, {31, 31, 63}, {0, 0, 63},   {0, 0, 31},   {47, 43, 40}, {36, 33, 28},
    {28, 25, 21}, {63, 31, 31}, {63, 0, 0},   {31, 0, 0},   {0, 5, 35},   {10, 40, 10}, {0, 0, 50},
    {0, 0, 0},    {0, 0, 0},    {0, 0, 0},    {0, 0, 0},
};

class ArtBusinessTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        images_ = new std::vector<PictureImage>(PICTURE_IMAGE_COUNT);
        std::memset(images_->data(), 0, sizeof(PictureImage) * PICTURE_IMAGE_COUNT);
        paint_business_pictures(images_->data());
    }
    static void TearDownTestSuite() {
        delete images_;
        images_ = nullptr;
    }
    static const PictureImage& picture(int32_t n) { return (*images_)[n - 1]; }
    static int32_t pixel(int32_t n, int32_t x, int32_t y) {
        return picture(n).pixels[y * PICTURE_IMAGE_WIDTH + x];
    }
    // Brightness 0..63 of a colour as shown with picture n's palette.
    static int32_t brightness(int32_t n, int32_t colour) {
        const uint8_t* t = colour < 32 ? INTERFACE[colour] : &picture(n).palette[3 * (colour - 32)];
        return (t[0] * 30 + t[1] * 59 + t[2] * 11) / 100;
    }

    static std::vector<PictureImage>* images_;
};

std::vector<PictureImage>* ArtBusinessTest::images_ = nullptr;

TEST_F(ArtBusinessTest, EveryPicturePacksAndCarriesALoadablePalette) {
    for (int32_t n : BIZ_PICTURES) {
        SCOPED_TRACE("picture " + std::to_string(n));
        std::vector<uint8_t> packed;
        std::string error;
        EXPECT_TRUE(pack_picture(picture(n).pixels, &packed, &error)) << error;
        EXPECT_LE(packed.size(), 65535u);
        EXPECT_TRUE(check_picture_palette(picture(n).palette, &error)) << error;
    }
}

TEST_F(ArtBusinessTest, PicturesShownTogetherShareOnePalette) {
    // the broker's floors show the models side by side; the crown is blitted over the ranking list
    const std::vector<std::vector<int32_t>> groups = {{26, 27, 28, 29, 30, 31, 32, 33}, {34, 45}};
    for (const auto& group : groups)
        for (int32_t n : group) {
            SCOPED_TRACE("picture " + std::to_string(n));
            EXPECT_EQ(0,
                      std::memcmp(picture(group[0]).palette, picture(n).palette, sizeof picture(n).palette));
        }
}

TEST_F(ArtBusinessTest, ModelFrameEdgeIsDarkerThanTheGreyScreen) {
    // the sunken frame around a model draws colour 37 top and left, 15 bottom and right, on grey 7
    for (int32_t n = 27; n <= 33; ++n) EXPECT_LT(brightness(n, 37), brightness(n, 7) - 10) << "picture " << n;
}

TEST_F(ArtBusinessTest, CutOutsFillExactlyTheirCorner) {
    // the painted corner must end where the screens stop copying, or a strip is lost or flat
    struct Case {
        int32_t picture;
        BizRect cut;
    };
    std::vector<Case> cases = {{26, BIZ_REPAIR_CUTOUT}};
    for (int32_t m = 1; m <= 7; ++m)
        cases.push_back({26 + m, BizRect{0, 0, g_ship_model_cutouts[m].w, g_ship_model_cutouts[m].h}});
    for (const Case& c : cases) {
        SCOPED_TRACE("picture " + std::to_string(c.picture));
        int32_t fill = pixel(c.picture, 319, 199);
        int32_t right = c.cut.x + c.cut.w - 1, bottom = c.cut.y + c.cut.h - 1;
        int32_t painted_edge = 0, spilled = 0;
        for (int32_t y = c.cut.y; y <= bottom; ++y) {
            painted_edge += pixel(c.picture, right, y) != fill;
            spilled += pixel(c.picture, right + 1, y) != fill;
        }
        for (int32_t x = c.cut.x; x <= right; ++x) {
            painted_edge += pixel(c.picture, x, bottom) != fill;
            spilled += pixel(c.picture, x, bottom + 1) != fill;
        }
        EXPECT_EQ(painted_edge, c.cut.w + c.cut.h);
        EXPECT_EQ(spilled, 0);
    }
}

TEST_F(ArtBusinessTest, CrownStandsOnTheKeyColour) {
    const BizRect& c = BIZ_CROWN;
    int32_t border_not_key = 0, crown = 0;
    for (int32_t y = c.y; y < c.y + c.h; ++y)
        for (int32_t x = c.x; x < c.x + c.w; ++x) {
            bool border = x == c.x || y == c.y || x == c.x + c.w - 1 || y == c.y + c.h - 1;
            int32_t p = pixel(34, x, y);
            if (border && p != BIZ_KEY) ++border_not_key;
            if (!border && p != BIZ_KEY) ++crown;
        }
    EXPECT_EQ(border_not_key, 0);
    EXPECT_GT(crown, c.w * c.h / 3);
    // the key colour must not be black: a palette starting with zeros keeps the previous colours
    EXPECT_GT(brightness(34, BIZ_KEY), 0);
}

TEST_F(ArtBusinessTest, AreasTheScreensPaintOrWriteOn) {
    enum Rule { ALL_BLACK, LIGHT, DARK, NO_COLOUR_1 };
    struct Case {
        const char* what;
        int32_t picture;
        int32_t x0, y0, x1, y1;
        Rule rule;
    };
    const Case cases[] = {
        {"bunker cost window", 2, 172, 59, 232, 69, ALL_BLACK},
        {"bunker tonnes window", 2, 172, 73, 232, 83, ALL_BLACK},
        {"bunker price window", 2, 172, 101, 232, 111, ALL_BLACK},
        {"bunker tank inside (filled with colour 1)", 2, 88, 56, 157, 168, NO_COLOUR_1},
        {"lift indicator strip", 7, 148, 80, 185, 81, ALL_BLACK},
        {"lift car behind the doors (colour 1)", 7, 143, 88, 188, 132, NO_COLOUR_1},
        {"statistics title", 8, 92, 32, 250, 47, LIGHT},
        {"statistics bottom line", 8, 48, 184, 290, 199, LIGHT},
        {"statistics chart under the white line", 8, 50, 50, 250, 150, DARK},
        {"elimination notice", 25, 10, 50, 200, 190, LIGHT},
        {"ranking name plate 1", 45, 20, 141, 70, 154, LIGHT},
        {"ranking name plate 2", 45, 100, 141, 150, 154, LIGHT},
        {"ranking name plate 3", 45, 180, 141, 230, 154, LIGHT},
        {"ranking name plate 4", 45, 260, 141, 310, 154, LIGHT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int32_t bad = 0;
        for (int32_t y = c.y0; y <= c.y1; ++y)
            for (int32_t x = c.x0; x <= c.x1; ++x) {
                int32_t p = pixel(c.picture, x, y);
                int32_t b = brightness(c.picture, p);
                switch (c.rule) {
                    case ALL_BLACK:
                        bad += p != 0;
                        break;
                    case LIGHT:
                        bad += b < 40;
                        break;
                    case DARK:
                        bad += b > 25;
                        break;
                    case NO_COLOUR_1:
                        bad += p == 1 || b < 12;
                        break;
                }
            }
        EXPECT_EQ(bad, 0);
    }
}

TEST_F(ArtBusinessTest, RowsUnderTheStatusLineArePlain) {
    for (int32_t n : {2, 3, 4, 5, 6, 7, 8, 25, 42, 43, 44}) {
        int32_t other = 0;
        for (int32_t y = 0; y < BIZ_STATUS_ROWS; ++y)
            for (int32_t x = 0; x < PICTURE_IMAGE_WIDTH; ++x) other += pixel(n, x, y) != pixel(n, 0, 0);
        EXPECT_EQ(other, 0) << "picture " << n;
    }
}

TEST_F(ArtBusinessTest, OfficeLampBlinksInAHousingOfItsOwn) {
    // the office screen redraws the lamp in colour 9 and 15: its neighbours must differ from both
    for (int32_t dy = -1; dy <= 1; ++dy)
        for (int32_t dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) continue;
            int32_t p = pixel(6, BIZ_LAMP_X + dx, BIZ_LAMP_Y + dy);
            EXPECT_NE(p, 9);
            EXPECT_NE(p, 15);
        }
    // the office scene lies in rows 15..187; the buttons cover the rest
    EXPECT_LT(BIZ_LAMP_Y, 188);
}

TEST_F(ArtBusinessTest, RankingSamplesLieWhereNoBarIsDrawn) {
    // bricks stack in columns x 20 + 80k .. +33 (with a pixel of jitter) at any row; worth pieces
    // in x 60 + 80k .. +12 (plus jitter) from row 134 up. A sample overdrawn by a bar would corrupt
    // every later copy of it.
    auto overlaps = [](int32_t a0, int32_t a1, int32_t b0, int32_t b1) { return a0 <= b1 && b0 <= a1; };
    for (const BizRect& r : {BIZ_RANK_BRICK, BIZ_RANK_PIECE}) {
        for (int32_t k = 0; k < 4; ++k) {
            EXPECT_FALSE(overlaps(r.x, r.x + r.w - 1, 20 + 80 * k, 20 + 80 * k + 33));
            if (r.y <= 136) {
                EXPECT_FALSE(overlaps(r.x, r.x + r.w - 1, 60 + 80 * k, 60 + 80 * k + 12));
            }
        }
        EXPECT_GT(r.y, 136);  // below the worth bars' highest start
    }
    // the brick reads as a brick when cut to its top or bottom rows: highlight on top, shadow below
    int32_t top = brightness(45, pixel(45, BIZ_RANK_BRICK.x + 16, BIZ_RANK_BRICK.y));
    int32_t bottom =
        brightness(45, pixel(45, BIZ_RANK_BRICK.x + 16, BIZ_RANK_BRICK.y + BIZ_RANK_BRICK.h - 1));
    EXPECT_GT(top, bottom + 10);
}

TEST_F(ArtBusinessTest, ModelOnesPriceCornerHoldsOnlySky) {
    // the 5th floor's price box covers columns 218..233, rows 10..24 of model 1's picture
    for (int32_t y = 10; y <= 24; ++y)
        for (int32_t x = 218; x <= 233; ++x) {
            int32_t p = pixel(27, x, y);
            EXPECT_TRUE(p >= BIZ_SKY.base && p < BIZ_SKY.base + BIZ_SKY.count) << x << "," << y;
        }
}

}  // namespace
