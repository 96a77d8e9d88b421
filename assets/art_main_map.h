// The flat world map of the main screen, painted from the game's coastline table through the
// game's own map projection, so that ports and ships sit where the map shows their coasts.
#pragma once

#include <cstdint>

#include "assets/picture_writer.h"
#include "world/coastlines.h"

// The map's place in the main-screen picture (both corners included): the game copies this whole
// rectangle back on every redraw. The outer columns and the top row are the map's border; the map
// proper covers longitude -180..180 as x 9..245 and latitude 90..-90 as y 19..145.
constexpr int32_t MAP_X0 = 6, MAP_Y0 = 18, MAP_X1 = 250, MAP_Y1 = 145;

// Paints the map into the picture with the main-screen palette from a coastline table (closed
// polygons, ended by a count of 0; none of them crosses the date line).
void paint_world_map(PictureImage* image, const Coastline* table);
