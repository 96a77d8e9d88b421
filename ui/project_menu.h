// The game's one menu strip: the Project menu, installed at start-up with menu_set_strip.
#pragma once

#include "ui/menu_strip.h"

// Choice values of the Project menu's items (the separator rows can be chosen too).
enum : uint32_t {
    MENU_ABOUT = 10,
    MENU_SEPARATOR_1 = 11,
    MENU_LOAD = 12,
    MENU_SAVE = 13,
    MENU_SAVE_AS = 14,
    MENU_SEPARATOR_2 = 15,
    MENU_QUIT = 18,
    MENU_HELP = 20,
};

// The strip with the build's texts (built on the first call).
const MenuTitle* project_menu_strip();
