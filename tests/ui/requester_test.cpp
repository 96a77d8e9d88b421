// Message boxes, questions and letters: the box geometry from the measured text, the answers of
// ask_yes_no, what closes a message box and what does not close a letter, and the saved area.
#include "ui/requester.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/font.h"
#include "engine/frame.h"
#include "engine/save_stack.h"
#include "host/headless_host.h"
#include "tests/harness/case_name.h"
#include "tests/ui/ui_fixture.h"
#include "ui/fonts.h"
#include "ui/input_poll.h"
#include "ui/letter.h"
#include "ui/letter.h"
#include "ui/screen_layout.h"

namespace {

std::vector<uint8_t> frame_copy() {
    return std::vector<uint8_t>(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
}

class Requester : public UiTest {};

TEST_F(Requester, AOneLineQuestionIsCentredWithItsShadowBelowAndRight) {
    fill_frame(9);
    const char* line = "Sell the ship now?";
    const char* lines[] = {line, nullptr};
    int32_t w = std::max(font_text_width(&g_font_sys13, line),
                         font_text_width(&g_font_sys13, "yes") + font_text_width(&g_font_sys13, "no") + 14);
    int32_t bx = (300 - w) / 2;
    ask_box_open(lines, "yes", "no", 0);
    int32_t right = bx + w + 20;
    EXPECT_EQ(pixel(bx, 80), 15) << "the light bevel";
    EXPECT_EQ(pixel(bx, 119), 15);
    EXPECT_EQ(pixel(right - 1, 80), 15);
    EXPECT_EQ(pixel(bx + 1, 120), 0) << "the dark bevel";
    EXPECT_EQ(pixel(right, 81), 0);
    EXPECT_EQ(pixel(right, 80), 8) << "the corners keep the outline colour";
    EXPECT_EQ(pixel(bx, 120), 8);
    EXPECT_EQ(pixel(bx - 1, 100), 9);
    EXPECT_EQ(pixel(bx + 5, 79), 9);
    EXPECT_GT(count_colour(right + 1, 84, right + 4, 124, 0), 0) << "the shadow";
    EXPECT_GT(count_colour(right + 1, 84, right + 4, 124, 9), 0) << "stippled";
    EXPECT_EQ(pixel(right + 2, 83), 9);
    EXPECT_EQ(count_colour(right + 5, 0, 319, 199, 9), (319 - right - 4) * 200);
    if (w % 2 == 0) {
        EXPECT_EQ(bx + right, 320) << "centred on x 160";
    }
    // The buttons: yes at the left, no at the right, both 14 high under the text.
    EXPECT_EQ(g_ask_yes_gadget.left, bx + 4);
    EXPECT_EQ(g_ask_yes_gadget.top, 80 + 20 + 3);
    EXPECT_EQ(g_ask_yes_gadget.width, font_text_width(&g_font_sys13, "yes") + 6);
    EXPECT_EQ(g_ask_no_gadget.left, bx + w + 11 - font_text_width(&g_font_sys13, "no"));
    EXPECT_EQ(g_gadget_list, &g_ask_yes_gadget);
    EXPECT_EQ(g_ask_yes_gadget.next, &g_ask_no_gadget);
    EXPECT_EQ(pixel(g_ask_no_gadget.left - 1, g_ask_no_gadget.top + 5), 16) << "a normal button face";
    ask_box_close();
    EXPECT_EQ(g_gadget_list, nullptr);
    EXPECT_EQ(count_colour(0, 0, 319, 199, 9), SCREEN_BYTES) << "the area is back";
}

TEST_F(Requester, AnEmptyMessageGetsTheSmallestBoxAndClosingTakesItsWideOkButtonAway) {
    fill_frame(9);
    const char* lines[] = {nullptr};
    int32_t w = 0;
    int32_t h = 0;
    text_lines_measure(lines, &w, &h);
    EXPECT_EQ(w, 1);
    EXPECT_EQ(h, 5);
    message_box_open(lines, 3);
    EXPECT_EQ(pixel(149, 87), 15);
    EXPECT_EQ(pixel(170, 112), 0);
    EXPECT_EQ(pixel(152, 90), 7);
    EXPECT_EQ(pixel(148, 100), 9);
    EXPECT_EQ(pixel(150, 86), 9);
    EXPECT_EQ(g_message_ok_gadget.left, 160);
    EXPECT_EQ(g_message_ok_gadget.top, 95);
    EXPECT_EQ(g_message_ok_gadget.width, 57);
    EXPECT_EQ(g_message_ok_gadget.height, 14);
    EXPECT_EQ(pixel(200, 101), 17) << "the OK face reaches past the box";
    message_box_close();
    // The saved area reaches past the box to the OK face's right edge: nothing of it stays.
    EXPECT_EQ(count_colour(0, 0, 319, 199, 9), SCREEN_BYTES);
}

TEST_F(Requester, TheBoxIsCutTo295By175) {
    std::vector<const char*> lines(14, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    lines.push_back(nullptr);
    fill_frame(9);
    message_box_open(lines.data(), 0);
    EXPECT_EQ(pixel(2, 2), 15) << "bx = (300 - 295) / 2, by = (180 - 175) / 2";
    EXPECT_EQ(pixel(317, 197), 0);
    EXPECT_EQ(pixel(318, 198), 9) << "no shadow at the frame's edge";
    message_box_close();
}

struct AnswerCase {
    const char* what;
    uint32_t key;     // 0: click instead
    int32_t click_x;  // 1 yes button, 2 no button, 3 a screen button underneath
    int32_t answer;
};

class AskYesNo : public UiTest, public testing::WithParamInterface<AnswerCase> {};

TEST_P(AskYesNo, AnswersByKeyOrButton) {
    const AnswerCase& c = GetParam();
    fill_frame(9);
    const ScreenButton under[] = {{0, 180, 40, 16, "Go", 5}, {300, 0, 10, 10, nullptr, 1}};
    screen_layout_draw(under, nullptr, nullptr);
    std::vector<uint8_t> before = frame_copy();
    const char* lines[] = {"Quit the game?", nullptr};
    if (c.key != 0) {
        headless_script(50, HEADLESS_KEY, static_cast<int32_t>(c.key));
    } else {
        // The yes button lies left of x 160, the no button right of it; the table's button at the bottom.
        int32_t x = c.click_x == 1 ? 120 : c.click_x == 2 ? 195 : 20;
        int32_t y = c.click_x == 3 ? 188 : 110;
        headless_script_click(50, x, y);
    }
    EXPECT_EQ(ask_yes_no(lines, "yes", "no", 1), c.answer);
    EXPECT_EQ(frame_copy(), before);
    EXPECT_EQ(g_gadget_list, &g_screen_button_gadgets[1]) << "the screen's buttons stay";
    EXPECT_EQ(g_save_depth, 0);
}

const AnswerCase kAnswerCases[] = {
    {"y is yes", 'y', 0, 1},
    {"Enter is yes", 13, 0, 1},
    {"o is yes", 'o', 0, 1},
    {"n is no", 'n', 0, 0},
    {"c is no", 'c', 0, 0},
    {"Escape is no", 27, 0, 0},
    {"a digit is neither", '3', 0, -1},
    {"space is neither", ' ', 0, -1},
    {"the yes button", 0, 1, 1},
    {"the no button", 0, 2, 0},
    {"a button of the screen underneath", 0, 3, -1},
};
INSTANTIATE_TEST_SUITE_P(Requester, AskYesNo, testing::ValuesIn(kAnswerCases), CaseName());

struct CloseCase {
    const char* what;
    uint32_t key;
    bool click_ok;
};

class MessageBoxClose : public UiTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(MessageBoxClose, AnyCommandClosesIt) {
    fill_frame(9);
    const char* lines[] = {"The ship is ready.", nullptr};
    if (GetParam().click_ok) {
        int32_t bx = (300 - font_text_width(&g_font_sys13, lines[0])) / 2;
        headless_script_click(50, bx + 30, 80 + 20 + 3 + 5);
    } else {
        headless_script(50, HEADLESS_KEY, static_cast<int32_t>(GetParam().key));
    }
    headless_script(1000, HEADLESS_KEY, 13);  // never needed
    message_box(lines, 0);
    EXPECT_LT(headless_now(), 1000u);
    EXPECT_EQ(count_colour(0, 0, 319, 199, 9), SCREEN_BYTES);
    EXPECT_EQ(g_gadget_list, nullptr);
}

const CloseCase kCloseCases[] = {
    {"the space bar", ' ', false}, {"Enter", 13, false},       {"Escape", 27, false},
    {"a digit", '7', false},       {"the OK button", 0, true},
};
INSTANTIATE_TEST_SUITE_P(Requester, MessageBoxClose, testing::ValuesIn(kCloseCases), CaseName());

TEST_F(Requester, AKeyWithoutACommandLeavesTheMessageOpen) {
    const char* lines[] = {"Wait.", nullptr};
    headless_script(50, HEADLESS_KEY, 'x');
    headless_script(500, HEADLESS_KEY, 'y');
    message_box(lines, 0);
    EXPECT_GE(headless_now(), 500u);
}

class Letter : public UiTest {};

TEST_F(Letter, EscapeCAndNDoNotCloseALetter) {
    fill_frame(9);
    const char* lines[] = {"Your ship has arrived.", nullptr};
    headless_script(2000, HEADLESS_KEY, 27);
    headless_script(2100, HEADLESS_KEY, 'c');
    headless_script(2200, HEADLESS_KEY, 'n');
    headless_script(2300, HEADLESS_KEY, ' ');
    headless_script(2400, HEADLESS_KEY, 13);
    letter_show(0, nullptr, nullptr, lines, 1);
    EXPECT_GE(headless_now(), 2400u);
    EXPECT_EQ(g_gadget_list, nullptr) << "the OK gadget is removed";
    // Typed onto the screen as it was: no sheet, black text, the colour-1 OK box with its label.
    EXPECT_EQ(count_colour(0, 0, 319, 53, 9), 320 * 54);
    EXPECT_GT(count_colour(81, 54, 262, 73, 0), 0);
    EXPECT_EQ(
        count_colour(0, 0, 319, 199, 9) + count_colour(0, 0, 319, 199, 0) + count_colour(0, 0, 319, 199, 1),
        SCREEN_BYTES);
    EXPECT_GT(count_colour(81, 144, 116, 152, 1), 36 * 9 / 2);
    EXPECT_GT(count_colour(81, 144, 116, 152, 0), 0);
    EXPECT_EQ(pixel(117, 148), 9);
}

TEST_F(Letter, TheTypingTakesATickPerCharacterAndTheOkButtonCloses) {
    const char* lines[] = {"abcdefghij", "klmno", nullptr};
    char heading[64];
    std::snprintf(heading, sizeof heading, "To shipowner %s:", "");
    uint32_t characters = static_cast<uint32_t>(std::strlen(heading) + 15);
    headless_script_click(characters * 16 + 100, 90, 148);
    letter_show(0, nullptr, nullptr, lines, 1);
    EXPECT_GE(headless_now(), characters * 16 + 160);
    EXPECT_LT(headless_now(), characters * 16 + 400);
}

TEST_F(Letter, GQuitEndsALetter) {
    const char* lines[] = {nullptr};
    g_quit = 1;
    letter_show(0, nullptr, nullptr, lines, 1);
    EXPECT_EQ(g_gadget_list, nullptr);
}

TEST_F(Letter, TheSheetIsLaidOverTheScreenWithColourOneLeftOut) {
    fill_frame(9);
    static int32_t maps_shown = 0;
    maps_shown = 0;
    g_letter_map_show = [](int32_t, Shipowner*, Ship*) { ++maps_shown; };
    const char* lines[] = {nullptr};
    headless_script(1000, HEADLESS_KEY, 13);
    letter_show(0, nullptr, nullptr, lines, 0);
    g_letter_map_show = nullptr;
    EXPECT_EQ(maps_shown, 1) << "the map comes up under the letter";
    int32_t mismatches = 0;
    for (int32_t y = 46; y < 54; ++y)
        for (int32_t x = 67; x < 67 + 196; ++x) {
            uint8_t s = g_sheet_buffer[(y - 46) * SCREEN_WIDTH + (x - 67)];
            mismatches += pixel(x, y) != (s == 1 ? 9 : s) ? 1 : 0;
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(pixel(66, 100), 9);
    EXPECT_EQ(pixel(263, 100), 9);
}

}  // namespace
