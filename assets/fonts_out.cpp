// The game's four font files, built from the glyph art of their faces.
#include <cstdio>
#include <vector>

#include "assets/assets.h"
#include "assets/font_face.h"
#include "assets/font_file.h"
#include "assets/font_glyphs.h"

int write_fonts(const std::string& dir) {
    for (FontId id : {FONT_SYS8, FONT_SYS13, FONT_SYS7B, FONT_SYS8B}) {
        const FontFace& face = font_face(id);
        FontGlyphs glyphs;
        std::vector<uint8_t> bytes;
        std::string error;
        if (!font_glyphs_build(face, &glyphs, &error) || !font_file_bytes(face, glyphs, &bytes, &error)) {
            std::fprintf(stderr, "make_assets: %s: %s\n", face.file_name, error.c_str());
            return 1;
        }
        std::string path = dir + "/" + face.file_name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        bool written = file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        if (file != nullptr && std::fclose(file) != 0) written = false;
        if (!written) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
