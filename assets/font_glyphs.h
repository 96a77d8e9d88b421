// Every glyph of a face, codes 32..255: the cells drawn in its art, the accented letters composed
// from a base letter and an accent mark, and the codes no character table reaches left empty.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assets/font_art.h"
#include "assets/font_face.h"

constexpr int32_t FONT_LO = 32;
constexpr int32_t FONT_HI = 255;
constexpr int32_t FONT_GLYPHS = FONT_HI - FONT_LO + 1;

struct FontGlyphs {
    std::vector<GlyphBitmap> glyphs;  // index code - FONT_LO
    std::vector<uint8_t> present;     // 1 = the code has a glyph of its own
};

// Builds the glyphs; false, with a message, when the art is malformed or misses a code the game's
// texts can reach (printable ASCII and the Latin-1 letters and signs of the character tables).
bool font_glyphs_build(const FontFace& face, FontGlyphs* out, std::string* error);
