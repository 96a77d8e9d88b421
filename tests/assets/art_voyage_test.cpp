// The voyage pictures against what the game reads back from them: palettes shared by pictures
// shown together, the radar scope's colours, the hourglass glass, sprite rectangles that hold
// their whole sprite on the transparent key, the rescue frames fitting their spot, the harbour
// menu plates showing only the digit keys the menu takes, the plain caption rows, the cycled
// colour ranges and packed sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "assets/art.h"
#include "voyage/chart_sprites.h"
#include "voyage/hourglass_glass.h"
#include "voyage/sinking.h"
#include "assets/picture_writer.h"

namespace {

class ArtVoyageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        images_ = new std::vector<PictureImage>(PICTURE_IMAGE_COUNT);
        paint_voyage_pictures(images_->data());
    }
    static void TearDownTestSuite() {
        delete images_;
        images_ = nullptr;
    }
    static const PictureImage& picture(int32_t n) { return (*images_)[n - 1]; }
    static int32_t pixel(int32_t n, int32_t x, int32_t y) { return picture(n).pixels[y * 320 + x]; }
    // 6-bit brightness of a colour (0..63) as shown with picture n's palette; -1 for 0..31.
    static int32_t brightness(int32_t n, int32_t colour) {
        if (colour < 32) return -1;
        const uint8_t* t = &picture(n).palette[3 * (colour - 32)];
        return (t[0] * 30 + t[1] * 59 + t[2] * 11) / 100;
    }
    // Every pixel of the one-pixel ring around the rectangle that lies inside the picture.
    static bool ring_is(int32_t n, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t colour) {
        for (int32_t y = y0 - 1; y <= y1 + 1; ++y)
            for (int32_t x = x0 - 1; x <= x1 + 1; ++x) {
                bool ring = x == x0 - 1 || x == x1 + 1 || y == y0 - 1 || y == y1 + 1;
                if (!ring || x < 0 || y < 0 || x >= 320 || y >= 200) continue;
                if (pixel(n, x, y) != colour) return false;
            }
        return true;
    }
    static std::vector<PictureImage>* images_;
};

std::vector<PictureImage>* ArtVoyageTest::images_ = nullptr;

const int32_t VOYAGE_PICTURES[] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 36};

TEST_F(ArtVoyageTest, EveryPicturePacksAndHasALoadablePalette) {
    for (int32_t n : VOYAGE_PICTURES) {
        SCOPED_TRACE("picture " + std::to_string(n));
        std::vector<uint8_t> packed;
        std::string error;
        EXPECT_TRUE(pack_picture(picture(n).pixels, &packed, &error)) << error;
        EXPECT_LE(packed.size(), 65535u);
        EXPECT_TRUE(check_picture_palette(picture(n).palette, &error)) << error;
    }
}

TEST_F(ArtVoyageTest, PicturesShownTogetherShareOnePalette) {
    const std::vector<std::vector<int32_t>> groups = {{11, 12}, {14, 15, 16, 36}, {23, 24}};
    for (const auto& group : groups)
        for (int32_t n : group) {
            SCOPED_TRACE("picture " + std::to_string(n));
            EXPECT_EQ(0,
                      std::memcmp(picture(n).palette, picture(group[0]).palette, sizeof picture(n).palette));
        }
}

TEST_F(ArtVoyageTest, RadarScopeHoldsOnlyGroundAndMarkColours) {
    std::set<int32_t> seen;
    for (int32_t y = 112 - 62; y <= 112 + 62; ++y)
        for (int32_t x = 87 - 62; x <= 87 + 62; ++x) {
            if ((x - 87) * (x - 87) + (y - 112) * (y - 112) > 62 * 62) continue;
            int32_t c = pixel(22, x, y);
            ASSERT_TRUE(c == 34 || c == 35 || c == 39) << "colour " << c << " at " << x << "," << y;
            seen.insert(c);
        }
    EXPECT_EQ(3u, seen.size());  // ground, dim marks and bright marks are all there
}

TEST_F(ArtVoyageTest, HourglassGlassIsEmptyGlassColourAndAvoidsTheIceRamp) {
    const SpriteRect& h = g_chart_sprite_rects[0];
    ASSERT_EQ(271, h.x0);
    ASSERT_EQ(152, h.y0);
    ASSERT_EQ(295, h.x1);
    ASSERT_EQ(199, h.y1);
    for (const HourglassRow& r : g_hourglass_top_rows)
        for (int32_t x = r.x0; x <= r.x1; ++x)
            EXPECT_EQ(7, pixel(13, h.x0 + x, h.y0 + r.y)) << x << "," << r.y;
    for (int32_t y = HOURGLASS_BOTTOM_FIRST_Y; y <= HOURGLASS_BOTTOM_LAST_Y; ++y)
        for (int32_t x = 3; x <= 21; ++x) EXPECT_EQ(7, pixel(13, h.x0 + x, h.y0 + y)) << x << "," << y;
    for (int32_t y = 16; y <= 39; ++y) EXPECT_EQ(7, pixel(13, h.x0 + HOURGLASS_STREAM_X, h.y0 + y)) << y;
    for (int32_t y = h.y0; y <= h.y1; ++y)
        for (int32_t x = h.x0; x <= h.x1; ++x) {
            int32_t c = pixel(13, x, y);
            EXPECT_FALSE(c >= 64 && c <= 127) << "ice-ramp colour " << c << " at " << x << "," << y;
            EXPECT_NE(0, c) << x << "," << y;
        }
    // outside the glass on the upper bulb's narrow rows the chart shows through
    EXPECT_EQ(32, pixel(13, h.x0 + 6, h.y0 + 14));
}

