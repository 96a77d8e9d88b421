// Feeds arbitrary bytes to the game-file reader. Whatever the file holds, a load must end without a
// read out of bounds or a leak, and a failed load must leave no shipowner counted and no ship. A
// game that loads is then played as the main screen plays it: the screen is drawn and 30 days run,
// each with its letters, boxes and screens (closed at once) and the redrawn map and status panel.
#include <cstdint>
#include <cstdlib>

#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "engine/save_stack.h"
#include "fuzz/fuzz_support.h"
#include "game/day_step.h"
#include "world/game_file.h"
#include "game/main_loop.h"
#include "game/main_procedure.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "world/sea_distance.h"
#include "views/status_panel.h"
#include "world/weather.h"
#include "views/world_map.h"
#include "host/headless_host.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"

namespace {

constexpr char kTarget[] = "game-file reader";
constexpr char kInput[] = "fuzz.trp";
constexpr int32_t kDaysPlayed = 30;

int32_t ships_listed() {
    int32_t listed = 0;
    for (const Shipowner& o : g_shipowners) listed += ship_count(&o);
    return listed;
}

// The same start for every input, so that a run can be repeated from its file alone.
void reset_world() {
    headless_reset();
    g_random_seed = 1;
    g_random_counter = 0;
    weather_reset();
    screen_area_files_delete();
    g_area_saved = 0;
    g_gadget_list = nullptr;
    g_quit = 0;
    g_command = 0;
}

// Answers every box with Enter: a message box waits for an answer whatever the quit flag says.
void answer_with_enter(void*) {
    if (headless_pending_events() == 0) headless_script(headless_now() + 100, HEADLESS_KEY, 13);
}

void play_days() {
    headless_set_sleep_hook(answer_with_enter, nullptr);
    MainLoop loop = {};
    main_screen_enter(&loop);
    // Every letter and screen of a day closes as soon as it has been drawn.
    g_quit = 1;
    for (int32_t d = 0; d < kDaysPlayed; ++d) {
        if (day_step() != 0) {
            show_main_screen();
            restore_main_screen();
        }
        redraw_world_map(0);
        draw_status_panel();
    }
    g_quit = 0;
    headless_set_sleep_hook(nullptr, nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz_enter_scratch_dir();
    fuzz_link_data_files();
    graphics_init();
    if (font_load("sys13.fnt", &g_font_sys13) != 1 || font_load("sys8b.fnt", &g_font_sys8b) != 1 ||
        font_load("sys7b.fnt", &g_font_sys7b) != 1 || font_load("sys8.fnt", &g_font_sys8) != 1 ||
        picture_files_open("ib1vga.dat", "ib2vga.dat") != 1)
        std::abort();
    init_route_lengths();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_write_file(kInput, data, size);
    reset_world();

    int32_t result = load_game_file(kInput);
    fuzz_check(result >= GAME_LOAD_OK && result <= GAME_LOAD_BAD_CRC && result != GAME_LOAD_NOT_FOUND, kTarget,
               "result code");
    fuzz_check(ships_listed() == ship_blocks_in_use(), kTarget, "a ship block outside every list");
    if (result != GAME_LOAD_OK) fuzz_check(g_shipowner_count == 0 && ships_listed() == 0, kTarget, "a failed load kept a game");
    fuzz_check(g_shipowner_count >= 0 && g_shipowner_count <= SHIPOWNER_MAX, kTarget, "shipowner count");

    if (result == GAME_LOAD_OK) {
        play_days();
        fuzz_check(ships_listed() == ship_blocks_in_use(), kTarget, "a ship block outside every list after the days");
    }

    free_all_ships(SHIPOWNER_MAX);
    g_shipowner_count = 0;
    return 0;
}
