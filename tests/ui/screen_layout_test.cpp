// Screen tables: buttons registered from a table and answered by the input poll, invisible hot
// zones and empty faces, box shadows and frames, the selected face and the arrow navigation.
#include "ui/screen_layout.h"

#include <gtest/gtest.h>

#include "tests/harness/case_name.h"
#include "tests/ui/ui_fixture.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"

namespace {

class ScreenLayout : public UiTest {};

TEST_F(ScreenLayout, AnOkOnlyTableGivesOneButtonAnsweredAtTheRelease) {
    const ScreenButton buttons[] = {{100, 150, 60, 16, "OK", 1}, {0, 0, 10, 10, "never read", 5}};
    screen_layout_draw(buttons, nullptr, nullptr);
    EXPECT_EQ(g_screen_button_last, 0);
    ASSERT_EQ(g_gadget_list, &g_screen_button_gadgets[0]);
    EXPECT_EQ(g_gadget_list->next, nullptr);
    const Gadget& g = g_screen_button_gadgets[0];
    EXPECT_EQ(g.left, 101);
    EXPECT_EQ(g.top, 151);
    EXPECT_EQ(g.width, 58);
    EXPECT_EQ(g.height, 14);
    EXPECT_EQ(g.activation, 6);
    // The face: colour 17 inside, 16 on the left and top edges, 18 on the bottom and right.
    EXPECT_EQ(pixel(100, 160), 16);
    EXPECT_EQ(pixel(130, 150), 16);
    EXPECT_EQ(pixel(130, 165), 18);
    EXPECT_EQ(pixel(159, 160), 18);
    EXPECT_EQ(pixel(150, 162), 17);

    left_down(130, 158);
    input_poll();
    EXPECT_EQ(g_command, 0);
    EXPECT_EQ(g_gadget_pressed, 1);
    EXPECT_EQ(g_pressed_gadget_id, 1);
    EXPECT_EQ(pixel(150, 162), 17 ^ 15) << "a press inverts the inside of the face";
    left_up();
    input_poll();
    EXPECT_EQ(g_command, 1);
    EXPECT_EQ(g_gadget_pressed, 0);
    EXPECT_EQ(g_pressed_gadget_id, 0);
    EXPECT_EQ(pixel(150, 162), 17);
    screen_buttons_clear();
    EXPECT_EQ(g_gadget_list, nullptr);
    EXPECT_EQ(g_screen_button_last, -1);
}

TEST_F(ScreenLayout, AHotZoneIsClickableButNotDrawnAndAnEmptyLabelHasAFace) {
    fill_frame(7);
    const ScreenButton buttons[] = {
        {10, 10, 40, 20, nullptr, 2}, {60, 10, 40, 20, "", 3}, {110, 10, 40, 20, "OK", 1}};
    screen_layout_draw(buttons, nullptr, nullptr);
    EXPECT_EQ(count_colour(10, 10, 49, 29, 7), 800) << "no face for the hot zone";
    EXPECT_EQ(pixel(80, 20), 17);
    EXPECT_EQ(g_screen_button_gadgets[0].text, nullptr);
    EXPECT_EQ(g_screen_button_last, 2);
    left_down(20, 20);
    input_poll();
    left_up();
    input_poll();
    EXPECT_EQ(g_command, 2);
}

TEST_F(ScreenLayout, TextsAreDrawnFromTheFirstRowOnAtOneOneOffset) {
    fill_frame(7);
    const ScreenText texts[] = {{20, 30, "Ag"}, {0, 0, nullptr}, {20, 60, "never"}};
    screen_layout_draw(nullptr, nullptr, texts);
    EXPECT_GT(count_colour(21, 31, 60, 44, 0), 0);
    EXPECT_EQ(count_colour(0, 0, 20, 199, 0), 0) << "nothing left of x + 1";
    EXPECT_EQ(count_colour(0, 0, 319, 30, 0), 0) << "nothing above y + 1";
    EXPECT_EQ(count_colour(0, 50, 319, 199, 0), 0) << "the table ended";
}

struct BoxCase {
    const char* what;
    ScreenBox box;
    bool shadow, frame;
};

class ScreenBoxes : public UiTest, public testing::WithParamInterface<BoxCase> {};

TEST_P(ScreenBoxes, ShadowAndFrameFollowTheStyle) {
    const BoxCase& c = GetParam();
    fill_frame(9);
    const ScreenBox boxes[] = {c.box, {0, 0, 50, 50, 99}};
    screen_layout_draw(nullptr, boxes, nullptr);
    const ScreenBox& b = c.box;
    EXPECT_EQ(pixel(b.x0 + 5, b.y0 + 5), 7);
    EXPECT_EQ(pixel(b.x1, b.y1), c.frame ? 0 : 7);
    EXPECT_EQ(pixel(b.x0, b.y0 + 5), c.frame ? 15 : 7);
    EXPECT_EQ(pixel(b.x1 - 1, b.y0), c.frame ? 15 : 7);
    if (b.x1 + 4 < 320 && b.y1 + 4 < 200) {
        // The shadow is a checkerboard of colour 0, 4 pixels right of and below the box.
        int32_t dark = count_colour(b.x1 + 1, b.y0 + 4, b.x1 + 4, b.y1 + 4, 0) +
                       count_colour(b.x0 + 4, b.y1 + 1, b.x1, b.y1 + 4, 0);
        int32_t area = 4 * (b.y1 - b.y0 + 1) + 4 * (b.x1 - b.x0 - 3);
        EXPECT_EQ(dark > 0, c.shadow);
        EXPECT_LT(dark, area) << "stippled, not solid";
        EXPECT_EQ(pixel(b.x1 + 5, b.y1), 9);
    }
    EXPECT_EQ(pixel(0, 0), 9) << "the end row is not drawn";
}

const BoxCase kBoxCases[] = {
    {"style 99 has a shadow and a frame", {40, 40, 140, 100, 99}, true, true},
    {"style -99 has a shadow and no frame", {40, 40, 140, 100, -99}, true, false},
    {"style 0 has a frame only", {40, 40, 140, 100, 0}, false, true},
    {"style -5 is a plain fill", {40, 40, 140, 100, -5}, false, false},
    {"a box touching the right edge gets no shadow", {200, 40, 316, 100, 99}, false, true},
    {"a box touching the bottom gets no shadow", {40, 150, 140, 196, 99}, false, true},
};
INSTANTIATE_TEST_SUITE_P(ScreenLayout, ScreenBoxes, testing::ValuesIn(kBoxCases), CaseName());

TEST_F(ScreenLayout, ASelectedChoiceGetsTheSelectedFace) {
    const ScreenButton buttons[] = {
        {10, 10, 50, 16, "one", 100}, {10, 30, 50, 16, "two", 101}, {10, 50, 50, 16, "OK", 1}};
    screen_layout_draw(buttons, nullptr, nullptr);
    button_select(buttons, 101);
    EXPECT_EQ(g_selected_button, 1);
    EXPECT_EQ(pixel(55, 40), 23);
    EXPECT_EQ(pixel(10, 40), 22);
    EXPECT_EQ(pixel(59, 40), 24);
    button_select(buttons, 100);
    EXPECT_EQ(pixel(55, 40), 17) << "the old choice is back to normal";
    EXPECT_EQ(pixel(55, 20), 23);
    button_select(buttons, 1);
    button_select(buttons, 200);
    EXPECT_EQ(g_selected_button, 0) << "commands outside 100..199 select nothing";
}

struct ArrowCase {
    const char* what;
    int32_t selected;  // row, -1 none
    uint16_t key_code;
    int32_t command;
    uint16_t key_code_after;
};

class ArrowKeys : public UiTest, public testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowKeys, MoveAmongTheChoiceButtons) {
    const ArrowCase& c = GetParam();
    g_selected_button = c.selected;
    g_key_code = c.key_code;
    g_command = 0;
    button_select_by_arrow(100, 104, 1, 2);
    EXPECT_EQ(g_command, c.command);
    EXPECT_EQ(g_key_code, c.key_code_after);
}

const ArrowCase kArrowCases[] = {
    {"right from 102", 2, 39, 103, NO_KEY_CODE},
    {"left from 102", 2, 37, 101, NO_KEY_CODE},
    {"down from 102", 2, 40, 104, NO_KEY_CODE},
    {"up from 102", 2, 38, 100, NO_KEY_CODE},
    {"down from 104 is out of range", 4, 40, 0, NO_KEY_CODE},
    {"left from 100 is out of range", 0, 37, 0, NO_KEY_CODE},
    {"another key is left alone", 2, 'x', 0, 'x'},
    {"nothing selected", -1, 39, 0, 39},
};
INSTANTIATE_TEST_SUITE_P(ScreenLayout, ArrowKeys, testing::ValuesIn(kArrowCases), CaseName());

}  // namespace
