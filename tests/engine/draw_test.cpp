#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "engine/draw.h"
#include "engine/frame.h"
#include "tests/harness/harness.h"

namespace {

using Points = std::set<std::pair<int32_t, int32_t>>;

class DrawTest : public ::testing::Test {
protected:
    void SetUp() override { harness_start_engine(); }
    static Points pixels_of(uint8_t colour) {
        Points p;
        for (int32_t y = 0; y < SCREEN_HEIGHT; ++y)
            for (int32_t x = 0; x < SCREEN_WIDTH; ++x)
                if (g_screen_buffer[y * SCREEN_WIDTH + x] == colour) p.insert({x, y});
        return p;
    }
};

TEST_F(DrawTest, LineWalkIsTheSameBothWaysAndStepsOnTies) {
    struct Case {
        int32_t x0, y0, x1, y1;
        Points expect;
    } cases[] = {
        {0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        {4, 2, 0, 0, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        {7, 7, 7, 7, {{7, 7}}},
        {2, 0, 0, 4, {{2, 0}, {1, 1}, {1, 2}, {0, 3}, {0, 4}}},  // steep, walks left
        {0, 4, 2, 0, {{2, 0}, {1, 1}, {1, 2}, {0, 3}, {0, 4}}},
        {0, 5, 3, 5, {{0, 5}, {1, 5}, {2, 5}, {3, 5}}},
        {1, 1, 3, 3, {{1, 1}, {2, 2}, {3, 3}}},
    };
    for (const Case& c : cases) {
        harness_start_engine();
        draw_line_clipped(c.x0, c.y0, c.x1, c.y1, 12);
        EXPECT_EQ(pixels_of(12), c.expect) << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1;
        harness_start_engine();
        g_draw_color = 12;
        for (const auto& p : c.expect) screen_put_pixel(p.first, p.second, 0);
        draw_line_keep_marks(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(pixels_of(12), c.expect) << "keep-marks walk";
    }
}

TEST_F(DrawTest, LinesClipButWalkOnAndThePenMoves) {
    g_draw_color = 9;
    draw_move_to(10, 10);
    draw_line_to(-20, 10);
    Points expect;
    for (int32_t x = 0; x <= 10; ++x) expect.insert({x, 10});
    EXPECT_EQ(pixels_of(9), expect);
    EXPECT_EQ(g_pen_x, -20);
    EXPECT_EQ(g_pen_y, 10);
    draw_pixel(-1, 5);
    draw_pixel(320, 5);
    draw_pixel(5, 200);
    EXPECT_EQ(pixels_of(9), expect);
    draw_line_clipped(-5, 300, 400, -100, 4);  // crosses the screen from outside to outside
    EXPECT_FALSE(pixels_of(4).empty());
}

TEST_F(DrawTest, RectanglesNormaliseClipAndStipple) {
    g_draw_color = 6;
    fill_rect(10, 10, 5, 5);
    Points block;
    for (int32_t y = 5; y <= 10; ++y)
        for (int32_t x = 5; x <= 10; ++x) block.insert({x, y});
    EXPECT_EQ(pixels_of(6), block);

    harness_start_engine();
    g_draw_color = 6;
    set_fill_stipple(1);
    EXPECT_EQ(g_fill_mode, 31u);
    fill_rect(0, 0, 3, 1);
    EXPECT_EQ(pixels_of(6), (Points{{0, 0}, {2, 0}, {1, 1}, {3, 1}}));
    set_fill_stipple(0);
    EXPECT_EQ(g_fill_mode, 1u);

    harness_start_engine();
    g_draw_color = 3;
    fill_rect(-10, 195, 2, 250);  // only the part inside the screen
    Points corner;
    for (int32_t y = 195; y < 200; ++y)
        for (int32_t x = 0; x <= 2; ++x) corner.insert({x, y});
    EXPECT_EQ(pixels_of(3), corner);

    harness_start_engine();
    g_draw_color = 5;
    EXPECT_EQ(draw_rect_outline(2, 2, 5, 4), 0);
    EXPECT_EQ(pixels_of(5).size(), 10u);
    EXPECT_EQ(read_screen_pixel(3, 3), 0);
}

TEST_F(DrawTest, InvertTwiceRestores) {
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) g_screen_buffer[i] = static_cast<uint8_t>(i * 7);
    std::vector<uint8_t> before(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
    invert_rect(300, 190, 330, 210);
    EXPECT_EQ(g_screen_buffer[195 * 320 + 310], static_cast<uint8_t>(before[195 * 320 + 310] ^ 15));
    EXPECT_EQ(g_screen_buffer[189 * 320 + 310], before[189 * 320 + 310]);
    invert_rect(330, 210, 300, 190);
    EXPECT_EQ(std::vector<uint8_t>(g_screen_buffer, g_screen_buffer + SCREEN_BYTES), before);
}

TEST_F(DrawTest, KeepMarkPrimitivesLeaveMarkColours) {
    screen_put_pixel(2, 0, 35);
    screen_put_pixel(3, 0, 39);
    screen_put_pixel(4, 0, 36);
    g_draw_color = 10;
    draw_line_keep_marks(0, 0, 6, 0);
    const int32_t expect[] = {10, 10, 35, 39, 10, 10, 10};
    for (int32_t x = 0; x < 7; ++x) EXPECT_EQ(read_screen_pixel(x, 0), expect[x]) << x;
    EXPECT_EQ(plot_pixel_keep_marks(3, 0, 1), 39);
    EXPECT_EQ(plot_pixel_keep_marks(2, 0, 1), 35);
    EXPECT_EQ(plot_pixel_keep_marks(1, 0, 1), 0);
    EXPECT_EQ(read_screen_pixel(1, 0), 1);
    EXPECT_EQ(plot_pixel_keep_marks(-1, 0, 1), 0);  // off screen: nothing
}

TEST_F(DrawTest, PenColourIgnoresThePen) {
    set_pen_color(3, 9);
    EXPECT_EQ(g_draw_color, 9u);
    set_draw_color(4);
    EXPECT_EQ(g_draw_color, 4u);
    clear_screen_to(7);
    EXPECT_EQ(pixels_of(7).size(), static_cast<size_t>(SCREEN_BYTES));
    clear_screen();
    EXPECT_EQ(pixels_of(0).size(), static_cast<size_t>(SCREEN_BYTES));
}

// A reference 4-connected fill, to compare the span fill against.
Points reference_fill(int32_t sx, int32_t sy, int32_t border) {
    Points seen;
    std::vector<std::pair<int32_t, int32_t>> todo{{sx, sy}};
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= 320 || y >= 200 || seen.count({x, y})) continue;
        if (read_screen_pixel(x, y) == border) continue;
        seen.insert({x, y});
        todo.push_back({x + 1, y});
        todo.push_back({x - 1, y});
        todo.push_back({x, y + 1});
        todo.push_back({x, y - 1});
    }
    return seen;
}

TEST_F(DrawTest, FloodFillFillsTheEnclosedArea) {
    // A ring with a notch and an inner island: the fill goes round the island and into the notch,
    // but not through the diagonal gap at the corner.
    g_draw_color = 15;
    draw_rect_outline(20, 20, 60, 50);
    draw_rect_outline(35, 30, 45, 40);
    fill_rect(50, 21, 59, 30);
    screen_put_pixel(50, 21, 0);
    draw_line_clipped(60, 20, 70, 30, 15);
    Points expect = reference_fill(25, 25, 15);
    g_draw_color = 3;
    int32_t right = flood_fill(25, 25, 15);
    EXPECT_EQ(pixels_of(3), expect);
    EXPECT_EQ(right, 49);
    EXPECT_EQ(read_screen_pixel(40, 35), 0);  // inside the island
    EXPECT_EQ(read_screen_pixel(65, 40), 0);  // outside the ring
}

TEST_F(DrawTest, FloodFillStopsAtTheScreenEdge) {
    g_draw_color = 15;
    draw_line_clipped(0, 100, 319, 100, 15);
    Points expect = reference_fill(5, 150, 15);
    g_draw_color = 2;
    flood_fill(5, 150, 15);
    EXPECT_EQ(pixels_of(2), expect);
    EXPECT_EQ(expect.size(), 320u * 99u);
}

TEST_F(DrawTest, FloodFillOfAMazeMatchesTheReference) {
    // Many narrow spans: the fill must neither miss a pocket nor leave the maze.
    g_draw_color = 15;
    for (int32_t x = 10; x < 300; x += 4) {
        draw_line_clipped(x, 10, x, 180, 15);
        int32_t gap = (x / 4) % 2 == 0 ? 12 : 178;
        screen_put_pixel(x, gap, 0);
    }
    draw_rect_outline(8, 8, 302, 182);
    Points expect = reference_fill(12, 100, 15);
    g_draw_color = 6;
    flood_fill(12, 100, 15);
    EXPECT_EQ(pixels_of(6), expect);
}

}  // namespace
