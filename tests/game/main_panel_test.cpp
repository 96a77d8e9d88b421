// The status panel of the main screen: week, year and weekday of the game day, and the net-worth
// bars of the shipowners still in the game with the zero line and the status labels.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/state_reset.h"
#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "views/status_panel.h"
#include "host/headless_host.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"

namespace {

constexpr int32_t kBarX[4] = {261, 274, 287, 300};
constexpr int32_t kColours[4] = {1, 2, 3, 6};

class StatusPanel : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        all_state_reset();
        ASSERT_NE(picture_files_open("ib1vga.dat", "ib2vga.dat"), 0);
        kept13_ = g_font_sys13;
        kept8b_ = g_font_sys8b;
        g_font_sys13 = Font{};
        g_font_sys8b = Font{};
        ASSERT_NE(font_load("sys13.fnt", &g_font_sys13), 0);
        ASSERT_NE(font_load("sys8b.fnt", &g_font_sys8b), 0);
        show_main_screen();
        restore_main_screen();
        for (Shipowner& o : g_shipowners) o = Shipowner{};
        g_shipowner_count = 0;
        g_day = 0;
        g_panel_weekday = 0;
    }
    void TearDown() override {
        font_free(&g_font_sys13);
        font_free(&g_font_sys8b);
        g_font_sys13 = kept13_;
        g_font_sys8b = kept8b_;
        g_shipowner_count = 0;
        g_day = 0;
        picture_files_close();
    }

    // Shipowner i in the game with net worth w (the newest history entry) and a status.
    static void owner(int32_t i, int32_t w, int32_t status, bool out = false) {
        Shipowner& o = g_shipowners[i];
        o.history_index = 17 + i;
        o.net_worth_history[o.history_index] = w;
        o.net_worth_history[(o.history_index + 255) & 255] = -123456;  // an older day, not shown
        o.status = status;
        o.out_of_game = out ? 1 : 0;
        if (g_shipowner_count <= i) g_shipowner_count = static_cast<int8_t>(i + 1);
    }

    // The rectangle (x0, y0)-(x1, y1) of the screen.
    static std::vector<uint8_t> area(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        std::vector<uint8_t> out;
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) out.push_back(static_cast<uint8_t>(screen_get_pixel(x, y)));
        return out;
    }

    // What a text in font and colour 15 at (x, y) over black looks like in the rectangle.
    static std::vector<uint8_t> text_over_black(const Font* font, const char* text, int32_t x, int32_t y,
                                                int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        std::vector<uint8_t> saved(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
        set_draw_color(0);
        fill_rect(x0, y0, x1, y1);
        set_draw_color(15);
        font_draw_text(font, text, x, y);
        std::vector<uint8_t> out = area(x0, y0, x1, y1);
        std::memcpy(g_screen_buffer, saved.data(), SCREEN_BYTES);
        return out;
    }

    static bool weekday_outlined(int32_t d, int32_t colour) {
        int32_t x0 = 138 + 15 * d;
        int32_t x1 = 147 + 15 * d;
        for (int32_t x = x0; x <= x1; ++x)
            if (screen_get_pixel(x, 167) != colour || screen_get_pixel(x, 177) != colour) return false;
        for (int32_t y = 167; y <= 177; ++y)
            if (screen_get_pixel(x0, y) != colour || screen_get_pixel(x1, y) != colour) return false;
        return true;
    }

    Font kept13_{};
    Font kept8b_{};
};

TEST_F(StatusPanel, CalendarOfTheDay) {
    struct Case {
        int32_t day, week, year, weekday;
    };
    // In the order drawn: each marks its weekday and takes the mark off the one before.
    const Case cases[] = {
        {0, 0, 0, 0},   {6, 0, 0, 6},    {7, 1, 0, 0},   {363, 51, 0, 6},  {364, 0, 1, 0},
        {365, 0, 1, 1}, {727, 51, 1, 6}, {728, 0, 2, 0}, {3643, 0, 10, 3},
    };
    int32_t before = 0;
    for (const Case& c : cases) {
        g_day = c.day;
        draw_status_panel();
        EXPECT_EQ(g_panel_weekday, c.weekday) << "day " << c.day;
        EXPECT_TRUE(weekday_outlined(c.weekday, 15)) << "day " << c.day;
        if (before != c.weekday) {
            EXPECT_TRUE(weekday_outlined(before, 7)) << "day " << c.day;
        }
        before = c.weekday;
        std::string week = std::to_string(c.week);
        std::string year = std::to_string(c.year);
        EXPECT_EQ(area(144, 183, 159, 193),
                  text_over_black(&g_font_sys13, week.c_str(), 146, 184, 144, 183, 159, 193))
            << "week of day " << c.day;
        EXPECT_EQ(area(205, 183, 220, 193),
                  text_over_black(&g_font_sys13, year.c_str(), 207, 184, 205, 183, 220, 193))
            << "year of day " << c.day;
    }
}

TEST(StatusPanelLabel, ByStatus) {
    struct Case {
        int32_t status;
        const char* label;
    };
    const Case cases[] = {{-1, "0!"},   {-7, "0!"},   {0, "0"},     {7, "7"},
                          {999, "999"}, {1000, "$$"}, {50000, "$$"}};
    for (const Case& c : cases) {
        char label[16];
        status_panel_label(c.status, label, sizeof label);
        EXPECT_STREQ(label, c.label) << c.status;
    }
}

