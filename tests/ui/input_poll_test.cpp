// The input poll: every row of the key table, the builds' extra yes/no letters, the menu choices,
// and how gadget events and plain clicks land in the poll's globals.
#include "ui/input_poll.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/input.h"
#include "lang/lang.h"
#include "tests/harness/case_name.h"
#include "tests/ui/ui_fixture.h"
#include "ui/entry_field.h"
#include "ui/gadget.h"
#include "ui/menu_strip.h"

namespace {

struct KeyCase {
    const char* what;
    uint32_t key;
    int32_t command;
    int32_t project;
    uint16_t key_code;
};

class KeyTable : public UiTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTable, MapsTheKey) {
    const KeyCase& c = GetParam();
    key_slot_store(c.key);
    input_poll();
    EXPECT_EQ(g_command, c.command);
    EXPECT_EQ(g_project_command, c.project);
    EXPECT_EQ(g_key_code, c.key_code);
}

constexpr uint16_t NONE = NO_KEY_CODE;

const KeyCase kKeyCases[] = {
    {"Enter", 13, 1, 0, NONE},
    {"o", 'o', 1, 0, NONE},
    {"j", 'j', 1, 0, NONE},
    {"s", 's', 1, 0, NONE},
    {"y", 'y', 1, 0, NONE},
    {"c", 'c', 300, 0, NONE},
    {"n", 'n', 300, 0, NONE},
    {"Escape", 27, 300, 0, NONE},
    {"1", '1', 100, 0, NONE},
    {"5", '5', 104, 0, NONE},
    {"9", '9', 108, 0, NONE},
    {"0", '0', 109, 0, NONE},
    {"space", ' ', 900, 0, NONE},
    {"Q quits without a key code", 'Q', 0, 4, NONE},
    {"A", 'A', 0, -1, 'A'},
    {"L", 'L', 0, 1, 'L'},
    {"S", 'S', 0, 2, 83},
    {"N", 'N', 0, 3, 'N'},
    {"H", 'H', 0, 5, 'H'},
    {"question mark", '?', 0, 5, '?'},
    {"x gives only its key code", 'x', 0, 0, 120},
    {"upper case Y is not yes", 'Y', 0, 0, 'Y'},
    {"the right arrow arrives as its code", 39, 0, 0, 39},
    {"the typed percent looks like the left arrow", '%', 0, 0, 37},
    {"a code of 128 or more matches nothing", 0xE9, 0, 0, 0xE9},
    {"only the low byte of a key counts", 0x100 + 'o', 1, 0, NONE},
};
INSTANTIATE_TEST_SUITE_P(InputPoll, KeyTable, testing::ValuesIn(kKeyCases), CaseName());

struct BuildKeyCase {
    const char* what;
    const char* build;
    char key;
    int32_t command;
};

class BuildKeys : public UiTest, public testing::WithParamInterface<BuildKeyCase> {};

TEST_P(BuildKeys, TheBuildsExtraLettersAnswerYesOrNo) {
    const BuildKeyCase& c = GetParam();
    const LanguageSettings* settings = nullptr;
    for (const LanguageSettings& s : g_language_settings)
        if (std::strcmp(s.code, c.build) == 0) settings = &s;
    ASSERT_NE(settings, nullptr);
    input_poll_map_key(static_cast<uint8_t>(c.key), *settings);
    EXPECT_EQ(g_command, c.command);
    EXPECT_EQ(g_key_code, c.command != 0 ? NO_KEY_CODE : static_cast<uint8_t>(c.key));
}

const BuildKeyCase kBuildKeyCases[] = {
    {"Dutch a is yes", "nl", 'a', 1},           {"Dutch t is no", "nl", 't', 300},
    {"Finnish k is yes", "fi", 'k', 1},         {"Finnish v is yes", "fi", 'v', 1},
    {"Finnish e is no", "fi", 'e', 300},        {"Finnish t is no", "fi", 't', 300},
    {"Finnish p is no", "fi", 'p', 300},        {"English a is a plain key", "en", 'a', 0},
    {"English t is a plain key", "en", 't', 0}, {"German k is a plain key", "de", 'k', 0},
    {"Dutch still takes y", "nl", 'y', 1},      {"Finnish still takes n", "fi", 'n', 300},
};
INSTANTIATE_TEST_SUITE_P(InputPoll, BuildKeys, testing::ValuesIn(kBuildKeyCases), CaseName());

struct MenuCase {
    const char* what;
    uint32_t choice;
    int32_t project;
};

class MenuChoices : public UiTest, public testing::WithParamInterface<MenuCase> {};

TEST_P(MenuChoices, BecomeProjectCommandsOnce) {
    g_pending_menu_choice = GetParam().choice;
    input_poll();
    EXPECT_EQ(g_project_command, GetParam().project);
    EXPECT_EQ(g_pending_menu_choice, 0u);
    EXPECT_EQ(g_command, 0);
}

const MenuCase kMenuCases[] = {
    {"About", 10, -1},
    {"Load", 12, 1},
    {"Save", 13, 2},
    {"Save As", 14, 3},
    {"Quit", 18, 4},
    {"Help", 20, 5},
    {"first separator", 11, 0},
    {"second separator", 15, 0},
    {"an unknown value", 99, 0},
};
INSTANTIATE_TEST_SUITE_P(InputPoll, MenuChoices, testing::ValuesIn(kMenuCases), CaseName());

class InputPoll : public UiTest {};

TEST_F(InputPoll, AMenuChoiceWinsOverAProjectKeyOfTheSamePoll) {
    key_slot_store('L');
    g_pending_menu_choice = 18;
    input_poll();
    EXPECT_EQ(g_project_command, 4);
    EXPECT_EQ(g_key_code, 'L');
}

TEST_F(InputPoll, ClicksBesideEveryGadgetAreReportedAsPlainClicks) {
    move(5, 5);
    left_down(5, 5);
    input_poll();
    EXPECT_EQ(g_click_pressed, 1);
    EXPECT_EQ(g_click_released, 0);
    EXPECT_EQ(g_pointer_x, 5);
    left_up();
    input_poll();
    EXPECT_EQ(g_click_pressed, 0);
    EXPECT_EQ(g_click_released, 1);
    EXPECT_EQ(g_command, 0);
}

TEST_F(InputPoll, AKeyTakenByAnEntryFieldNeverReachesTheMapping) {
    char buffer[13] = "";
    EntryFieldInfo info = {buffer, 0, 13, 0, 0, 0, 0};
    Gadget field = {nullptr, 60,      85,      100,   10, GADGET_HIGHLIGHT_BOX, 0, GADGET_ENTRY_FIELD,
                    nullptr, nullptr, nullptr, &info, 200};
    gadget_add(&field);
    string_gadget_activate(&field);
    for (uint32_t k : {uint32_t{'y'}, uint32_t{'Q'}, uint32_t{'5'}}) {
        key_slot_store(k);
        input_poll();
        EXPECT_EQ(g_command, 0);
        EXPECT_EQ(g_project_command, 0);
        EXPECT_EQ(g_key_code, NO_KEY_CODE);
    }
    EXPECT_STREQ(buffer, "yQ5");
    key_slot_store(13);
    input_poll();
    EXPECT_EQ(g_command, 200) << "Enter ends the field with its id";
    EXPECT_EQ(g_gadget_pressed, 0);
}

}  // namespace
