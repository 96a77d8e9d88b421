#include "ui/screen_layout.h"

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "ui/boxes_shown.h"
#include "ui/fonts.h"
#include "ui/gadget_render.h"
#include "ui/input_poll.h"

Gadget g_screen_button_gadgets[SCREEN_BUTTON_SLOTS] = {};
GadgetText g_screen_button_texts[SCREEN_BUTTON_SLOTS] = {};
int32_t g_screen_button_last = -1;
int32_t g_selected_button = -1;
ScreenBox g_screen_boxes_shown[SCREEN_BOX_SLOTS] = {};
int32_t g_screen_box_count = 0;

namespace {

void draw_box(const ScreenBox& b) {
    if ((b.style == 99 || b.style == -99) && b.x1 + 4 < SCREEN_WIDTH && b.y1 + 4 < SCREEN_HEIGHT) {
        set_fill_stipple(1);
        set_draw_color(0);
        fill_rect(b.x1, b.y0 + 4, b.x1 + 4, b.y1 + 4);
        fill_rect(b.x0 + 4, b.y1, b.x1, b.y1 + 4);
        set_fill_stipple(0);
    }
    set_draw_color(7);
    fill_rect(b.x0, b.y0, b.x1, b.y1);
    if (b.style >= 0) {
        set_draw_color(0);
        draw_move_to(b.x1, b.y0);
        draw_line_to(b.x1, b.y1);
        draw_line_to(b.x0, b.y1);
        set_draw_color(15);
        draw_move_to(b.x0, b.y1);
        draw_line_to(b.x0, b.y0);
        draw_line_to(b.x1, b.y0);
    }
}

void draw_row_face(const ScreenButton& row, int32_t state) {
    button_draw_face(state, row.x, row.y, row.x + row.w - 1, row.y + row.h - 1);
}

void register_buttons(const ScreenButton* buttons) {
    int32_t i = 0;
    for (;; ++i) {
        const ScreenButton& row = buttons[i];
        if (row.label != nullptr) draw_row_face(row, BUTTON_FACE_NORMAL);
        if (row.command == 1 || i == SCREEN_BUTTON_SLOTS - 1) break;
    }
    int32_t end = i;
    for (i = 0; i <= end; ++i) {
        const ScreenButton& row = buttons[i];
        GadgetText& label = g_screen_button_texts[i];
        label = GadgetText{0, 0, 1, 1, 0, &g_font_sys13, row.label, nullptr};
        Gadget& g = g_screen_button_gadgets[i];
        // The link is left alone: gadget_add sets it, and it must not cut a list the slot is in.
        g.left = static_cast<int16_t>(row.x + 1);
        g.top = static_cast<int16_t>(row.y + 1);
        g.width = static_cast<int16_t>(row.w - 2);
        g.height = static_cast<int16_t>(row.h - 2);
        g.flags = GADGET_HIGHLIGHT_BOX;
        g.activation = 6;
        g.type = GADGET_BUTTON;
        g.render = nullptr;
        g.select_render = nullptr;
        g.text = row.label != nullptr ? &label : nullptr;
        g.special = nullptr;
        g.id = row.command;
        gadget_add(&g);
    }
    g_screen_button_last = end;
    gadgets_refresh();
}

}  // namespace

void screen_layout_draw(const ScreenButton* buttons, const ScreenBox* boxes, const ScreenText* texts) {
    if (buttons != nullptr) screen_buttons_clear();
    if (boxes != nullptr) {
        g_screen_box_count = 0;
        for (const ScreenBox* b = boxes; !(b->x0 == 0 && b->y0 == 0); ++b) {
            draw_box(*b);
            if (g_screen_box_count < SCREEN_BOX_SLOTS) g_screen_boxes_shown[g_screen_box_count++] = *b;
        }
    }
    if (buttons != nullptr) register_buttons(buttons);
    if (texts != nullptr) {
        const ScreenText* t = texts;
        do {
            GadgetText item{0, 0, 1, 1, 1, &g_font_sys13, t->text, nullptr};
            draw_text_items(&item, t->x, t->y);
            ++t;
        } while (t->text != nullptr);
    }
}

void screen_buttons_clear() {
    for (int32_t i = 0; i <= g_screen_button_last; ++i) gadget_remove(&g_screen_button_gadgets[i]);
    g_screen_button_last = -1;
    g_screen_box_count = 0;
}

void button_draw_face(int32_t state, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    bool normal = state == BUTTON_FACE_NORMAL;
    set_draw_color(normal ? 17 : 23);
    fill_rect(x0, y0, x1, y1);
    set_draw_color(normal ? 16 : 22);
    draw_move_to(x0, y1);
    draw_line_to(x0, y0);
    draw_line_to(x1, y0);
    set_draw_color(normal ? 18 : 24);
    draw_move_to(x0, y1);
    draw_line_to(x1, y1);
    draw_line_to(x1, y0);
}

void button_select(const ScreenButton* buttons, int32_t command) {
    if (command < 100 || command >= 200 || buttons == nullptr) return;
    if (g_selected_button >= 0) draw_row_face(buttons[g_selected_button], BUTTON_FACE_NORMAL);
    g_selected_button = command - 100;
    draw_row_face(buttons[g_selected_button], BUTTON_FACE_SELECTED);
    gadgets_refresh();
}

void button_select_by_arrow(int32_t min, int32_t max, int32_t step_h, int32_t step_v) {
    if (g_selected_button < 0) return;
    int32_t s = g_selected_button + 100;
    switch (g_key_code) {
        case KEY_RIGHT:
            if (s + step_h <= max) g_command = s + step_h;
            break;
        case KEY_LEFT:
            if (s - step_h >= min) g_command = s - step_h;
            break;
        case KEY_DOWN:
            if (s + step_v <= max) g_command = s + step_v;
            break;
        case KEY_UP:
            if (s - step_v >= min) g_command = s - step_v;
            break;
        default: return;
    }
    g_key_code = 0xFFFF;
}
