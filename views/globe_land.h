// The globe's land layers: the coastlines, the land and ice filled from their seeds, and a route's
// line. They draw on the view the globe registers hold (game/globe.h); the coastlines come first on
// every new view, since they also set the view latitude's sine and cosine.
#pragma once

#include <cstdint>

// Colour 15; a coast runs one segment into the far side, so that it ends at the rim, and stays
// hidden until it comes back to the visible side.
void draw_globe_coastlines();
// Colour 10 from each land seed, then colour 15 from each ice seed, up to the coastlines and rim;
// a seed is used when it lies well on the visible side and on open (colour 0) screen.
void fill_globe_land();
// The line of route row r in colour 10, from port A over the waypoints to port B; only legs with
// both ends well on the visible side are drawn. Nothing for row 0.
void draw_globe_ship_route(int32_t r);
