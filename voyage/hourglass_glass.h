// The glass of the hourglass in its 25 x 48 cell of the sprite sheet, as offsets from the cell's
// top-left: the rows of the upper bulb from the neck up and of the lower bulb from the bottom up,
// which the simulation fills with sand grain by grain, and the column the stream falls down.
#pragma once

#include <cstdint>

struct HourglassRow {
    int32_t x0, x1, y;
};

// 150 places in the upper bulb; the sand starts there.
inline constexpr HourglassRow g_hourglass_top_rows[12] = {
    {12, 12, 15}, {11, 13, 14}, {10, 14, 13}, {8, 16, 12}, {7, 17, 11}, {6, 18, 10},
    {5, 19, 9},   {4, 20, 8},   {3, 21, 7},   {3, 21, 6},  {3, 21, 5},  {3, 21, 4},
};
constexpr int32_t HOURGLASS_TOP_ROW_COUNT = 12;
// 171 places in the lower bulb, filled from its bottom row up.
inline constexpr HourglassRow g_hourglass_bottom_rows[9] = {
    {3, 21, 39}, {3, 21, 38}, {3, 21, 37}, {3, 21, 36}, {3, 21, 35},
    {3, 21, 34}, {3, 21, 33}, {3, 21, 32}, {3, 21, 31},
};
constexpr int32_t HOURGLASS_BOTTOM_ROW_COUNT = 9;
constexpr int32_t HOURGLASS_BOTTOM_FIRST_Y = 31;
constexpr int32_t HOURGLASS_BOTTOM_LAST_Y = 39;
constexpr int32_t HOURGLASS_STREAM_X = 12;
constexpr int32_t HOURGLASS_STREAM_TOP_Y = 16;
// Sand, and the empty glass that the sheet paints inside and the simulation paints emptied places in.
constexpr int32_t HOURGLASS_SAND_COLOUR = 14;
constexpr int32_t HOURGLASS_GLASS_COLOUR = 7;
