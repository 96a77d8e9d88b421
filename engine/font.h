// Proportional bitmap fonts read from disk-font files, glyph drawing with spacing and kerning, text
// widths, and the character tables that map the texts' DOS code page to the fonts' Latin-1 codes.
#pragma once

#include <cstdint>

struct Font {
    uint8_t header[52];  // the FontHeader as read (big-endian fields)
    uint8_t* data;       // the glyph block; null = not loaded
    uint32_t height;
    uint32_t width;
    uint32_t baseline;
    uint32_t modulo;
    int32_t bitmap_off;
    int32_t loc_off;
    int32_t space_off;  // -110 = no table
    int32_t kern_off;   // -110 = no table
    uint32_t data_size;  // bytes in data (the block size of the header)
};

extern Font g_default_font;
extern uint32_t g_charset_mode;

int32_t font_load(const char* file_name, Font* font);
void font_free(Font* font);
uint32_t font_set_charset(uint32_t mode);
void font_translate_char(uint8_t* c);
int32_t font_char_advance(const Font* font, uint8_t c);
int32_t font_text_width(const Font* font, const char* text);
int32_t font_draw_char(const Font* font, uint8_t c, int32_t x, int32_t y);
int32_t font_draw_text(const Font* font, const char* text, int32_t x, int32_t y);
