// One episode of the manoeuvring simulation as a plain record, its chart's set-up, and the part of
// a tick that follows the ship's placing on the screen: the contacts, the player's controls, the
// speed, the movement and what the ship's new place means. manoeuvre_run draws around these;
// anything that steps an episode without drawing places the ship with ship_shape_build instead.
#pragma once

#include <cstdint>

#include "voyage/manoeuvre_outcome.h"
#include "voyage/ship_motion.h"

struct ManoeuvreRect {
    int32_t x0, y0, x1, y1;
};

struct ManoeuvreEpisode {
    int32_t mode;
    int32_t model;
    int32_t handling;
    int32_t tick_limit;
    int32_t tick;  // ticks done
    ShipPose ship;
    ShipPose raft;  // the raft's heading is the one it drifts on
    int32_t raft_speed;
    ManoeuvreRect raft_history[2];  // the raft's square two ticks ago and one tick ago
};

// The chart of the episode's mode (harbour row, open-water row, or the rescue's raft speed as
// map) into the g_sim_* chart and target, and the ship (and raft) at their starts in fixed point.
void manoeuvre_chart_set_up(ManoeuvreEpisode* e, int32_t map, int32_t start, int32_t target);
// The controls at rest and every gauge marked as drawn away from them, so the first tick draws
// them all.
void manoeuvre_controls_set_up();
// The tick after the ship was placed (g_sim_shape and g_sim_ship_box for its pose): counts the
// contacts, reads the controls, settles the speed, moves the ship and the raft when free, and
// decides the tick.
TickOutcome manoeuvre_tick(ManoeuvreEpisode* e);
