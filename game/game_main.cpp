#include "game/game_main.h"

#include <cstdio>

#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "engine/timing.h"
#include "game/main_procedure.h"
#include "game/startup.h"
#include "views/globe.h"
#include "game/state_reset.h"
#include "host/platform.h"
#include "host/sound_library.h"
#include "lang/lang.h"
#include "ui/fonts.h"
#include "ui/menu_strip.h"
#include "ui/project_menu.h"
#include "ui/requester.h"

int32_t g_startup_sound_mode = 0;

namespace {

struct GameFont {
    const char* file;
    Font* font;
};

const GameFont g_game_fonts[4] = {
    {"sys8.fnt", &g_font_sys8},
    {"sys13.fnt", &g_font_sys13},
    {"sys7b.fnt", &g_font_sys7b},
    {"sys8b.fnt", &g_font_sys8b},
};

int32_t try_open(const char* name) {
    int32_t handle = dos_open(name, DOS_O_RDONLY | DOS_O_BINARY);
    if (handle < 0) return 0;
    dos_close(handle);
    return 1;
}

// The window shows these lines in a box of its own when the start fails.
void report_start_failure(const char* format, const char* file) {
    char line[128];
    std::snprintf(line, sizeof line, format, file);
    platform_report_start_failure(line);
}

void show_disk_prompt(const char* line1, const char* line2) {
    const char* lines[] = {line1, line2, nullptr};
    message_box(lines, 0);
}

}  // namespace

void wait_for_picture_file(const char* name, const char* fallback, const char* line1, const char* line2) {
    if (try_open(name) != 0) return;
    std::fprintf(stderr, "marivane: the picture file %s is missing from the working directory\n", name);
    show_disk_prompt(line1, line2);
    // The prompt comes back until the file is there; closing the window gives up. The name itself
    // is tried again too: a drive letter never names a disk here, so the fallback alone could not end
    // the prompts.
    while (try_open(name) == 0 && (fallback == nullptr || try_open(fallback) == 0))
        show_disk_prompt(line1, line2);
}

int32_t game_main() {
    // Every subsystem at its start: among others the locator's pad with its knob in the middle and
    // the world map under the letters.
    all_state_reset();
    uint32_t charset = lang_settings().charset_mode;
    if (charset != 0) font_set_charset(charset);
    g_startup_sound_mode = SOUND_MODE_WAVE;
    if (dos_access("games", DOS_F_OK) == -1) dos_mkdir("games");

    graphics_init();
    delay_ticks(4);
    set_backdrop_blue(0, 1);
    menu_set_strip(project_menu_strip());

    int32_t start_failed = 0;
    for (const GameFont& f : g_game_fonts) {
        if (font_load(f.file, f.font) == 0) {
            if (dos_access(f.file, DOS_F_OK) == 0) {
                std::fprintf(stderr, "marivane: the font %s is damaged\n", f.file);
                report_start_failure("The font %s is damaged.", f.file);
            } else {
                std::fprintf(stderr, "marivane: the font %s is missing from the working directory\n", f.file);
                report_start_failure("The font %s is missing.", f.file);
            }
            start_failed = 1;
        }
    }


    g_random_seed = static_cast<uint16_t>(static_cast<uint32_t>(game_clock()) & 0xFFFF);

    wait_for_picture_file("IB1VGA.DAT", nullptr, lang_text(TXT_DISK3_PROMPT_1),
                          lang_text(TXT_DISK3_PROMPT_2));
    wait_for_picture_file("IB2VGA.DAT", "B:\\IB2VGA.DAT", lang_text(TXT_DISK4_PROMPT_1),
                          lang_text(TXT_DISK4_PROMPT_2));
    if (picture_files_open("ib1vga.dat", "ib2vga.dat") == 0) {
        std::fprintf(stderr, "marivane: the picture files ib1vga.dat and ib2vga.dat cannot be read\n");
        report_start_failure("The picture files %s cannot be read.", "IB1VGA.DAT and IB2VGA.DAT");
        start_failed = 1;
    }

    sound_set_mode(g_startup_sound_mode);
    if (sound_open_library("sounds.dat") == 0) {
        std::fprintf(stderr,
                     "marivane: the sound library sounds.dat is missing from the working directory\n");
        report_start_failure("The sound library %s is missing.", "sounds.dat");
        start_failed = 1;
    }

    if (start_failed == 0) {
        g_globe_y_divisor = 9;
        run_game();
    }

    picture_files_close();
    for (const GameFont& f : g_game_fonts) font_free(f.font);
    graphics_shutdown();
    return start_failed;
}
