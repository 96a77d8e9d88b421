#include "tests/engine/font_fixture.h"

namespace {

const char kPrefix[] = {0x00, 0x00, 0x03, static_cast<char>(0xF3), 0x4E, 0x00, 0x75, 0x4E,
                        0x71, 0x70, static_cast<char>(0xFF), 0x4E, 0x75};

}  // namespace

size_t fixture_header_at() { return sizeof kPrefix + 54; }
size_t fixture_block_at() { return fixture_header_at() + 52; }

void fixture_patch16(std::string* file, size_t at, uint32_t value) {
    (*file)[at] = static_cast<char>(value >> 8);
    (*file)[at + 1] = static_cast<char>(value);
}

void fixture_patch32(std::string* file, size_t at, uint32_t value) {
    fixture_patch16(file, at, value >> 16);
    fixture_patch16(file, at + 2, value & 0xFFFF);
}

std::string fixture_font_file(const FixtureOptions& options) {
    std::string file(kPrefix, sizeof kPrefix);
    file += std::string(54, 'd');  // disk-font header, skipped
    file += std::string(52, '\0');
    file += std::string(FIXTURE_BLOCK_SIZE, '\0');
    file += "rest of the hunk, not read";
    size_t h = fixture_header_at();
    fixture_patch16(&file, h + 18, FIXTURE_BLOCK_SIZE);
    fixture_patch16(&file, h + 20, FIXTURE_HEIGHT);
    fixture_patch16(&file, h + 24, FIXTURE_NOMINAL);
    fixture_patch16(&file, h + 26, 2);
    file[h + 32] = static_cast<char>(FIXTURE_LO);
    file[h + 33] = static_cast<char>(FIXTURE_HI);
    fixture_patch32(&file, h + 34, 110);
    fixture_patch16(&file, h + 38, FIXTURE_MODULO);
    fixture_patch32(&file, h + 40, 110 + FIXTURE_LOC);
    fixture_patch32(&file, h + 44, options.spacing_table ? 110 + FIXTURE_SPACE : 0);
    fixture_patch32(&file, h + 48, options.kerning_table ? 110 + FIXTURE_KERN : 0);
    // Strike rows, 16 bits each: A at bits 0..2, B at 3..4, D at 5..8.
    //   row 0: #.#|##|#..#   row 1: .#.|#.|.##.   row 2: ###|.#|#..#
    const char* rows[3] = {"101111001", "010100110", "111011001"};
    size_t b = fixture_block_at();
    for (uint32_t r = 0; r < FIXTURE_HEIGHT; ++r) {
        uint32_t bits = 0;
        for (int k = 0; k < 9; ++k)
            if (rows[r][k] == '1') bits |= 0x8000u >> k;
        fixture_patch16(&file, b + r * FIXTURE_MODULO, bits);
    }
    const uint32_t location[4][2] = {{0, 3}, {3, 2}, {9, 0}, {5, 4}};
    const uint32_t spacing[4] = {4, 0, 3, 6};
    const uint32_t kerning[4] = {0, 1, 5, 2};
    for (size_t g = 0; g < 4; ++g) {
        fixture_patch16(&file, b + FIXTURE_LOC + 4 * g, location[g][0]);
        fixture_patch16(&file, b + FIXTURE_LOC + 4 * g + 2, location[g][1]);
        fixture_patch16(&file, b + FIXTURE_SPACE + 2 * g, spacing[g]);
        fixture_patch16(&file, b + FIXTURE_KERN + 2 * g, kerning[g]);
    }
    return file;
}
