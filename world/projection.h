// The projection registers shared by the flat map and the globe: a position goes in as latitude
// and longitude in tenths of a degree and comes out as a screen point.
#pragma once

#include <cstdint>

extern int32_t g_project_lat;  // input, tenths of a degree, north positive
extern int32_t g_project_lon;  // input, tenths of a degree, east positive
extern int32_t g_project_x;    // output
extern int32_t g_project_y;

// Equirectangular projection of g_project_lat / g_project_lon into g_project_x / g_project_y for
// the flat world map, clamped to the map area.
void project_flat_map_point();
