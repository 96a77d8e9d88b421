// The world's wind: a coarse grid of Beaufort forces over 30-degree cells that drifts with the
// prevailing winds and relaxes toward a fixed climate once a game day. It is not part of a saved
// game: it is reset at program start and keeps running across loads.
#pragma once

#include <cstdint>

constexpr int32_t WIND_ROWS = 6;      // row 0 covers latitudes 60..89, row 5 -90..-61
constexpr int32_t WIND_COLUMNS = 12;  // column 0 covers longitudes -180..-151, column 11 150..179
constexpr int8_t WIND_FORCE_MAX = 12;

extern int8_t g_wind_grid[WIND_ROWS][WIND_COLUMNS];
// The climate each cell relaxes toward.
extern const int8_t g_wind_base_grid[WIND_ROWS][WIND_COLUMNS];
// For each cell the (row, column) offset of the cell its next value is taken from.
extern const int8_t g_wind_move_table[WIND_ROWS][WIND_COLUMNS][2];

// Copies the climate into the grid.
void weather_reset();
// One day: the grid is moved along the move table, then each cell steps one force toward its
// climate value or away from it at random (one random draw per cell, row by row).
void weather_step();
// The force of the cell holding the point (whole degrees); the longitude wraps, the latitude is
// clamped to the poles.
int8_t weather_wind_at(int32_t lat, int32_t lon);
// The force averaged over nine cells around the point, 14 degrees apart orthogonally and 9 on the
// diagonals, the centre weighted 4, the orthogonal samples 2 and the diagonal ones 1.
int8_t weather_wind_smoothed(int32_t lat, int32_t lon);
// The same kernel again over weather_wind_smoothed, 6 and 4 degrees apart.
int8_t weather_wind_smoothed2(int32_t lat, int32_t lon);
