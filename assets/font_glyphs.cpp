#include "assets/font_glyphs.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "assets/font_cells.h"

namespace {

// The Latin-1 signs and letters the character tables send text characters to, besides ASCII.
constexpr uint8_t kLatin1Codes[] = {161, 162, 163, 165, 171, 172, 173, 175, 176, 177, 178, 181, 186, 187, 188,
                                    189, 191, 195, 196, 197, 198, 199, 201, 209, 211, 212, 213, 214, 216, 217,
                                    219, 220, 223, 224, 225, 226, 227, 228, 229, 230, 231, 232, 233, 234, 235,
                                    236, 237, 238, 239, 241, 242, 245, 246, 248, 250, 252, 255};

struct Composition {
    uint8_t code;
    const char* base;
    const char* accent;
};

// Accented letters built from a base letter and a mark, unless the art draws them itself. The slots
// 211, 212, 217 and 219 hold lower-case letters: the tables send o acute, o circumflex, u grave and
// u circumflex there, and no text needs the capitals.
constexpr Composition kCompositions[] = {
    {195, "A", "tilde"},      {196, "A", "diaeresis"},  {197, "A", "ring"},           {199, "C", "cedilla"},
    {201, "E", "acute"},      {209, "N", "tilde"},      {211, "o", "acute"},          {212, "o", "circumflex"},
    {213, "O", "tilde"},      {214, "O", "diaeresis"},  {217, "u", "grave"},          {219, "u", "circumflex"},
    {220, "U", "diaeresis"},  {224, "a", "grave"},      {225, "a", "acute"},          {226, "a", "circumflex"},
    {227, "a", "tilde"},      {228, "a", "diaeresis"},  {229, "a", "ring"},           {231, "c", "cedilla"},
    {232, "e", "grave"},      {233, "e", "acute"},      {234, "e", "circumflex"},     {235, "e", "diaeresis"},
    {236, "dotless_i", "grave"}, {237, "dotless_i", "acute"}, {238, "dotless_i", "circumflex"},
    {239, "dotless_i", "diaeresis"}, {241, "n", "tilde"}, {242, "o", "grave"},        {245, "o", "tilde"},
    {246, "o", "diaeresis"},  {250, "u", "acute"},      {252, "u", "diaeresis"},      {255, "y", "diaeresis"},
};

// The art's label of a code: the character in UTF-8.
std::string code_label(int32_t code) {
    if (code == 32) return "space";
    if (code < 128) return std::string(1, static_cast<char>(code));
    std::string label;
    label += static_cast<char>(0xC0 | (code >> 6));
    label += static_cast<char>(0x80 | (code & 0x3F));
    return label;
}

bool is_capital(const std::string& base) { return base.size() == 1 && base[0] >= 'A' && base[0] <= 'Z'; }

void set_ink(GlyphCell* cell, int32_t x, int32_t y, uint8_t value) {
    cell->ink[static_cast<size_t>(y * cell->width + x)] = value;
}

bool rows_equal(const GlyphCell& cell, int32_t a, int32_t b) {
    for (int32_t x = 0; x < cell.width; ++x)
        if (cell_ink(cell, x, a) != cell_ink(cell, x, b)) return false;
    return true;
}

// Shortens a letter by one row between its top and its baseline so a mark fits above it: drops a
// row that repeats the one above it (a straight stretch of the stems), nearest the middle, and
// moves everything above it down.
void squeeze_one_row(GlyphCell* cell, int32_t top, int32_t baseline) {
    int32_t middle = (top + baseline) / 2;
    int32_t drop = -1;
    for (int32_t y = top + 1; y <= baseline; ++y) {
        if (!rows_equal(*cell, y, y - 1)) continue;
        if (drop < 0 || std::abs(y - middle) < std::abs(drop - middle)) drop = y;
    }
    if (drop < 0) drop = middle > top ? middle : top + 1;
    for (int32_t y = drop; y > 0; --y)
        for (int32_t x = 0; x < cell->width; ++x) set_ink(cell, x, y, cell_ink(*cell, x, y - 1));
    for (int32_t x = 0; x < cell->width; ++x) set_ink(cell, x, 0, 0);
}

// A copy of the cell with columns added on its left and right.
GlyphCell widen(const GlyphCell& cell, int32_t left, int32_t right) {
    GlyphCell wide;
    wide.width = cell.width + left + right;
    wide.height = cell.height;
    wide.ink.assign(static_cast<size_t>(wide.width * wide.height), 0);
    for (int32_t y = 0; y < cell.height; ++y)
        for (int32_t x = 0; x < cell.width; ++x) set_ink(&wide, x + left, y, cell_ink(cell, x, y));
    return wide;
}

// Places the mark's cell centred over (or, for the cedilla, under) the base letter's ink, in the
// rows the art draws it. A capital keeps the face's gap below the mark and is shortened when the
// cell is too low for both; the marks of lower-case letters are drawn where they belong.
bool compose(const FontFace& face, const GlyphCell& base_cell, const GlyphCell& mark, bool capital,
             GlyphCell* out, std::string* error) {
    GlyphCell base = base_cell;
    int32_t mark_x0, mark_x1, mark_y0, mark_y1;
    cell_ink_columns(mark, &mark_x0, &mark_x1);
    cell_ink_rows(mark, &mark_y0, &mark_y1);
    int32_t top, bottom;
    cell_ink_rows(base, &top, &bottom);
    if (mark_y0 < face.baseline) {
        int32_t lowest_top = mark_y1 + (capital ? face.accent_gap : 0);
        while (top < lowest_top && top < face.baseline) {
            squeeze_one_row(&base, top, face.baseline);
            ++top;
        }
        if (top < lowest_top) {
            *error = "no room for an accent above a letter";
            return false;
        }
    }
    int32_t base_x0, base_x1;
    cell_ink_columns(base, &base_x0, &base_x1);
    int32_t gap = base.width - base_x1;
    int32_t to_x = base_x0 + (base_x1 - base_x0 - mark.width + 1) / 2;
    int32_t pad_left = to_x + mark_x0 < 0 ? -(to_x + mark_x0) : 0;
    int32_t ink_end = std::max(base_x1, to_x + mark_x1);
    int32_t pad_right = ink_end + gap > base.width ? ink_end + gap - base.width : 0;
    if ((pad_left > 0 || pad_right > 0) && face.fixed_cells) {
        *error = "accent wider than the fixed cell";
        return false;
    }
    *out = widen(base, pad_left, pad_right);
    for (int32_t y = 0; y < mark_y1 - mark_y0; ++y)
        for (int32_t x = mark_x0; x < mark_x1; ++x)
            if (cell_ink(mark, x, mark_y0 + y) != 0) set_ink(out, pad_left + to_x + x, mark_y0 + y, 1);
    return true;
}

// The i without its dot: everything above the first clear row under the top ink goes.
GlyphCell strip_dot(const GlyphCell& i_cell) {
    GlyphCell cell = i_cell;
    int32_t top, bottom;
    cell_ink_rows(cell, &top, &bottom);
    int32_t y = top;
    while (y < bottom) {
        bool clear = true;
        for (int32_t x = 0; x < cell.width; ++x) clear = clear && cell_ink(cell, x, y) == 0;
        if (clear) break;
        ++y;
    }
    for (int32_t r = top; r < y && y < bottom; ++r)
        for (int32_t x = 0; x < cell.width; ++x) set_ink(&cell, x, r, 0);
    return cell;
}

bool bitmap_from_cell(const FontFace& face, const GlyphCell& cell, GlyphBitmap* out, std::string* error) {
    int32_t x0, x1;
    cell_ink_columns(cell, &x0, &x1);
    if (face.fixed_cells) {
        if (cell.width != face.nominal_width) {
            *error = "cell width differs from the fixed width";
            return false;
        }
        x0 = 0;
    }
    out->height = face.height;
    out->width = x1 - x0;
    out->left = out->width > 0 ? x0 : 0;
    out->advance = face.fixed_cells ? face.nominal_width : cell.width;
    out->ink.assign(static_cast<size_t>(out->width * out->height), 0);
    for (int32_t y = 0; y < face.height; ++y)
        for (int32_t x = 0; x < out->width; ++x)
            out->ink[static_cast<size_t>(y * out->width + x)] = cell_ink(cell, x0 + x, y);
    return true;
}

bool required(int32_t code) {
    if (code >= 32 && code <= 126) return true;
    for (uint8_t c : kLatin1Codes)
        if (c == code) return true;
    return false;
}

}  // namespace

