// The window's own menu: File (Quit) and Help (Instructions..., About...), drawn by the host as a
// strip above the game frame. This is its model: the layout of titles and drop-down rows, what a
// press, a move, a release or a key does to it, and which command comes out.
#pragma once

#include <cstdint>

#include "host/key_map.h"

constexpr int32_t MENU_TITLES = 2;
constexpr int32_t MENU_MAX_ITEMS = 2;
constexpr int32_t MENU_ROW_HEIGHT = 18;

struct MenuItemLayout {
    const char* text;  // with its '&' mnemonic
    int32_t command;
};

struct MenuTitleLayout {
    const char* text;
    int32_t x0, x1;                 // the title's box on the strip, x0 <= x < x1, rows 0..strip - 1
    int32_t drop_x, drop_y, drop_w, drop_h;  // the drop-down box
    int32_t item_count;
    MenuItemLayout items[MENU_MAX_ITEMS];  // rows of MENU_ROW_HEIGHT from drop_y + 2
};

struct MenuLayout {
    MenuTitleLayout titles[MENU_TITLES];
};

struct MenuState {
    int32_t open;       // the title whose list is down, -1 when closed
    int32_t highlight;  // the highlighted row of that list, -1 for none
};

// What an input did: whether the menu took it (the game must not see it), whether the strip must
// be repainted, and the command chosen (0 for none).
struct MenuResult {
    bool taken;
    bool changed;
    int32_t command;
};

MenuLayout menu_layout();
int32_t menu_title_at(const MenuLayout* layout, int32_t x, int32_t y);
int32_t menu_item_at(const MenuLayout* layout, int32_t title, int32_t x, int32_t y);

// Pointer input in client coordinates.
MenuResult menu_press(const MenuLayout* layout, MenuState* s, int32_t x, int32_t y);
MenuResult menu_motion(const MenuLayout* layout, MenuState* s, int32_t x, int32_t y);
MenuResult menu_release(const MenuLayout* layout, MenuState* s, int32_t x, int32_t y);
// A key while a list is down (the arrows, Enter, Escape, or a letter); letter for HOST_KEY_LETTER.
MenuResult menu_key(const MenuLayout* layout, MenuState* s, HostKey key, uint32_t letter);
// Opens a list from the keyboard (Alt+F, Alt+H) with its first row highlighted.
MenuResult menu_open(MenuState* s, int32_t title);
