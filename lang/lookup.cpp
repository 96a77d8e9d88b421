#include "lang/lang.h"

const LanguageSettings& lang_settings() { return lang().settings; }

const char* lang_text(TextId id) { return id < TEXT_COUNT ? lang().texts[id].text : ""; }
