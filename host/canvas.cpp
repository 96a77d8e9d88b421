#include "host/canvas.h"

#include <cstddef>

#include "assets/font_art.h"

namespace {

struct HostFont {
    GlyphBitmap glyphs[256];
    int32_t height;
};

const HostFont& host_font() {
    static const HostFont font = [] {
        HostFont f{};
        for (int32_t code = 32; code < 256; ++code)
            if (!font_art_glyph(FONT_SYS13, static_cast<uint8_t>(code), &f.glyphs[code])) f.glyphs[code] = GlyphBitmap{};
        f.height = f.glyphs[static_cast<uint8_t>('A')].height;
        return f;
    }();
    return font;
}

void put(Canvas* c, int32_t x, int32_t y, uint32_t colour) {
    if (x >= 0 && y >= 0 && x < c->width && y < c->height) c->pixels[y * c->width + x] = colour;
}

// Walks a text with its '&' marks: calls draw(code, x, underlined) per character, returns the width.
template <typename Draw>
int32_t walk_text(const char* text, Draw draw) {
    const HostFont& font = host_font();
    int32_t x = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        bool underline = false;
        if (*p == '&') {
            if (p[1] == '\0') break;
            ++p;
            underline = *p != '&';
        }
        auto code = static_cast<uint8_t>(*p);
        draw(font.glyphs[code], x, underline);
        x += font.glyphs[code].advance;
    }
    return x;
}

}  // namespace

void canvas_fill(Canvas* c, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour) {
    int32_t x0 = x < 0 ? 0 : x, y0 = y < 0 ? 0 : y;
    int32_t x1 = x + w > c->width ? c->width : x + w;
    int32_t y1 = y + h > c->height ? c->height : y + h;
    for (int32_t yy = y0; yy < y1; ++yy)
        for (int32_t xx = x0; xx < x1; ++xx) c->pixels[yy * c->width + xx] = colour;
}

void canvas_frame(Canvas* c, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t light, uint32_t dark) {
    canvas_fill(c, x, y, w, 1, light);
    canvas_fill(c, x, y, 1, h, light);
    canvas_fill(c, x, y + h - 1, w, 1, dark);
    canvas_fill(c, x + w - 1, y, 1, h, dark);
}

void canvas_blit(Canvas* c, int32_t x, int32_t y, const uint32_t* src, int32_t w, int32_t h) {
    for (int32_t r = 0; r < h; ++r)
        for (int32_t k = 0; k < w; ++k) put(c, x + k, y + r, src[r * w + k]);
}

int32_t canvas_text(Canvas* c, int32_t x, int32_t y, const char* text, uint32_t colour) {
    int32_t underline_row = host_text_height() - 2;
    return walk_text(text, [&](const GlyphBitmap& g, int32_t pen, bool underline) {
        for (int32_t r = 0; r < g.height; ++r)
            for (int32_t k = 0; k < g.width; ++k)
                if (g.ink[static_cast<size_t>(r * g.width + k)] != 0) put(c, x + pen + g.left + k, y + r, colour);
        if (underline)
            for (int32_t k = 0; k < g.advance - 1; ++k) put(c, x + pen + k, y + underline_row, colour);
    });
}

int32_t host_text_width(const char* text) {
    return walk_text(text, [](const GlyphBitmap&, int32_t, bool) {});
}

int32_t host_text_height() { return host_font().height; }

uint32_t text_mnemonic(const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p != '&') continue;
        if (p[1] == '&') {
            ++p;
            continue;
        }
        uint32_t ch = static_cast<unsigned char>(p[1]);
        return ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch;
    }
    return 0;
}
