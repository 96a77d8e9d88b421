// The table of one build: its settings record and its texts. Compiled once per language with
// LANGUAGE_INDEX (the row of g_language_settings) and linked with that language's texts.
#include "lang/lang.h"

extern const TextEntry* LANGUAGE_TEXTS;

const LanguageTable& lang() {
    static const LanguageTable table{g_language_settings[LANGUAGE_INDEX], LANGUAGE_TEXTS};
    return table;
}