TEST_F(ArtVoyageTest, ChartSpritesLieWholeOnTheKeyAtTheirPlaces) {
    EXPECT_EQ(81, CHART_SPRITE_COUNT);
    struct Fixed {
        int32_t row, x0, y0, x1, y1;
    } fixed[] = {{1, 2, 2, 51, 22}, {21, 102, 54, 122, 67}, {72, 183, 89, 191, 102}};
    for (const Fixed& f : fixed) {
        const SpriteRect& s = g_chart_sprite_rects[f.row];
        EXPECT_EQ(f.x0, s.x0) << f.row;
        EXPECT_EQ(f.y0, s.y0) << f.row;
        EXPECT_EQ(f.x1, s.x1) << f.row;
        EXPECT_EQ(f.y1, s.y1) << f.row;
    }
    for (int32_t i = 0; i < CHART_SPRITE_COUNT; ++i) {
        const SpriteRect& a = g_chart_sprite_rects[i];
        SCOPED_TRACE("row " + std::to_string(i));
        ASSERT_TRUE(a.x0 >= 0 && a.y0 >= 0 && a.x1 < 320 && a.y1 < 200 && a.x0 <= a.x1 && a.y0 <= a.y1);
        for (int32_t j = i + 1; j < CHART_SPRITE_COUNT; ++j) {
            const SpriteRect& b = g_chart_sprite_rects[j];
            EXPECT_TRUE(a.x1 < b.x0 || b.x1 < a.x0 || a.y1 < b.y0 || b.y1 < a.y0) << "overlaps row " << j;
        }
        EXPECT_TRUE(ring_is(13, a.x0, a.y0, a.x1, a.y1, 32)) << "the sprite is cut by its rectangle";
        bool drawn = false;
        for (int32_t y = a.y0; y <= a.y1 && !drawn; ++y)
            for (int32_t x = a.x0; x <= a.x1 && !drawn; ++x) drawn = pixel(13, x, y) != 32;
        EXPECT_TRUE(drawn) << "empty sprite";
    }
}

TEST_F(ArtVoyageTest, SinkingSpritesFitTheirRectanglesAndSitOnTheWaterLine) {
    std::vector<SinkRect> sprites(std::begin(g_sink_ship_sprites), std::end(g_sink_ship_sprites));
    sprites.insert(sprites.end(), std::begin(g_sink_figure_frames), std::end(g_sink_figure_frames));
    sprites.insert(sprites.end(), std::begin(g_sink_bubble_sprites), std::end(g_sink_bubble_sprites));
    for (const SinkRect& r : sprites) {
        SCOPED_TRACE("sprite at " + std::to_string(r.x) + "," + std::to_string(r.y));
        EXPECT_TRUE(ring_is(23, r.x, r.y, r.x + r.w - 1, r.y + r.h - 1, 32));
    }
    // an upright ship's keel is the sprite's last row, four rows under the water line
    for (int32_t m = 0; m < 7; ++m) {
        const SinkRect& r = g_sink_ship_sprites[m];
        EXPECT_EQ(r.h, g_sink_ship_lift[m] + 4) << m;
        bool keel = false;
        for (int32_t x = r.x; x < r.x + r.w; ++x) keel = keel || pixel(23, x, r.y + r.h - 1) != 32;
        EXPECT_TRUE(keel) << "model " << m + 1;
    }
    // wave strips are copied without a key, and the background is shown whole: no key colour in
    // either; the backdrop is on, so index 0 (shown dark blue) is not used
    for (int32_t row : g_sink_wave_rows)
        for (int32_t y = row; y < row + SINK_WAVE_H; ++y)
            for (int32_t x = SINK_WAVE_X; x < SINK_WAVE_X + SINK_WAVE_W; ++x) ASSERT_NE(32, pixel(23, x, y));
    for (int32_t i = 0; i < PICTURE_IMAGE_PIXELS; ++i) {
        ASSERT_NE(32, picture(24).pixels[i]) << i;
        ASSERT_NE(0, picture(24).pixels[i]) << i;
        ASSERT_NE(0, picture(23).pixels[i]) << i;
    }
}

TEST_F(ArtVoyageTest, WaveStripsTileEveryHundredPixels) {
    // copied side by side at x 0, 100, 200: the last column must run on into the first
    for (int32_t row : g_sink_wave_rows)
        for (int32_t y = row; y < row + SINK_WAVE_H; ++y) {
            int32_t first = pixel(23, SINK_WAVE_X, y), last = pixel(23, SINK_WAVE_X + SINK_WAVE_W - 1, y);
            int32_t next = pixel(23, SINK_WAVE_X + 1, y);
            EXPECT_TRUE(first == last || next == last) << "seam at row " << y;
        }
}

