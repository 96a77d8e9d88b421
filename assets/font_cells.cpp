#include "assets/font_cells.h"

#include <sstream>

uint8_t cell_ink(const GlyphCell& cell, int32_t column, int32_t row) {
    if (column < 0 || column >= cell.width || row < 0 || row >= cell.height) return 0;
    return cell.ink[static_cast<size_t>(row * cell.width + column)];
}

void cell_ink_columns(const GlyphCell& cell, int32_t* first, int32_t* end) {
    *first = 0;
    *end = 0;
    bool found = false;
    for (int32_t x = 0; x < cell.width; ++x) {
        for (int32_t y = 0; y < cell.height; ++y) {
            if (cell_ink(cell, x, y) == 0) continue;
            if (!found) *first = x;
            found = true;
            *end = x + 1;
        }
    }
}

void cell_ink_rows(const GlyphCell& cell, int32_t* first, int32_t* end) {
    *first = 0;
    *end = 0;
    bool found = false;
    for (int32_t y = 0; y < cell.height; ++y) {
        for (int32_t x = 0; x < cell.width; ++x) {
            if (cell_ink(cell, x, y) == 0) continue;
            if (!found) *first = y;
            found = true;
            *end = y + 1;
        }
    }
}

namespace {

std::vector<std::string> split_tokens(const std::string& line) {
    std::vector<std::string> tokens;
    std::istringstream in(line);
    std::string token;
    while (in >> token) tokens.push_back(token);
    return tokens;
}

bool blank_line(const std::string& line) { return line.find_first_not_of(" \t\r") == std::string::npos; }

std::string line_error(int32_t line_number, const std::string& what) {
    return "glyph art line " + std::to_string(line_number) + ": " + what;
}

}  // namespace

bool font_cells_parse(const char* art, int32_t height, std::map<std::string, GlyphCell>* cells,
                      std::string* error) {
    std::vector<std::string> lines;
    std::istringstream in(art);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    size_t i = 0;
    while (i < lines.size()) {
        if (blank_line(lines[i])) {
            ++i;
            continue;
        }
        int32_t label_line = static_cast<int32_t>(i) + 1;
        std::vector<std::string> labels = split_tokens(lines[i]);
        std::vector<GlyphCell> strip(labels.size());
        for (GlyphCell& cell : strip) cell.height = height;
        for (int32_t row = 0; row < height; ++row) {
            size_t at = i + 1 + static_cast<size_t>(row);
            int32_t line_number = static_cast<int32_t>(at) + 1;
            if (at >= lines.size() || blank_line(lines[at])) {
                *error = line_error(label_line, "strip has fewer rows than the font's height");
                return false;
            }
            std::vector<std::string> tokens = split_tokens(lines[at]);
            if (tokens.size() != labels.size()) {
                *error = line_error(line_number, "row has " + std::to_string(tokens.size()) + " glyphs, labels " +
                                                     std::to_string(labels.size()));
                return false;
            }
            for (size_t g = 0; g < tokens.size(); ++g) {
                GlyphCell& cell = strip[g];
                if (row == 0) cell.width = static_cast<int32_t>(tokens[g].size());
                if (static_cast<int32_t>(tokens[g].size()) != cell.width) {
                    *error = line_error(line_number, "rows of '" + labels[g] + "' differ in width");
                    return false;
                }
                for (char c : tokens[g]) {
                    if (c != '#' && c != '.') {
                        *error = line_error(line_number, "row of '" + labels[g] + "' holds a character other than # and .");
                        return false;
                    }
                    cell.ink.push_back(c == '#' ? 1 : 0);
                }
            }
        }
        size_t after = i + 1 + static_cast<size_t>(height);
        if (after < lines.size() && !blank_line(lines[after])) {
            *error = line_error(static_cast<int32_t>(after) + 1, "strip has more rows than the font's height");
            return false;
        }
        for (size_t g = 0; g < labels.size(); ++g) {
            if (!cells->emplace(labels[g], strip[g]).second) {
                *error = line_error(label_line, "label '" + labels[g] + "' repeats");
                return false;
            }
        }
        i = after;
    }
    return true;
}
