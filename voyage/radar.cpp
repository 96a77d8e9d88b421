// The radar exercise's run: the console on the screen, the frames until the other ship has left
// the scope or the two have met (or the game is quit), and the crash.
#include "voyage/radar.h"

#include "engine/blit.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/picture.h"
#include "engine/timing.h"
#include "host/sound_library.h"
#include "ui/input_poll.h"
#include "voyage/control_panel.h"
#include "voyage/radar_frame.h"
#include "voyage/radar_gauges.h"
#include "voyage/radar_motion.h"
#include "voyage/radar_scope.h"

namespace {

constexpr int32_t RADAR_PICTURE = 22;
constexpr int32_t SOUND_ENGINE = 7;
constexpr int32_t SOUND_CRASH = 6;

void read_mouse(RadarRun* run) {
    if (mouse_left_pressed() == 0) return;
    int32_t x = 0, y = 0;
    mouse_get_position(&x, &y);
    if (x >= 185 && x <= 264 && y >= 155 && y <= 164) run->rudder = x - 225;
    if (x >= 203 && x <= 222 && y >= 59 && y <= 118) run->telegraph = 90 - y;
}

// Everything stands still until the next space; the keys meanwhile are dropped.
void pause_until_space() {
    for (;;)
        if (key_slot_poll() != 0 && key_slot_take() == RADAR_KEY_PAUSE) return;
}

void read_key(RadarRun* run) {
    if (key_slot_poll() == 0) return;
    uint32_t key = key_slot_take();
    if (key == RADAR_KEY_PAUSE)
        pause_until_space();
    else
        radar_key_apply(run, key);
}

}  // namespace

void radar_console_show(RadarRun* run) {
    picture_load(RADAR_PICTURE, g_background_buffer);
    run->engine_slot = sound_load(SOUND_ENGINE);
    run->crash_slot = sound_load(SOUND_CRASH);
    engine_sound_start(run->engine_slot);
    screen_show_buffer(g_background_buffer);
    radar_gauges_draw(run);
}

void radar_frame(RadarRun* run) {
    read_mouse(run);
    read_key(run);
    radar_controls_update(run);
    radar_ships_step(run);
    if (radar_speed_update(run)) sound_set_pitch(run->engine_slot, engine_pitch(run->own.speed), 64);
    wait_tick();
    radar_heading_update(run);
    RadarScopePlace place = radar_scope_place(*run);
    wait_tick();
    run->sweep = radar_sweep_advance(run->sweep);
    run->result = radar_place_result(*run, place);
    if (run->result != RADAR_OUT_OF_SIGHT) radar_echo_draw(run->sweep, place.sx, place.sy, place.heading);
}

int32_t collision_radar_run() {
    RadarRun run;
    radar_run_start(&run);
    radar_console_show(&run);
    while (run.result < 0 && g_quit == 0) radar_frame(&run);
    if (g_quit != 0) run.result = RADAR_QUIT;
    if (run.result > 0) {
        sound_stop(run.engine_slot);
        sound_play(1, run.crash_slot);
        delay_ticks(50);
        while (sound_is_done(run.crash_slot) == 0) wait_tick();
    }
    delay_ticks(10);
    sound_stop(run.engine_slot);
    sound_stop(run.crash_slot);
    sound_free(run.engine_slot);
    sound_free(run.crash_slot);
    return run.result;
}
