#include "game/game_choice.h"

#include <utility>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "engine/timing.h"
#include "game/game_file_dialog.h"
#include "game/main_procedure.h"
#include "views/main_screen.h"
#include "game/day_step.h"
#include "game/setup.h"
#include "world/records.h"
#include "world/sea_distance.h"
#include "world/weather.h"
#include "host/sound_library.h"
#include "ui/input_poll.h"

namespace {

constexpr int32_t CHOICE_PICTURE = 40;
constexpr int32_t MENU_MUSIC = 2;

// Results of the load dialog.
constexpr int32_t LOAD_OK = 0;
constexpr int32_t LOAD_DECLINED = 3;

}  // namespace

void reset_world() {
    clear_screen();
    weather_reset();
    g_freight_index = 1000;
    g_ship_price_index = 1000;
    g_daily_phase = 0;
    init_route_lengths();
    stub_noop_d();
}

void shuffle_office_styles() {
    for (int32_t round = 0; round < 35; ++round)
        for (int32_t k = 0; k < 3; ++k)
            if (random_range(0, 100) > 50) std::swap(g_office_style[k], g_office_style[k + 1]);
}

void choose_game() {
    int32_t music = sound_load(MENU_MUSIC);
    sound_play(9999, music);

    g_project_command = PROJECT_NONE;
    g_game_file_name[0] = '\0';
    clear_screen();
    screen_start_hook();
    while (key_slot_pending() != 0) key_slot_wait();
    clear_screen();
    screen_start_hook();

    picture_load(CHOICE_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    clear_screen();
    restore_screen_from_background(0);
    delay_ticks(12);

    // A file that is missing, not a game file or damaged asks again.
    int32_t result = 0;
    do {
        result = load_game_dialog();
        if (result == LOAD_DECLINED) {
            setup_new_game();
            result = LOAD_OK;
        }
    } while (result != LOAD_OK);

    sound_stop(music);
    sound_free(music);
}
