// The table of one build: its settings record and its texts. Compiled once per language with
// LANGUAGE_INDEX (the row of g_language_settings) and linked with that language's texts, which are
// written in UTF-8 and turned into the build's code page here, once, before the first text is used.
// The build-time check (lang/check) fails the build when a text has a character the build's code
// page lacks; at run time such a character shows as '?'.
#include "lang/encode.h"
#include "lang/lang.h"

extern const TextEntry* LANGUAGE_TEXTS;

namespace {

constexpr uint32_t kPoolSize = 65536;

struct EncodedTexts {
    TextEntry entries[TEXT_COUNT];
    char pool[kPoolSize];
};

void encode_all(EncodedTexts* out, uint32_t charset_mode) {
    uint32_t used = 0;
    for (uint32_t i = 0; i < TEXT_COUNT; ++i) {
        char* at = out->pool + used;
        int32_t n = lang_encode(charset_mode, LANGUAGE_TEXTS[i].text, at, kPoolSize - used);
        uint32_t length = 0;
        while (at[length] != '\0') ++length;
        used += length + 1;
        (void)n;
        out->entries[i] = TextEntry{static_cast<TextId>(i), at};
        if (used >= kPoolSize) used = kPoolSize - 1;  // the rest of the texts come out empty
    }
}

const LanguageTable& make_table() {
    static EncodedTexts encoded;
    const LanguageSettings& settings = g_language_settings[LANGUAGE_INDEX];
    encode_all(&encoded, settings.charset_mode);
    static const LanguageTable table{settings, encoded.entries};
    return table;
}

}  // namespace

const LanguageTable& lang() {
    static const LanguageTable& table = make_table();
    return table;
}
