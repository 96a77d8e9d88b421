#include "lang/encode.h"

namespace {

// Code page 437, characters 128..255, as Unicode.
const uint16_t kCp437[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

struct Override {
    uint8_t byte;
    uint16_t ch;
};

// Where code pages 860 and 865 differ from 437 (the rest is the same).
const Override kCp860[] = {
    {132, 0x00E3}, {134, 0x00C1}, {137, 0x00CA}, {139, 0x00CD}, {140, 0x00D4}, {142, 0x00C3},
    {143, 0x00C2}, {145, 0x00C0}, {146, 0x00C8}, {148, 0x00F5}, {150, 0x00DA}, {152, 0x00CC},
    {153, 0x00D5}, {157, 0x00D9}, {159, 0x00D3}, {169, 0x00D2},
};
const Override kCp865[] = {{155, 0x00F8}, {157, 0x00D8}, {175, 0x00A4}};

uint32_t page_char(uint32_t mode, uint32_t byte) {
    const Override* table = nullptr;
    uint32_t count = 0;
    if (mode == 1) table = kCp860, count = sizeof kCp860 / sizeof kCp860[0];
    if (mode == 2) table = kCp865, count = sizeof kCp865 / sizeof kCp865[0];
    for (uint32_t i = 0; i < count; ++i)
        if (table[i].byte == byte) return table[i].ch;
    return kCp437[byte - 128];
}

}  // namespace

uint32_t lang_utf8_next(const char** text) {
    const auto* p = reinterpret_cast<const unsigned char*>(*text);
    uint32_t c = p[0];
    uint32_t extra = 0;
    uint32_t min = 0;
    if (c < 0x80) {
        *text += 1;
        return c;
    }
    if ((c & 0xE0) == 0xC0) extra = 1, c &= 0x1F, min = 0x80;
    else if ((c & 0xF0) == 0xE0) extra = 2, c &= 0x0F, min = 0x800;
    else if ((c & 0xF8) == 0xF0) extra = 3, c &= 0x07, min = 0x10000;
    else {
        *text += 1;
        return LANG_UTF8_INVALID;
    }
    for (uint32_t i = 1; i <= extra; ++i) {
        if ((p[i] & 0xC0) != 0x80) {
            *text += 1;
            return LANG_UTF8_INVALID;
        }
        c = (c << 6) | (p[i] & 0x3F);
    }
    *text += 1 + extra;
    return c < min || c > 0x10FFFF ? LANG_UTF8_INVALID : c;
}

int32_t lang_encode_char(uint32_t charset_mode, uint32_t ch) {
    if (ch < 0x80) return static_cast<int32_t>(ch);
    for (uint32_t b = 128; b < 256; ++b)
        if (page_char(charset_mode, b) == ch) return static_cast<int32_t>(b);
    if (charset_mode == 0 && ch == 0x00F8) return 237;
    return -1;
}

int32_t lang_encode(uint32_t charset_mode, const char* text, char* out, uint32_t size) {
    if (size == 0) return -1;
    uint32_t n = 0;
    bool ok = true;
    while (*text != '\0') {
        int32_t b = lang_encode_char(charset_mode, lang_utf8_next(&text));
        if (b < 0) ok = false, b = '?';
        if (n + 1 >= size) {
            ok = false;
            break;
        }
        out[n++] = static_cast<char>(b);
    }
    out[n] = '\0';
    return ok ? static_cast<int32_t>(n) : -1;
}
