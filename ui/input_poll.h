// The input poll of every screen: one call turns a gadget activation, a click, a key or a menu
// choice into the command word g_command, or a project command for the main procedure.
#pragma once

#include <cstdint>

#include "lang/lang.h"

// Project commands for the main procedure.
enum : int32_t {
    PROJECT_NONE = 0,
    PROJECT_ABOUT = -1,
    PROJECT_LOAD = 1,
    PROJECT_SAVE = 2,
    PROJECT_SAVE_AS = 3,
    PROJECT_QUIT = 4,
    PROJECT_HELP = 5,
};

constexpr uint16_t NO_KEY_CODE = 0xFFFF;

// Ends every screen loop that sees it: set by Quit, by the end of the playing time and when the
// last shipowner is out of the game.
extern int32_t g_quit;
extern int32_t g_command;           // the command word of the last poll, 0 = nothing
extern int32_t g_project_command;   // cleared by the main procedure after acting on it
extern uint16_t g_key_code;         // the key of this poll when it gave no command, else 0xFFFF
extern int32_t g_pointer_x;         // the pointer at the start of the poll
extern int32_t g_pointer_y;
extern int32_t g_gadget_pressed;    // 1 after a press on a gadget, 0 after an activation
extern int32_t g_pressed_gadget_id; // the gadget pressed in this poll, else 0
extern int32_t g_click_pressed;     // a press or release of this poll that gave no gadget event
extern int32_t g_click_released;

void input_poll();
// The key mapping of the poll: the key (compared as a signed byte, so codes 128..255 match nothing)
// gives a command word, a project command or the key code; the build's settings add yes/no letters.
void input_poll_map_key(uint8_t key, const LanguageSettings& settings);
