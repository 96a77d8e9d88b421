// The three character tables that turn the texts' DOS code-page characters 128..255 into the
// Latin-1 codes of the font files (0 = not drawn). g_charset_mode picks one (font.h).
#pragma once

#include <cstdint>

extern const uint8_t g_charset_common[128];
extern const uint8_t g_charset_portuguese[128];
extern const uint8_t g_charset_nordic[128];

// The table of a mode: 1 Portuguese, 2 Nordic, anything else the common one.
const uint8_t* charset_table(uint32_t mode);
