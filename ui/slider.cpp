#include "ui/slider.h"

#include <algorithm>

#include "engine/draw.h"
#include "ui/gadget_render.h"

namespace {

// a x b / 65535 with the product in 32 bits, truncated.
int32_t scale_65535(int32_t a, int32_t b) {
    auto product = static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
    return product / 65535;
}

// The pot of a knob offset along a span of span pixels, within 0..65535.
uint16_t pot_at(int32_t offset, int32_t span) {
    auto product = static_cast<int32_t>(static_cast<uint32_t>(offset) * 65535u);
    return static_cast<uint16_t>(std::clamp(product / span, 0, 65535));
}

int32_t axis_offset(int32_t box, int32_t knob, uint16_t pot) { return scale_65535(box - knob - 2, pot); }

// The knob size a non-plain knob takes from its render; false when it has none (2 x 2 is then
// used for the position but not kept).
bool render_knob_size(const Gadget* g, int32_t* w, int32_t* h) {
    if (g->render == nullptr) {
        *w = 2;
        *h = 2;
        return false;
    }
    if (g->flags & GADGET_IMAGE_RENDERS) {
        const auto* image = static_cast<const GadgetImage*>(g->render);
        *w = image->width + image->left;
        *h = image->height + image->top;
    } else {
        *w = 20;
        *h = 20;
    }
    return true;
}

}  // namespace

void slider_draw(Gadget* g, int32_t mode) {
    SliderInfo* s = gadget_slider_info(g);
    if (s == nullptr) return;
    if (mode == 3) {
        set_draw_color(0);
        fill_rect(g->left + s->knob_x + 1, g->top + s->knob_y + 1, g->left + s->knob_x + s->knob_width,
                  g->top + s->knob_y + s->knob_height);
    } else {
        set_draw_color(0);
        fill_rect(g->left, g->top, g->left + g->width - 1, g->top + g->height - 1);
        if (!(s->flags & SLIDER_NO_FRAME)) {
            set_draw_color(1);
            draw_rect_outline(g->left, g->top, g->left + g->width - 1, g->top + g->height - 1);
        }
    }
    s->hstep = s->hbody;
    if (s->hbody == 0) s->hstep = s->hbody = 1;
    s->vstep = s->vbody;
    if (s->vbody == 0) s->vstep = s->vbody = 1;

    bool horizontal = (s->flags & SLIDER_HORIZONTAL) != 0;
    bool vertical = (s->flags & SLIDER_VERTICAL) != 0;
    int32_t kx = 0;
    int32_t ky = 0;
    if (s->flags & SLIDER_PLAIN_KNOB) {
        int32_t kw = horizontal ? scale_65535(g->width - 2, s->hbody) : g->width - 2;
        int32_t kh = vertical ? scale_65535(g->height - 2, s->vbody) : g->height - 2;
        s->knob_width = static_cast<uint16_t>(kw);
        s->knob_height = static_cast<uint16_t>(kh);
        if (horizontal) kx = axis_offset(g->width, s->knob_width, s->hpot);
        if (vertical) ky = axis_offset(g->height, s->knob_height, s->vpot);
        set_draw_color(3);
        draw_rect_outline(g->left + kx + 1, g->top + ky + 1, g->left + kx + s->knob_width,
                          g->top + ky + s->knob_height);
    } else {
        int32_t kw = 0;
        int32_t kh = 0;
        if (render_knob_size(g, &kw, &kh)) {
            s->knob_width = static_cast<uint16_t>(kw);
            s->knob_height = static_cast<uint16_t>(kh);
        }
        if (horizontal) kx = axis_offset(g->width, kw, s->hpot);
        if (vertical) ky = axis_offset(g->height, kh, s->vpot);
        if (g->render != nullptr) {
            gadget_draw_render_chain(g, g->render, g->left + kx + 1, g->top + ky + 1);
        } else {
            set_draw_color(3);
            draw_rect_outline(g->left + kx + 1, g->top + ky + 1, g->left + kx + 3, g->top + ky + 3);
        }
    }
    s->knob_x = static_cast<uint16_t>(kx);
    s->knob_y = static_cast<uint16_t>(ky);
}

void slider_knob_offset(const Gadget* g, int32_t* kx, int32_t* ky) {
    const SliderInfo* s = gadget_slider_info(g);
    *kx = 0;
    *ky = 0;
    if (s == nullptr) return;
    int32_t kw = s->knob_width;
    int32_t kh = s->knob_height;
    if (!(s->flags & SLIDER_PLAIN_KNOB) && g->render == nullptr) kw = kh = 2;
    if (s->flags & SLIDER_HORIZONTAL) *kx = axis_offset(g->width, kw, s->hpot);
    if (s->flags & SLIDER_VERTICAL) *ky = axis_offset(g->height, kh, s->vpot);
}

void slider_press(Gadget* g, int32_t x, int32_t y) {
    SliderInfo* s = gadget_slider_info(g);
    if (s == nullptr) return;
    int32_t kx = 0;
    int32_t ky = 0;
    slider_knob_offset(g, &kx, &ky);
    int32_t knob_x0 = g->left + kx + 1;
    int32_t knob_y0 = g->top + ky + 1;
    if (point_in_rect(x, y, knob_x0, knob_y0, g->left + kx + s->knob_width, g->top + ky + s->knob_height)) {
        s->flags |= SLIDER_KNOB_HELD;
        g_slider_grab = {x - knob_x0, y - knob_y0};
    } else {
        if (s->flags & SLIDER_HORIZONTAL) {
            if (x < g->left + kx) {
                s->hpot = static_cast<uint16_t>(std::max(0, s->hpot - s->hstep));
            } else if (x >= g->left + kx + s->knob_width - 1) {
                s->hpot = static_cast<uint16_t>(std::min(65535, s->hpot + s->hstep));
            }
        }
        if (s->flags & SLIDER_VERTICAL) {
            if (y < g->top + ky) {
                s->vpot = static_cast<uint16_t>(std::max(0, s->vpot - s->vstep));
            } else if (y >= g->top + ky + s->knob_height - 1) {
                s->vpot = static_cast<uint16_t>(std::min(65535, s->vpot + s->vstep));
            }
        }
    }
    slider_draw(g, 3);
}

void slider_follow(Gadget* g, int32_t x, int32_t y) {
    SliderInfo* s = gadget_slider_info(g);
    if (s == nullptr || !(s->flags & SLIDER_KNOB_HELD)) return;
    int32_t hspan = g->width - s->knob_width - 2;
    int32_t vspan = g->height - s->knob_height - 2;
    if ((s->flags & SLIDER_HORIZONTAL) && hspan > 0) s->hpot = pot_at(x - g->left - 1 - g_slider_grab.x, hspan);
    if ((s->flags & SLIDER_VERTICAL) && vspan > 0) s->vpot = pot_at(y - g->top - 1 - g_slider_grab.y, vspan);
    slider_draw(g, 3);
}
