// The disk-font file of a face: a loadable hunk whose font data follows a disk-font header, with
// big-endian fields, holding the glyph strike and its location, spacing and kerning tables.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assets/font_face.h"
#include "assets/font_glyphs.h"

// The whole file; false, with a message, when the glyphs do not fit the format.
bool font_file_bytes(const FontFace& face, const FontGlyphs& glyphs, std::vector<uint8_t>* bytes,
                     std::string* error);
