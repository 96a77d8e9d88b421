// The texts are written in UTF-8; the game draws them in its build's DOS code page. These turn one
// into the other for a character table (0 common / code page 437, 1 Portuguese / 860, 2 Nordic / 865).
#pragma once

#include <cstdint>

constexpr uint32_t LANG_UTF8_INVALID = 0xFFFD;

// Decodes the character at *text and moves *text past it (a malformed sequence gives
// LANG_UTF8_INVALID and skips one byte). *text must not point at the NUL.
uint32_t lang_utf8_next(const char** text);
// The code-page byte of a Unicode character for the table, or -1 when there is none. Besides the
// code page itself the common table writes o with stroke as 237 (drawn as that letter).
int32_t lang_encode_char(uint32_t charset_mode, uint32_t ch);
// Encodes text into out (NUL-terminated, at most size bytes with the NUL). Returns the length, or
// -1 when a character has no byte (it is written as '?') or out is too small (the text is cut).
int32_t lang_encode(uint32_t charset_mode, const char* text, char* out, uint32_t size);
