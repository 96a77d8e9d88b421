// The main loop of the main screen: one pass serves a project command, reads the run button, the
// space bar and the side buttons, turns the day dial while the clock runs and makes a day of every
// ninth running pass.
#pragma once

#include <cstdint>

struct MainLoop {
    int32_t run_state;        // RUN_STOPPED or RUN_RUNNING
    int32_t saved_run_state;  // the run state at the start of the pass
    int32_t dial_step;        // 0, 8, ..., 64
    int32_t pending_button;   // the main-screen button pressed and not yet released, or 0
};

// Shows the main screen with the clock stopped and starts the playing time.
void main_screen_enter(MainLoop* loop);
// One pass of the loop.
void main_loop_pass(MainLoop* loop);
// The main-screen buttons: the press, the release and the command of one input poll.
void main_loop_read_buttons(MainLoop* loop);
// A side-button command (201..203) of the last poll.
void main_loop_side_button(MainLoop* loop);
// One dial step of the running clock; the ninth makes a day.
void main_loop_clock(MainLoop* loop);
// Asks whether to go on when the playing time has run out.
void main_loop_check_playing_time();
