#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "engine/frame.h"
#include "engine/input.h"
#include "engine/polygon.h"
#include "engine/polygon_scan.h"
#include "tests/harness/harness.h"

namespace {

using Points = std::set<std::pair<int32_t, int32_t>>;
using Path = std::vector<std::pair<int32_t, int32_t>>;

// Pixels of one colour, row by row, as (first, last) column runs: compact to compare and to print.
using Runs = std::vector<std::pair<int32_t, std::pair<int32_t, int32_t>>>;

class PolygonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        while (g_path_head != nullptr) polygon_fill_color(0, 0);
        g_polygon_fill_style = 1;
    }
    void TearDown() override {
        while (g_path_head != nullptr) polygon_fill_color(0, 0);
    }
    // A closed contour: a move to the first point and lines to the others.
    static void contour(const Path& points) {
        polygon_move_to(points[0].first, points[0].second);
        for (size_t i = 1; i < points.size(); ++i) polygon_line_to(points[i].first, points[i].second);
    }
    static Runs runs_of(uint8_t colour) {
        Runs r;
        for (int32_t y = 0; y < SCREEN_HEIGHT; ++y) {
            for (int32_t x = 0; x < SCREEN_WIDTH; ++x) {
                if (g_screen_buffer[y * SCREEN_WIDTH + x] != colour) continue;
                int32_t x0 = x;
                while (x + 1 < SCREEN_WIDTH && g_screen_buffer[y * SCREEN_WIDTH + x + 1] == colour) ++x;
                r.push_back({y, {x0, x}});
            }
        }
        return r;
    }
    static Runs rect_runs(int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
        Runs r;
        for (int32_t y = y0; y <= y1; ++y) r.push_back({y, {x0, x1}});
        return r;
    }
    static int32_t count_of(uint8_t colour) {
        int32_t n = 0;
        for (int32_t i = 0; i < SCREEN_BYTES; ++i) n += g_screen_buffer[i] == colour;
        return n;
    }
};

TEST_F(PolygonTest, EdgeCoverageAndTwoStepRounding) {
    struct Case {
        int32_t x0, y0, x1, y1, r;
        bool covers;
        int32_t x;
    } cases[] = {
        {0, 0, 3, 10, 0, false, 0},  // the upper end's row is excluded
        {0, 0, 3, 10, 10, true, 3},  // the lower end's row included
        {3, 10, 0, 0, 0, false, 0},  // the same, edge walked upward
        {3, 10, 0, 0, 10, true, 3},
        {0, 0, 3, 10, 11, false, 0},
        {0, 0, 3, 10, 1, true, 0},                    // 0.3
        {0, 0, 3, 10, 2, true, 1},                    // 0.6
        {0, 0, 3, 10, 5, true, 2},                    // 1.5: halves away from zero
        {0, 0, -3, 10, 5, true, -2},                  // -1.5
        {0, 0, -3, 10, 1, true, 0},                   // -0.3
        {0, 0, -3, 10, 2, true, -1},                  // -0.6
        {0, 0, 1, 3, 1, true, 0},                     // 0.333 -> tenths 3 -> 0
        {0, 0, 2, 3, 1, true, 1},                     // 0.666 -> tenths 6 -> 1
        {10, 0, 10, 50, 20, true, 10},                // vertical
        {0, 5, 90, 5, 5, false, 0},                   // horizontal: no row at all
        {-2000000000, 0, 2000000000, 4, 2, true, 0},  // far outside the screen, no overflow
    };
    for (const Case& c : cases) {
        int32_t x = 12345;
        EXPECT_EQ(edge_crossing(c.x0, c.y0, c.x1, c.y1, c.r, &x), c.covers)
            << c.x0 << "," << c.y0 << " " << c.x1 << "," << c.y1 << " row " << c.r;
        if (c.covers) {
            EXPECT_EQ(x, c.x) << c.x0 << "," << c.y0 << " " << c.x1 << "," << c.y1 << " row " << c.r;
        }
    }
}

