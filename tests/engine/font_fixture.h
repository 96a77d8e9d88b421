// A small hand-made font file for the loader and glyph tests: codes 'A'..'D', 3 rows, nominal
// advance 7, with spacing and kerning tables.
//
//   code  columns  width  spacing  kern   rows
//   'A'   0..2     3      4        0      #.#  .#.  ###
//   'B'   3..4     2      0        1      ##   #.   .#     (spacing 0: nominal)
//   'C'   -        0      3        5                       (no ink: kern ignored)
//   'D'   5..8     4      6        2      #..#  .##.  #..#  (the last glyph stands in)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr uint32_t FIXTURE_LO = 'A';
constexpr uint32_t FIXTURE_HI = 'D';
constexpr uint32_t FIXTURE_HEIGHT = 3;
constexpr uint32_t FIXTURE_NOMINAL = 7;
constexpr uint32_t FIXTURE_MODULO = 2;
constexpr uint32_t FIXTURE_BLOCK_SIZE = 38;
// Block offsets of the tables.
constexpr int32_t FIXTURE_LOC = 6;
constexpr int32_t FIXTURE_SPACE = 22;
constexpr int32_t FIXTURE_KERN = 30;

struct FixtureOptions {
    bool spacing_table = true;
    bool kerning_table = true;
};

// The whole file. Its prefix holds a lone 0x4E and a 0x4E 0x00 0x75 that are not the marker.
std::string fixture_font_file(const FixtureOptions& options = {});
// Position in the file of the 52-byte font header and of the glyph block.
size_t fixture_header_at();
size_t fixture_block_at();
// Overwrites a big-endian field of the font header or the block.
void fixture_patch16(std::string* file, size_t at, uint32_t value);
void fixture_patch32(std::string* file, size_t at, uint32_t value);
