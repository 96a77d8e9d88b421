// Drawing primitives on the frame: points, a pen with lines, rectangles (solid or stippled), the
// inverted highlight, a seed fill up to a border colour, clears, and the two radar primitives that
// leave the mark colours 35 and 39 standing.
#pragma once

#include <cstdint>

extern int32_t g_pen_x;
extern int32_t g_pen_y;

void draw_pixel(int32_t x, int32_t y);
void draw_move_to(int32_t x, int32_t y);
void draw_line_to(int32_t x, int32_t y);
int32_t draw_rect_outline(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
void fill_rect(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
void invert_rect(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
int32_t flood_fill(int32_t x, int32_t y, int32_t border);
void set_fill_stipple(int32_t on);
void clear_screen();
void clear_screen_to(uint32_t colour);
void set_draw_color(uint32_t colour);
void set_pen_color(int32_t pen, uint32_t colour);
int32_t read_screen_pixel(int32_t x, int32_t y);
void draw_line_clipped(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour);
int32_t plot_pixel_keep_marks(int32_t x, int32_t y, uint32_t colour);
void draw_line_keep_marks(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
