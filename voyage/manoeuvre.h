// The manoeuvring simulation: the player steers one ship by hand on a chart, into or out of a
// harbour (mode 0), through ice, a reef or shoals (mode 1), or to a drifting life raft (mode 2).
#pragma once

#include <cstdint>

// The outcome of an episode: 0 success, -3 off the chart (or the raft drifted off), -2 out of
// time, 1..40 contact with an obstacle, the value being the damage. Never -1.
enum : int32_t {
    MANOEUVRE_SUCCESS = 0,
    MANOEUVRE_OUT_OF_TIME = -2,
    MANOEUVRE_OFF_CHART = -3,
};

// One episode from set-up to outcome. map is the harbour row (mode 0), the reef row (mode 1) or
// the raft's drift speed (mode 2); title (may be null) is drawn at the top right of the chart.
int32_t manoeuvre_run(int32_t mode, int32_t model, int32_t map, int32_t start, int32_t target,
                      int32_t tick_limit, const char* title);
