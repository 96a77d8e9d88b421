#include "host/key_map.h"

#include <gtest/gtest.h>

#include "host/host_texts.h"

namespace {

struct KeyCase {
    const char* name;
    HostKey key;
    uint32_t letter;
    uint32_t mods;
    KeyActionKind kind;
    int32_t value;
};

TEST(KeyMap, KeyPresses) {
    const KeyCase cases[] = {
        {"left", HOST_KEY_LEFT, 0, 0, KEY_ACTION_STORE, 37},
        {"up", HOST_KEY_UP, 0, 0, KEY_ACTION_STORE, 38},
        {"right", HOST_KEY_RIGHT, 0, 0, KEY_ACTION_STORE, 39},
        {"down", HOST_KEY_DOWN, 0, 0, KEY_ACTION_STORE, 40},
        {"delete", HOST_KEY_DELETE, 0, 0, KEY_ACTION_STORE, 46},
        {"shift+left", HOST_KEY_LEFT, 0, HOST_MOD_SHIFT, KEY_ACTION_STORE, 37},
        {"enter", HOST_KEY_RETURN, 0, 0, KEY_ACTION_STORE, 13},
        {"escape", HOST_KEY_ESCAPE, 0, 0, KEY_ACTION_STORE, 27},
        {"backspace", HOST_KEY_BACKSPACE, 0, 0, KEY_ACTION_STORE, 8},
        {"tab", HOST_KEY_TAB, 0, 0, KEY_ACTION_STORE, 9},
        {"ctrl+a", HOST_KEY_LETTER, 'a', HOST_MOD_CTRL, KEY_ACTION_STORE, 1},
        {"ctrl+z", HOST_KEY_LETTER, 'z', HOST_MOD_CTRL, KEY_ACTION_STORE, 26},
        // A letter and the space bar come as typed text, so their press stores nothing.
        {"letter", HOST_KEY_LETTER, 's', 0, KEY_ACTION_NONE, 0},
        {"shift+letter", HOST_KEY_LETTER, 's', HOST_MOD_SHIFT, KEY_ACTION_NONE, 0},
        {"space", HOST_KEY_SPACE, 0, 0, KEY_ACTION_NONE, 0},
        // Page Up, Home, F1 and the like.
        {"other", HOST_KEY_OTHER, 0, 0, KEY_ACTION_NONE, 0},
        // Keys with Alt belong to the window.
        {"alt+f", HOST_KEY_LETTER, 'f', HOST_MOD_ALT, KEY_ACTION_MENU, 0},
        {"alt+h", HOST_KEY_LETTER, 'h', HOST_MOD_ALT, KEY_ACTION_MENU, 1},
        {"alt+x", HOST_KEY_LETTER, 'x', HOST_MOD_ALT, KEY_ACTION_NONE, 0},
        {"alt+left", HOST_KEY_LEFT, 0, HOST_MOD_ALT, KEY_ACTION_NONE, 0},
        {"alt+enter", HOST_KEY_RETURN, 0, HOST_MOD_ALT, KEY_ACTION_NONE, 0},
    };
    for (const KeyCase& c : cases) {
        KeyAction a = key_down_action(c.key, c.letter, c.mods);
        EXPECT_EQ(a.kind, c.kind) << c.name;
        if (a.kind == c.kind) {
            EXPECT_EQ(a.value, c.value) << c.name;
        }
    }
}

TEST(KeyMap, TypedText) {
    struct TextCase {
        uint32_t ch;
        bool alt;
        CodePage page;
        KeyActionKind kind;
        int32_t value;
    };
    const TextCase cases[] = {
        // The five characters that share their codes with the arrows and Delete.
        {'%', false, CODE_PAGE_437, KEY_ACTION_STORE, 37},
        {'&', false, CODE_PAGE_437, KEY_ACTION_STORE, 38},
        {'\'', false, CODE_PAGE_437, KEY_ACTION_STORE, 39},
        {'(', false, CODE_PAGE_437, KEY_ACTION_STORE, 40},
        {'.', false, CODE_PAGE_437, KEY_ACTION_STORE, 46},
        {'S', false, CODE_PAGE_437, KEY_ACTION_STORE, 'S'},
        {' ', false, CODE_PAGE_437, KEY_ACTION_STORE, 32},
        {0xE9, false, CODE_PAGE_437, KEY_ACTION_STORE, 0x82},  // e acute
        {0xF8, false, CODE_PAGE_865, KEY_ACTION_STORE, 0x9B},  // o slash
        {0xE3, false, CODE_PAGE_860, KEY_ACTION_STORE, 0x84},  // a tilde
        {0x20AC, false, CODE_PAGE_437, KEY_ACTION_NONE, 0},    // no euro sign in the code page
        {13, false, CODE_PAGE_437, KEY_ACTION_NONE, 0},        // control codes come from the press
        {'?', true, CODE_PAGE_437, KEY_ACTION_COMMAND, MENU_ABOUT},
        {'/', true, CODE_PAGE_437, KEY_ACTION_COMMAND, MENU_ABOUT},
        {'f', true, CODE_PAGE_437, KEY_ACTION_NONE, 0},  // the text of Alt+F is swallowed
        {'?', false, CODE_PAGE_437, KEY_ACTION_STORE, '?'},
    };
    for (const TextCase& c : cases) {
        KeyAction a = text_input_action(c.ch, c.alt, c.page);
        EXPECT_EQ(a.kind, c.kind) << "U+" << std::hex << c.ch;
        if (a.kind == c.kind) {
            EXPECT_EQ(a.value, c.value) << "U+" << std::hex << c.ch;
        }
    }
}

TEST(KeyMap, Utf8Decoding) {
    struct Utf8Case {
        const char* text;
        uint32_t want[3];
    };
    const Utf8Case cases[] = {
        {"Hi", {'H', 'i', 0}},
        {"\xC3\xA9!", {0xE9, '!', 0}},
        {"\xE2\x82\xAC", {0x20AC, 0, 0}},
        {"\xC0\xAFx", {UTF8_INVALID, 'x', 0}},  // an overlong '/' is one bad character
        {"\xC3x", {UTF8_INVALID, 'x', 0}},      // cut short
    };
    for (const Utf8Case& c : cases) {
        const char* p = c.text;
        for (uint32_t w : c.want) {
            if (w == 0) break;
            ASSERT_NE(*p, '\0') << c.text;
            EXPECT_EQ(utf8_next(&p), w) << c.text;
        }
        EXPECT_EQ(*p, '\0') << c.text;
    }
}

}  // namespace
