// The shaded globe in the 200 x 200 area at the left of the screen: an orthographic projection in
// integer arithmetic (sines scaled by 256), its rim, graticule, pointer line and sphere shading.
// Every caller draws the layers in the same order: screen offset, outline, coastlines (which sets
// the view latitude's sine and cosine), then fill, graticule, shading, route and pointer line.
#pragma once

#include <cstdint>

// The projection registers: the view centre in whole degrees, the sine and cosine of the view
// latitude, the input point in tenths of a degree, the output in globe units (radius 256; x east,
// y north, depth > 0 on the visible side).
struct GlobeProjection {
    int32_t view_lon;
    int32_t view_lat;
    int32_t sin_view_lat;
    int32_t cos_view_lat;
    int32_t lat;
    int32_t lon;
    int32_t x;
    int32_t y;
    int32_t depth;
};

extern GlobeProjection g_globe;
// Vertical divisor of the projection and shading: 8 until the start-up sets 9, a 192 x 170 ellipse.
extern int32_t g_globe_y_divisor;
extern int32_t g_globe_x_offset;

void set_globe_view_center(int32_t lon, int32_t lat);
// Turns the blue backdrop on and stores the offset.
void set_globe_screen_offset(int32_t x_offset);
// Projects g_globe.lat / lon into g_globe.x, y, depth.
void project_globe_point();
void scale_globe_to_screen(int32_t* x, int32_t* y);
// Clears the globe area and draws the rim.
void draw_globe_outline();
// Stores the view latitude's sine and cosine; the coastline drawing itself lives with the coastline
// table (globe_land.cpp).
void globe_set_view_latitude();
// Parallels every 20 degrees and meridians every 20 degrees in colour 4.
void draw_globe_graticule();
// A line in colour 14 from (199, 50) to the point (tenths of a degree) when it is well visible.
void draw_globe_pointer_line(int32_t lon, int32_t lat);
// Loads the shading ramps and shades the globe area row by row; 1 when a mouse button stopped it.
int32_t shade_globe();
