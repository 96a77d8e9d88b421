#include "host/key_map.h"

#include "engine/input.h"
#include "host/host_texts.h"

KeyAction key_down_action(HostKey key, uint32_t letter, uint32_t mods) {
    const KeyAction none{KEY_ACTION_NONE, 0};
    auto store = [](int32_t code) { return KeyAction{KEY_ACTION_STORE, code}; };
    if ((mods & HOST_MOD_ALT) != 0) {
        if (key == HOST_KEY_LETTER && letter == 'f') return KeyAction{KEY_ACTION_MENU, 0};
        if (key == HOST_KEY_LETTER && letter == 'h') return KeyAction{KEY_ACTION_MENU, 1};
        return none;
    }
    bool ctrl = (mods & HOST_MOD_CTRL) != 0;
    switch (key) {
        case HOST_KEY_LEFT: return store(KEY_LEFT);
        case HOST_KEY_UP: return store(KEY_UP);
        case HOST_KEY_RIGHT: return store(KEY_RIGHT);
        case HOST_KEY_DOWN: return store(KEY_DOWN);
        case HOST_KEY_DELETE: return store(KEY_DELETE);
        case HOST_KEY_RETURN: return store(ctrl ? 10 : 13);
        case HOST_KEY_ESCAPE: return store(27);
        case HOST_KEY_BACKSPACE: return store(ctrl ? 127 : 8);
        case HOST_KEY_TAB: return ctrl ? none : store(9);
        case HOST_KEY_LETTER:
            // A plain letter arrives as typed text; with Ctrl it has none and gives its control code.
            if (ctrl && letter >= 'a' && letter <= 'z') return store(static_cast<int32_t>(letter - 'a' + 1));
            return none;
        case HOST_KEY_SPACE:
        case HOST_KEY_OTHER: return none;
    }
    return none;
}

KeyAction text_input_action(uint32_t ch, bool alt_held, CodePage page) {
    if (alt_held) {
        if (ch == '?' || ch == '/') return KeyAction{KEY_ACTION_COMMAND, MENU_ABOUT};
        return KeyAction{KEY_ACTION_NONE, 0};
    }
    if (ch < 32 || ch == 127) return KeyAction{KEY_ACTION_NONE, 0};  // control codes come from the key press
    int32_t code = code_page_encode(page, ch);
    if (code < 0) return KeyAction{KEY_ACTION_NONE, 0};
    return KeyAction{KEY_ACTION_STORE, code};
}
