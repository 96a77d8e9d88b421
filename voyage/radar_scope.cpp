// The scope: the sweep rays, the crossing of two segments, and the echo that the newest rays paint.
#include "voyage/radar_scope.h"

#include <algorithm>
#include <iterator>

#include "engine/draw.h"
#include "voyage/radar.h"
#include "world/sine_table.h"

namespace {

struct Line {
    int32_t u0, v0, u1, v1;
};

// The other ship in its own frame: u along its heading, v across; the first line is its keel,
// reaching two pixels further forward as the bow.
constexpr Line ECHO_LINES[] = {
    {-5, 0, 7, 0}, {-5, 1, 5, 1}, {-5, -1, 5, -1}, {-5, -2, 5, -2}, {-5, 2, 5, 2},
};

bool between(int64_t v, int32_t a, int32_t b) { return v >= std::min(a, b) && v <= std::max(a, b); }

}  // namespace

void radar_sweep_line_draw(int32_t angle) {
    int32_t x = RADAR_SCOPE_X + ((sin_deg(angle) * RADAR_SCOPE_RADIUS) >> 8);
    int32_t y = RADAR_SCOPE_Y + ((cos_deg(angle) * RADAR_SCOPE_RADIUS) >> 8);
    draw_line_keep_marks(RADAR_SCOPE_X, RADAR_SCOPE_Y, x, y);
}

// Products in 64 bits, exact for coordinates within +-500000 (the scope's are a few hundred).
int32_t segment_intersect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                          int32_t x3, int32_t y3, int32_t* x, int32_t* y) {
    int64_t dx1 = int64_t{x1} - x0, dy1 = int64_t{y1} - y0;
    int64_t dx2 = int64_t{x3} - x2, dy2 = int64_t{y3} - y2;
    int64_t den = dy2 * dx1 - dy1 * dx2;
    if (den == 0) return 0;
    int64_t num = (int64_t{x2} - x0) * dy2 - (int64_t{y2} - y0) * dx2;
    if (den < 0) {
        den = -den;
        num = -num;
    }
    if (num < 0 || num > den) return 0;
    int64_t px = x0 + num * dx1 / den;
    int64_t py = y0 + num * dy1 / den;
    if (!between(px, x2, x3) || !between(py, y2, y3)) return 0;
    *x = static_cast<int32_t>(px);
    *y = static_cast<int32_t>(py);
    return 1;
}

void radar_echo_draw(int32_t a, int32_t x, int32_t y, int32_t e) {
    int32_t c = cos_deg(e), s = sin_deg(e);
    Line screen[std::size(ECHO_LINES)];
    for (size_t k = 0; k < std::size(ECHO_LINES); ++k) {
        const Line& l = ECHO_LINES[k];
        screen[k] = {x + ((c * l.u0 - s * l.v0) >> 8), y + ((c * l.v0 + s * l.u0) >> 8),
                     x + ((c * l.u1 - s * l.v1) >> 8), y + ((c * l.v1 + s * l.u1) >> 8)};
    }
    for (int32_t ray = a + 3; ray <= a + 6; ++ray) {
        int32_t rx = RADAR_SCOPE_X + sin_deg(ray) * RADAR_SCOPE_RADIUS / 255;
        int32_t ry = RADAR_SCOPE_Y + cos_deg(ray) * RADAR_SCOPE_RADIUS / 255;
        for (const Line& l : screen) {
            int32_t px = 0, py = 0;
            if (segment_intersect(RADAR_SCOPE_X, RADAR_SCOPE_Y, rx, ry, l.u0, l.v0, l.u1, l.v1, &px, &py) != 0)
                plot_pixel_keep_marks(px, py, RADAR_PHOSPHOR);
        }
    }
}

int32_t radar_sweep_advance(int32_t a) {
    set_draw_color(RADAR_SCOPE_GROUND);
    for (int32_t k : {1, 2, 3, 0}) radar_sweep_line_draw(a - k);
    a -= 4;
    if (a < 0) a += 360;
    set_draw_color(RADAR_PHOSPHOR);
    radar_sweep_line_draw(a);
    return a;
}
