#include "voyage/ship_motion.h"

#include <cstdlib>

#include "world/sine_table.h"

int32_t handling_class(int32_t model) {
    if (model == 1) return 2;
    if (model == 2 || model == 4 || model == 6) return 1;
    return 0;
}

int32_t ship_speed_step(int32_t handling, int32_t tick, int32_t speed, int32_t telegraph) {
    int32_t d0 = std::abs(telegraph) >> 4;
    int32_t step = d0 + 1;
    if (handling >= 1 && tick % 2 != 0) return speed;
    if (handling == 2 && tick % 4 != 0) step = d0;
    int32_t goal = 8 * telegraph;
    if (speed < goal) speed += step;
    if (speed > goal) speed -= step;
    return speed;
}

void ship_move(ShipPose* pose, int32_t rudder, int32_t telegraph, int32_t speed, int32_t thruster) {
    pose->heading += ((4 * rudder) * (4 * telegraph + (speed >> 2))) >> 7;
    if (pose->heading < 0) pose->heading += 46080;
    if (pose->heading >= 46080) pose->heading -= 46080;
    int32_t h = pose->heading >> 7;
    pose->x += ((cos_deg(h) * speed) >> 10) + ((thruster * cos_deg(h + 90)) >> 8);
    pose->y += ((sin_deg(h) * speed) >> 10) + ((thruster * sin_deg(h + 90)) >> 8);
}
