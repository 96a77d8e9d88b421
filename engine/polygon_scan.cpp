#include "engine/polygon_scan.h"

#include <algorithm>
#include <limits>

#include "engine/frame.h"

int32_t g_crossings[MAX_CROSSINGS] = {};
int32_t g_crossing_count = 0;

bool edge_crossing(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t r, int32_t* x) {
    if (y0 == y1) return false;
    if (r <= std::min(y0, y1) || r > std::max(y0, y1)) return false;
    if (x0 == x1) {
        *x = x0;
        return true;
    }
    // 64-bit so that points far outside the screen cannot overflow the product.
    int64_t t = 10 * (static_cast<int64_t>(r) - y0) * (static_cast<int64_t>(x1) - x0) /
                (static_cast<int64_t>(y1) - y0);
    int64_t pos = x0 + (t >= 0 ? (t + 5) / 10 : (t - 5) / 10);
    pos = std::clamp<int64_t>(pos, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    *x = static_cast<int32_t>(pos);
    return true;
}

static void collect_crossings(const PathNode* head, int32_t r) {
    g_crossing_count = 0;
    for (const PathNode* n = head; n != nullptr && n->next != nullptr; n = n->next) {
        const PathNode* m = n->next;
        if (m->kind != PATH_LINE) continue;
        int32_t x;
        if (!edge_crossing(n->x, n->y, m->x, m->y, r, &x)) continue;
        if (g_crossing_count < MAX_CROSSINGS) g_crossings[g_crossing_count++] = x;
    }
    std::sort(g_crossings, g_crossings + g_crossing_count);
}

void polygon_scan_fill(const PathNode* head, uint32_t colour, bool stippled) {
    if (head == nullptr) return;
    int32_t ymin = head->y;
    int32_t ymax = head->y;
    for (const PathNode* n = head; n != nullptr; n = n->next) {
        ymin = std::min(ymin, n->y);
        ymax = std::max(ymax, n->y);
    }
    int32_t first_row = std::max(ymin, 0);
    int32_t last_row = std::min(ymax, SCREEN_HEIGHT - 1);
    for (int32_t r = first_row; r <= last_row; ++r) {
        collect_crossings(head, r);
        for (int32_t i = 0; i + 1 < g_crossing_count; i += 2) {
            int32_t a = std::max(g_crossings[i], 0);
            int32_t c1 = g_crossings[i + 1];
            if (c1 < 0 || a >= SCREEN_WIDTH) continue;
            int32_t b = std::min(c1, SCREEN_WIDTH - 1);
            if (stippled)
                screen_hline_stippled(a, b - a + 1, r, colour);
            else
                screen_hline(a, b - a + 1, r, colour);
        }
    }
}
