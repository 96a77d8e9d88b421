#include "assets/font_file.h"

#include <cstring>

namespace {

// Hunk ids of the loadable-file format.
constexpr uint32_t kHunkHeader = 0x3F3;
constexpr uint32_t kHunkCode = 0x3E9;
constexpr uint32_t kHunkEnd = 0x3F2;

// Offsets inside the font hunk: two instructions (return -1 when run), the 54-byte disk-font
// header, the 52-byte font header, then the glyph block. Table positions count from the hunk.
constexpr uint32_t kDiskFontHeader = 4;
constexpr uint32_t kFontHeader = kDiskFontHeader + 54;
constexpr uint32_t kGlyphBlock = kFontHeader + 52;
constexpr uint32_t kDiskFontName = kDiskFontHeader + 22;

void put16(std::vector<uint8_t>* out, size_t at, uint32_t value) {
    (*out)[at] = static_cast<uint8_t>(value >> 8);
    (*out)[at + 1] = static_cast<uint8_t>(value);
}

void put32(std::vector<uint8_t>* out, size_t at, uint32_t value) {
    put16(out, at, value >> 16);
    put16(out, at + 2, value & 0xFFFF);
}

void append32(std::vector<uint8_t>* out, uint32_t value) {
    out->resize(out->size() + 4);
    put32(out, out->size() - 4, value);
}

// The glyph block: strike, then location (4 bytes a glyph), spacing and kerning (2 each). Offsets
// of the tables are returned relative to the block.
struct Block {
    std::vector<uint8_t> bytes;
    uint32_t modulo;
    uint32_t location;
    uint32_t spacing;  // 0 = no table
    uint32_t kerning;  // 0 = no table
};

bool build_block(const FontFace& face, const FontGlyphs& glyphs, Block* block, std::string* error) {
    uint32_t bits = 0;
    for (const GlyphBitmap& g : glyphs.glyphs) bits += static_cast<uint32_t>(g.width);
    if (bits > 0xFFFF) {
        *error = "glyph strike wider than 65535 columns";
        return false;
    }
    block->modulo = (bits + 15) / 16 * 2;
    uint32_t strike = block->modulo * static_cast<uint32_t>(face.height);
    uint32_t n = static_cast<uint32_t>(glyphs.glyphs.size());
    block->location = strike;
    block->spacing = face.fixed_cells ? 0 : strike + 4 * n;
    block->kerning = face.fixed_cells ? 0 : strike + 6 * n;
    uint32_t size = face.fixed_cells ? strike + 4 * n : strike + 8 * n;
    if (size > 0xFFFF) {
        *error = "glyph block larger than 65535 bytes";
        return false;
    }
    block->bytes.assign(size, 0);
    uint32_t column = 0;
    for (uint32_t g = 0; g < n; ++g) {
        const GlyphBitmap& glyph = glyphs.glyphs[g];
        for (int32_t y = 0; y < glyph.height; ++y) {
            for (int32_t x = 0; x < glyph.width; ++x) {
                if (glyph.ink[static_cast<size_t>(y * glyph.width + x)] == 0) continue;
                uint32_t bit = column + static_cast<uint32_t>(x);
                block->bytes[static_cast<size_t>(y) * block->modulo + bit / 8] |=
                    static_cast<uint8_t>(0x80u >> (bit % 8));
            }
        }
        put16(&block->bytes, block->location + 4 * g, column);
        put16(&block->bytes, block->location + 4 * g + 2, static_cast<uint32_t>(glyph.width));
        if (!face.fixed_cells) {
            // A glyph the game never reaches keeps a spacing of 0, the nominal width.
            uint32_t spacing = glyphs.present[g] != 0 ? static_cast<uint32_t>(glyph.advance - glyph.left) : 0;
            put16(&block->bytes, block->spacing + 2 * g, spacing);
            put16(&block->bytes, block->kerning + 2 * g, static_cast<uint32_t>(glyph.left));
        }
        column += static_cast<uint32_t>(glyph.width);
    }
    return true;
}

uint32_t hunk_position(uint32_t block_offset) { return kGlyphBlock + block_offset; }

}  // namespace

bool font_file_bytes(const FontFace& face, const FontGlyphs& glyphs, std::vector<uint8_t>* bytes,
                     std::string* error) {
    Block block;
    if (!build_block(face, glyphs, &block, error)) return false;
    std::vector<uint8_t> hunk(kGlyphBlock + block.bytes.size(), 0);
    hunk.resize((hunk.size() + 3) / 4 * 4, 0);
    put16(&hunk, 0, 0x70FF);  // moveq #-1,d0
    put16(&hunk, 2, 0x4E75);  // rts
    // Disk-font header: node (successor, predecessor, type 12 = font, priority, name), file id,
    // revision, segment, then the font's name.
    hunk[kDiskFontHeader + 8] = 12;
    put32(&hunk, kDiskFontHeader + 10, kDiskFontName);
    put16(&hunk, kDiskFontHeader + 14, 0x0F80);
    std::strncpy(reinterpret_cast<char*>(&hunk[kDiskFontName]), face.name, 31);
    // Font header: the message part (node type 12, name, block size as its length), then the
    // metrics and the positions of the strike and its tables.
    size_t h = kFontHeader;
    hunk[h + 8] = 12;
    put32(&hunk, h + 10, kDiskFontName);
    put16(&hunk, h + 18, static_cast<uint32_t>(block.bytes.size()));
    put16(&hunk, h + 20, static_cast<uint32_t>(face.height));
    hunk[h + 22] = face.bold ? 0x02 : 0x00;                 // style: bold
    hunk[h + 23] = face.fixed_cells ? 0x42 : 0x62;          // designed, disk font, proportional
    put16(&hunk, h + 24, static_cast<uint32_t>(face.nominal_width));
    put16(&hunk, h + 26, static_cast<uint32_t>(face.baseline));
    put16(&hunk, h + 28, 1);                                // bold smear
    hunk[h + 32] = FONT_LO;
    hunk[h + 33] = FONT_HI;
    put32(&hunk, h + 34, hunk_position(0));
    put16(&hunk, h + 38, block.modulo);
    put32(&hunk, h + 40, hunk_position(block.location));
    put32(&hunk, h + 44, block.spacing != 0 ? hunk_position(block.spacing) : 0);
    put32(&hunk, h + 48, block.kerning != 0 ? hunk_position(block.kerning) : 0);
    std::memcpy(&hunk[kGlyphBlock], block.bytes.data(), block.bytes.size());

    uint32_t longs = static_cast<uint32_t>(hunk.size() / 4);
    bytes->clear();
    append32(bytes, kHunkHeader);
    append32(bytes, 0);  // no resident libraries
    append32(bytes, 1);  // one hunk, numbered 0..0
    append32(bytes, 0);
    append32(bytes, 0);
    append32(bytes, longs);
    append32(bytes, kHunkCode);
    append32(bytes, longs);
    size_t hunk_start = bytes->size();
    bytes->insert(bytes->end(), hunk.begin(), hunk.end());
    append32(bytes, kHunkEnd);
    // The loader skips to the first 0x4E 0x75 pair: it must be the return of the font hunk.
    for (size_t i = 1; i < bytes->size(); ++i) {
        if ((*bytes)[i - 1] == 0x4E && (*bytes)[i] == 0x75) {
            if (i != hunk_start + 3) {
                *error = "a 0x4E 0x75 pair comes before the font hunk";
                return false;
            }
            break;
        }
    }
    return true;
}
