#include "engine/font.h"
#include "engine/font_seam.h"

#include <cstdlib>

#include "engine/frame.h"
#include "engine/input.h"
#include "host/platform.h"

Font g_default_font = {};
GlyphDrawnHook g_glyph_drawn_hook = nullptr;

namespace {

// Stored positions count from the start of the font's hunk; the glyph block begins 110 bytes later.
constexpr int32_t kBlockStart = 110;

uint32_t read_be16(const uint8_t* p) { return (static_cast<uint32_t>(p[0]) << 8) | p[1]; }

uint32_t read_be32(const uint8_t* p) { return (read_be16(p) << 16) | read_be16(p + 2); }

int32_t stored_position(const uint8_t* p) { return static_cast<int32_t>(read_be32(p) - kBlockStart); }

bool read_exactly(int32_t handle, void* buffer, uint32_t count) {
    return dos_read(handle, buffer, count) == static_cast<int32_t>(count);
}

// Skips every byte up to and including the first 0x4E 0x75 pair.
bool skip_to_marker(int32_t handle) {
    uint8_t previous = 0;
    uint8_t current = 0;
    while (read_exactly(handle, &current, 1)) {
        if (previous == 0x4E && current == 0x75) return true;
        previous = current;
    }
    return false;
}

// A table of count bytes at offset lies wholly inside the block.
bool inside_block(const Font* font, int64_t offset, int64_t count) {
    return offset >= 0 && offset + count <= static_cast<int64_t>(font->data_size);
}

// Every table the drawing reads, and every glyph's columns, lie inside the loaded block.
bool font_tables_valid(const Font* font) {
    uint32_t lo = font->header[32];
    uint32_t hi = font->header[33];
    if (lo > hi) return false;
    int64_t glyphs = hi - lo + 1;
    int64_t strike_bits = static_cast<int64_t>(font->modulo) * 8;
    if (!inside_block(font, font->bitmap_off, static_cast<int64_t>(font->height) * font->modulo)) return false;
    if (!inside_block(font, font->loc_off, 4 * glyphs)) return false;
    if (font->space_off != -kBlockStart && !inside_block(font, font->space_off, 2 * glyphs)) return false;
    if (font->kern_off != -kBlockStart && !inside_block(font, font->kern_off, 2 * glyphs)) return false;
    for (int64_t g = 0; g < glyphs; ++g) {
        const uint8_t* entry = font->data + font->loc_off + 4 * g;
        if (static_cast<int64_t>(read_be16(entry)) + read_be16(entry + 2) > strike_bits) return false;
    }
    return true;
}

int32_t load_fail(int32_t handle, Font* font) {
    std::free(font->data);
    font->data = nullptr;
    dos_close(handle);
    return 0;
}

struct GlyphInfo {
    uint32_t bit_offset;
    uint32_t width;
    int32_t kern;
    int32_t advance;
};

// The glyph that stands for character c, after translation; false when c has no glyph.
bool glyph_of(const Font* font, uint8_t c, GlyphInfo* glyph) {
    if (font->data == nullptr) return false;
    font_translate_char(&c);
    if (c < 32) return false;
    uint32_t lo = font->header[32];
    uint32_t hi = font->header[33];
    uint32_t g = (lo <= c && c <= hi) ? c - lo : hi - lo;
    const uint8_t* location = font->data + font->loc_off + 4 * g;
    glyph->bit_offset = read_be16(location);
    glyph->width = read_be16(location + 2);
    glyph->kern = 0;
    if (font->kern_off != -kBlockStart && glyph->width >= 1)
        glyph->kern = static_cast<int32_t>(read_be16(font->data + font->kern_off + 2 * g));
    int32_t space = static_cast<int32_t>(font->width);
    if (font->space_off != -kBlockStart) {
        uint32_t entry = read_be16(font->data + font->space_off + 2 * g);
        if (entry != 0) space = static_cast<int32_t>(entry);
    }
    glyph->advance = space + glyph->kern;
    return true;
}

void hide_cursor_for_text() {
    if (g_cursor_visible != 0) mouse_hide_cursor();
}

}  // namespace

