// The flat world map in the upper left of the main screen: the map picture, wind-force numbers
// where storms blow, and every ship of every shipowner still in the game in its owner's colour.
#pragma once

#include <cstdint>

#include "world/projection.h"

struct Shipowner;
struct Ship;

// The drawing colours of the four shipowners.
extern const int32_t g_owner_colours[4];
// 1 while the main screen is on display; callers that cover the map clear it.
extern int32_t g_main_screen_shown;

void draw_world_map();
void redraw_world_map(int32_t view);
void draw_storm_areas();
// The ship symbol centred at (x, y); in colour 0 it is all black (the off phase of a blink).
void draw_ship_icon(int32_t colour, int32_t x, int32_t y);
// Brings up the main screen when it is not shown, redraws the map and lets the ship (may be null)
// blink eight times.
void show_map_with_ship(int32_t player, Shipowner* shipowner, Ship* ship);
void show_map_with_ship_and_leave(int32_t player, Shipowner* shipowner, Ship* ship);
void clear_main_screen_flag();
