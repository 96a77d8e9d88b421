// The English texts, in text_ids.def order.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
    // ---- engine ----
    {TXT_FONT_MISSING, "Error: Font SYS8.FNT not found!"},
    {TXT_NOT_ENOUGH_MEMORY, "Sorry, not enough memory"},

    // ---- ui ----

    // ---- game ----

    // ---- business ----

    // ---- voyage ----
};
static_assert(text_table_complete(kTexts), "the English table must list every text in order");

}  // namespace

const TextEntry* g_texts_en = kTexts;
