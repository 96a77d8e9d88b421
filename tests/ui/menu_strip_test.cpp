// The menu strip, run from the left-button poll while the right button is held alone: which value
// the release leaves, the pull-down's size, and the frame put back afterwards.
#include "ui/menu_strip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/font.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/save_stack.h"
#include "host/headless_host.h"
#include "tests/harness/case_name.h"
#include "tests/ui/ui_fixture.h"
#include "ui/input_poll.h"
#include "ui/project_menu.h"

namespace {

// The pointer row of pull-down item k.
int32_t item_y(int32_t k) {
    return 14 + 14 * k + 5;
}

struct Move {
    uint32_t at;
    int32_t x, y;
};

struct MenuCase {
    const char* what;
    int32_t down_x, down_y;
    std::vector<Move> moves;
    uint32_t choice;
};

class MenuRun : public UiTest, public testing::WithParamInterface<MenuCase> {};

TEST_P(MenuRun, TheReleaseLeavesTheItemUnderThePointer) {
    const MenuCase& c = GetParam();
    menu_set_strip(project_menu_strip());
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) g_screen_buffer[i] = static_cast<uint8_t>(i % 251);
    std::vector<uint8_t> before(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
    mouse_right_down(static_cast<uint32_t>(c.down_x), static_cast<uint32_t>(c.down_y));
    uint32_t last = 0;
    for (const Move& m : c.moves) {
        headless_script(m.at, HEADLESS_MOVE, m.x, m.y);
        last = std::max(last, m.at);
    }
    headless_script(last + 100, HEADLESS_RIGHT_UP);
    EXPECT_EQ(mouse_left_pressed(), 0);
    EXPECT_EQ(g_pending_menu_choice, c.choice);
    EXPECT_EQ(g_save_depth, 0);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), g_screen_buffer)) << "the frame is put back";
}

const MenuCase kMenuCases[] = {
    {"Save As", 10, 5, {{100, 20, item_y(5)}}, 14},
    {"About is the first row", 10, 5, {{100, 20, 14}}, 10},
    {"Quit is the last row", 10, 5, {{100, 20, item_y(7)}}, 18},
    {"the first separator", 10, 5, {{100, 20, item_y(2)}}, 11},
    {"the second separator", 10, 5, {{100, 20, item_y(6)}}, 15},
    {"back over the bar", 10, 5, {{100, 20, item_y(4)}, {200, 20, 5}}, 0},
    {"beside the list", 10, 5, {{100, 20, item_y(4)}, {200, 200, item_y(4)}}, 0},
    {"off to the side and back",
     10,
     5,
     {{100, 20, item_y(3)}, {200, 200, item_y(3)}, {300, 20, item_y(5)}},
     14},
    {"on the list's bottom row below the last item", 10, 5, {{100, 20, 126}}, 0},
    {"below the list", 10, 5, {{100, 20, 127}}, 0},
    {"a pointer at y 15 opens nothing", 10, 15, {{100, 20, item_y(5)}}, 0},
    {"a pointer left of the first title opens nothing", 3, 5, {{100, 20, item_y(5)}}, 0},
    {"a pointer right of the last title opens nothing", 150, 5, {{100, 20, item_y(5)}}, 0},
    {"the pull-down opens when the pointer reaches the title",
     100,
     5,
     {{100, 10, 5}, {200, 20, item_y(1)}},
     20},
};
INSTANTIATE_TEST_SUITE_P(MenuStrip, MenuRun, testing::ValuesIn(kMenuCases), CaseName());

class MenuStrip : public UiTest {};

TEST_F(MenuStrip, ThePullDownIsTheWidestItemPlusFourWide) {
    menu_set_strip(project_menu_strip());
    mouse_right_down(10, 5);
    headless_script(100, HEADLESS_RIGHT_UP);
    mouse_left_pressed();
    const MenuTitle& project = project_menu_strip()[0];
    int32_t widest = 0;
    for (const MenuItem* item = project.items; item->text != nullptr; ++item)
        widest = std::max(widest, font_text_width(&g_default_font, item->text));
    int32_t title = font_text_width(&g_default_font, project.title);
    EXPECT_EQ(g_menu_title_boxes[0].x0, 5);
    EXPECT_EQ(g_menu_title_boxes[0].x1, 5 + title - 1);
    EXPECT_EQ(g_menu_title_boxes[0].y1, 14);
    EXPECT_EQ(g_menu_title_boxes[1].x0, 0);
    EXPECT_EQ(g_menu_title_boxes[1].x1, 0) << "the row after the last title is all zero";
    // The pull-down's saved area (level 2) reaches 2 pixels past the list for its shadow.
    int32_t w = std::max(title - 1, widest + 4);
    EXPECT_EQ(g_save_corners[0][1], 5);
    EXPECT_EQ(g_save_corners[1][1], 14);
    EXPECT_EQ(g_save_corners[2][1], 5 + w + 2);
    EXPECT_EQ(g_save_corners[3][1], 14 + 14 * 8 + 2);
    EXPECT_EQ(g_save_corners[2][0], 319) << "the strip saved its rows";
    EXPECT_EQ(g_save_corners[3][0], 16);
}

TEST_F(MenuStrip, TheLeftButtonKeepsAPullDownOpenButEndsTheStrip) {
    menu_set_strip(project_menu_strip());
    mouse_right_down(10, 5);
    headless_script(100, HEADLESS_LEFT_DOWN, 20, item_y(3));
    headless_script(200, HEADLESS_MOVE, 20, item_y(5));
    headless_script(400, HEADLESS_RIGHT_UP);
    EXPECT_EQ(mouse_left_pressed(), 0);
    EXPECT_EQ(g_pending_menu_choice, 14u) << "the move after the left press still counted";
    EXPECT_EQ(headless_pending_events(), 0u);
    EXPECT_EQ(g_save_depth, 0);
}

TEST_F(MenuStrip, BothButtonsOpenNoMenuAndNoStripOpensNothing) {
    menu_set_strip(project_menu_strip());
    mouse_right_down(10, 5);
    mouse_left_down(10, 5);
    EXPECT_EQ(mouse_left_pressed(), 1);
    EXPECT_EQ(g_save_depth, 0);
    mouse_left_up();
    menu_set_strip(nullptr);
    EXPECT_EQ(mouse_left_pressed(), 0);
    EXPECT_EQ(menu_run(), 0);
    EXPECT_EQ(headless_now(), 0u);
}

TEST_F(MenuStrip, TheChoiceReachesTheMainProcedureThroughTheNextPoll) {
    menu_set_strip(project_menu_strip());
    mouse_right_down(10, 5);
    headless_script(100, HEADLESS_MOVE, 20, item_y(7));
    headless_script(200, HEADLESS_RIGHT_UP);
    input_poll();
    EXPECT_EQ(g_project_command, 4);
    EXPECT_EQ(g_pending_menu_choice, 0u);
}

}  // namespace
