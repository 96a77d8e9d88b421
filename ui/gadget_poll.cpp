#include "ui/gadget_poll.h"

#include "engine/input.h"
#include "ui/entry_field.h"
#include "ui/gadget.h"
#include "ui/slider.h"

namespace {

bool pointer_in(const Gadget* g, int32_t x, int32_t y) {
    return point_in_rect(x, y, g->left, g->top, g->left + g->width - 1, g->top + g->height - 1) != 0;
}

int32_t result_for(const Gadget* g) {
    return g->type == GADGET_ENTRY_FIELD ? 0 : 1;
}

int32_t press(int32_t left, int32_t* code, int32_t* event_class) {
    *event_class = GADGET_EVENT_DOWN;
    g_previous_left_button = left;
    int32_t x = 0;
    int32_t y = 0;
    mouse_get_position(&x, &y);
    Gadget* g = g_gadget_list;
    while (g != nullptr && !pointer_in(g, x, y)) g = g->next;
    if (g == nullptr) return 0;
    if (gadget_slider_info(g) != nullptr) {
        slider_press(g, x, y);  // a slider's highlight is left alone
    } else {
        gadget_flip_highlight(g);
    }
    g->flags |= GADGET_POINTER_IN;
    g_pressed_gadget = g;
    if (gadget_entry_info(g) != nullptr) string_gadget_activate(g);
    *code = g->id;
    return result_for(g);
}

int32_t drag() {
    int32_t x = 0;
    int32_t y = 0;
    mouse_get_position(&x, &y);
    Gadget* g = g_pressed_gadget;
    if (g == nullptr) return 0;
    if (pointer_in(g, x, y)) {
        slider_follow(g, x, y);
        if (!(g->flags & GADGET_POINTER_IN)) {
            g->flags |= GADGET_POINTER_IN;
            gadget_flip_highlight(g);
        }
    } else if (g->flags & GADGET_POINTER_IN) {
        g->flags &= static_cast<uint16_t>(~GADGET_POINTER_IN);
        gadget_flip_highlight(g);
    }
    return 0;
}

int32_t release(int32_t* code, int32_t* event_class) {
    g_previous_left_button = 0;
    *event_class = GADGET_EVENT_UP;
    int32_t x = 0;
    int32_t y = 0;
    mouse_get_position(&x, &y);
    Gadget* g = g_pressed_gadget;
    if (g == nullptr) return 0;
    g->flags &= static_cast<uint16_t>(~GADGET_POINTER_IN);
    g_pressed_gadget = nullptr;
    if (!pointer_in(g, x, y)) return 0;
    if (SliderInfo* s = gadget_slider_info(g)) s->flags &= static_cast<uint16_t>(~SLIDER_KNOB_HELD);
    if (!(g->activation & GADGET_TOGGLE) && (g->flags & GADGET_SELECTED)) {
        gadget_flip_highlight(g);
    }
    *code = g->id;
    return result_for(g);
}

}  // namespace

int32_t gadget_poll_event(int32_t* code, int32_t* event_class) {
    g_last_key = 0;
    g_last_key_raw = 0;
    if (key_slot_poll() != 0) {
        auto c = static_cast<uint8_t>(key_slot_take() & 0xFF);
        g_last_key = c;
        g_last_key_raw = c;
        Gadget* field = g_active_entry_field;
        if (field == nullptr) {
            *event_class = GADGET_EVENT_KEY;
            *code = c;
            return 0;
        }
        if (entry_field_key(field, c) != 0) {
            *code = field->id;
            *event_class = GADGET_EVENT_UP;
            g_last_key = 0;
            return 1;
        }
        g_last_key = 0;
    }

    int32_t left = mouse_left_pressed();
    *event_class = GADGET_EVENT_NONE;
    *code = 0;
    int32_t previous = g_previous_left_button;
    if (previous == 0 && left == 0) return 0;
    if (previous == 0) return press(left, code, event_class);
    if (left != 0) return drag();
    return release(code, event_class);
}
