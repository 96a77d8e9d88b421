#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/input.h"
#include "host/host_texts.h"
#include "host/sdl_window.h"

namespace {

class WindowInput : public testing::Test {
  protected:
    void SetUp() override {
        SdlHostOptions options{CODE_PAGE_437, 700, 550 + MENU_STRIP_HEIGHT};
        ASSERT_EQ(host_window_open(&options), 1) << SDL_GetError();
        id = SDL_GetWindowID(g_host.window);
        input_reset();
    }
    void TearDown() override { host_window_close(); }

    void window(SDL_WindowEventID what) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = id;
        e.window.event = static_cast<uint8_t>(what);
        host_window_handle(e);
    }
    void motion(int32_t x, int32_t y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = id;
        e.motion.x = x;
        e.motion.y = y;
        host_window_handle(e);
    }
    void button(uint32_t type, uint8_t which, int32_t x, int32_t y) {
        SDL_Event e{};
        e.type = type;
        e.button.windowID = id;
        e.button.button = which;
        e.button.x = x;
        e.button.y = y;
        host_window_handle(e);
    }
    void click(int32_t x, int32_t y) {
        button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, x, y);
        game_reads_buttons();
        button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, x, y);
    }
    // What the game does when it polls: reads the buttons (which lets the window hand over the
    // next change it holds), here followed at once by the window's next look.
    uint32_t game_reads_buttons() {
        uint32_t seen = g_mouse_buttons.load();
        mouse_get_buttons();
        host_window_pump(0);
        return seen;
    }
    void key(SDL_Keycode sym, uint16_t mod) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.windowID = id;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        host_window_handle(e);
    }
    void text(const char* t) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        e.text.windowID = id;
        std::strncpy(e.text.text, t, sizeof e.text.text - 1);
        host_window_handle(e);
    }

    uint32_t id = 0;
};

TEST_F(WindowInput, PointerIsDroppedUntilTheClientSizeIsKnownThenScaled) {
    motion(350, 294);
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 350, 294);
    EXPECT_EQ(g_mouse_x, 0u);
    EXPECT_EQ(g_mouse_buttons, 0u);
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 350, 294);
    host_window_tick();  // the first tick learns the size
    motion(350, 294);
    EXPECT_EQ(g_mouse_x, 160u);
    EXPECT_EQ(g_mouse_y, 100u);
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 699, 568);
    EXPECT_EQ(g_mouse_x, 319u);
    EXPECT_EQ(g_mouse_y, 199u);
    EXPECT_EQ(g_mouse_buttons, MOUSE_LEFT);
    game_reads_buttons();
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 30);
    EXPECT_EQ(g_mouse_buttons, 0u);
    EXPECT_EQ(g_mouse_x, 319u);  // a release does not move the pointer
    game_reads_buttons();
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 70, 74);
    EXPECT_EQ(g_mouse_x, 32u);
    EXPECT_EQ(g_mouse_y, 20u);
    EXPECT_EQ(g_mouse_buttons, MOUSE_RIGHT);
    game_reads_buttons();
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 70, 74);
    game_reads_buttons();
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 100, 100);
    EXPECT_EQ(g_mouse_buttons, 0u);
    // Minimised: no size, so no positions.
    SDL_MinimizeWindow(g_host.window);
    window(SDL_WINDOWEVENT_MINIMIZED);
    if (g_host.client.width == 0) {
        motion(100, 100);
        EXPECT_EQ(g_mouse_x, 32u);
    }
}

// A press and its release between two reads of the game (a tap on a touchpad): the press stays
// until the game has read the buttons once, then the release follows. Two quick clicks are two
// presses for the game, each at its own place, and a release of a press the game never saw is
// nothing to wait for.
TEST_F(WindowInput, EveryTapIsSeenOnceWhereItWasMade) {
    host_window_tick();
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 350, 294);
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 350, 294);
    motion(10, 30);
    host_window_pump(0);
    EXPECT_EQ(g_mouse_buttons, MOUSE_LEFT) << "the tap must wait for the game";
    EXPECT_EQ(g_mouse_x, 160u);
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 699, 568);
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 699, 568);
    std::string seen;
    for (int32_t i = 0; i < 6; ++i) {
        uint32_t x = g_mouse_x.load();
        uint32_t b = game_reads_buttons();
        seen += std::to_string(b) + "@" + std::to_string(x) + " ";
    }
    EXPECT_EQ(seen, "1@160 0@4 1@319 0@319 0@319 0@319 ") << "each change in its order, each seen once";

    // Nothing waits after a release of a press that was not the game's (made on the menu strip).
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 350, 294);
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 350, 294);
    EXPECT_EQ(g_mouse_buttons, MOUSE_RIGHT);
}

