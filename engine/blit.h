// Rectangle copies from a 320-wide off-screen buffer to the frame with their combine modes, the
// whole-buffer show, and the mask maker of the sprite sheets.
#pragma once

#include <cstdint>

// Combine modes of blit_to_screen (d = frame pixel, s = source pixel); any other value draws nothing.
enum : int32_t {
    BLIT_COPY = 0,    // d := s
    BLIT_OR = 1,      // d := d OR s
    BLIT_KEY_0 = 2,   // d := s unless s = 0
    BLIT_KEY_1 = 3,   // d := s unless s = 1
    BLIT_NAND = 4,    // d := NOT (d AND s)
    BLIT_KEY_32 = 5,  // d := s unless s = 32
};

// Hides the cursor and copies the whole buffer to the frame.
void screen_show_buffer(const uint8_t* buffer);
// Copies the w x h rectangle at (sx, sy) of src to (dx, dy) of the frame, clipped to the frame; the
// source is not clipped, the caller keeps it inside its buffer. Nothing left after clipping: returns
// at once without marking the frame changed.
void blit_to_screen(const uint8_t* src, int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w, int32_t h,
                    int32_t mode);
void blit_copy_to_screen(const uint8_t* src, int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w,
                         int32_t h);
// Within one buffer (null = the frame): writes at (x + dx - sx, y + dy - sy) 0 where pixel (x, y) of
// the w x h rectangle at (sx, sy) equals key and 15 elsewhere. The pixel is read signed, so a key
// of 128 or more never matches. Both rectangles lie inside the buffer and do not overlap.
void make_mask_copy(uint8_t* buffer, int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w, int32_t h,
                    int32_t key);
