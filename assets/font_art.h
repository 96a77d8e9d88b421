// The glyph art of the game's four fonts, as the font files hold it: other generators (the
// instructions picture, text drawn by the host's dialogs) draw text with the same glyphs.
#pragma once

#include <cstdint>
#include <vector>

enum FontId { FONT_SYS8, FONT_SYS13, FONT_SYS7B, FONT_SYS8B };

struct GlyphBitmap {
    int32_t width;
    int32_t height;
    int32_t advance;
    int32_t left;
    std::vector<uint8_t> ink;
};  // ink: width*height, 1 = ink, row-major; left = kerning offset

// The glyph of a Latin-1 code in a font: width and ink as in the strike (width 0 for codes without
// a glyph), height the font's, advance the pen step (spacing + left), left the offset of the ink
// from the pen. False when the code has no glyph of its own in the font (below 32, unreachable).
bool font_art_glyph(FontId font, uint8_t latin1_code, GlyphBitmap* out);
