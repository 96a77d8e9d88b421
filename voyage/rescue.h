// The distress call at sea: the view from the deck over the sea to a life raft (picture 11) with
// the raft's frames (picture 12) played over it, then the player steers to the raft in the
// manoeuvring simulation and the outcome is booked on the shipowner's status.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

constexpr int32_t RESCUE_PICTURE = 11;
constexpr int32_t RESCUE_FRAMES_PICTURE = 12;
constexpr int32_t RESCUE_SOUND = 9;
// From this wind force on the call is lost in the weather.
constexpr int32_t RESCUE_WIND_LIMIT = 11;

// The raft's place in picture 11 and the size of one frame.
constexpr int32_t RESCUE_SPOT_X = 24;
constexpr int32_t RESCUE_SPOT_Y = 84;
constexpr int32_t RESCUE_FRAME_W = 29;
constexpr int32_t RESCUE_FRAME_H = 17;
// Five distinct frames lie in picture 12; the animation plays seven a round, the last two going
// back through the flare.
constexpr int32_t RESCUE_FRAME_IMAGES = 5;
constexpr int32_t RESCUE_FRAMES = 7;
constexpr int32_t RESCUE_ROUNDS = 7;
constexpr int32_t RESCUE_WAVE_STEPS = 5;

struct RescueFrame {
    int32_t x, y;  // top left in picture 12
};
inline constexpr RescueFrame g_rescue_frames[RESCUE_FRAMES] = {
    {6, 16}, {6, 36}, {6, 56}, {6, 76}, {6, 96}, {6, 76}, {6, 56},
};

// The distress animation alone: the frames over the raft's place, each followed by a few steps
// of the palette wave (quiet).
void rescue_distress_animation();
// The outcome r of the steering (manoeuvre mode 2) on a grey screen with the caption: the
// shipowner's status rises for a raft taken on board and falls (not below 0) when the ship left
// the chart or rammed the raft; too late changes nothing.
void rescue_outcome(int32_t player, Shipowner* shipowner, Ship* ship, int32_t r);
