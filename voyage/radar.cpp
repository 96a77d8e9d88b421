#include "voyage/radar.h"

// No radar exercise yet: the other ship passes out of sight.
int32_t collision_radar_run() {
    return RADAR_OUT_OF_SIGHT;
}
void radar_sweep_line_draw(int32_t) {}
int32_t segment_intersect(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                          int32_t*, int32_t*) {
    return 0;
}
void radar_echo_draw(int32_t, int32_t, int32_t, int32_t) {}
