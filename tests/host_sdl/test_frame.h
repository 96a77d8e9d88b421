// A test frame for the window host: a pattern with single-pixel detail that tells every row and
// column apart, under a palette in which every index has its own colour, handed to the window
// the way the game hands its frames over.
#pragma once

#include <cstdint>

// The palette index of frame pixel (x, y).
uint8_t test_frame_index(int32_t x, int32_t y);
// The 0xAARRGGBB colour the window must show for frame pixel (x, y).
uint32_t test_frame_colour(int32_t x, int32_t y);
// Game thread (or a test acting as one): draws the pattern, with a square of index 255 at (mx, my)
// when mx >= 0, and hands it to the window.
void test_frame_publish(int32_t mx, int32_t my);
// Compares the centres of all 64000 frame pixels with a picture of the frame area stretched over
// w x h pixels (pitch in pixels). Returns the number of mismatches.
int32_t test_frame_mismatches(const uint32_t* pixels, int32_t pitch, int32_t w, int32_t h, int32_t mx,
                              int32_t my);
