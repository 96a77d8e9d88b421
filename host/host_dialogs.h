// The window's boxes: About ("About Marivane": the product and version, three credit lines, OK),
// Instructions (the instructions picture and OK) and the box that says why the game could not
// start: their layout, painting, and what the pointer and the keys do in them. Each runs in a
// small window of its own.
#pragma once

#include <cstdint>

#include "host/canvas.h"
#include "host/key_map.h"
#include "host/menu_bar.h"

constexpr int32_t INSTRUCTIONS_PICTURE_WIDTH = 360;
constexpr int32_t INSTRUCTIONS_PICTURE_HEIGHT = 300;

enum DialogKind : int32_t { DIALOG_ABOUT, DIALOG_INSTRUCTIONS, DIALOG_START_FAILURE };

// The start-failure box has room for this many lines of text.
constexpr int32_t START_FAILURE_LINES = 9;

struct DialogLayout {
    int32_t width, height;
    int32_t ok_x, ok_y, ok_w, ok_h;
    int32_t picture_x, picture_y;  // Instructions only
};

struct DialogState {
    bool ok_pressed;  // the pointer went down on OK and has not come up yet
    bool ok_inside;   // ... and is over OK now (the button shows pressed)
};

DialogLayout dialog_layout(DialogKind kind);

// Pointer and keys; each returns the code that ends the box (1 OK, 2 cancel) or 0 while it stays.
// *repaint is set when the OK button changed its look.
int32_t dialog_press(const DialogLayout* d, DialogState* s, int32_t x, int32_t y, bool* repaint);
int32_t dialog_motion(const DialogLayout* d, DialogState* s, int32_t x, int32_t y, bool* repaint);
int32_t dialog_release(const DialogLayout* d, DialogState* s, int32_t x, int32_t y, bool* repaint);
int32_t dialog_key(HostKey key);

// Paints a box whole. picture is the 360 x 300 instructions picture; without it the page is blank
// with lines written on it (why the page is not there). lines (null-terminated, may be null) are
// the start-failure box's text too.
void paint_dialog(Canvas* c, DialogKind kind, const DialogState* s, const uint32_t* picture,
                  const char* const* lines);
// The boxes' small emblem, 40 x 40 at (x, y).
void paint_emblem(Canvas* c, int32_t x, int32_t y);
// Paints the menu strip across the canvas's width (the canvas is MENU_STRIP_HEIGHT rows).
void paint_menu_strip(Canvas* c, const MenuLayout* layout, const MenuState* s);
// Paints the open list into a canvas of its drop-down size.
void paint_menu_list(Canvas* c, const MenuLayout* layout, const MenuState* s);
