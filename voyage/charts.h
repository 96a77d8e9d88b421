// The charts of the manoeuvring simulation: one harbour chart per port, the open-water charts of
// ice, reefs and shoals (two crossings, one each way, over every chart), and the ship and raft
// starts of the rescue. The harbour and open-water tables are compiled from the chart files in
// voyage/charts/.
#pragma once

#include <cstdint>

constexpr int32_t HARBOUR_MAP_COUNT = 28;
constexpr int32_t REEF_MAP_COUNT = 12;
constexpr int32_t RESCUE_POSITION_COUNT = 4;

// Index 0 of the four is the harbour entrance (start at x 0 heading 0, box reaching past the left
// edge); 1..3 are the berths, each with its berth heading and a box around it.
struct HarbourMap {
    int32_t start_x[4];
    int32_t start_y[4];
    int32_t heading[4];
    int32_t min_x[4];
    int32_t min_y[4];
    int32_t max_x[4];
    int32_t max_y[4];
    int32_t map_style;
    const int32_t* coast;
};

// An open-water crossing: rows in pairs over one chart, the even row from the left edge heading 0,
// the odd row from the right heading 180.
struct ReefMap {
    int32_t start_x;
    int32_t start_y;
    int32_t heading;
    int32_t min_x;
    int32_t min_y;
    int32_t max_x;
    int32_t max_y;
    int32_t map_style;
    const int32_t* coast;
};

struct RescuePosition {
    int32_t x;
    int32_t y;
    int32_t heading;
};

extern const HarbourMap g_harbour_maps[HARBOUR_MAP_COUNT];
extern const ReefMap g_reef_maps[REEF_MAP_COUNT];
extern const RescuePosition g_rescue_ship_starts[RESCUE_POSITION_COUNT];
extern const RescuePosition g_rescue_raft_starts[RESCUE_POSITION_COUNT];
