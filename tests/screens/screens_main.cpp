// screens <output dir> [screen name ...]: renders every screen (or the named ones) to
// <output dir>/<name>.png; the name "pictures" stands for every picture and a contact sheet.
// Runs in a fresh working directory that links the data files, like the tests, so the screens'
// temporary files never meet the game's. Exits 1 on any failure, 2 on a wrong command line;
// --help prints the usage.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/state_reset.h"
#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/frame_handover.h"
#include "engine/picture.h"
#include "engine/save_stack.h"
#include "host/headless_host.h"
#include "tests/screens/picture_sheet.h"
#include "tests/screens/png_writer.h"
#include "tests/screens/screens.h"
#include "ui/fonts.h"
#include "ui/gadget.h"

namespace fs = std::filesystem;

void screens_show_test_picture() {
    picture_load(1, g_background_buffer);
    screen_show_buffer(g_background_buffer);
}

void screens_shot_frame(ScreenShot* shot) {
    std::memcpy(shot->pixels, g_screen_buffer, SCREEN_BYTES);
    std::memcpy(shot->palette, g_game_palette, sizeof shot->palette);
}

void screens_shot_presented(ScreenShot* shot) {
    frame_front_read(shot->pixels, shot->palette);
}

namespace {

bool start_engine() {
    graphics_init();
    if (g_default_font.data == nullptr) return false;
    return font_load("sys13.fnt", &g_font_sys13) == 1 && font_load("sys8b.fnt", &g_font_sys8b) == 1 &&
           font_load("sys7b.fnt", &g_font_sys7b) == 1 && font_load("sys8.fnt", &g_font_sys8) == 1 &&
           picture_files_open("ib1vga.dat", "ib2vga.dat") == 1;
}

// Back to rest between screens: clock 0, no script, no gadgets, nothing saved, the test picture.
void reset_for_screen() {
    headless_reset();
    screen_area_files_delete();
    g_area_saved = 0;
    all_state_reset();
    set_draw_color(15);
    set_fill_stipple(0);
    screens_show_test_picture();
    frame_publish();
}

std::string to_png(const ScreenShot& shot) {
    uint8_t rgb[256 * 3];
    for (int32_t i = 0; i < 256; ++i)
        for (int32_t c = 0; c < 3; ++c) {
            uint8_t v = shot.palette[i * 4 + 2 - c];  // stored blue, green, red as 6-bit values times 4
            rgb[i * 3 + c] = static_cast<uint8_t>(v | (v >> 6));
        }
    return png_encode_indexed(shot.pixels, SCREEN_WIDTH, SCREEN_HEIGHT, rgb);
}

bool wanted(const char* name, int argc, char** argv) {
    if (argc <= 2) return true;
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return true;
    return false;
}

// The usage, with every screen the tool knows.
void print_usage(FILE* out) {
    std::fputs("usage: screens <output dir> [screen ...]\n"
               "Renders the game's screens on the headless host and writes each as <output dir>/<screen>.png;\n"
               "without names, every screen. \"pictures\" writes every picture and a contact sheet of all.\n"
               "Screens:",
               out);
    for (const ScreenEntry* s = g_screens; s->name != nullptr; ++s) std::fprintf(out, " %s", s->name);
    std::fputs(" pictures\n", out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        print_usage(stdout);
        return 0;
    }
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-') {
            std::fprintf(stderr, "screens: unknown option %s\n", argv[i]);
            print_usage(stderr);
            return 2;
        }
    if (argc < 2) {
        print_usage(stderr);
        return 2;
    }
    std::error_code ec;
    fs::path out = fs::absolute(argv[1]);
    fs::create_directories(out, ec);
    std::string work = (fs::temp_directory_path() / "marivane-screens-XXXXXX").string();
    if (mkdtemp(work.data()) == nullptr) return 1;
    for (const auto& entry : fs::directory_iterator(MARIVANE_DATA_DIR, ec))
        fs::create_symlink(entry.path(), fs::path(work) / entry.path().filename(), ec);
    fs::current_path(work);

    int status = 0;
    if (!start_engine()) {
        std::fprintf(stderr, "screens: the data files of %s could not be loaded\n", MARIVANE_DATA_DIR);
        status = 1;
    }
    static ScreenShot shot;
    int32_t written = 0;
    for (const ScreenEntry* s = g_screens; status == 0 && s->name != nullptr; ++s) {
        if (!wanted(s->name, argc, argv)) continue;
        reset_for_screen();
        s->render(&shot);
        std::ofstream file(out / (std::string(s->name) + ".png"), std::ios::binary | std::ios::trunc);
        std::string png = to_png(shot);
        file.write(png.data(), static_cast<std::streamsize>(png.size()));
        if (!file) {
            std::fprintf(stderr, "screens: cannot write %s.png\n", s->name);
            status = 1;
        }
        std::printf("%s.png\n", s->name);
        ++written;
    }
    // "pictures" (or no name at all) also writes every picture and the contact sheet.
    if (status == 0 && wanted("pictures", argc, argv)) {
        if (screens_write_pictures(out) == 0) status = 1;
        std::printf("pictures/\n");
        ++written;
    }
    if (status == 0 && written == 0) {
        std::fprintf(stderr, "screens: no such screen\n");
        status = 1;
    }
    screen_area_files_delete();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(work, ec);
    return status;
}
