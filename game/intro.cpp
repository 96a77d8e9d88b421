#include "game/intro.h"

#include <cstdint>

#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/palette_cycle.h"
#include "engine/picture.h"
#include "engine/timing.h"
#include "views/main_screen.h"
#include "host/sound_library.h"

namespace {

constexpr int32_t TITLE_PICTURE = 9;
constexpr int32_t INTRO_PICTURE = 10;
constexpr int32_t INTRO_SPRITE_PICTURE = 35;
constexpr int32_t INTRO_MUSIC = 1;
constexpr int32_t INTRO_CRASH = 6;
constexpr int32_t INTRO_STEPS = 50;

// One step of the intro's animation: the water and the lights turn.
void intro_step() {
    wait_tick();
    wait_tick();
    palette_cycle(1, 6, 0);
    palette_cycle(7, 5, 1);
}

// Steps of the animation, taking a waiting key before each, at least INTRO_STEPS of them and then
// until the sound in slot has ended or the last key taken was the space bar.
void intro_phase(int32_t slot, uint32_t* last_key) {
    for (int32_t step = 0;; ++step) {
        if (step >= INTRO_STEPS && (sound_is_done(slot) != 0 || *last_key == ' ')) return;
        if (key_slot_pending() != 0) *last_key = key_slot_wait();
        intro_step();
    }
}

void play_intro() {
    int32_t music = sound_load(INTRO_MUSIC);
    int32_t crash = sound_load(INTRO_CRASH);
    clear_screen();
    picture_load(INTRO_SPRITE_PICTURE, g_sheet_buffer);
    picture_load(INTRO_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    restore_screen_from_background(0);
    sound_play(999, music);
    for (int32_t step = 0; step < INTRO_STEPS; ++step) intro_step();

    blit_to_screen(g_sheet_buffer, 0, 0, 50, 0, 124, 196, BLIT_KEY_32);
    sound_stop(music);
    sound_play(1, crash);
    uint32_t last_key = 0;
    intro_phase(crash, &last_key);

    sound_stop(crash);
    sound_play(2, music);
    intro_phase(music, &last_key);

    sound_stop(music);
    sound_free(music);
    sound_free(crash);
}

}  // namespace

void play_title_and_intro() {
    while (key_slot_pending() != 0) key_slot_wait();
    picture_load(TITLE_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    clear_screen();
    restore_screen_from_background(0);
    delay_ticks(122);
    uint32_t key = 0;
    if (key_slot_pending() != 0) key = key_slot_wait();
    if (key == ' ') return;
    play_intro();
}
