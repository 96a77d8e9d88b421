#include "engine/draw.h"

#include <algorithm>
#include <vector>

#include "engine/frame.h"
#include "engine/input.h"

int32_t g_pen_x = 0;
int32_t g_pen_y = 0;

namespace {

bool on_screen(int32_t x, int32_t y) { return x >= 0 && y >= 0 && x < SCREEN_WIDTH && y < SCREEN_HEIGHT; }

// The line walk shared by the plain and the keep-mark lines, so both give the same pixels for the
// same ends: it always walks the major axis upward from the end with the smaller coordinate, and a
// tie of the error term steps the minor coordinate.
template <typename Plot>
void line_walk(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Plot plot) {
    int32_t dx = x1 > x0 ? x1 - x0 : x0 - x1;
    int32_t dy = y1 > y0 ? y1 - y0 : y0 - y1;
    if (dx < dy) {
        if (y0 > y1) {
            std::swap(x0, x1);
            std::swap(y0, y1);
        }
        int32_t s = x1 > x0 ? 1 : -1;
        int32_t e = 2 * dx - dy;
        int32_t x = x0;
        plot(x, y0);
        for (int32_t y = y0 + 1; y <= y1; ++y) {
            if (e >= 0) {
                x += s;
                e += 2 * (dx - dy);
            } else {
                e += 2 * dx;
            }
            plot(x, y);
        }
    } else {
        if (x0 > x1) {
            std::swap(x0, x1);
            std::swap(y0, y1);
        }
        int32_t s = y1 > y0 ? 1 : -1;
        int32_t e = 2 * dy - dx;
        int32_t y = y0;
        plot(x0, y);
        for (int32_t x = x0 + 1; x <= x1; ++x) {
            if (e >= 0) {
                y += s;
                e += 2 * (dy - dx);
            } else {
                e += 2 * dy;
            }
            plot(x, y);
        }
    }
}

// Clips a rectangle with normalised corners to the screen; false when nothing is left.
bool clip_rect(int32_t* x0, int32_t* y0, int32_t* x1, int32_t* y1) {
    if (*x0 > *x1) std::swap(*x0, *x1);
    if (*y0 > *y1) std::swap(*y0, *y1);
    *x0 = std::max(*x0, 0);
    *y0 = std::max(*y0, 0);
    *x1 = std::min(*x1, SCREEN_WIDTH - 1);
    *y1 = std::min(*y1, SCREEN_HEIGHT - 1);
    return *x0 <= *x1 && *y0 <= *y1;
}

}  // namespace

void draw_pixel(int32_t x, int32_t y) {
    mouse_hide_cursor();
    if (on_screen(x, y)) screen_put_pixel(x, y, g_draw_color);
}

void draw_move_to(int32_t x, int32_t y) {
    g_pen_x = x;
    g_pen_y = y;
}

void draw_line_to(int32_t x, int32_t y) {
    draw_line_clipped(g_pen_x, g_pen_y, x, y, g_draw_color);
    g_pen_x = x;
    g_pen_y = y;
}

int32_t draw_rect_outline(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    draw_line_clipped(x0, y0, x1, y0, g_draw_color);
    draw_line_clipped(x1, y0, x1, y1, g_draw_color);
    draw_line_clipped(x1, y1, x0, y1, g_draw_color);
    draw_line_clipped(x0, y1, x0, y0, g_draw_color);
    return 0;
}

void fill_rect(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    mouse_guard_area(x0, y0, x1, y1);
    if (!clip_rect(&x0, &y0, &x1, &y1)) return;
    for (int32_t y = y0; y <= y1; ++y) {
        if (g_fill_mode == 1) {
            screen_hline(x0, x1 - x0 + 1, y, g_draw_color);
        } else {
            screen_hline_stippled(x0, x1 - x0 + 1, y, g_draw_color);
        }
    }
}

void invert_rect(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    mouse_guard_area(x0, y0, x1, y1);
    if (!clip_rect(&x0, &y0, &x1, &y1)) return;
    for (int32_t y = y0; y <= y1; ++y) screen_hline_xor(x0, x1 - x0 + 1, y, 15);
}

void set_fill_stipple(int32_t on) { g_fill_mode = on != 0 ? 31 : 1; }