// Keys typed faster than the game takes them wait in order, and each goes into the one-slot
// store once the game has taken the one before; a held key's repeats replace one another.
TEST_F(WindowInput, FastTypingLosesNothingAndRepeatsBuildNoBacklog) {
    const char* word = "Qwertyuiop";
    for (const char* p = word; *p != '\0'; ++p) {
        key(SDLK_a + (*p | 0x20) - 'a', 0);
        char t[2] = {*p, 0};
        text(t);
    }
    key(SDLK_RETURN, 0);
    std::string got;
    for (int32_t i = 0; i < 20 && g_key_slot.load() != 0; ++i) {
        got.push_back(static_cast<char>(key_slot_take()));
        host_window_pump(0);
    }
    EXPECT_EQ(got, std::string(word) + "\r");

    // An arrow held down: its first press, then repeats while the game is busy. Only the latest
    // repeat waits, and one that arrives while it is still in the store takes its place.
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.windowID = id;
    e.key.keysym.sym = SDLK_LEFT;
    host_window_handle(e);
    e.key.repeat = 1;
    for (int32_t i = 0; i < 30; ++i) host_window_handle(e);
    e.key.keysym.sym = SDLK_RIGHT;
    host_window_handle(e);
    EXPECT_EQ(key_slot_take(), KEY_LEFT);
    host_window_pump(0);
    EXPECT_EQ(key_slot_take(), KEY_RIGHT) << "the last repeat, not thirty lefts";
    host_window_pump(0);
    EXPECT_EQ(g_key_slot.load(), 0u);
    for (int32_t i = 0; i < 5; ++i) host_window_handle(e);
    EXPECT_EQ(key_slot_take(), KEY_RIGHT);
    host_window_pump(0);
    EXPECT_EQ(g_key_slot.load(), 0u) << "repeats waiting in the store replace one another";
}

TEST_F(WindowInput, KeysReachTheKeyStoreAsTheGameKnowsThem) {
    struct Case {
        const char* name;
        SDL_Keycode sym;
        uint16_t mod;
        const char* text;  // the text event that follows the press, if any
        uint32_t want;     // 0: nothing stored
    };
    const Case cases[] = {
        {"left", SDLK_LEFT, 0, nullptr, 37},
        {"up", SDLK_UP, 0, nullptr, 38},
        {"right", SDLK_RIGHT, 0, nullptr, 39},
        {"down", SDLK_DOWN, 0, nullptr, 40},
        {"delete", SDLK_DELETE, 0, nullptr, 46},
        {"percent", SDLK_5, KMOD_LSHIFT, "%", 37},
        {"ampersand", SDLK_7, KMOD_LSHIFT, "&", 38},
        {"apostrophe", SDLK_QUOTE, 0, "'", 39},
        {"parenthesis", SDLK_9, KMOD_LSHIFT, "(", 40},
        {"full stop", SDLK_PERIOD, 0, ".", 46},
        {"letter", SDLK_s, 0, "s", 's'},
        {"capital", SDLK_s, KMOD_LSHIFT, "S", 'S'},
        {"enter", SDLK_RETURN, 0, nullptr, 13},
        {"keypad enter", SDLK_KP_ENTER, 0, nullptr, 13},
        {"escape", SDLK_ESCAPE, 0, nullptr, 27},
        {"backspace", SDLK_BACKSPACE, 0, nullptr, 8},
        {"ctrl+c", SDLK_c, KMOD_LCTRL, nullptr, 3},
        {"e acute", SDLK_UNKNOWN, 0, "\xC3\xA9", 0x82},
        {"page up", SDLK_PAGEUP, 0, nullptr, 0},
        {"home", SDLK_HOME, 0, nullptr, 0},
        {"f1", SDLK_F1, 0, nullptr, 0},
        {"alt+x", SDLK_x, KMOD_LALT, "x", 0},
        // The keypad: arrows and Delete while it does not type digits, digits while it does.
        {"keypad 4", SDLK_KP_4, 0, nullptr, 37},
        {"keypad 8", SDLK_KP_8, 0, nullptr, 38},
        {"keypad 6", SDLK_KP_6, 0, nullptr, 39},
        {"keypad 2", SDLK_KP_2, 0, nullptr, 40},
        {"keypad del", SDLK_KP_PERIOD, 0, nullptr, 46},
        {"keypad 4, numlock", SDLK_KP_4, KMOD_NUM, "4", '4'},
        {"keypad 2, numlock", SDLK_KP_2, KMOD_NUM, "2", '2'},
        {"keypad point, numlock", SDLK_KP_PERIOD, KMOD_NUM, ".", '.'},
        {"keypad 8, numlock and shift", SDLK_KP_8, KMOD_NUM | KMOD_LSHIFT, nullptr, 38},
        {"keypad 5", SDLK_KP_5, 0, nullptr, 0},
    };
    for (const Case& c : cases) {
        g_key_slot = 0;
        g_host.keys = KeyQueue{};
        if (c.sym != SDLK_UNKNOWN) key(c.sym, c.mod);
        if (c.text != nullptr) text(c.text);
        EXPECT_EQ(g_key_slot, c.want) << c.name;
    }
}

