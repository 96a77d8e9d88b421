// The description of one of the game's fonts: its file, metrics and glyph art. The art is a text of
// strips separated by blank lines; a strip is a line of labels followed by one line per glyph row,
// each line holding one token per glyph. A label is the character itself (UTF-8, Latin-1 only),
// "space", or the name of a building block ("acute", "dotless_i", ...). A row token is the glyph's
// whole cell, pen step included: '#' is ink, '.' is background, and its length is the advance.
// An accent is drawn in the rows it is meant for and its cell is centred over the letter's ink, so
// its blank columns set its offset; capitals may have marks of their own, labelled in capitals.
#pragma once

#include <cstdint>

#include "assets/font_art.h"

struct FontFace {
    const char* file_name;  // lower case, as the game opens it
    const char* name;       // written into the disk-font header
    int32_t height;         // rows of every glyph
    int32_t baseline;       // row the capitals stand on
    int32_t nominal_width;  // advance of glyphs without a spacing entry of their own
    bool fixed_cells;       // every cell nominal_width wide; no spacing or kerning tables
    bool bold;
    int32_t accent_gap;  // clear rows between an accent and the capital under it
    const char* art;
};

extern const FontFace g_face_sys8;
extern const FontFace g_face_sys13;
extern const FontFace g_face_sys7b;
extern const FontFace g_face_sys8b;

const FontFace& font_face(FontId font);