void clear_screen() {
    mouse_hide_cursor();
    screen_clear_to(0);
}

void clear_screen_to(uint32_t colour) {
    mouse_hide_cursor();
    screen_clear_to(colour);
}

void set_draw_color(uint32_t colour) { g_draw_color = colour; }
void set_pen_color(int32_t, uint32_t colour) { g_draw_color = colour; }

int32_t read_screen_pixel(int32_t x, int32_t y) { return screen_get_pixel(x, y); }

void draw_line_clipped(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
    mouse_hide_cursor();
    line_walk(x0, y0, x1, y1, [colour](int32_t x, int32_t y) {
        if (on_screen(x, y)) screen_put_pixel(x, y, colour);
    });
}

int32_t plot_pixel_keep_marks(int32_t x, int32_t y, uint32_t colour) {
    if (!on_screen(x, y)) return 0;
    int32_t v = screen_get_pixel(x, y);
    if (v == 39 || v == 35) return v;
    screen_put_pixel(x, y, colour);
    return 0;
}

void draw_line_keep_marks(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    mouse_hide_cursor();
    uint32_t colour = g_draw_color;
    line_walk(x0, y0, x1, y1, [colour](int32_t x, int32_t y) { plot_pixel_keep_marks(x, y, colour); });
}

// ---- Seed fill ----------------------------------------------------------------------------------
//
// The span fill runs on its own stack of frames instead of the processor's, so a large region with
// many spans cannot overflow the thread's stack; it visits the spans in the same order and fills
// the same pixels as the recursive form.

namespace {

bool fillable(int32_t x, int32_t y, int32_t border) {
    if (!on_screen(x, y)) return false;
    int32_t v = screen_get_pixel(x, y);
    return v != border && v != static_cast<int32_t>(g_draw_color);
}

struct SpanFrame {
    int32_t y, d, pl, pr;
    int32_t left, right;
    int32_t stage;  // 0: the child row, 1: back above the parent's left, 2: back right of the parent
    int32_t i;
};

int32_t fill_span_row(int32_t x, int32_t y, int32_t border, int32_t* left_out) {
    int32_t left = x;
    do --left;
    while (fillable(left, y, border));
    ++left;
    int32_t right = x;
    do ++right;
    while (fillable(right, y, border));
    --right;
    draw_line_clipped(left, y, right, y, g_draw_color);
    *left_out = left;
    return right;
}

}  // namespace

int32_t flood_fill(int32_t x, int32_t y, int32_t border) {
    mouse_hide_cursor();
    std::vector<SpanFrame> stack;
    int32_t first_right = 0;
    auto open = [&](int32_t sx, int32_t sy, int32_t d, int32_t pl, int32_t pr) {
        SpanFrame f{sy, d, pl, pr, 0, 0, 0, 0};
        f.right = fill_span_row(sx, sy, border, &f.left);
        f.i = f.left;
        stack.push_back(f);
    };
    open(x, y, 1, x, x);
    first_right = stack.back().right;
    int32_t returned = 0;  // the right end handed back by the span that just finished
    bool resumed = false;
    while (!stack.empty()) {
        SpanFrame& f = stack.back();
        if (resumed) {
            f.i = returned + 1;
            resumed = false;
        }
        int32_t end = f.stage == 0 ? f.right : f.stage == 1 ? f.pl - 1 : f.right;
        int32_t row = f.stage == 0 ? f.y + f.d : f.y - f.d;
        bool called = false;
        while (f.i <= end) {
            if (fillable(f.i, row, border)) {
                int32_t d = f.stage == 0 ? f.d : -f.d;
                int32_t sx = f.i, sl = f.left, sr = f.right;
                open(sx, row, d, sl, sr);
                called = true;
                break;
            }
            ++f.i;
        }
        if (called) continue;
        // This stage is done: move on to the next one, or return.
        SpanFrame& g = stack.back();
        if (g.stage == 0) {
            g.stage = 1;
            g.i = g.left;
        } else if (g.stage == 1) {
            g.stage = 2;
            g.i = g.pr;
        } else {
            returned = g.right;
            stack.pop_back();
            if (!stack.empty()) resumed = true;
        }
    }
    return first_right;
}
