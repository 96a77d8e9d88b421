// The sinking scene: set-up, the motion of each frame and the loop that paces it by ticks.
#include "voyage/sinking.h"

#include <algorithm>

#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "engine/timing.h"
#include "host/sound_library.h"
#include "world/sine_table.h"

SinkBubble g_sink_bubbles[SINK_BUBBLE_SLOTS] = {};

namespace {

constexpr int32_t SOUND_ALARM = 9;  // plays first, then alternates with the sea while sailing in
constexpr int32_t SOUND_SEA = 8;    // looped during the descent and the pass under water
constexpr int32_t STOP_X = 100;
constexpr int32_t TILT_FROM = 20;
constexpr int32_t TILT_UNTIL = 160;
constexpr int32_t DESCENT_STEPS = 180;
constexpr int32_t FIGURE_START_X = 320;
constexpr int32_t FIGURE_GONE_X = -102;
constexpr int32_t BUBBLES_LEFT_OF = 120;
constexpr int32_t BUBBLE_TOP = 74;  // a bubble dies when it reaches the wave band
constexpr int32_t BUBBLE_BASE_Y = 175;

void sail_in_step(SinkingScene* s) {
    s->x += g_fast_machine != 0 ? 1 : 2;
    if (s->x >= STOP_X) {
        sound_stop(s->sound_current);
        sound_play(30000, s->sound_b);
        s->phase = SINK_SINKING;
        s->t = 0;
    } else if (sound_is_done(s->sound_current) != 0) {
        s->sound_current = s->sound_current == s->sound_a ? s->sound_b : s->sound_a;
        sound_play(1, s->sound_current);
    }
}

void descent_step(SinkingScene* s) {
    s->x = STOP_X + (s->t >> 1);
    s->y = 125 - ((cos_deg(s->t) * 52) >> 8);
    s->t += 1;
    if (s->t == TILT_FROM) s->tilt = SINK_TILTED;
    if (s->t == TILT_UNTIL) s->tilt = 0;
    if (s->t >= DESCENT_STEPS) s->phase = g_graphics_mode == 1 ? SINK_UNDER_WATER : SINK_DONE;
}

void bubbles_step(SinkingScene* s) {
    for (int32_t i = 0; i < SINK_BUBBLE_SLOTS; ++i) {
        SinkBubble& b = g_sink_bubbles[i];
        if (i == s->next_bubble || b.x == 0) continue;
        int32_t drift = random_range(-1, 1);
        b.x += drift;
        b.y -= 2;
        if (b.y < BUBBLE_TOP) {
            b.x = 0;
            continue;
        }
        if (s->step % 5 == 0 && b.size < SINK_BUBBLE_SIZES - 1) b.size += 1;
    }
    if (s->step % 6 != 0) return;
    SinkBubble& b = g_sink_bubbles[s->next_bubble];
    int32_t drift = random_range(-1, 1);
    b.x = drift + (s->model == 1 ? 195 : 206);
    b.y = BUBBLE_BASE_Y - g_sink_ship_lift[s->model - 1];
    b.size = 0;
    s->next_bubble = (s->next_bubble + 1) % SINK_BUBBLE_SLOTS;
}

void under_water_step(SinkingScene* s) {
    s->figure_x -= 2;
    s->step += 1;
    s->figure_frame = g_sink_figure_sequence[s->figure_step];
    s->figure_step = (s->figure_step + 1) % SINK_FIGURE_STEPS;
    if (s->figure_x < FIGURE_GONE_X) s->phase = SINK_DONE;
    if (s->figure_x < BUBBLES_LEFT_OF) bubbles_step(s);
}

}  // namespace

void sinking_scene_start(SinkingScene* s, int32_t model) {
    *s = SinkingScene{};
    s->model = std::clamp(model, 1, SINK_MODELS);
    for (SinkBubble& b : g_sink_bubbles) b = SinkBubble{};
    s->x = -g_sink_ship_sprites[s->model - 1].w;
    s->y = SINK_WATER_LINE;
    s->tilt = 0;
    s->drawn_x = 0;
    s->drawn_y = 100;
    s->drawn_tilt = 0;
    s->figure_x = FIGURE_START_X;
    s->figure_drawn_x = FIGURE_START_X;
    s->figure_drawn_y = FIGURE_START_X;
    s->phase = SINK_SAILING_IN;
    s->sound_a = -1;
    s->sound_b = -1;
    s->sound_current = -1;
}

void sinking_phase_step(SinkingScene* s) {
    switch (s->phase) {
        case SINK_SAILING_IN:
            sail_in_step(s);
            break;
        case SINK_SINKING:
            descent_step(s);
            break;
        case SINK_UNDER_WATER:
            under_water_step(s);
            break;
        default:
            break;
    }
}

void ship_sinking_animation(int32_t model) {
    clear_screen();
    picture_load(SINK_SHEET_PICTURE, g_sheet_buffer);
    picture_load(SINK_BACKGROUND_PICTURE, g_background_buffer);
    delay_ticks(100);
    int32_t sound_a = sound_load(SOUND_ALARM);
    int32_t sound_b = sound_load(SOUND_SEA);
    sound_play(1, sound_a);
    set_backdrop_blue(0, 1);
    screen_show_buffer(g_background_buffer);

    SinkingScene scene;
    sinking_scene_start(&scene, model);
    scene.sound_a = sound_a;
    scene.sound_b = sound_b;
    scene.sound_current = sound_a;
    while (scene.phase != SINK_DONE) {
        sinking_frame_draw(&scene);
        if (g_fast_machine != 0)
            delay_ticks(2);
        else
            wait_tick();
        sinking_phase_step(&scene);
    }

    delay_ticks(20);
    sound_stop(sound_b);
    sound_free(sound_a);
    sound_free(sound_b);
}
