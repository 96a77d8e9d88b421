// Small painting kit for the generated pictures: palette ramps, shapes and dithered gradients on a
// 320 x 200 picture. Colours are screen colour indexes (0..31 the fixed interface colours, 32..255
// the picture's own palette); everything is clipped to the picture.
#pragma once

#include <cstdint>

#include "assets/picture_writer.h"

struct PaintPoint {
    int32_t x;
    int32_t y;
};

// Sets screen colour index (32..255) of the picture's palette to a 6-bit triple.
void paint_palette_set(PictureImage* image, int32_t index, int32_t r, int32_t g, int32_t b);
// Colours first .. first + count - 1 as a ramp from one triple to another, both included.
void paint_palette_ramp(PictureImage* image, int32_t first, int32_t count, const uint8_t from[3],
                        const uint8_t to[3]);
// Copies the whole palette of one picture to another (pictures shown together share it).
void paint_palette_copy(PictureImage* to, const PictureImage* from);

void paint_pixel(PictureImage* image, int32_t x, int32_t y, int32_t colour);
int32_t paint_get(const PictureImage* image, int32_t x, int32_t y);  // -1 outside
void paint_clear(PictureImage* image, int32_t colour);
// Filled rectangle with corners (x0, y0) and (x1, y1), both included.
void paint_rect(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t colour);
// Outline of the same rectangle.
void paint_frame(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t colour);
// A raised (or, with sunken set, a sunken) bevel: light top and left, dark bottom and right.
void paint_bevel(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t light,
                 int32_t dark, bool sunken);
void paint_line(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t colour);
// Filled ellipse of centre (cx, cy) and radii rx, ry.
void paint_ellipse(PictureImage* image, int32_t cx, int32_t cy, int32_t rx, int32_t ry, int32_t colour);
// Filled polygon (even-odd rule, pixel centres inside are painted).
void paint_polygon(PictureImage* image, const PaintPoint* points, int32_t count, int32_t colour);
// Fills the rectangle with colours first .. first + count - 1 running from top to bottom (or left
// to right when horizontal), ordered-dithered between neighbouring steps.
void paint_gradient(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t first,
                    int32_t count, bool horizontal);
// Replaces every pixel of the rectangle that has colour base..base + count - 1 by a neighbouring
// step chosen from a fixed noise (texture for wood, stone, water), never leaving the range.
void paint_noise(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t base,
                 int32_t count, uint32_t seed);
