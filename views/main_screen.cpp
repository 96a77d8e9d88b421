#include "views/main_screen.h"

#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "ui/input_poll.h"

int32_t g_run_button_state = -1;

namespace {

// The run button shows the stopped clock's image from its own place in the picture; the running
// clock's image is kept off to the side, under the net-worth panel's black area.
constexpr int32_t RUN_BUTTON_X = 10;
constexpr int32_t RUN_BUTTON_Y = 162;
constexpr int32_t RUN_IMAGE_SPARE_X = 253;
constexpr int32_t RUN_IMAGE_SPARE_Y = 159;
constexpr int32_t RUN_IMAGE_W = 62;
constexpr int32_t RUN_IMAGE_H = 38;

}  // namespace

void show_main_screen() {
    picture_load(MAIN_SCREEN_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    stub_noop_e();
    clear_screen();
}

void restore_main_screen() {
    restore_screen();
    set_draw_color(0);
    fill_rect(253, 159, 314, 196);
}

void set_run_button_state(int32_t state) {
    if (state == RUN_RUNNING && g_run_button_state != RUN_RUNNING) {
        draw_run_button_running();
        g_run_button_state = RUN_RUNNING;
    } else if (state == RUN_STOPPED && g_run_button_state != RUN_STOPPED) {
        draw_run_button_paused();
        g_run_button_state = RUN_STOPPED;
    }
}

void invalidate_run_button_state() {
    g_run_button_state = -1;
}

void draw_run_button_paused() {
    blit_to_screen(g_background_buffer, RUN_BUTTON_X, RUN_BUTTON_Y, RUN_BUTTON_X, RUN_BUTTON_Y, RUN_IMAGE_W,
                   RUN_IMAGE_H, BLIT_COPY);
}

void draw_run_button_running() {
    blit_to_screen(g_background_buffer, RUN_IMAGE_SPARE_X, RUN_IMAGE_SPARE_Y, RUN_BUTTON_X, RUN_BUTTON_Y,
                   RUN_IMAGE_W, RUN_IMAGE_H, BLIT_COPY);
}

void toggle_button_frame(int32_t y, int32_t) {
    invert_rect(253, y, 316, y + 45);
}

int32_t mouse_in_rect(int32_t x, int32_t y, int32_t w, int32_t h) {
    return g_pointer_x >= x && g_pointer_x < x + w && g_pointer_y >= y && g_pointer_y < y + h ? 1 : 0;
}

void restore_screen() {
    screen_show_buffer(g_background_buffer);
}
void restore_screen_from_background(int32_t) {
    restore_screen();
}
void clear_screen_black(int32_t) {
    clear_screen();
}
void clear_screen_grey() {
    clear_screen_to(7);
}

void screen_start_hook() {}
void stub_noop_c() {}
void stub_noop_d() {}
void call_stub_noop_d() {
    stub_noop_d();
}
void stub_noop_e() {}
