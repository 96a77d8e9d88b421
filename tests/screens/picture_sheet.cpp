// Writes every picture of the two picture files with its own palette, and a contact sheet of all
// 45 at half size on one page, so the art can be reviewed at a glance.
#include "tests/screens/picture_sheet.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include "engine/frame.h"
#include "engine/picture.h"
#include "tests/screens/png_writer.h"

namespace {

constexpr int32_t SHEET_COLUMNS = 5;
constexpr int32_t CELL_WIDTH = SCREEN_WIDTH / 2;
constexpr int32_t CELL_HEIGHT = SCREEN_HEIGHT / 2;
constexpr int32_t GAP = 4;

bool write_file(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

// The palette as 8-bit red, green, blue triples (the game palette holds blue, green, red at 6 bits
// times 4).
void palette_rgb(uint8_t rgb[256 * 3]) {
    for (int32_t i = 0; i < 256; ++i)
        for (int32_t c = 0; c < 3; ++c) {
            uint8_t v = g_game_palette[i][2 - c];
            rgb[i * 3 + c] = static_cast<uint8_t>(v | (v >> 6));
        }
}

// One picture into its cell of the sheet, each cell pixel the mean of a 2 x 2 block.
void put_cell(std::vector<uint8_t>* sheet, int32_t sheet_width, int32_t cell, const uint8_t* pixels,
              const uint8_t rgb[256 * 3]) {
    int32_t left = GAP + (cell % SHEET_COLUMNS) * (CELL_WIDTH + GAP);
    int32_t top = GAP + (cell / SHEET_COLUMNS) * (CELL_HEIGHT + GAP);
    for (int32_t y = 0; y < CELL_HEIGHT; ++y)
        for (int32_t x = 0; x < CELL_WIDTH; ++x)
            for (int32_t c = 0; c < 3; ++c) {
                int32_t sum = 0;
                for (int32_t dy = 0; dy < 2; ++dy)
                    for (int32_t dx = 0; dx < 2; ++dx)
                        sum += rgb[pixels[(2 * y + dy) * SCREEN_WIDTH + 2 * x + dx] * 3 + c];
                (*sheet)[((top + y) * sheet_width + left + x) * 3 + c] = static_cast<uint8_t>(sum / 4);
            }
}

}  // namespace

int32_t screens_write_pictures(const std::filesystem::path& out) {
    std::error_code ec;
    std::filesystem::create_directories(out / "pictures", ec);
    int32_t rows = (PICTURE_COUNT + SHEET_COLUMNS - 1) / SHEET_COLUMNS;
    int32_t sheet_width = GAP + SHEET_COLUMNS * (CELL_WIDTH + GAP);
    int32_t sheet_height = GAP + rows * (CELL_HEIGHT + GAP);
    std::vector<uint8_t> sheet(static_cast<size_t>(sheet_width) * sheet_height * 3, 48);
    static uint8_t pixels[SCREEN_BYTES];
    for (int32_t n = 1; n <= PICTURE_COUNT; ++n) {
        if (picture_load(n, pixels) != 0) {
            std::fprintf(stderr, "screens: picture %d cannot be loaded\n", n);
            return 0;
        }
        uint8_t rgb[256 * 3];
        palette_rgb(rgb);
        char name[32];
        std::snprintf(name, sizeof name, "picture_%02d.png", n);
        if (!write_file(out / "pictures" / name, png_encode_indexed(pixels, SCREEN_WIDTH, SCREEN_HEIGHT, rgb))) {
            std::fprintf(stderr, "screens: cannot write %s\n", name);
            return 0;
        }
        put_cell(&sheet, sheet_width, n - 1, pixels, rgb);
    }
    if (!write_file(out / "pictures" / "contact_sheet.png",
                    png_encode_rgb(sheet.data(), static_cast<uint32_t>(sheet_width),
                                   static_cast<uint32_t>(sheet_height)))) {
        std::fprintf(stderr, "screens: cannot write the contact sheet\n");
        return 0;
    }
    return 1;
}
