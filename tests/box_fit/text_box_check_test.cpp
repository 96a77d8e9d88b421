// The check itself: each way a text can leave its box, drawn on purpose, is seen, and the same
// screens with texts that fit pass.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "engine/font.h"
#include "game/state_reset.h"
#include "tests/box_fit/text_box_check.h"
#include "tests/harness/game_data.h"
#include "tests/harness/harness.h"
#include "ui/boxes_shown.h"
#include "ui/entry_field.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/letter.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"

namespace {

const char* const kLong = "A text far too long for any box of this screen at all, even the widest";

struct Case {
    const char* name;
    void (*draw)(const char* text);
    const char* fits;
    const char* leaves;
    const char* kind;  // of the box left; null: nothing leaves
    bool at_sleep;     // seen only once the screen waits (a gadget added after the text)
};

void button(const char* text) {
    const ScreenButton buttons[] = {{10, 10, 60, 15, text, 1}};
    screen_layout_draw(buttons, nullptr, nullptr);
}

void table_box(const char* text) {
    const ScreenButton buttons[] = {{0, 185, 58, 15, "ok", 1}};
    const ScreenBox boxes[] = {{20, 40, 160, 80, 2}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{25, 45, text}, {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
}

void message(const char* text) {
    const char* lines[] = {"First line", text, nullptr};
    message_box_open(lines, 0);
}

// A label left of an entry field that is added after the label is drawn.
char g_field_text[8] = "12";
EntryFieldInfo g_field_info = {g_field_text, 0, 8, 0, 2, 0, 0};
Gadget g_field = {
    nullptr, 140,           60, 40, 13, GADGET_HIGHLIGHT_BOX, 0, GADGET_ENTRY_FIELD, nullptr, nullptr,
    nullptr, &g_field_info, 2};

void label_before_field(const char* text) {
    const ScreenButton buttons[] = {{0, 185, 58, 15, "ok", 1}};
    const ScreenBox boxes[] = {{10, 40, 300, 120, 2}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{30, 58, text}, {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
    gadget_add(&g_field);
    gadgets_refresh();
}

const Case kCases[] = {
    {"button label", button, "Fits", kLong, "button", false},
    {"line in a table box", table_box, "A short line", kLong, "box", false},
    {"line of a message box", message, "A second line", kLong, "message box", false},
    {"label running under the field beside it", label_before_field, "Days:", "A label much too long here",
     "box", true},
};

class TextBoxCheck : public testing::TestWithParam<Case> {
  protected:
    void SetUp() override {
        harness_start_engine();
        all_state_reset();
        harness_load_game_data();
    }
    void TearDown() override {
        text_box_check_stop();
        if (g_requester_frame.x0 <= g_requester_frame.x1) message_box_close();
        gadget_remove(&g_field);
        screen_buttons_clear();
    }
};

TEST_P(TextBoxCheck, SeesTheTextThatLeavesItsBox) {
    const Case& c = GetParam();
    for (const char* text : {c.fits, c.leaves}) {
        SCOPED_TRACE(text);
        text_box_check_start();
        text_box_check_sleep();
        c.draw(text);
        text_box_check_sleep();
        const bool leaves = text == c.leaves;
        ASSERT_EQ(text_box_faults().size(), leaves ? 1u : 0u);
        if (leaves) {
            const TextBoxFault& f = text_box_faults()[0];
            EXPECT_EQ(f.kind, c.kind);
            EXPECT_EQ(f.text, text);
            EXPECT_EQ(!f.into.empty(), c.at_sleep) << text_box_fault_line(f);
        }
        TearDown();
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, TextBoxCheck, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p != '\0'; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                             return name;
                         });

// A letter typed one character at a time is one text: a line too long runs off the sheet.
TEST(TextBoxCheckLetter, SeesALetterLineOffTheSheet) {
    harness_start_engine();
    all_state_reset();
    harness_load_game_data();
    text_box_check_start();
    g_letter_up = 1;
    const char* text = "A letter line that is far too long for the sheet it is typed on";
    int32_t x = 81;
    for (const char* p = text; *p != '\0'; ++p)
        x += font_draw_char(&g_font_sys8b, static_cast<uint8_t>(*p), x, 64);
    g_letter_up = 0;
    text_box_check_stop();
    ASSERT_EQ(text_box_faults().size(), 1u);
    EXPECT_EQ(text_box_faults()[0].kind, "letter");
    EXPECT_EQ(text_box_faults()[0].text, text);
}

}  // namespace
