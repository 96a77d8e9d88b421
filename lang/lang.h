// The texts and language-bound details of one build. Shared code asks for a text by its id and
// for the build's settings; it never asks which language it is.
#pragma once

#include <cstdint>

// What differs between the builds beside the texts.
struct LanguageSettings {
    const char* code;            // "en", "de", ...
    const char* extra_yes;       // letters the input poll also takes for yes ("" for none)
    const char* extra_no;        // letters the input poll also takes for no
    char charter_keys[11];       // the ten letter keys that pick charter offers 1..10
    char charter_sixth_alt;      // a second key for the sixth offer, or 0
    int32_t charter_cancel_width;  // width of the charter market's cancel button
    int32_t default_home_port;     // the port row the set-up offers first
    uint32_t charset_mode;         // character table: 0 common, 1 Portuguese, 2 Nordic
};

enum TextId : uint16_t {
#define TEXT(id) id,
#include "lang/text_ids.def"
#undef TEXT
    TEXT_COUNT
};

struct TextEntry {
    TextId id;
    const char* text;  // UTF-8 in the source
};

// A language's table: its settings and every text in text_ids.def order.
struct LanguageTable {
    LanguageSettings settings;
    const TextEntry* texts;
};

// True when entries holds every id exactly once, in order.
template <uint32_t N>
constexpr bool text_table_complete(const TextEntry (&entries)[N]) {
    if (N != TEXT_COUNT) return false;
    for (uint32_t i = 0; i < N; ++i)
        if (entries[i].id != i || entries[i].text == nullptr) return false;
    return true;
}

// The build's table (each program links exactly one language).
const LanguageTable& lang();
const LanguageSettings& lang_settings();
// A text in the build's code page.
const char* lang_text(TextId id);

// All eleven settings records, for the tests of language-bound behaviour.
extern const LanguageSettings g_language_settings[11];
