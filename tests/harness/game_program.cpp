#include "tests/harness/game_program.h"

#include <chrono>
#include <cstdlib>

#include "engine/font.h"
#include "engine/frame.h"
#include "game/game_main.h"
#include "game/state_reset.h"
#include "host/sound_library.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"

void game_program_set_up() {
    harness_start_engine();
    all_state_reset();
    sound_library_reset();
}

void game_program_tear_down() {
    headless_set_sleep_hook(nullptr, nullptr);
    if (g_default_font.data == nullptr) font_load("sys8.fnt", &g_default_font);
    sound_library_reset();
}

double game_program_run(HeadlessSleepHook player, void* context) {
    std::free(g_screen_buffer);
    std::free(g_background_buffer);
    std::free(g_sheet_buffer);
    g_screen_buffer = g_background_buffer = g_sheet_buffer = nullptr;
    font_free(&g_default_font);
    Font* fonts[4] = {&g_font_sys8, &g_font_sys13, &g_font_sys7b, &g_font_sys8b};
    for (Font* f : fonts) font_free(f);
    headless_set_sleep_hook(player, context);
    const auto start = std::chrono::steady_clock::now();
    game_main();
    const auto end = std::chrono::steady_clock::now();
    headless_set_sleep_hook(nullptr, nullptr);
    return std::chrono::duration<double, std::milli>(end - start).count();
}