TEST_F(ArtVoyageTest, RescueFramesFitTheRaftsSpot) {
    const int32_t frames[5][2] = {{6, 16}, {6, 36}, {6, 56}, {6, 76}, {6, 96}};
    for (int32_t f = 0; f < 5; ++f)
        for (int32_t y = 0; y < 17; ++y)
            for (int32_t x = 0; x < 29; ++x) {
                bool border = x == 0 || y == 0 || x == 28 || y == 16;
                int32_t in_frame = pixel(12, frames[f][0] + x, frames[f][1] + y);
                int32_t in_spot = pixel(11, 24 + x, 84 + y);
                if (border || f == 0) {
                    EXPECT_EQ(in_spot, in_frame) << "frame " << f << " at " << x << "," << y;
                }
            }
}

TEST_F(ArtVoyageTest, CaptionRowsArePlainAndCycledRangesArePainted) {
    struct Case {
        int32_t picture;
        bool range_c;  // the gale animates range 44..47 too
    } cases[] = {{11, false}, {17, false}, {18, false}, {19, false}, {21, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE("picture " + std::to_string(c.picture));
        int32_t plain = pixel(c.picture, 0, 0);
        for (int32_t y = 0; y <= 14; ++y)
            for (int32_t x = 0; x < 320; ++x) ASSERT_EQ(plain, pixel(c.picture, x, y));
    }
    auto uses = [](int32_t n, int32_t first, int32_t last) {
        for (int32_t i = 0; i < PICTURE_IMAGE_PIXELS; ++i)
            if (picture(n).pixels[i] >= first && picture(n).pixels[i] <= last) return true;
        return false;
    };
    for (int32_t n : {11, 17, 21}) {
        EXPECT_TRUE(uses(n, 33, 38)) << n;
        EXPECT_TRUE(uses(n, 39, 43)) << n;
    }
    EXPECT_TRUE(uses(21, 44, 47));
}

TEST_F(ArtVoyageTest, HarbourSheetCarriesLightReportGroundAndNewYorksView) {
    for (int32_t y = 6; y <= 89; ++y)
        for (int32_t x = 12; x <= 175; ++x) ASSERT_GE(brightness(36, pixel(36, x, y)), 40) << x << "," << y;
    // the description panel: mid-dark, so cyan text with a black shadow reads on it
    for (int32_t y = 120; y <= 198; ++y)
        for (int32_t x = 161; x <= 318; ++x) {
            int32_t b = brightness(36, pixel(36, x, y));
            ASSERT_TRUE(b >= 2 && b <= 24) << x << "," << y;
        }
    std::set<int32_t> colours;
    for (int32_t y = 18; y <= 83; ++y)
        for (int32_t x = 179; x <= 270; ++x) colours.insert(pixel(36, x, y));
    EXPECT_GT(colours.size(), 20u);  // a painted view, not a blank window
}

TEST_F(ArtVoyageTest, HarbourMenuPlatesShowADigitOnlyForTheKeysTheMenuTakes) {
    // The harbour menu takes the digits 1..4 for its four services; depart is taken with Enter and
    // the yes keys, so a digit on its plate would promise a key that does nothing. Every plate
    // keeps its separator and its icon.
    struct Plate {
        int32_t y, h;
        bool digit;
    } plates[] = {{133, 11, true}, {145, 11, true}, {157, 11, true}, {169, 11, true}, {181, 10, false}};
    auto inked = [](int32_t x0, int32_t x1, int32_t y0, int32_t y1, int32_t ground) {
        int32_t n = 0;
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) n += pixel(36, x, y) != ground ? 1 : 0;
        return n;
    };
    for (const Plate& p : plates) {
        SCOPED_TRACE("plate at row " + std::to_string(p.y));
        int32_t y0 = p.y + 2, y1 = p.y + p.h - 3;
        int32_t ground = pixel(36, 42, y0);
        EXPECT_EQ(p.digit, inked(43, 49, y0, y1, ground) > 0);
        EXPECT_EQ(y1 - y0 + 1, inked(51, 51, y0, y1, ground));  // the separator
        EXPECT_GT(inked(53, 108, y0, y1, ground), 10);          // the icon
    }
}

TEST_F(ArtVoyageTest, EveryPortViewDiffersFromTheOthers) {
    std::vector<std::vector<uint8_t>> views;
    for (int32_t n : {14, 15, 16})
        for (int32_t k = 0; k < 9; ++k) {
            std::vector<uint8_t> v;
            int32_t x0 = 93 * (k % 3), y0 = 134 - 67 * (k / 3);
            for (int32_t y = 0; y < 66; ++y)
                for (int32_t x = 0; x < 92; ++x) v.push_back(static_cast<uint8_t>(pixel(n, x0 + x, y0 + y)));
            views.push_back(v);
        }
    for (size_t i = 0; i < views.size(); ++i)
        for (size_t j = i + 1; j < views.size(); ++j) EXPECT_NE(views[i], views[j]) << i << " and " << j;
}

}  // namespace
