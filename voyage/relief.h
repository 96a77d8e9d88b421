// The fractal relief of the ice: each ice polygon is raised as a fan of triangles from a peak over
// its centre, each triangle cut twice into four with jittered midpoints, and every facet filled in
// a shade of its slope towards the light.
#pragma once

#include <cstdint>

struct ReliefPoint {
    int32_t x, y, z;
};

constexpr int32_t RELIEF_OFFSET_COUNT = 20;
struct ReliefOffset {
    int32_t dx, dy, dz;
};
extern ReliefOffset g_relief_offsets[RELIEF_OFFSET_COUNT];
extern int32_t g_relief_edge_id;

// polygon points at the polygon's first point in a CoastList; the walk stops at its break or the
// end of the list. Draws the offsets afresh: 60 random draws, dx, dy, dz per entry from entry 0.
void relief_polygon(const int32_t* polygon, int32_t sum_x, int32_t sum_y, int32_t count, int32_t perimeter);
void relief_subdivide(ReliefPoint a, ReliefPoint b, ReliefPoint c, int32_t level, int32_t amplitude, int32_t e_ab,
                      int32_t e_bc, int32_t e_ca);
ReliefPoint relief_midpoint(ReliefPoint a, ReliefPoint b, int32_t level, int32_t amplitude, int32_t edge);
void relief_facet_draw(ReliefPoint a, ReliefPoint b, ReliefPoint c);
