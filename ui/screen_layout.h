// Screen tables: most screens are a table of buttons, one of boxes and one of texts, drawn by
// screen_layout_draw, which also registers the buttons as gadgets; and the highlighted choice
// button with its arrow-key navigation.
#pragma once

#include <cstdint>

#include "ui/gadget.h"

// A button row: the box x..x+w-1, y..y+h-1. A null label is an invisible hot zone. The table ends
// WITH the row whose command is 1. Choice buttons highlighted by button_select have the commands
// 100, 101, ... in row order from the first row.
struct ScreenButton {
    int16_t x;
    int16_t y;
    int16_t w;
    int16_t h;
    const char* label;
    uint16_t command;
};

// Box styles: 99 or -99 drop a shadow; 0 or more get a raised frame. The table ends at the first
// row with x0 = 0 and y0 = 0.
struct ScreenBox {
    int16_t x0;
    int16_t y0;
    int16_t x1;
    int16_t y1;
    int16_t style;
};

// The table ends at the first row with a null text; the first row is always drawn.
struct ScreenText {
    int16_t x;
    int16_t y;
    const char* text;
};

constexpr int32_t SCREEN_BUTTON_SLOTS = 40;
enum : int32_t { BUTTON_FACE_NORMAL = 9, BUTTON_FACE_SELECTED = 12 };

extern Gadget g_screen_button_gadgets[SCREEN_BUTTON_SLOTS];
extern GadgetText g_screen_button_texts[SCREEN_BUTTON_SLOTS];
extern int32_t g_screen_button_last;  // the last slot in use, -1 for none
extern int32_t g_selected_button;     // row of the highlighted choice button, -1 for none

// Each table may be null.
void screen_layout_draw(const ScreenButton* buttons, const ScreenBox* boxes, const ScreenText* texts);
void screen_buttons_clear();
void button_draw_face(int32_t state, int32_t x0, int32_t y0, int32_t x1, int32_t y1);
// For 100 <= command < 200: moves the highlight to row command - 100.
void button_select(const ScreenButton* buttons, int32_t command);
// Turns an arrow key of the last poll into the command of the neighbouring choice button.
void button_select_by_arrow(int32_t min, int32_t max, int32_t step_h, int32_t step_v);
