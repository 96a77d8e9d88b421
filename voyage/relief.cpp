#include "voyage/relief.h"

#include <algorithm>

#include "engine/frame.h"
#include "engine/intmath.h"
#include "engine/polygon.h"
#include "engine/random.h"
#include "voyage/sim_state.h"

ReliefOffset g_relief_offsets[RELIEF_OFFSET_COUNT] = {};
int32_t g_relief_edge_id = 1;

namespace {

int32_t next_edge_id() { return g_relief_edge_id++; }


// The point pulled 4 pixels towards the centre, so that a rim of the ice fill stays around it.
ReliefPoint inset(int32_t x, int32_t y, int32_t cx, int32_t cy) {
    int32_t dx = cx - x, dy = cy - y;
    int32_t d = std::max(isqrt(dx * dx + dy * dy), 1);
    return {x + 4 * dx / d, y + 4 * dy / d, 0};
}

}  // namespace

void relief_polygon(const int32_t* polygon, int32_t sum_x, int32_t sum_y, int32_t count, int32_t perimeter) {
    for (ReliefOffset& o : g_relief_offsets) {
        o.dx = random_range(-100, 100);
        o.dy = random_range(-100, 100);
        o.dz = random_range(-100, 100);
    }
    g_relief_edge_id = 1;
    int32_t e1 = next_edge_id(), e2 = next_edge_id(), e3 = next_edge_id();
    int32_t n = std::max(count, 1);
    int32_t cx = sum_x / n, cy = sum_y / n;
    int32_t a = perimeter / n;
    ReliefPoint p = inset(polygon[0], polygon[1], cx, cy);
    int32_t top = random_range(a, 2 * a);
    for (const int32_t* q = polygon + 2; q[0] != COAST_END && q[0] != COAST_BREAK; q += 2) {
        if (q[0] == polygon[0] && q[1] == polygon[1]) e1 = 2;
        ReliefPoint qi = inset(q[0], q[1], cx, cy);
        relief_subdivide(qi, {cx, cy, top}, p, 2, a, e1, e2, e3);
        e2 = e1;
        e1 = next_edge_id();
        e3 = next_edge_id();
        p = qi;
    }
}

void relief_subdivide(ReliefPoint a, ReliefPoint b, ReliefPoint c, int32_t level, int32_t amplitude, int32_t e_ab,
                      int32_t e_bc, int32_t e_ca) {
    if (level < 1) {
        relief_facet_draw(a, b, c);
        return;
    }
    ReliefPoint m1 = relief_midpoint(a, b, level, amplitude, e_ab);
    ReliefPoint m2 = relief_midpoint(a, c, level, amplitude, e_ca);
    ReliefPoint m3 = relief_midpoint(b, c, level, amplitude, e_bc);
    int32_t u = next_edge_id(), v = next_edge_id(), w = next_edge_id();
    int32_t half = amplitude / 2;
    relief_subdivide(a, m1, m2, level - 1, half, e_ab, u, e_ca);
    relief_subdivide(m1, b, m3, level - 1, half, e_ab, e_bc, v);
    relief_subdivide(m2, m3, c, level - 1, half, w, e_bc, e_ca);
    relief_subdivide(m1, m3, m2, level - 1, half, v, w, u);
}

ReliefPoint relief_midpoint(ReliefPoint a, ReliefPoint b, int32_t level, int32_t amplitude, int32_t edge) {
    int32_t k = (level + edge) % RELIEF_OFFSET_COUNT;
    if (k < 0) k += RELIEF_OFFSET_COUNT;
    const ReliefOffset& o = g_relief_offsets[k];
    ReliefPoint m;
    m.x = (a.x + b.x) / 2 + (o.dx * amplitude) / 1100;
    m.y = (a.y + b.y) / 2 + (o.dy * amplitude) / 1100;
    m.z = (a.z + b.z) / 2;
    if (a.z >= 1 || b.z >= 1) m.z += (o.dz * amplitude) / 180;
    return m;
}

void relief_facet_draw(ReliefPoint a, ReliefPoint b, ReliefPoint c) {
    int32_t nx = wrap_add(wrap_mul(a.y - b.y, c.z - b.z), -wrap_mul(a.z - b.z, c.y - b.y));
    int32_t ny = wrap_add(wrap_mul(a.z - b.z, c.x - b.x), -wrap_mul(a.x - b.x, c.z - b.z));
    int32_t nz = wrap_add(wrap_mul(a.x - b.x, c.y - b.y), -wrap_mul(a.y - b.y, c.x - b.x));
    if (nz < 0) {
        nx = wrap_mul(nx, -1);
        ny = wrap_mul(ny, -1);
        nz = wrap_mul(nz, -1);
    }
    int32_t squares = wrap_add(wrap_add(wrap_mul(nx, nx), wrap_mul(ny, ny)), wrap_mul(nz, nz));
    int32_t len = std::max(isqrt(squares), 1);
    int32_t lit = wrap_mul(wrap_add(wrap_add(wrap_mul(3, nz), -nx), -ny), 25500);
    int32_t scale = wrap_mul(len, 331);
    int32_t shade = std::clamp(scale != 0 ? lit / scale : 0, 0, 255);
    polygon_move_to(a.x, a.y);
    polygon_line_to(b.x, b.y);
    polygon_line_to(c.x, c.y);
    if (g_graphics_mode == 1) {
        polygon_fill_gradient(9, 15, shade, 0);
    } else {
        polygon_fill_gradient(1, 3, shade, 0);
    }
}