// The bars: for each shipowner the rows its bar covers (none for one out of the game) and where the
// zero line lies.
struct BarCase {
    const char* what;
    int32_t count;
    int32_t worth[4];
    bool out[4];
    int32_t top[4];  // -1: no bar
    int32_t bottom[4];
    int32_t zero_line;  // row of the zero line, -1 for none
};

const BarCase kBarCases[] = {
    {"one negative one positive", 2, {-500, 1500}, {}, {186, 159}, {194, 186}, 186},
    {"all the same", 3, {1000, 1000, 1000}, {}, {160, 160, 160}, {194, 194, 194}, -1},
    {"all positive", 2, {100, 200}, {}, {177, 159}, {194, 194}, -1},
    {"all negative", 2, {-300, -100}, {}, {194, 159}, {194, 194}, -1},
    {"the second out of the game",
     3,
     {0, 900000, 700},
     {false, true, false},
     {194, -1, 159},
     {194, -1, 194},
     -1},
    {"four with a zero line", 4, {-100, 0, 100, 300}, {}, {186, 186, 177, 159}, {194, 186, 186, 186}, 186},
};

class StatusPanelBars : public StatusPanel, public testing::WithParamInterface<BarCase> {};

TEST_P(StatusPanelBars, HeightsZeroLineAndLabels) {
    const BarCase& c = GetParam();
    for (int32_t i = 0; i < c.count; ++i) owner(i, c.worth[i], 5, c.out[i]);
    draw_status_panel();

    if (c.zero_line >= 0) {
        for (int32_t x : {257, 258, 259, 260, 312}) EXPECT_EQ(screen_get_pixel(x, c.zero_line), 12) << x;
    } else {
        for (int32_t y = 155; y <= 194; ++y) EXPECT_NE(screen_get_pixel(257, y), 12) << y;
    }

    int32_t label_right = kBarX[0] + 1 + font_text_width(&g_font_sys8b, "5");
    for (int32_t i = 0; i < 4; ++i) {
        int32_t x = kBarX[i];
        int32_t colour = kColours[i];
        if (i >= c.count || c.top[i] < 0) {
            // No bar: only black and the zero line above the labels.
            for (int32_t y = 155; y < 184; ++y)
                for (int32_t bx = x; bx <= x + 9; ++bx) {
                    int32_t p = screen_get_pixel(bx, y);
                    EXPECT_TRUE(p == 0 || (y == c.zero_line && p == 12)) << i << " at " << bx << "," << y;
                }
            continue;
        }
        // The solid edge, clear of the label; the stippled body leaves every other pixel black.
        for (int32_t ex = x + 7; ex <= x + 9; ++ex) {
            if (ex - x + kBarX[0] < label_right) continue;
            for (int32_t y = c.top[i]; y <= c.bottom[i]; ++y)
                EXPECT_EQ(screen_get_pixel(ex, y), colour)
                    << c.what << ": owner " << i << " at " << ex << "," << y;
            if (c.top[i] > 155) {
                EXPECT_NE(screen_get_pixel(ex, c.top[i] - 1), colour) << "owner " << i;
            }
        }
        if (c.top[i] < 184) {
            int32_t lit = 0;
            for (int32_t bx = x; bx <= x + 6; ++bx) lit += screen_get_pixel(bx, c.top[i]) == colour ? 1 : 0;
            EXPECT_GE(lit, 3) << "owner " << i;
            EXPECT_LE(lit, 4) << "owner " << i;
        }
        EXPECT_EQ(screen_get_pixel(x - 1, (c.top[i] + c.bottom[i]) / 2) == colour, false) << "owner " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(NetWorths, StatusPanelBars, testing::ValuesIn(kBarCases),
                         [](const testing::TestParamInfo<BarCase>& info) {
                             std::string name = info.param.what;
                             for (char& ch : name)
                                 if (ch == ' ') ch = '_';
                             return name;
                         });

TEST_F(StatusPanel, LabelsSitOnTheBars) {
    const int32_t statuses[3] = {-1, 42, 1000};
    const char* labels[3] = {"0!", "42", "$$"};
    for (int32_t i = 0; i < 3; ++i) owner(i, 100 * (i + 1), statuses[i]);
    draw_status_panel();
    for (int32_t i = 0; i < 3; ++i) {
        int32_t x = kBarX[i];
        std::vector<uint8_t> drawn = area(x, 185, x + 12, 193);
        int32_t matches = 0;
        int32_t lit = 0;
        std::vector<uint8_t> alone =
            text_over_black(&g_font_sys8b, labels[i], x + 1, 185, x, 185, x + 12, 193);
        for (size_t k = 0; k < alone.size(); ++k) {
            if (alone[k] != 15) continue;
            ++lit;
            matches += drawn[k] == 15 ? 1 : 0;
        }
        EXPECT_GT(lit, 4) << labels[i];
        EXPECT_EQ(matches, lit) << labels[i];
    }
}

TEST_F(StatusPanel, NobodyLeftDrawsNoBar) {
    owner(0, 500, 3, true);
    owner(1, -500, 3, true);
    draw_status_panel();
    for (int32_t y = 155; y <= 194; ++y)
        for (int32_t x = 254; x <= 314; ++x) ASSERT_EQ(screen_get_pixel(x, y), 0) << x << "," << y;
}

}  // namespace