TEST_F(PolygonTest, TriangleAndRectangleCoverTheirRows) {
    struct Case {
        const char* name;
        Path path;
        Runs expect;
    } cases[] = {
        {"triangle",
         {{10, 10}, {20, 20}, {0, 20}},
         [] {
             Runs r;
             for (int32_t y = 11; y <= 20; ++y) r.push_back({y, {20 - y, y}});
             return r;
         }()},
        {"rectangle", {{0, 0}, {9, 0}, {9, 9}, {0, 9}}, rect_runs(0, 9, 1, 9)},
        {"rectangle walked the other way", {{0, 9}, {9, 9}, {9, 0}, {0, 0}}, rect_runs(0, 9, 1, 9)},
    };
    for (const Case& c : cases) {
        SetUp();
        contour(c.path);
        EXPECT_EQ(polygon_fill_color(0, 12), 0);
        EXPECT_EQ(runs_of(12), c.expect) << c.name;
    }
}

TEST_F(PolygonTest, ContoursMakeHolesAndTheJumpBetweenThemIsNoEdge) {
    contour({{0, 0}, {20, 0}, {20, 20}, {0, 20}});
    contour({{5, 5}, {15, 5}, {15, 15}, {5, 15}});      // inside: a hole
    contour({{50, 30}, {60, 30}, {60, 40}, {50, 40}});  // apart, reached by a jump
    polygon_fill_color(0, 9);
    Runs expect = rect_runs(0, 20, 1, 5);
    for (int32_t y = 6; y <= 15; ++y) {
        expect.push_back({y, {0, 5}});
        expect.push_back({y, {15, 20}});
    }
    Runs below = rect_runs(0, 20, 16, 20);
    expect.insert(expect.end(), below.begin(), below.end());
    Runs apart = rect_runs(50, 60, 31, 40);
    expect.insert(expect.end(), apart.begin(), apart.end());
    EXPECT_EQ(runs_of(9), expect);
}

TEST_F(PolygonTest, FillsAreClippedToTheScreenSolidAndStippled) {
    struct Case {
        int32_t x0, y0, x1, y1;      // rectangle corners
        int32_t cx0, cy0, cx1, cy1;  // the pixels expected, or cx0 > cx1 for none
    } cases[] = {
        {-50, -50, 400, 300, 0, 0, 319, 199}, {-30, 10, -5, 40, 1, 0, 0, 0},    // wholly left of the screen
        {330, 10, 400, 40, 1, 0, 0, 0},                                         // wholly right
        {-7, 190, 5, 260, 0, 191, 5, 199},    {300, -20, 319, -1, 1, 0, 0, 0},  // above
        {310, -1, 330, 0, 310, 0, 319, 0},  // the row just below an upper end at -1
    };
    for (bool stippled : {false, true}) {
        for (const Case& c : cases) {
            SetUp();
            contour({{c.x0, c.y0}, {c.x1, c.y0}, {c.x1, c.y1}, {c.x0, c.y1}});
            set_polygon_fill_style(stippled ? FILL_STYLE_SHOAL : FILL_STYLE_LAND);
            polygon_fill_styled(0);
            uint8_t colour = stippled ? 25 : 56;
            int32_t wrong = 0;
            for (int32_t y = 0; y < SCREEN_HEIGHT; ++y) {
                for (int32_t x = 0; x < SCREEN_WIDTH; ++x) {
                    bool inside = x >= c.cx0 && x <= c.cx1 && y >= c.cy0 && y <= c.cy1;
                    bool set = inside && (!stippled || ((x ^ y) & 1) == 0);
                    wrong += (g_screen_buffer[y * SCREEN_WIDTH + x] == colour) != set;
                }
            }
            EXPECT_EQ(wrong, 0) << (stippled ? "stippled " : "solid ") << c.x0 << "," << c.y0 << " " << c.x1
                                << "," << c.y1;
        }
    }
}

