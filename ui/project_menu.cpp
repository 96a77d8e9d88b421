#include "ui/project_menu.h"

#include "lang/lang.h"

const MenuTitle* project_menu_strip() {
    static const MenuItem items[] = {
        {lang_text(TXT_MENU_ABOUT), MENU_ABOUT},   {lang_text(TXT_MENU_HELP), MENU_HELP},
        {"----------", MENU_SEPARATOR_1},          {lang_text(TXT_MENU_LOAD), MENU_LOAD},
        {lang_text(TXT_MENU_SAVE), MENU_SAVE},     {lang_text(TXT_MENU_SAVE_AS), MENU_SAVE_AS},
        {"----------", MENU_SEPARATOR_2},          {lang_text(TXT_MENU_QUIT), MENU_QUIT},
        {nullptr, 0},
    };
    static const MenuTitle strip[] = {
        {items, lang_text(TXT_MENU_PROJECT), 1},
        {nullptr, nullptr, 0},
    };
    return strip;
}
