#include "ui/requester.h"

#include <algorithm>

#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/save_stack.h"
#include "lang/lang.h"
#include "ui/boxes_shown.h"
#include "ui/fonts.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"

namespace {

constexpr int16_t BUTTON_HEIGHT = 14;

GadgetText g_message_ok_text = {0, 0, 0, 5, 1, &g_font_sys13, nullptr, nullptr};
GadgetText g_ask_yes_text = {0, 0, 0, 5, 1, &g_font_sys13, nullptr, nullptr};
GadgetText g_ask_no_text = {0, 0, 0, 5, 1, &g_font_sys13, nullptr, nullptr};

struct BoxGeometry {
    int32_t bx, by, w, h;
};

BoxGeometry box_geometry(int32_t w, int32_t h) {
    w = std::min(w, REQUESTER_MAX_TEXT_WIDTH);
    h = std::min(h, REQUESTER_MAX_TEXT_HEIGHT);
    return BoxGeometry{(300 - w) / 2, (180 - h) / 2, w, h};
}

// Saves the area, then draws the shadow, the box with its outline and bevel, and the lines. The
// saved area reaches at least to column buttons_right, so that buttons wider than a small box are taken
// away with it when the box closes.
void draw_box(TextLines lines, const BoxGeometry& b, uint32_t outline, int32_t buttons_right) {
    int32_t right = b.bx + b.w + 20;
    int32_t bottom = b.by + b.h + 20;
    requester_save_area(b.bx, b.by, std::max(right + 4, buttons_right), bottom + 4);
    g_requester_frame = RequesterFrame{b.bx, b.by, right, bottom};
    if (right + 4 < SCREEN_WIDTH && bottom + 4 < SCREEN_HEIGHT) {
        set_fill_stipple(1);
        set_draw_color(0);
        fill_rect(right, b.by + 4, right + 4, bottom + 4);
        fill_rect(b.bx + 4, bottom, right, bottom + 4);
        set_fill_stipple(0);
    }
    set_draw_color(7);
    fill_rect(b.bx, b.by, right, bottom);
    set_draw_color(outline);
    draw_rect_outline(b.bx, b.by, right, bottom);
    set_draw_color(15);
    draw_move_to(b.bx, bottom - 1);
    draw_line_to(b.bx, b.by);
    draw_line_to(right - 1, b.by);
    set_draw_color(0);
    draw_move_to(b.bx + 1, bottom);
    draw_line_to(right, bottom);
    draw_line_to(right, b.by + 1);
    text_lines_draw_centred(lines, b.w, b.h);
}

void place_button(Gadget* g, GadgetText* label, const char* caption, uint16_t id, int32_t left, int32_t top,
                  int32_t width) {
    label->text = caption;
    g->left = static_cast<int16_t>(left);
    g->top = static_cast<int16_t>(top);
    g->width = static_cast<int16_t>(width);
    g->height = BUTTON_HEIGHT;
    g->flags = GADGET_HIGHLIGHT_BOX;
    g->activation = 0;
    g->type = GADGET_BUTTON;
    g->render = nullptr;
    g->select_render = nullptr;
    g->text = label;
    g->special = nullptr;
    g->id = id;
    button_draw_face(BUTTON_FACE_NORMAL, left - 1, top - 1, left + width, top + BUTTON_HEIGHT);
}

int32_t poll_until_command() {
    do input_poll();
    while (g_command == 0);
    return g_command;
}

}  // namespace

RequesterFrame g_requester_frame = {1, 0, 0, 0};
Gadget g_message_ok_gadget = {};
Gadget g_ask_yes_gadget = {};
Gadget g_ask_no_gadget = {};

void text_lines_measure(TextLines lines, int32_t* w, int32_t* h) {
    int32_t widest = 1;
    int32_t count = 0;
    for (; lines != nullptr && lines[count] != nullptr; ++count)
        widest = std::max(widest, font_text_width(&g_font_sys13, lines[count]));
    *w = widest;
    *h = 5 + 15 * count;
}

void text_lines_draw_centred(TextLines lines, int32_t w, int32_t h) {
    BoxGeometry b = box_geometry(w, h);
    set_draw_color(0);
    for (int32_t i = 0; lines != nullptr && lines[i] != nullptr; ++i)
        font_draw_text(&g_font_sys13, lines[i], b.bx + 10, b.by + 5 + 15 * i);
}

void requester_save_area(int32_t x0, int32_t y0, int32_t x1, int32_t y1) { screen_save_area(x0, y0, x1, y1); }

void message_box_open(TextLines lines, int32_t) {
    int32_t w = 0;
    int32_t h = 0;
    text_lines_measure(lines, &w, &h);
    BoxGeometry b = box_geometry(w, h);
    constexpr int32_t OK_LEFT = 11, OK_WIDTH = 57;
    draw_box(lines, b, 0, b.bx + OK_LEFT + OK_WIDTH);
    place_button(&g_message_ok_gadget, &g_message_ok_text, lang_text(TXT_OK_CAPTION), REQUESTER_YES,
                 b.bx + OK_LEFT, b.by + b.h + 3, OK_WIDTH);
    gadget_add(&g_message_ok_gadget);
    gadgets_refresh();
}

void message_box_close() {
    gadget_remove(&g_message_ok_gadget);
    screen_restore_area();
    g_requester_frame = RequesterFrame{1, 0, 0, 0};
}

void message_box(TextLines lines, int32_t kind) {
    message_box_open(lines, kind);
    poll_until_command();
    message_box_close();
}

void ask_box_open(TextLines lines, const char* yes, const char* no, int32_t) {
    int32_t w = 0;
    int32_t h = 0;
    text_lines_measure(lines, &w, &h);
    int32_t yes_width = font_text_width(&g_font_sys13, yes);
    int32_t no_width = font_text_width(&g_font_sys13, no);
    w = std::max(w, yes_width + no_width + 14);
    BoxGeometry b = box_geometry(w, h);
    int32_t no_left = b.bx + b.w + 11 - no_width;
    draw_box(lines, b, 8, no_left + no_width + 6);
    int32_t top = b.by + b.h + 3;
    place_button(&g_ask_yes_gadget, &g_ask_yes_text, yes, REQUESTER_YES, b.bx + 4, top, yes_width + 6);
    place_button(&g_ask_no_gadget, &g_ask_no_text, no, REQUESTER_NO, no_left, top, no_width + 6);
    gadget_add(&g_ask_no_gadget);
    gadget_add(&g_ask_yes_gadget);
    gadgets_refresh();
}

void ask_box_close() {
    gadget_remove(&g_ask_no_gadget);
    gadget_remove(&g_ask_yes_gadget);
    screen_restore_area();
    g_requester_frame = RequesterFrame{1, 0, 0, 0};
}

int32_t ask_yes_no(TextLines lines, const char* yes, const char* no, int32_t kind) {
    ask_box_open(lines, yes, no, kind);
    int32_t command = poll_until_command();
    ask_box_close();
    if (command == REQUESTER_YES || command == 1) return 1;
    if (command == REQUESTER_NO) return 0;
    return -1;
}
