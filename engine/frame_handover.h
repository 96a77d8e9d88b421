// The frame and palette are handed to the window thread as a double buffer: at every sleep of the
// game thread a frame drawn since the last hand-over is copied, under a lock, into the front
// buffer, and the copy raises g_screen_changed again (the window may have taken the flag before
// the copy). The window presents only from the front buffer, so it never sees a half-drawn frame.
// A frame drawn again exactly as it stands in the front buffer is not handed over: the window has
// nothing new to show. Each hand-over counts one up, so the window presents only new frames.
#pragma once

#include <cstdint>

extern bool g_frame_dirty;  // game thread only: the frame or palette changed since the last copy

// Game thread: copies a dirty frame and palette into the front buffer.
void frame_publish();
// Window thread: copies the front frame (64000 bytes) and palette (256 x blue, green, red, 0).
// Either pointer may be null. Returns the count of hand-overs that frame is.
uint32_t frame_front_read(uint8_t* pixels, uint8_t* palette);
// Window thread: the count of hand-overs so far.
uint32_t frame_front_serial();
