// Layout of the sinking sprite sheet (picture 23): where the ships, wave strips, figure frames and
// bubbles lie. The sinking animation copies these rectangles; the painter draws into them.
#pragma once

#include <cstdint>

struct SinkRect {
    int32_t x, y, w, h;
};

// Models 1..7 upright (rows 0..6), then the same models tilted while they sink (rows 7..13).
inline constexpr SinkRect SINK_SHIP_SPRITES[14] = {
    {0, 12, 126, 27},  {0, 45, 98, 19},    {0, 67, 82, 21},    {0, 91, 98, 19},   {0, 113, 83, 19},
    {0, 135, 94, 19},  {0, 161, 79, 18},   {131, 12, 126, 32}, {101, 45, 99, 22}, {102, 67, 82, 24},
    {102, 91, 98, 22}, {102, 113, 82, 22}, {102, 135, 95, 24}, {80, 161, 80, 21},
};
// Sprite rows above each model's water line.
inline constexpr int32_t SINK_SHIP_LIFT[7] = {23, 15, 17, 15, 15, 15, 14};
// The four wave strips, 100 x 3 at x 49, one per animation phase.
constexpr int32_t SINK_WAVE_X = 49;
constexpr int32_t SINK_WAVE_W = 100;
constexpr int32_t SINK_WAVE_H = 3;
inline constexpr int32_t SINK_WAVE_ROWS[4] = {184, 188, 192, 196};
// The three frames of the figure that passes under water, 103 x 24.
inline constexpr SinkRect SINK_FIGURE_FRAMES[3] = {
    {216, 49, 103, 24}, {216, 74, 103, 24}, {216, 99, 103, 24}};
// Rising bubbles, sizes 0..4.
inline constexpr SinkRect SINK_BUBBLES[5] = {
    {8, 182, 2, 2}, {8, 186, 3, 3}, {8, 192, 5, 4}, {20, 182, 6, 5}, {20, 189, 8, 6}};
// The water line of the background picture: rows 72..74 carry the animated wave band.
constexpr int32_t SINK_WATER_LINE = 73;
