// Test seam of the glyph drawing, null in the game: told of every glyph drawn, with its character,
// pen position, advance and the box of the pixels it sets before the screen's clipping (x0 > x1
// when it sets none). first is 1 for the first glyph of a font_draw_text call, 0 for the others of
// that call, -1 for a glyph drawn alone by font_draw_char.
#pragma once

#include <cstdint>

#include "engine/font.h"

struct GlyphDrawn {
    const Font* font;
    uint8_t c;  // as given, before the character table
    int32_t pen_x, pen_y, advance;
    int32_t x0, y0, x1, y1;
    int32_t first;
};
using GlyphDrawnHook = void (*)(const GlyphDrawn& glyph);
extern GlyphDrawnHook g_glyph_drawn_hook;
