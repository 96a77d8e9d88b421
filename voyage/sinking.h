// The loss of a ship as a short scene: the ship of the lost model sails in from the left on a side
// view of the sea (picture 24), stops, tilts and sinks to the bottom along half a cosine; in the
// 256-colour mode a figure then passes under water while bubbles rise from the wreck. The sprites
// lie in picture 23 at the rectangles below; its painter draws into the same rectangles.
#pragma once

#include <cstdint>

// x, y, width, height in picture 23.
struct SinkRect {
    int32_t x, y, w, h;
};

constexpr int32_t SINK_SHEET_PICTURE = 23;
constexpr int32_t SINK_BACKGROUND_PICTURE = 24;
constexpr int32_t SINK_MODELS = 7;
// Added to the sprite row of a tilted ship.
constexpr int32_t SINK_TILTED = 7;

// Models 1..7 upright (rows 0..6), then the same models tilted while they sink (rows 7..13).
inline constexpr SinkRect g_sink_ship_sprites[2 * SINK_MODELS] = {
    {0, 12, 126, 27},  {0, 45, 98, 19},    {0, 67, 82, 21},    {0, 91, 98, 19},   {0, 113, 83, 19},
    {0, 135, 94, 19},  {0, 161, 79, 18},   {131, 12, 126, 32}, {101, 45, 99, 22}, {102, 67, 82, 24},
    {102, 91, 98, 22}, {102, 113, 82, 22}, {102, 135, 95, 24}, {80, 161, 80, 21},
};
// Sprite rows above each model's water line: a ship at water line y has its top row at y - lift.
inline constexpr int32_t g_sink_ship_lift[SINK_MODELS] = {23, 15, 17, 15, 15, 15, 14};

// The wave band: a 100 x 3 strip at x 49, one source row per wave phase 0..7 (four strips, each
// shown for two phases), copied over rows 72..74 of the screen.
constexpr int32_t SINK_WAVE_X = 49;
constexpr int32_t SINK_WAVE_W = 100;
constexpr int32_t SINK_WAVE_H = 3;
constexpr int32_t SINK_WAVE_TOP = 72;
constexpr int32_t SINK_WAVE_PHASES = 8;
inline constexpr int32_t g_sink_wave_rows[SINK_WAVE_PHASES] = {184, 184, 188, 188, 192, 192, 196, 196};

// The figure that passes under water at y 90..113: three frames of 103 x 24, shown in the order
// of the 40-step sequence.
constexpr int32_t SINK_FIGURE_Y = 90;
constexpr int32_t SINK_FIGURE_W = 103;
constexpr int32_t SINK_FIGURE_H = 24;
constexpr int32_t SINK_FIGURE_STEPS = 40;
inline constexpr SinkRect g_sink_figure_frames[3] = {
    {216, 49, SINK_FIGURE_W, SINK_FIGURE_H},
    {216, 74, SINK_FIGURE_W, SINK_FIGURE_H},
    {216, 99, SINK_FIGURE_W, SINK_FIGURE_H},
};
inline constexpr int8_t g_sink_figure_sequence[SINK_FIGURE_STEPS] = {
    1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
    1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 1, 1, 1, 0, 0, 0, 0,
};

// Rising bubbles, sizes 0..4.
constexpr int32_t SINK_BUBBLE_SIZES = 5;
inline constexpr SinkRect g_sink_bubble_sprites[SINK_BUBBLE_SIZES] = {
    {8, 182, 2, 2}, {8, 186, 3, 3}, {8, 192, 5, 4}, {20, 182, 6, 5}, {20, 189, 8, 6}};

// The water line of the background picture at the surface; the wreck comes to rest at 177.
constexpr int32_t SINK_WATER_LINE = 73;

// One bubble: where it is now, and where it was drawn one and two frames ago. x = 0 means none.
struct SinkBubble {
    int32_t x, y, size;
    int32_t x1, y1, size1;  // one frame ago
    int32_t x2, y2, size2;  // two frames ago
};
constexpr int32_t SINK_BUBBLE_SLOTS = 10;
extern SinkBubble g_sink_bubbles[SINK_BUBBLE_SLOTS];

// The phases of the scene.
enum : int32_t { SINK_SAILING_IN = 0, SINK_SINKING = 1, SINK_UNDER_WATER = 2, SINK_DONE = 99 };

// The state of one showing, set up anew on every call.
struct SinkingScene {
    int32_t model;  // 1..7
    int32_t x, y;   // the ship's left edge and water line
    int32_t tilt;   // 0 or SINK_TILTED
    int32_t drawn_x, drawn_y, drawn_tilt;
    int32_t phase;
    int32_t t;  // step of the descent
    int32_t wave_phase;
    int32_t figure_x, figure_frame, figure_step;  // figure_step indexes the sequence
    int32_t figure_drawn_x, figure_drawn_y;
    int32_t step;         // frames under water
    int32_t next_bubble;  // the slot the next bubble is born in
    int32_t sound_a, sound_b;
    int32_t sound_current;  // the slot playing while the ship sails in
};

// The whole scene for a lost ship of the model (outside 1..7: the nearest of 1 and 7). Takes no
// input; the screen keeps the last frame.
void ship_sinking_animation(int32_t model);

// The pieces of one showing, in the order the scene runs them (the tests drive them one by one).
// The start values for the model, bubbles cleared; loads nothing.
void sinking_scene_start(SinkingScene* s, int32_t model);
// Draws one frame: the ship where it moved, the wave band, the figure, the bubbles from phase 2.
void sinking_frame_draw(SinkingScene* s);
// Moves the scene on by one frame.
void sinking_phase_step(SinkingScene* s);
