#include "ui/gadget_render.h"

#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"

void draw_text_items(const GadgetText* first, int32_t dx, int32_t dy) {
    for (const GadgetText* item = first; item != nullptr; item = item->next) {
        const Font* font = item->font != nullptr ? item->font : &g_default_font;
        if (item->font == nullptr && g_default_font.data == nullptr) return;
        if (item->text == nullptr) continue;
        int32_t x = item->left + dx;
        int32_t y = item->top + dy;
        int32_t width = font_text_width(font, item->text);
        if (item->mode == 2 && width > 0) {  // an empty text has no box to fill
            set_draw_color(item->back_colour);
            fill_rect(x, y, x + width - 1, y + static_cast<int32_t>(font->height) - 1);
        }
        set_draw_color(item->front_colour);
        font_draw_text(font, item->text, x, y);
    }
}

int32_t text_item_width(const GadgetText* item) {
    if (item == nullptr || item->text == nullptr) return 0;
    return font_text_width(item->font != nullptr ? item->font : &g_default_font, item->text);
}

void draw_image_list(const GadgetImage* first, int32_t dx, int32_t dy) {
    for (const GadgetImage* image = first; image != nullptr; image = image->next) {
        int32_t x = image->left + dx;
        int32_t y = image->top + dy;
        int32_t x1 = x + image->width - 1;
        int32_t y1 = y + image->height - 1;
        if (image->depth < 1) {
            set_draw_color(image->fill_colour);
            fill_rect(x, y, x1, y1);
        } else if (image->data != nullptr && image->data[0] == 2 * image->width && image->data[1] == image->height) {
            uint32_t kept = g_draw_color;
            set_draw_color(1);
            fill_rect(x, y, x1, y1);
            set_draw_color(kept);
        } else {
            set_draw_color(3);
            fill_rect(x, y, x1, y1);
        }
    }
}

void draw_border_list(const GadgetBorder* first, int32_t dx, int32_t dy) {
    for (const GadgetBorder* border = first; border != nullptr; border = border->next) {
        if (border->count == 0 || border->points == nullptr) continue;
        int32_t ox = border->left + dx;
        int32_t oy = border->top + dy;
        set_draw_color(static_cast<uint32_t>(border->colour));
        draw_move_to(ox + border->points[0], oy + border->points[1]);
        for (uint32_t i = 1; i < border->count; ++i) draw_line_to(ox + border->points[2 * i], oy + border->points[2 * i + 1]);
    }
}

void gadget_draw_render_chain(const Gadget* g, const void* render, int32_t x, int32_t y) {
    if (render == nullptr) return;
    if (g->flags & GADGET_IMAGE_RENDERS) {
        draw_image_list(static_cast<const GadgetImage*>(render), x, y);
    } else {
        draw_border_list(static_cast<const GadgetBorder*>(render), x, y);
    }
}

// Inversion is its own undo, so the box and frame highlights look the same both ways.
static void gadget_draw_look(const Gadget* g, bool selected) {
    if (g->type == GADGET_SLIDER) return;
    int32_t x0 = g->left;
    int32_t y0 = g->top;
    int32_t x1 = g->left + g->width - 1;
    int32_t y1 = g->top + g->height - 1;
    if (g->flags & GADGET_HIGHLIGHT_BOX) {
        invert_rect(x0, y0, x1, y1);
    } else if (g->flags & GADGET_HIGHLIGHT_FRAME) {
        invert_rect(x0, y0, x1, y1);
        invert_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1);
    } else if (g->flags & GADGET_HIGHLIGHT_RENDER) {
        gadget_draw_render_chain(g, selected ? g->select_render : g->render, g->left, g->top);
    }
}

void gadget_draw_selected(const Gadget* g) { gadget_draw_look(g, true); }
void gadget_draw_normal(const Gadget* g) { gadget_draw_look(g, false); }
