// What a key press or a piece of typed text means to the window: a key code for the game's key
// store, a window menu to open, the About command, or nothing.
//
// The game gets every typed character in its code page, plus the arrows and Delete as the codes
// 37, 38, 39, 40 and 46 (the same values as the characters % & ' ( and .). Enter, Escape,
// Backspace, Tab and Ctrl+letters have no text of their own, so their control codes come from the
// key press. Keys held with Alt belong to the window: Alt+F and Alt+H open its menus, Alt+? and
// Alt+/ open About, and anything else typed with Alt is dropped.
#pragma once

#include <cstdint>

#include "host/code_page.h"

// The keys the window tells apart; every other key is HOST_KEY_OTHER.
enum HostKey : int32_t {
    HOST_KEY_OTHER,
    HOST_KEY_LEFT,
    HOST_KEY_UP,
    HOST_KEY_RIGHT,
    HOST_KEY_DOWN,
    HOST_KEY_DELETE,
    HOST_KEY_RETURN,  // also the keypad's Enter
    HOST_KEY_ESCAPE,
    HOST_KEY_BACKSPACE,
    HOST_KEY_TAB,
    HOST_KEY_SPACE,
    HOST_KEY_LETTER,  // a..z, the letter given separately
};

enum : uint32_t { HOST_MOD_SHIFT = 1, HOST_MOD_CTRL = 2, HOST_MOD_ALT = 4 };

enum KeyActionKind : int32_t {
    KEY_ACTION_NONE,
    KEY_ACTION_STORE,     // value: the key code for the game's key store
    KEY_ACTION_MENU,      // value: the window menu to open (0 File, 1 Help)
    KEY_ACTION_COMMAND,   // value: a window menu command (MENU_ABOUT)
};

struct KeyAction {
    KeyActionKind kind;
    int32_t value;
};

// A key press; letter is 'a'..'z' for HOST_KEY_LETTER and ignored otherwise.
KeyAction key_down_action(HostKey key, uint32_t letter, uint32_t mods);
// One typed character (Unicode); alt_held tells whether Alt was down when it was typed.
KeyAction text_input_action(uint32_t ch, bool alt_held, CodePage page);
