#include "world/projection.h"

int32_t g_project_lat = 0;
int32_t g_project_lon = 0;
int32_t g_project_x = 0;
int32_t g_project_y = 0;

void project_flat_map_point() {
    int32_t y = 82 - g_project_lat * 127 / 1800;
    int32_t x = g_project_lon * 237 / 3600 + 127;
    if (x < 9) x = 9;
    if (x > 246) x = 246;
    if (y < 18) y = 18;
    if (y > 145) y = 145;
    g_project_x = x;
    g_project_y = y;
}
