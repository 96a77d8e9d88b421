// Entry fields under the one poll: typing over the text within the buffer, the refused keys, the
// deleting and cursor keys (and the typed characters that share their codes), integer fields,
// scrolling, Enter, and the cursor after a refresh.
#include "ui/entry_field.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/input.h"
#include "tests/harness/case_name.h"
#include "tests/ui/ui_fixture.h"
#include "ui/gadget.h"
#include "ui/gadget_poll.h"

namespace {

struct Field {
    char buffer[80] = {};
    EntryFieldInfo info = {};
    Gadget gadget = {};

    Field(int16_t width, int16_t max, const char* text, uint16_t activation = 0) {
        std::strncpy(buffer, text, sizeof buffer - 1);
        info = EntryFieldInfo{buffer, 0, max, 0, 0, 0, 0};
        gadget =
            Gadget{nullptr, 60,      85,      width, 10, GADGET_HIGHLIGHT_BOX, activation, GADGET_ENTRY_FIELD,
                   nullptr, nullptr, nullptr, &info, 44};
    }
};

struct Poll {
    int32_t result, code, event_class;
};

Poll type_key(uint32_t c) {
    key_slot_store(c);
    Poll p{0, 0, 0};
    p.result = gadget_poll_event(&p.code, &p.event_class);
    return p;
}

void type_keys(const std::vector<uint32_t>& keys) {
    for (uint32_t k : keys) type_key(k);
}

std::vector<uint32_t> chars(const char* text) {
    std::vector<uint32_t> keys;
    for (const char* p = text; *p != '\0'; ++p) keys.push_back(static_cast<uint8_t>(*p));
    return keys;
}

constexpr uint32_t LEFT = 37, RIGHT = 39, BACKSPACE = 8, RUBOUT = 127, DEL = 46;

struct EditCase {
    const char* what;
    int16_t width, max;
    uint16_t activation;
    const char* start;
    std::vector<uint32_t> keys;
    const char* text;
    int16_t pos, length;
};

class EntryEditing : public UiTest, public testing::WithParamInterface<EditCase> {};

TEST_P(EntryEditing, KeysEditTheBuffer) {
    const EditCase& c = GetParam();
    Field f(c.width, c.max, c.start, c.activation);
    gadget_add(&f.gadget);
    gadgets_refresh();
    string_gadget_activate(&f.gadget);
    type_keys(c.keys);
    EXPECT_STREQ(f.buffer, c.text);
    EXPECT_EQ(f.info.pos, c.pos);
    EXPECT_EQ(f.info.length, c.length);
    EXPECT_EQ(f.buffer[c.max - 1], '\0') << "nothing written past the buffer";
    EXPECT_EQ(g_active_entry_field, &f.gadget);
}

const EditCase kEditCases[] = {
    {"twelve characters fill a field of max 13 and a thirteenth is dropped", 100, 13, 0, "",
     chars("abcdefghijklm"), "abcdefghijkl", 12, 12},
    {"typing inside the text overwrites", 100, 13, 0, "hello", chars("J"), "Jello", 1, 5},
    {"the arrows move the cursor before typing",
     100,
     13,
     0,
     "hello",
     {RIGHT, RIGHT, 'X', LEFT, LEFT, 'Y'},
     "hYXlo",
     2,
     5},
    {"the right arrow stops at the end of the text",
     100,
     13,
     0,
     "ab",
     {RIGHT, RIGHT, RIGHT, RIGHT, 'c'},
     "abc",
     3,
     3},
    {"the left arrow stops at the start", 100, 13, 0, "ab", {LEFT, LEFT, 'x'}, "xb", 1, 2},
    {"the typed percent and apostrophe move like the arrows", 100, 13, 0, "hello", chars("'''%Z"), "heZlo", 3,
     5},
    {"backspace at the end cuts the last character",
     100,
     13,
     0,
     "hello",
     {RIGHT, RIGHT, RIGHT, RIGHT, RIGHT, BACKSPACE},
     "hell",
     4,
     4},
    {"rubout deletes like backspace",
     100,
     13,
     0,
     "hello",
     {RIGHT, RIGHT, RIGHT, RIGHT, RIGHT, RUBOUT, RUBOUT},
     "hel",
     3,
     3},
    {"delete and the typed full stop delete before the cursor",
     100,
     13,
     0,
     "hello",
     {RIGHT, RIGHT, DEL},
     "hllo",
     1,
     4},
    {"deleting at the start does nothing", 100, 13, 0, "hello", {BACKSPACE, DEL}, "hello", 0, 5},
    {"deleting inside a full field keeps it terminated",
     100,
     13,
     0,
     "abcdefghijkl",
     {RIGHT, RIGHT, RIGHT, BACKSPACE},
     "abdefghijkl",
     2,
     11},
    {"control characters and codes 128 and up are refused",
     100,
     13,
     0,
     "",
     {7, 27, 9, 128, 200, 255, 'a'},
     "a",
     1,
     1},
    {"a key whose low byte is 0 does nothing", 100, 13, 0, "ab", {256, 'z'}, "zb", 1, 2},
    {"an integer field takes digits and the minus sign only", 100, 13, GADGET_INTEGER, "", chars("-1a2 b3"),
     "-123", 4, 4},
    {"a long text in a wide field", 400, 78, 0, "", chars("the quick brown fox jumps over the lazy dog"),
     "the quick brown fox jumps over the lazy dog", 43, 43},
};
INSTANTIATE_TEST_SUITE_P(EntryFields, EntryEditing, testing::ValuesIn(kEditCases), CaseName());

class EntryField : public UiTest {};

TEST_F(EntryField, VisibleCellsAreTheWidthCutTo40AndToTheBuffer) {
    struct {
        int16_t width, max, visible;
    } const cases[] = {{100, 13, 12}, {400, 78, 40}, {240, 13, 12}, {190, 78, 23}, {7, 13, 0}};
    for (auto c : cases) {
        Field f(c.width, c.max, "");
        string_gadget_draw(&f.gadget);
        EXPECT_EQ(f.info.visible, c.visible) << c.width << " wide, max " << c.max;
    }
}

TEST_F(EntryField, IntegerValueFollowsEveryChangeAndStaysWithoutANumber) {
    Field f(100, 13, "", GADGET_INTEGER);
    gadget_add(&f.gadget);
    string_gadget_activate(&f.gadget);
    type_keys(chars("-42"));
    EXPECT_EQ(f.info.value, -42);
    type_keys({BACKSPACE});
    EXPECT_EQ(f.info.value, -4);
    type_keys({BACKSPACE, BACKSPACE});
    EXPECT_STREQ(f.buffer, "");
    EXPECT_EQ(f.info.value, -4) << "an empty text keeps the last value";
    type_keys(chars("2147483647"));
    EXPECT_EQ(f.info.value, 2147483647);
}

TEST_F(EntryField, TypingPastTheVisibleCellsScrollsTheView) {
    Field f(40, 13, "");  // five cells
    gadget_add(&f.gadget);
    gadgets_refresh();
    string_gadget_activate(&f.gadget);
    type_keys(chars("abcdefg"));
    EXPECT_EQ(f.info.first, 3);
    EXPECT_EQ(f.info.pos, 7);
    type_keys({LEFT, LEFT, LEFT, LEFT, LEFT});
    EXPECT_EQ(f.info.pos, 2);
    EXPECT_EQ(f.info.first, 2);
}

TEST_F(EntryField, EnterEndsTheFieldWithItsIdAndTheNextKeyIsAKeyEvent) {
    Field f(100, 13, "x");
    gadget_add(&f.gadget);
    string_gadget_activate(&f.gadget);
    Poll p = type_key('a');
    EXPECT_EQ(p.result, 0);
    EXPECT_EQ(g_last_key, 0) << "the field took the key";
    EXPECT_EQ(g_last_key_raw, 'a');
    p = type_key(13);
    EXPECT_EQ(p.result, 1);
    EXPECT_EQ(p.code, 44);
    EXPECT_EQ(p.event_class, GADGET_EVENT_UP);
    EXPECT_EQ(g_active_entry_field, nullptr);
    EXPECT_EQ(f.gadget.flags & GADGET_CURSOR_ON, 0);
    p = type_key('b');
    EXPECT_EQ(p.result, 0);
    EXPECT_EQ(p.code, 'b');
    EXPECT_EQ(p.event_class, GADGET_EVENT_KEY);
    EXPECT_EQ(g_last_key, 'b');
    EXPECT_STREQ(f.buffer, "a");
}

TEST_F(EntryField, APressActivatesTheFieldWithoutAResult) {
    Field one(100, 13, "one");
    Field two(100, 13, "two");
    two.gadget.top = 100;
    gadget_add(&one.gadget);
    gadget_add(&two.gadget);
    gadgets_refresh();
    string_gadget_activate(&one.gadget);
    left_down(70, 102);
    Poll p{0, 0, 0};
    p.result = gadget_poll_event(&p.code, &p.event_class);
    EXPECT_EQ(p.result, 0);
    EXPECT_EQ(p.code, 44);
    EXPECT_EQ(g_active_entry_field, &two.gadget);
    EXPECT_EQ(one.gadget.flags & GADGET_CURSOR_ON, 0);
    EXPECT_NE(two.gadget.flags & GADGET_CURSOR_ON, 0);
    left_up();
    p.result = gadget_poll_event(&p.code, &p.event_class);
    EXPECT_EQ(p.result, 0) << "a release on an entry field gives no result either";
    EXPECT_EQ(p.event_class, GADGET_EVENT_UP);
}

TEST_F(EntryField, TheCursorIsAnInvertedCellAndARefreshPutsItBackAtTheStart) {
    Field f(100, 13, "");
    gadget_add(&f.gadget);
    gadgets_refresh();
    string_gadget_activate(&f.gadget);
    // An empty cell is colour 0; the cursor inverts it to 15.
    EXPECT_EQ(count_colour(61, 86, 68, 93, 15), 64);
    type_keys(chars("   "));  // blanks leave the cells without ink
    EXPECT_EQ(f.info.pos, 3);
    EXPECT_EQ(count_colour(61, 86, 68, 93, 15), 0);
    EXPECT_EQ(count_colour(85, 86, 92, 93, 15), 64);
    gadgets_refresh();
    EXPECT_EQ(f.info.pos, 0);
    EXPECT_EQ(count_colour(61, 86, 68, 93, 15), 64);
    EXPECT_EQ(count_colour(85, 86, 92, 93, 15), 0);
    EXPECT_EQ(count_colour(61, 86, 156, 93, 15), 64) << "one cursor only";
}

}  // namespace
