// Typed text arrives as UTF-8; the game works in its build's DOS code page. These turn one into
// the other.
#pragma once

#include <cstdint>

enum CodePage : int32_t { CODE_PAGE_437 = 437, CODE_PAGE_860 = 860, CODE_PAGE_865 = 865 };

constexpr uint32_t UTF8_INVALID = 0xFFFD;

// Decodes the character at *text and moves *text past it. A malformed or overlong sequence gives
// UTF8_INVALID and skips only the bytes that belonged to it. *text must not point at the NUL.
uint32_t utf8_next(const char** text);
// The byte of a Unicode character in the code page, or -1 when the code page has no such character.
int32_t code_page_encode(CodePage page, uint32_t ch);
