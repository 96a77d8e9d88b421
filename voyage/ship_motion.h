// The ship's handling: its speed settling towards eight times the engine order, and the movement
// of one tick in fixed point (positions in 1/128 pixel, the heading in 1/128 degree).
#pragma once

#include <cstdint>

// Handling class by model: 2 for model 1 (slow, with bow thruster), 1 for models 2, 4, 6, and 0
// for models 3, 5, 7 and any other value.
int32_t handling_class(int32_t model);
// The speed after tick (the count after this tick's increment) with telegraph t.
int32_t ship_speed_step(int32_t handling, int32_t tick, int32_t speed, int32_t telegraph);

struct ShipPose {
    int32_t x, y;     // 1/128 pixel
    int32_t heading;  // 1/128 degree, 0..46079
};
// One tick's turn and movement under rudder, telegraph, speed and thruster.
void ship_move(ShipPose* pose, int32_t rudder, int32_t telegraph, int32_t speed, int32_t thruster);