int32_t font_load(const char* file_name, Font* font) {
    font->data = nullptr;
    int32_t handle = dos_open(file_name, DOS_O_RDONLY | DOS_O_BINARY);
    if (handle < 0) return 0;
    if (!skip_to_marker(handle)) return load_fail(handle, font);
    uint8_t disk_font_header[54];
    if (!read_exactly(handle, disk_font_header, sizeof disk_font_header)) return load_fail(handle, font);
    if (!read_exactly(handle, font->header, sizeof font->header)) return load_fail(handle, font);
    font->data_size = read_be16(font->header + 18);
    // One spare byte so that an empty block still gets a pointer of its own.
    font->data = static_cast<uint8_t*>(std::malloc(font->data_size + 1));
    if (font->data == nullptr) return load_fail(handle, font);
    if (!read_exactly(handle, font->data, font->data_size)) return load_fail(handle, font);
    font->height = read_be16(font->header + 20);
    font->width = read_be16(font->header + 24);
    font->baseline = read_be16(font->header + 26);
    font->modulo = read_be16(font->header + 38);
    font->bitmap_off = stored_position(font->header + 34);
    font->loc_off = stored_position(font->header + 40);
    font->space_off = stored_position(font->header + 44);
    font->kern_off = stored_position(font->header + 48);
    if (!font_tables_valid(font)) return load_fail(handle, font);
    dos_close(handle);
    return 1;
}

void font_free(Font* font) {
    if (font->data != nullptr) {
        std::free(font->data);
        font->data = nullptr;
    }
}

int32_t font_char_advance(const Font* font, uint8_t c) {
    GlyphInfo glyph;
    return glyph_of(font, c, &glyph) ? glyph.advance : 0;
}

int32_t font_text_width(const Font* font, const char* text) {
    uint32_t total = 0;
    for (const char* p = text; *p != '\0'; ++p)
        total += static_cast<uint32_t>(font_char_advance(font, static_cast<uint8_t>(*p)));
    return static_cast<int32_t>(total);
}

namespace {

// Tells the test seam where the glyph's set pixels lie, screen clipping aside.
void report_glyph(const Font* font, uint8_t c, const GlyphInfo& glyph, int32_t x, int32_t y, int32_t first) {
    GlyphDrawn seen{font, c, x, y, glyph.advance, 1, 0, 0, 0, first};
    const uint8_t* strike = font->data + font->bitmap_off;
    for (uint32_t r = 0; r < font->height; ++r) {
        const uint8_t* row = strike + r * font->modulo;
        for (uint32_t k = 0; k < glyph.width; ++k) {
            uint32_t bit = glyph.bit_offset + k;
            if ((row[bit / 8] & (0x80u >> (bit % 8))) == 0) continue;
            int32_t px = x + glyph.kern + static_cast<int32_t>(k);
            int32_t py = y + static_cast<int32_t>(r);
            if (seen.x0 > seen.x1) {
                seen.x0 = seen.x1 = px;
                seen.y0 = seen.y1 = py;
            }
            seen.x0 = px < seen.x0 ? px : seen.x0;
            seen.x1 = px > seen.x1 ? px : seen.x1;
            seen.y0 = py < seen.y0 ? py : seen.y0;
            seen.y1 = py > seen.y1 ? py : seen.y1;
        }
    }
    g_glyph_drawn_hook(seen);
}

int32_t draw_glyph(const Font* font, uint8_t c, int32_t x, int32_t y, int32_t first) {
    hide_cursor_for_text();
    GlyphInfo glyph;
    if (!glyph_of(font, c, &glyph)) return 0;
    if (g_glyph_drawn_hook != nullptr) report_glyph(font, c, glyph, x, y, first);
    const uint8_t* strike = font->data + font->bitmap_off;
    for (uint32_t r = 0; r < font->height; ++r) {
        int64_t py = static_cast<int64_t>(y) + r;
        if (py < 0 || py >= SCREEN_HEIGHT) continue;
        const uint8_t* row = strike + r * font->modulo;
        for (uint32_t k = 0; k < glyph.width; ++k) {
            uint32_t bit = glyph.bit_offset + k;
            if ((row[bit / 8] & (0x80u >> (bit % 8))) == 0) continue;
            int64_t px = static_cast<int64_t>(x) + glyph.kern + k;
            if (px < 0 || px >= SCREEN_WIDTH) continue;
            screen_put_pixel(static_cast<int32_t>(px), static_cast<int32_t>(py), g_draw_color);
        }
    }
    return glyph.advance;
}

}  // namespace

int32_t font_draw_char(const Font* font, uint8_t c, int32_t x, int32_t y) {
    return draw_glyph(font, c, x, y, -1);
}

int32_t font_draw_text(const Font* font, const char* text, int32_t x, int32_t y) {
    hide_cursor_for_text();
    uint32_t total = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        int32_t at = static_cast<int32_t>(static_cast<uint32_t>(x) + total);
        total += static_cast<uint32_t>(draw_glyph(font, static_cast<uint8_t>(*p), at, y, p == text ? 1 : 0));
    }
    return static_cast<int32_t>(total);
}
