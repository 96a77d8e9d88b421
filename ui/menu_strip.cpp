#include "ui/menu_strip.h"

#include <algorithm>

#include "engine/draw.h"
#include "engine/font.h"
#include "engine/input.h"
#include "engine/save_stack.h"
#include "ui/gadget.h"

MenuTitleBox g_menu_title_boxes[MENU_MAX_TITLES + 1] = {};
const MenuTitle* g_menu_strip = nullptr;
uint32_t g_pending_menu_choice = 0;

namespace {

constexpr int32_t BAR_BOTTOM = 14;
constexpr int32_t ROW = 14;

void hide_pointer() {
    if (g_cursor_visible != 0) mouse_hide_cursor();
}

void run_from_left_button_poll() {
    menu_run();
}

bool box_is_end(const MenuTitleBox& b) {
    return b.x0 == 0 && b.y0 == 0 && b.x1 == 0 && b.y1 == 0;
}

}  // namespace

void menu_set_strip(const MenuTitle* strip) {
    g_menu_strip = strip;
    g_menu_run_hook = strip != nullptr ? run_from_left_button_poll : nullptr;
}

int32_t menu_run() {
    if (g_menu_strip == nullptr) return 0;
    hide_pointer();
    screen_area_push(0, 0, 319, 16);
    menu_strip_draw(g_menu_strip);
    while ((mouse_get_buttons() & 3) == MOUSE_RIGHT) {
        int32_t x = 0;
        int32_t y = 0;
        mouse_get_position(&x, &y);
        g_pending_menu_choice = menu_strip_track(x, y);
    }
    hide_pointer();
    screen_area_pop();
    return 0;
}

void menu_strip_draw(const MenuTitle* strip) {
    hide_pointer();
    set_draw_color(0);
    fill_rect(2, 2, 319, 16);
    set_draw_color(3);
    fill_rect(0, 0, 317, BAR_BOTTOM);
    set_draw_color(0);
    int32_t x = 5;
    int32_t i = 0;
    for (; i < MENU_MAX_TITLES && strip != nullptr && strip[i].title != nullptr; ++i) {
        int32_t width = font_text_width(&g_default_font, strip[i].title);
        font_draw_text(&g_default_font, strip[i].title, x, 1);
        g_menu_title_boxes[i] = MenuTitleBox{x, 0, x + width - 1, BAR_BOTTOM, strip[i].items};
        x += width;
    }
    g_menu_title_boxes[i] = MenuTitleBox{};
}

uint32_t menu_strip_track(int32_t x, int32_t y) {
    if (y < 0 || y > BAR_BOTTOM) return 0;
    const MenuTitleBox* title = nullptr;
    for (const MenuTitleBox* b = g_menu_title_boxes; !box_is_end(*b); ++b) {
        if (point_in_rect(x, y, b->x0, b->y0, b->x1, b->y1)) {
            title = b;
            break;
        }
    }
    if (title == nullptr) return 0;
    hide_pointer();
    invert_rect(title->x0, title->y0, title->x1, title->y1);

    int32_t n = 0;
    int32_t widest = 0;
    for (const MenuItem* item = title->items; item != nullptr && item->text != nullptr; ++item, ++n)
        widest = std::max(widest, font_text_width(&g_default_font, item->text));
    int32_t x0 = title->x0;
    int32_t bottom = BAR_BOTTOM + ROW * n;
    int32_t width = std::max(title->x1 - title->x0, widest + 4);

    screen_area_push(x0, BAR_BOTTOM, x0 + width + 2, bottom + 2);
    set_draw_color(0);
    fill_rect(x0 + 2, 16, x0 + width + 2, bottom + 2);
    set_draw_color(3);
    fill_rect(x0, BAR_BOTTOM, x0 + width, bottom);
    set_draw_color(0);
    for (int32_t k = 0; k < n; ++k)
        font_draw_text(&g_default_font, title->items[k].text, x0 + 2, 16 + ROW * k);

    auto invert_row = [&](int32_t r) {
        hide_pointer();
        invert_rect(x0, BAR_BOTTOM + ROW * r, x0 + width, 28 + ROW * r);
    };
    auto inside_list = [&](int32_t px, int32_t py) {
        return px >= x0 && px <= x0 + width && py >= BAR_BOTTOM && py <= bottom;
    };
    // The last pointer position decides; until the loop reads one, it is where the title was hit.
    int32_t highlighted = -1;
    int32_t px = x;
    int32_t py = y;
    while ((mouse_get_buttons() & MOUSE_RIGHT) == MOUSE_RIGHT) {
        mouse_get_position(&px, &py);
        if (inside_list(px, py)) {
            int32_t r = (py - BAR_BOTTOM) / ROW;
            if (r >= 0 && r < n && r != highlighted) {
                if (highlighted >= 0) invert_row(highlighted);
                invert_row(r);
                highlighted = r;
            }
        } else if (highlighted >= 0) {
            invert_row(highlighted);
            highlighted = -1;
        }
    }
    if (highlighted >= 0) invert_row(highlighted);
    uint32_t result = 0;
    if (inside_list(px, py)) {
        int32_t r = (py - BAR_BOTTOM) / ROW;
        if (r >= 0 && r < n) result = title->items[r].value;
    }
    hide_pointer();
    screen_area_pop();
    invert_rect(title->x0, title->y0, title->x1, title->y1);
    return result;
}
