#include "tests/harness/game_data.h"

#include <gtest/gtest.h>

#include "engine/font.h"
#include "engine/picture.h"
#include "ui/fonts.h"

void harness_load_game_data() {
    struct GameFont {
        const char* file;
        Font* font;
    };
    const GameFont fonts[] = {{"sys13.fnt", &g_font_sys13}, {"sys8b.fnt", &g_font_sys8b},
                              {"sys7b.fnt", &g_font_sys7b}, {"sys8.fnt", &g_font_sys8}};
    for (const GameFont& f : fonts) {
        if (f.font->data == nullptr) {
            ASSERT_EQ(font_load(f.file, f.font), 1) << f.file;
        }
    }
    if (g_picture_file1 < 0 || g_picture_file2 < 0) {
        ASSERT_EQ(picture_files_open("ib1vga.dat", "ib2vga.dat"), 1);
    }
}
