#include "ui/gadget.h"

#include "ui/entry_field.h"
#include "ui/gadget_render.h"
#include "ui/slider.h"

Gadget* g_gadget_list = nullptr;
Gadget* g_pressed_gadget = nullptr;
Gadget* g_active_entry_field = nullptr;
int32_t g_previous_left_button = 0;
uint8_t g_last_key = 0;
uint8_t g_last_key_raw = 0;
SliderGrab g_slider_grab = {0, 0};

SliderInfo* gadget_slider_info(const Gadget* g) {
    return g != nullptr && g->type == GADGET_SLIDER ? static_cast<SliderInfo*>(g->special) : nullptr;
}

EntryFieldInfo* gadget_entry_info(const Gadget* g) {
    return g != nullptr && g->type == GADGET_ENTRY_FIELD ? static_cast<EntryFieldInfo*>(g->special) : nullptr;
}

void gadget_flip_highlight(Gadget* g) {
    if (g->flags & GADGET_SELECTED) {
        gadget_draw_normal(g);
        g->flags &= static_cast<uint16_t>(~GADGET_SELECTED);
    } else {
        gadget_draw_selected(g);
        g->flags |= GADGET_SELECTED;
    }
}

static bool gadget_listed(const Gadget* g) {
    for (const Gadget* p = g_gadget_list; p != nullptr; p = p->next)
        if (p == g) return true;
    return false;
}

void gadget_add(Gadget* g) {
    if (g == nullptr || gadget_listed(g)) return;
    g->next = g_gadget_list;
    g_gadget_list = g;
}

// The active field and the pressed gadget let go of g before it leaves the list.
static void gadget_release_links(Gadget* g) {
    if (g == g_active_entry_field) {
        string_gadget_hide_cursor(g);
        g_active_entry_field = nullptr;
    }
    if (g == g_pressed_gadget) {
        if (!(g->activation & GADGET_TOGGLE) && (g->flags & GADGET_SELECTED)) {
            gadget_draw_normal(g);
            g->flags &= static_cast<uint16_t>(~GADGET_SELECTED);
        }
        g_pressed_gadget = nullptr;
    }
}

void gadget_remove(Gadget* g) {
    if (g_gadget_list == nullptr || g == nullptr) return;
    gadget_release_links(g);
    for (Gadget** link = &g_gadget_list; *link != nullptr; link = &(*link)->next) {
        if (*link == g) {
            *link = g->next;
            break;
        }
    }
    g->next = nullptr;
}

void gadget_remove_all() {
    if (g_active_entry_field != nullptr) gadget_release_links(g_active_entry_field);
    if (g_pressed_gadget != nullptr) gadget_release_links(g_pressed_gadget);
    g_gadget_list = nullptr;
}

void gadgets_refresh() {
    for (Gadget* g = g_gadget_list; g != nullptr; g = g->next) {
        if (g->type == GADGET_SLIDER) {
            slider_draw(g, 2);
        } else {
            gadget_draw_render_chain(g, g->render, g->left, g->top);
        }
        if (g->text != nullptr) draw_text_items(g->text, g->left, g->top);
        if (EntryFieldInfo* info = gadget_entry_info(g)) {
            string_gadget_hide_cursor(g);
            info->pos = 0;
            info->first = 0;
            string_gadget_draw(g);
        }
    }
    if (g_active_entry_field != nullptr) string_gadget_activate(g_active_entry_field);
}

int32_t point_in_rect(int32_t x, int32_t y, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    return x0 <= x && x <= x1 && y0 <= y && y <= y1 ? 1 : 0;
}
