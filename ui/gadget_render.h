// Drawing the pieces of gadgets: label chains, border and image renders, and the two looks.
#pragma once

#include <cstdint>

#include "ui/gadget.h"

void draw_text_items(const GadgetText* first, int32_t dx, int32_t dy);
int32_t text_item_width(const GadgetText* item);
void draw_image_list(const GadgetImage* first, int32_t dx, int32_t dy);
void draw_border_list(const GadgetBorder* first, int32_t dx, int32_t dy);
// Draws render (one of g's renders) at (x, y) as images or borders by g's GADGET_IMAGE_RENDERS.
void gadget_draw_render_chain(const Gadget* g, const void* render, int32_t x, int32_t y);
// The highlighted and the normal look; nothing for sliders.
void gadget_draw_selected(const Gadget* g);
void gadget_draw_normal(const Gadget* g);
