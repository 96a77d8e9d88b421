// Message boxes and yes/no questions, centred over the current screen: each saves the area under
// it and gives it back when closed. The open/close pairs let a caller run its own loop (an
// animation, say) while a box is up.
#pragma once

#include <cstdint>

#include "ui/gadget.h"

// Lines of text, one string each, ended by a null pointer; drawn without wrapping.
using TextLines = const char* const*;

enum : uint16_t { REQUESTER_YES = 301, REQUESTER_NO = 300 };
constexpr int32_t REQUESTER_MAX_TEXT_WIDTH = 295;
constexpr int32_t REQUESTER_MAX_TEXT_HEIGHT = 175;

extern Gadget g_message_ok_gadget;
extern Gadget g_ask_yes_gadget;
extern Gadget g_ask_no_gadget;

// w = the widest line in sys13 (at least 1), h = 5 + 15 per line.
void text_lines_measure(TextLines lines, int32_t* w, int32_t* h);
// The lines of a box of text size w x h, in colour 0 and sys13.
void text_lines_draw_centred(TextLines lines, int32_t w, int32_t h);
void requester_save_area(int32_t x0, int32_t y0, int32_t x1, int32_t y1);

// kind is passed by every caller and changes nothing.
void message_box_open(TextLines lines, int32_t kind);
void message_box_close();
// Shows the box until a poll gives a command (its OK button 301, Enter 1, Escape 300, ...).
void message_box(TextLines lines, int32_t kind);
void ask_box_open(TextLines lines, const char* yes, const char* no, int32_t kind);
void ask_box_close();
// 1 for the yes button, Enter and the yes letters; 0 for the no button and the no keys; -1 for any
// other command (a digit, the space bar, a button of the screen underneath).
int32_t ask_yes_no(TextLines lines, const char* yes, const char* no, int32_t kind);
