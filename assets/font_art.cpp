#include "assets/font_art.h"

#include "assets/font_face.h"
#include "assets/font_glyphs.h"

const FontFace& font_face(FontId font) {
    switch (font) {
        case FONT_SYS13:
            return g_face_sys13;
        case FONT_SYS7B:
            return g_face_sys7b;
        case FONT_SYS8B:
            return g_face_sys8b;
        case FONT_SYS8:
        default:
            return g_face_sys8;
    }
}

bool font_art_glyph(FontId font, uint8_t latin1_code, GlyphBitmap* out) {
    // Each face is built once, on first use.
    static FontGlyphs built[4];
    static bool tried[4] = {};
    static bool ok[4] = {};
    int32_t index = font >= FONT_SYS8 && font <= FONT_SYS8B ? font : FONT_SYS8;
    if (!tried[index]) {
        tried[index] = true;
        std::string error;
        ok[index] = font_glyphs_build(font_face(static_cast<FontId>(index)), &built[index], &error);
    }
    const FontFace& face = font_face(static_cast<FontId>(index));
    *out = GlyphBitmap{0, face.height, 0, 0, {}};
    if (!ok[index] || latin1_code < FONT_LO) return false;
    *out = built[index].glyphs[latin1_code - FONT_LO];
    return built[index].present[latin1_code - FONT_LO] != 0;
}