bool font_glyphs_build(const FontFace& face, FontGlyphs* out, std::string* error) {
    std::map<std::string, GlyphCell> cells;
    std::string why;
    if (!font_cells_parse(face.art, face.height, &cells, &why)) {
        *error = std::string(face.file_name) + ": " + why;
        return false;
    }
    if (cells.count("dotless_i") == 0 && cells.count("i") != 0) cells["dotless_i"] = strip_dot(cells["i"]);
    if (cells.count(code_label(173)) == 0 && cells.count("-") != 0) cells[code_label(173)] = cells["-"];
    for (const Composition& c : kCompositions) {
        std::string label = code_label(c.code);
        if (cells.count(label) != 0) continue;
        std::string accent = c.accent;
        // A face may draw a flatter mark for capitals, under the mark's name in capitals.
        if (is_capital(c.base)) {
            std::string capital_accent;
            for (char ch : accent) capital_accent += static_cast<char>(ch - 'a' + 'A');
            if (cells.count(capital_accent) != 0) accent = capital_accent;
        }
        if (cells.count(c.base) == 0 || cells.count(accent) == 0) continue;
        GlyphCell composed;
        if (!compose(face, cells[c.base], cells[accent], is_capital(c.base), &composed, &why)) {
            *error = std::string(face.file_name) + ": code " + std::to_string(c.code) + ": " + why;
            return false;
        }
        cells[label] = composed;
    }
    out->glyphs.assign(FONT_GLYPHS, GlyphBitmap{0, face.height, face.nominal_width, 0, {}});
    out->present.assign(FONT_GLYPHS, 0);
    for (int32_t code = FONT_LO; code <= FONT_HI; ++code) {
        auto found = cells.find(code_label(code));
        if (found == cells.end()) {
            if (required(code)) {
                *error = std::string(face.file_name) + ": no glyph for code " + std::to_string(code);
                return false;
            }
            continue;
        }
        if (!bitmap_from_cell(face, found->second, &out->glyphs[code - FONT_LO], &why)) {
            *error = std::string(face.file_name) + ": code " + std::to_string(code) + ": " + why;
            return false;
        }
        if (code != 32 && required(code) && out->glyphs[code - FONT_LO].width == 0) {
            *error = std::string(face.file_name) + ": the glyph of code " + std::to_string(code) + " is empty";
            return false;
        }
        out->present[code - FONT_LO] = 1;
    }
    return true;
}