TEST_F(PolygonTest, ChartStylesPickColourAndStipple) {
    struct Case {
        uint32_t style;
        uint8_t colour;
        bool stippled;
    } cases[] = {{27, 56, false}, {28, 25, true}, {29, 27, true},
                 {30, 26, false}, {1, 14, false}, {31, 14, false}};
    for (const Case& c : cases) {
        SetUp();
        g_draw_color = 14;
        set_polygon_fill_style(c.style);
        contour({{100, 100}, {110, 100}, {110, 110}, {100, 110}});
        polygon_fill_styled(0);
        EXPECT_EQ(count_of(c.colour), c.stippled ? 55 : 110) << "style " << c.style;
        if (c.stippled) {
            EXPECT_EQ(g_screen_buffer[101 * 320 + 101], c.colour);
            EXPECT_EQ(g_screen_buffer[101 * 320 + 102], 0);
        }
    }
}

TEST_F(PolygonTest, OutlinesFollowInTheCallersColourAndTheFillLeavesNoTrace) {
    g_draw_color = 14;
    g_cursor_visible = 1;
    set_polygon_fill_style(FILL_STYLE_SHOAL);
    contour({{100, 100}, {110, 100}, {110, 110}, {100, 110}});
    EXPECT_EQ(polygon_fill_styled(1), 0);
    EXPECT_EQ(g_path_head, nullptr);
    EXPECT_EQ(g_draw_color, 14u);
    EXPECT_EQ(g_cursor_visible, 0u);
    EXPECT_EQ(count_of(14), 40) << "the square's outline";
    EXPECT_EQ(g_screen_buffer[105 * 320 + 105], 25) << "stippled inside";

    // Without a path: nothing at all.
    g_screen_changed = 0;
    EXPECT_EQ(polygon_fill_color(1, 3), 0);
    EXPECT_EQ(polygon_fill_styled(1), 0);
    EXPECT_EQ(polygon_fill_gradient(9, 15, 10, 1), 0);
    EXPECT_EQ(g_screen_changed.load(), 0u);
    EXPECT_EQ(g_game_palette[64][0], 0) << "no ramp without a path";

    // A move after a fill starts afresh: the old contour start closes nothing.
    polygon_move_to(10, 10);
    EXPECT_EQ(g_path_head->next, nullptr);
}

TEST_F(PolygonTest, GradientWritesTheRampAndFillsInTheShade) {
    struct Case {
        int32_t a, b, shade;
        uint8_t colour;
    } cases[] = {{9, 15, 300, 127}, {9, 15, -5, 64}, {9, 15, 100, 89}, {15, 9, 255, 127}};
    for (const Case& c : cases) {
        SetUp();
        g_draw_color = 3;
        contour({{0, 0}, {9, 0}, {9, 9}, {0, 9}});
        polygon_fill_gradient(c.a, c.b, c.shade, 1);
        EXPECT_EQ(count_of(c.colour), 100) << "fill and outline in the shade " << c.shade;
        EXPECT_EQ(g_draw_color, 3u);
    }
    // Ramp from 15 (63, 63, 63) to 9 (21, 21, 63), stored blue, green, red times 4; the step
    // truncates toward zero, so colour 65 is still 63.
    struct Entry {
        int32_t colour;
        uint8_t r, g, b;
    } ramp[] = {{64, 63, 63, 63}, {65, 63, 63, 63}, {66, 62, 62, 63}, {96, 42, 42, 63}, {127, 21, 21, 63}};
    for (const Entry& e : ramp) {
        EXPECT_EQ(g_game_palette[e.colour][2], e.r * 4) << e.colour;
        EXPECT_EQ(g_game_palette[e.colour][1], e.g * 4) << e.colour;
        EXPECT_EQ(g_game_palette[e.colour][0], e.b * 4) << e.colour;
    }
}

TEST_F(PolygonTest, CrossingsBeyond104OnARowAreDropped) {
    // 60 thin squares side by side: 120 crossings per row; the first 52 squares' crossings are kept.
    for (int32_t i = 0; i < 60; ++i) contour({{5 * i, 50}, {5 * i + 2, 50}, {5 * i + 2, 53}, {5 * i, 53}});
    polygon_fill_color(0, 4);
    Runs expect;
    for (int32_t y = 51; y <= 53; ++y)
        for (int32_t i = 0; i < 52; ++i) expect.push_back({y, {5 * i, 5 * i + 2}});
    EXPECT_EQ(runs_of(4), expect);
}

}  // namespace
