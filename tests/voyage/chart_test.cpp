// The chart drawing: the harbour's shaded coast with its border left alone, the ice's stippled
// rim around the relief, the relief's order of random draws, and the sprites placed.
#include <gtest/gtest.h>

#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "tests/voyage/sim_fixture.h"
#include "voyage/chart.h"
#include "voyage/hourglass.h"
#include "voyage/relief.h"
#include "voyage/sim_state.h"

namespace {

// Land along the top of the screen with a quay jutting down, then a square island; an office
// sprite and the hourglass.
constexpr int32_t HARBOUR[] = {
    0, 0, 319, 0, 319, 40, 200, 40, 200, 100, 160, 100, 160, 40, 0, 40, 0, 0, -2, -2,  //
    40, 120, 100, 120, 100, 170, 40, 170, 40, 120, -1, -1,                             //
    10, 10, 21, 230, 2, 0, -1, -1, -1,
};

// An ice floe with a point every 10 pixels, so that the relief's amplitude (perimeter / points)
// is too small to shift its edges, and a small one beside it.
constexpr int32_t ICE[] = {
    100, 50, 110, 50, 120, 50, 130, 50, 140, 50, 150, 50, 160, 50, 170, 50, 180, 50, 180, 60, 180, 70, 180, 80, 180, 90, 180, 100, 180, 110, 180, 120, 180, 130, 170, 130, 160, 130, 150, 130, 140, 130, 130, 130, 120, 130, 110, 130, 100, 130, 100, 120, 100, 110, 100, 100, 100, 90, 100, 80, 100, 70, 100, 60, 100, 50, -2, -2,
    20, 20, 60, 20, 60, 60, 20, 60, 20, 20, -1, -1,  //
    240, 150, 0, -1, -1, -1,
};
// A square floe of five points for the order of draws.
constexpr int32_t FLOE[] = {100, 50, 180, 50, 180, 130, 100, 130, 100, 50, -1, -1, -1, -1, -1};

class ChartTest : public SimTest {
  protected:
    void draw(const int32_t* coast, int32_t style) {
        picture_load(13, g_sheet_buffer);
        g_sim_coast = coast;
        g_sim_map_style = style;
        g_hourglass_present = 0;
        chart_draw();
    }
};

TEST_F(ChartTest, HarbourQuaysAreFilledAndTheirEdgesShadedButNotTheScreenBorder) {
    draw(HARBOUR, 27);
    EXPECT_EQ(1, pixel(150, 80));   // sea
    EXPECT_EQ(56, pixel(180, 70));  // the quay
    EXPECT_EQ(56, pixel(70, 140));  // the island
    // the left edge of the quay has its water up and to the left: light; its right edge dark
    EXPECT_EQ(19, pixel(160, 70));
    EXPECT_EQ(21, pixel(200, 70));
    // the island's top edge looks at water above and to the left: light; its bottom: dark
    EXPECT_EQ(19, pixel(70, 120));
    EXPECT_EQ(21, pixel(70, 170));
    // the segments along the screen's top and right edges keep the fill's outline colour 20
    EXPECT_EQ(20, pixel(100, 0));
    EXPECT_EQ(20, pixel(319, 20));
}

TEST_F(ChartTest, SpritesAreCopiedWithTheirKeyAndTheHourglassIsPlaced) {
    draw(HARBOUR, 27);
    EXPECT_EQ(1, g_hourglass_present);
    EXPECT_EQ(230, g_hourglass_origin[0]);
    EXPECT_EQ(2, g_hourglass_origin[1]);
    // the glass inside is colour 7 in the sheet and lands on the screen where the chart put it
    EXPECT_EQ(7, pixel(230 + 12, 2 + 20));
    // outside the hourglass's silhouette the chart shows through the key colour
    EXPECT_EQ(56, pixel(230 + 6, 2 + 14));
}

TEST_F(ChartTest, IceShowsAStippledRimAroundItsRelief) {
    draw(ICE, 29);
    auto ramp = [](int32_t c) { return c >= 64 && c <= 127; };
    // the relief covers the middle of the floe in the ramp's colours
    EXPECT_TRUE(ramp(pixel(140, 90))) << pixel(140, 90);
    // the rim: the 4 pixels inside the straight edges carry the stipple of colour 27 on the sea
    for (int32_t d = 1; d <= 3; ++d) {
        int32_t a = pixel(140, 50 + d), b = pixel(141, 50 + d);
        EXPECT_TRUE((a == 27 && b == 1) || (a == 1 && b == 27)) << d << ": " << a << " " << b;
    }
    EXPECT_TRUE(ramp(pixel(140, 56)));
    EXPECT_EQ(0, g_gui_palette[0][0]);
    EXPECT_EQ(16, g_gui_palette[0][2]);  // backdrop blue for the open-water styles
}

TEST_F(ChartTest, ReliefDrawsItsOffsetsInOrderThenThePeak) {
    // the first polygon's 60 offset draws, dx dy dz per entry, then its peak
    g_random_seed = 4711;
    g_random_counter = 0;
    int32_t expected[60];
    for (int32_t& v : expected) v = random_range(-100, 100);
    // perimeter 320 over n 5 points: amplitude 64, peak in 64..128
    int32_t top = random_range(64, 128);
    int32_t after = random_range(0, 30000);

    g_random_seed = 4711;
    g_random_counter = 0;
    picture_load(13, g_sheet_buffer);
    relief_polygon(FLOE, 100 + 180 + 180 + 100 + 100, 50 + 50 + 130 + 130 + 50, 5, 320);
    for (int32_t k = 0; k < 20; ++k) {
        EXPECT_EQ(expected[3 * k], g_relief_offsets[k].dx) << k;
        EXPECT_EQ(expected[3 * k + 1], g_relief_offsets[k].dy) << k;
        EXPECT_EQ(expected[3 * k + 2], g_relief_offsets[k].dz) << k;
    }
    EXPECT_EQ(after, random_range(0, 30000)) << "the relief draws 61 numbers, no more";
    (void)top;
    // four fan triangles, each cut into 16 with three new edges at each of the five cuts
    EXPECT_EQ(4 + 2 * 4 + 4 * 3 * 5, g_relief_edge_id);
}

TEST_F(ChartTest, MidpointsOfASharedEdgeAgreeAndTheWaterLineStaysFlat) {
    for (int32_t k = 0; k < 20; ++k) g_relief_offsets[k] = {50 - 5 * k, 3 * k - 30, 90 - 9 * k};
    ReliefPoint a{10, 20, 0}, b{50, 80, 60}, c{90, 20, 0};
    ReliefPoint m = relief_midpoint(a, b, 2, 40, 7), n = relief_midpoint(b, a, 2, 40, 7);
    EXPECT_EQ(m.x, n.x);
    EXPECT_EQ(m.y, n.y);
    EXPECT_EQ(m.z, n.z);
    // k = (2 + 7) mod 20 = 9: offsets (5, -3, 9) at amplitude 40
    EXPECT_EQ(30 + 5 * 40 / 1100, m.x);
    EXPECT_EQ(50 + -3 * 40 / 1100, m.y);
    EXPECT_EQ(30 + 9 * 40 / 180, m.z);
    ReliefPoint w = relief_midpoint(a, c, 2, 40, 7);
    EXPECT_EQ(0, w.z) << "both ends on the water line";
}

}  // namespace
