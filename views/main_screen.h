// The main screen's frame: the background picture, the run button with its two images, the side
// buttons' pressed look, and the small screen helpers every screen uses.
#pragma once

#include <cstdint>

// Main-screen commands.
enum : int32_t {
    MAIN_RUN_BUTTON = 200,
    MAIN_FLEET_BUTTON = 201,
    MAIN_OFFICE_BUTTON = 202,
    MAIN_BROKER_BUTTON = 203,
};

// The run button's images: 0 the clock runs, 1 it is stopped.
enum : int32_t { RUN_RUNNING = 0, RUN_STOPPED = 1 };

constexpr int32_t MAIN_SCREEN_PICTURE = 1;

// The image now on the run button: -1 none (the next set_run_button_state draws), else RUN_*.
extern int32_t g_run_button_state;

// Loads the main-screen picture into the background buffer; it is not shown yet.
void show_main_screen();
// Shows the background and blanks the spare run-button image kept in the picture.
void restore_main_screen();
// Draws the run button's image for state (RUN_*) unless it is on the button already.
void set_run_button_state(int32_t state);
void invalidate_run_button_state();
void draw_run_button_paused();
void draw_run_button_running();
// Inverts the side button whose frame starts at row y; a second call restores it.
void toggle_button_frame(int32_t y, int32_t on);
// 1 when the pointer of the last input poll lies in the w x h rectangle at (x, y).
int32_t mouse_in_rect(int32_t x, int32_t y, int32_t w, int32_t h);

void restore_screen();
// Both take one argument that their callers pass and that changes nothing.
void restore_screen_from_background(int32_t);
void clear_screen_black(int32_t);
void clear_screen_grey();

// Empty hooks kept at the places where screens are set up and left; nothing depends on them.
// screen_start_hook: whenever a screen is being set up, mostly right after it is cleared.
void screen_start_hook();
// stub_noop_c: by the main procedure after each side screen, each day and the time question.
void stub_noop_c();
// stub_noop_d (through call_stub_noop_d): by the main procedure before a side screen, each day,
// the time question and the end of the game; once directly by the world reset.
void stub_noop_d();
void call_stub_noop_d();
// stub_noop_e: by show_main_screen.
void stub_noop_e();
