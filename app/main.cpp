// The game program: the window host on the main thread, the game on a thread of its own.
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

}  // namespace

int main(int, char**) {
    SdlHostOptions options{build_code_page(), 0, 0};
    return sdl_host_run(game_main, &options);
}
