// The printf conversions of a text, as the game's formatting reads them: flags, width, precision,
// length and conversion; "%%" is no conversion.
#pragma once

#include <cstdint>

struct FormatConversion {
    char written[16];  // the conversion as written, e.g. "%3.3s", "%ld"
    char conversion;
};

enum : int32_t { FORMAT_MAX_CONVERSIONS = 16 };

// Fills out with the text's conversions in order and returns their count, or -1 when the text holds
// a conversion the game never passes ("%n", a "*" width or precision, an unknown letter, a cut-off
// "%" at the end) or more than FORMAT_MAX_CONVERSIONS.
int32_t format_conversions(const char* text, FormatConversion* out);