TEST_F(WindowInput, MenuAndBoxes) {
    host_window_tick();
    // Alt+F opens File and its letter is not typed; Escape closes it without reaching the game.
    key(SDLK_f, KMOD_LALT);
    text("f");
    EXPECT_EQ(g_host.menu_state.open, 0);
    EXPECT_EQ(g_key_slot, 0u);
    key(SDLK_ESCAPE, 0);
    EXPECT_EQ(g_host.menu_state.open, -1);
    EXPECT_EQ(g_key_slot, 0u);

    // Alt+? opens About ("Info"); while it is open the game gets no input; Enter closes it.
    key(SDLK_SLASH, KMOD_LALT | KMOD_LSHIFT);
    text("?");
    ASSERT_NE(g_host.dialog.window, nullptr);
    EXPECT_EQ(g_host.dialog.kind, DIALOG_ABOUT);
    EXPECT_STREQ(SDL_GetWindowTitle(g_host.dialog.window), "About Marivane");
    click(350, 294);
    EXPECT_EQ(g_mouse_buttons, 0u);
    EXPECT_EQ(g_mouse_x, 0u);
    key(SDLK_RETURN, 0);
    EXPECT_EQ(g_host.dialog.window, nullptr);
    EXPECT_EQ(g_key_slot, 0u);
    key(SDLK_SLASH, KMOD_LALT);
    text("/");
    ASSERT_NE(g_host.dialog.window, nullptr);
    key(SDLK_ESCAPE, 0);
    EXPECT_EQ(g_host.dialog.window, nullptr);

    // Help > Instructions... by the pointer; OK by the pointer.
    const MenuTitleLayout& help = g_host.menu.titles[1];
    click(help.x0 + 3, 5);
    EXPECT_EQ(g_host.menu_state.open, 1);
    click(help.drop_x + 10, help.drop_y + 2 + MENU_ROW_HEIGHT / 2);
    ASSERT_NE(g_host.dialog.window, nullptr);
    EXPECT_EQ(g_host.dialog.kind, DIALOG_INSTRUCTIONS);
    EXPECT_STREQ(SDL_GetWindowTitle(g_host.dialog.window), "Instructions");
    DialogLayout box = dialog_layout(DIALOG_INSTRUCTIONS);
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.windowID = SDL_GetWindowID(g_host.dialog.window);
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = box.ok_x + box.ok_w / 2;
    e.button.y = box.ok_y + box.ok_h / 2;
    host_window_handle(e);
    e.type = SDL_MOUSEBUTTONUP;
    host_window_handle(e);
    EXPECT_EQ(g_host.dialog.window, nullptr);
    EXPECT_EQ(g_mouse_buttons, 0u);

    // File > Quit ends the window.
    const MenuTitleLayout& file = g_host.menu.titles[0];
    click(file.x0 + 3, 5);
    EXPECT_FALSE(g_host.quit);
    click(file.drop_x + 10, file.drop_y + 2 + MENU_ROW_HEIGHT / 2);
    EXPECT_TRUE(g_host.quit);
    EXPECT_EQ(host_window_pump(0), 0);
}

TEST_F(WindowInput, ClosingTheWindowEndsIt) {
    window(SDL_WINDOWEVENT_CLOSE);
    EXPECT_EQ(host_window_pump(0), 0);
}

}  // namespace
