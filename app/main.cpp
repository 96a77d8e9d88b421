// The game program: the window host on the main thread, the game on a thread of its own.
#include <cstdio>
#include <cstring>

#include "game/game_main.h"
#include "host/sdl_window.h"
#include "lang/lang.h"

namespace {

// Typed text reaches the game in the code page of the build's texts, the one its character table
// is made for.
CodePage build_code_page() {
    switch (lang_settings().charset_mode) {
        case 1: return CODE_PAGE_860;
        case 2: return CODE_PAGE_865;
        default: return CODE_PAGE_437;
    }
}

void print_usage(FILE* out) {
    std::fputs("usage: marivane-" MARIVANE_LANGUAGE "\n"
               "Starts the game in a window. It runs in the folder of its data files (the fonts\n"
               "sys8.fnt, sys13.fnt, sys7b.fnt, sys8b.fnt, the picture files IB1VGA.DAT and IB2VGA.DAT,\n"
               "sounds.dat and instructions.bmp) and keeps saved games in its folder \"games\".\n",
               out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        print_usage(stdout);
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr, "marivane-" MARIVANE_LANGUAGE ": %s %s\n",
                     argv[1][0] == '-' ? "unknown option" : "unexpected argument", argv[1]);
        print_usage(stderr);
        return 2;
    }
    SdlHostOptions options{build_code_page(), 0, 0};
    return sdl_host_run(game_main, &options);
}
