#include "voyage/ship_collision.h"

#include <algorithm>

#include "voyage/sim_state.h"

namespace {

// True when both ends lie on one side, beyond the box.
bool both_outside(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t min_x, int32_t min_y, int32_t max_x,
                  int32_t max_y) {
    return (ax < min_x && bx < min_x) || (ax > max_x && bx > max_x) || (ay < min_y && by < min_y) ||
           (ay > max_y && by > max_y);
}

// Contacts of the segment p0-p1 with the hull's edges.
int32_t segment_contacts(const int32_t* p0, const int32_t* p1) {
    int32_t count = 0;
    int32_t n = g_sim_shape[0] - 1;  // hull edges
    const int32_t* hull = g_sim_shape + 1;
    int32_t smin_x = std::min(p0[0], p1[0]), smax_x = std::max(p0[0], p1[0]);
    int32_t smin_y = std::min(p0[1], p1[1]), smax_y = std::max(p0[1], p1[1]);
    for (int32_t k = 0; k < n; ++k) {
        const int32_t* q0 = hull + 2 * k;
        const int32_t* q1 = q0 + 2;
        if (both_outside(q0[0], q0[1], q1[0], q1[1], smin_x, smin_y, smax_x, smax_y)) continue;
        int32_t d1x = p1[0] - p0[0], d1y = p1[1] - p0[1];
        int32_t d2x = q1[0] - q0[0], d2y = q1[1] - q0[1];
        int32_t den = d2y * d1x - d1y * d2x;
        if (den == 0) continue;
        int32_t num = (q0[0] - p0[0]) * d2y + d2x * (p0[1] - q0[1]);
        if (den < 0) {
            den = -den;
            num = -num;
        }
        if (num < 0 || num > den) continue;
        int32_t cx = p0[0] + (num * d1x) / den;
        int32_t cy = p0[1] + (num * d1y) / den;
        if (cx >= std::min(q0[0], q1[0]) && cx <= std::max(q0[0], q1[0]) && cy >= std::min(q0[1], q1[1]) &&
            cy <= std::max(q0[1], q1[1]))
            ++count;
    }
    return count;
}

}  // namespace

int32_t ship_collision_count() {
    int32_t count = 0;
    const int32_t* box = g_sim_ship_box;
    for (const int32_t* p = g_sim_coast; p[0] != COAST_END; p += 2) {
        if (p[0] == COAST_BREAK || p[2] == COAST_BREAK || p[2] == COAST_END) continue;
        if (both_outside(p[0], p[1], p[2], p[3], box[0], box[1], box[2], box[3])) continue;
        count += segment_contacts(p, p + 2);
        if (count >= SHIP_CONTACTS_MAX) return SHIP_CONTACTS_MAX;
    }
    return count;
}

int32_t ship_in_target_box() {
    const int32_t* b = g_sim_ship_box;
    const int32_t* t = g_sim_target_box;
    return b[0] >= t[0] && b[2] <= t[2] && b[1] >= t[1] && b[3] <= t[3] ? 1 : 0;
}

int32_t ship_off_screen() {
    const int32_t* b = g_sim_ship_box;
    return b[3] < 0 || b[1] >= 200 || b[0] > 319 || b[2] < 0 ? 1 : 0;
}
