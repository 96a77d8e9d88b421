// Glyph cells read from a face's glyph art (font_face.h explains the art's layout).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct GlyphCell {
    int32_t width = 0;         // the cell's columns, i.e. its advance
    int32_t height = 0;        // the font's rows
    std::vector<uint8_t> ink;  // width * height, row-major, 1 = ink
};

// The ink at (column, row) of a cell, 0 outside it.
uint8_t cell_ink(const GlyphCell& cell, int32_t column, int32_t row);
// The first and one past the last column (row) that hold ink; both 0 for an empty cell.
void cell_ink_columns(const GlyphCell& cell, int32_t* first, int32_t* end);
void cell_ink_rows(const GlyphCell& cell, int32_t* first, int32_t* end);

// Reads every strip of the art into cells keyed by label. False, with a message naming the line,
// when a strip is malformed or a label repeats.
bool font_cells_parse(const char* art, int32_t height, std::map<std::string, GlyphCell>* cells,
                      std::string* error);
