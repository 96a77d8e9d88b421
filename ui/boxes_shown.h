// Where the toolkit's boxes stand on screen now, for the checks of what is drawn inside them: the
// table boxes of the screen whose buttons are up, the open message box's frame, the letter's sheet,
// the cells of an entry field.
#pragma once

#include <cstdint>

#include "ui/screen_layout.h"

// The boxes the last table drew (the first SCREEN_BOX_SLOTS of them), kept until the screen's
// buttons are cleared.
constexpr int32_t SCREEN_BOX_SLOTS = 16;
extern ScreenBox g_screen_boxes_shown[SCREEN_BOX_SLOTS];
extern int32_t g_screen_box_count;

// The frame of the message box or question that is open, its text area inside it; x0 > x1 while
// none is.
struct RequesterFrame {
    int32_t x0, y0, x1, y1;
};
extern RequesterFrame g_requester_frame;

// The sheet a letter is typed on, and whether one is up: non-zero from the first character of a
// letter until its OK.
constexpr int32_t LETTER_SHEET_X = 67;
constexpr int32_t LETTER_SHEET_Y = 46;
constexpr int32_t LETTER_SHEET_W = 196;
constexpr int32_t LETTER_SHEET_H = 115;
extern int32_t g_letter_up;

// A character's cell in an entry field, square; a field shows info->visible of them.
constexpr int32_t ENTRY_FIELD_CELL = 8;
