#include "engine/blit.h"

#include "engine/frame.h"
#include "engine/input.h"

void screen_show_buffer(const uint8_t* buffer) {
    mouse_hide_cursor();
    screen_copy_from(buffer);
}

// Clips one axis of the destination to 0..limit - 1, moving the source start along; false when
// nothing of the span is left.
static bool clip_axis(int32_t* s, int32_t* d, int32_t* len, int32_t limit) {
    if (*d < 0) {
        if (*d + *len - 1 < 0) return false;
        *s -= *d;
        *len += *d;
        *d = 0;
    }
    if (*d + *len - 1 >= limit) {
        if (*d >= limit) return false;
        *len = limit - *d;
    }
    return true;
}

void blit_to_screen(const uint8_t* src, int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w, int32_t h,
                    int32_t mode) {
    if (!clip_axis(&sx, &dx, &w, SCREEN_WIDTH) || !clip_axis(&sy, &dy, &h, SCREEN_HEIGHT)) return;
    uint8_t* frame = g_screen_buffer;
    for (int32_t i = 0; i < h; ++i) {
        switch (mode) {
            case BLIT_COPY:
                span_copy(sx, dx, src, frame, w, sy + i, dy + i);
                break;
            case BLIT_OR:
                span_or(sx, dx, src, frame, w, sy + i, dy + i);
                break;
            case BLIT_KEY_0:
                span_copy_keyed(sx, dx, src, frame, w, sy + i, dy + i, 0);
                break;
            case BLIT_KEY_1:
                span_copy_keyed(sx, dx, src, frame, w, sy + i, dy + i, 1);
                break;
            case BLIT_NAND:
                span_nand(sx, dx, src, frame, w, sy + i, dy + i);
                break;
            case BLIT_KEY_32:
                span_copy_keyed(sx, dx, src, frame, w, sy + i, dy + i, 32);
                break;
            default:
                break;
        }
    }
    screen_mark_changed();
}

void blit_copy_to_screen(const uint8_t* src, int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w,
                         int32_t h) {
    blit_to_screen(src, sx, sy, dx, dy, w, h, BLIT_COPY);
}

void make_mask_copy(uint8_t* buffer, int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w, int32_t h,
                    int32_t key) {
    uint8_t* b = buffer != nullptr ? buffer : g_screen_buffer;
    for (int32_t x = sx; x < sx + w; ++x)
        for (int32_t y = sy; y < sy + h; ++y)
            buffer_put_pixel(b, x + dx - sx, y + dy - sy, buffer_get_pixel(b, x, y) == key ? 0 : 15);
}
