// The game's own pull-down menu strip, shown across the top of the frame while the right button is
// held alone: moving onto a title opens its list, letting go over an item chooses it. The choice
// waits in g_pending_menu_choice for the next input poll.
#pragma once

#include <cstdint>

struct MenuItem {
    const char* text;  // null ends the list
    uint32_t value;
};

struct MenuTitle {
    const MenuItem* items;
    const char* title;  // null ends the strip
    uint32_t in_use;    // set to 1, never read
};

// A title's box on the strip, laid out by menu_strip_draw.
struct MenuTitleBox {
    int32_t x0;
    int32_t y0;
    int32_t x1;
    int32_t y1;
    const MenuItem* items;
};

constexpr int32_t MENU_MAX_TITLES = 30;

extern MenuTitleBox g_menu_title_boxes[MENU_MAX_TITLES + 1];  // the row after the last is all zero
extern const MenuTitle* g_menu_strip;                          // null = no menu
extern uint32_t g_pending_menu_choice;                         // 0 = none

// Sets the strip in use; the left-button poll runs it while the right button is held alone.
void menu_set_strip(const MenuTitle* strip);
int32_t menu_run();
void menu_strip_draw(const MenuTitle* strip);
uint32_t menu_strip_track(int32_t x, int32_t y);
