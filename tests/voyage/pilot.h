// An automatic pilot for the sailing tests: it plans a way over a chart and steers an episode of
// manoeuvre_run along it through the player's own controls only (the rudder gauge under a held
// mouse button, the telegraph keys), reading no more than the screen shows: the ship as drawn
// and the gauges.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/voyage/route_script.h"

struct PilotPoint {
    double x, y;
};

// One step of the way: sail to the point (ahead or astern), stopping there or passing through,
// and, when heading is 0..359, turn on the spot to that heading on arrival.
struct PilotLeg {
    PilotPoint to;
    bool astern;
    bool stop;
    double heading;  // -1: none
};

// How the pilot goes about a harbour episode, as a seaman would try one way and then another:
// bit 0 takes the other way into the berth (bow first or stern first), bit 1 the other way out
// (ahead or astern), bits 2..3 keep further from the coast, bit 4 sails slower. 0 is the pilot's
// first choice.
constexpr int32_t PILOT_VARIANTS = 32;

// The way for an episode: mode 0 harbour row, start and target indexes; mode 1 open-water row.
// Empty (with why) when no way is found.
std::vector<PilotLeg> pilot_plan(int32_t mode, int32_t model, int32_t row, int32_t start, int32_t target,
                                 std::string* why, int32_t variant = 0);
// Runs the episode with the pilot at the helm and returns its result; with record, the pilot's
// input on every tick goes there as a script.
int32_t pilot_sail(int32_t mode, int32_t model, int32_t row, int32_t start, int32_t target, int32_t tick_limit,
                   const std::vector<PilotLeg>& legs, int32_t variant = 0, std::vector<RouteInput>* record = nullptr);
