// The English texts, in text_ids.def order.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
    // ---- engine ----
    {TXT_FONT_MISSING, "Error: Font SYS8.FNT not found!"},
    {TXT_NOT_ENOUGH_MEMORY, "Sorry, not enough memory"},

    // ---- ui ----
    {TXT_OK_CAPTION, "  OK"},
    {TXT_LETTER_TO_SHIPOWNER, "To shipowner %s:"},
    {TXT_MENU_PROJECT, "Project"},
    {TXT_MENU_ABOUT, "About..."},
    {TXT_MENU_HELP, "Help..."},
    {TXT_MENU_LOAD, "Load..."},
    {TXT_MENU_SAVE, "Save..."},
    {TXT_MENU_SAVE_AS, "Save As..."},
    {TXT_MENU_QUIT, "Quit"},
    {TXT_FILE_REQUESTER_DRAWER, "drawer"},
    {TXT_FILE_REQUESTER_FILE, "file"},
    {TXT_FILE_REQUESTER_CANCEL, "Cancel"},
    {TXT_FILE_REQUESTER_OK, "  OK  "},

    // ---- game ----

    // ---- business ----

    // ---- voyage ----
};
static_assert(text_table_complete(kTexts), "the English table must list every text in order");

}  // namespace

const TextEntry* g_texts_en = kTexts;
