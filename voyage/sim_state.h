// The state of the one manoeuvring episode that runs at a time: the chart's obstacles, the target,
// the player's controls, the ship's shape on the screen and the gauges as last drawn.
#pragma once

#include <array>
#include <cstdint>

// A CoastList: points (x, y) of polylines, the pair (-2, any) ending one polyline, the word -1 in
// the x place (with one word after it) ending the points; then object triples (x, y, sprite)
// ended by (-1, -1, -1).
enum : int32_t { COAST_BREAK = -2, COAST_END = -1 };

// Chart styles, also the fill styles of their coast polygons.
enum : int32_t { MAP_STYLE_HARBOUR = 27, MAP_STYLE_SHOALS = 28, MAP_STYLE_ICE = 29, MAP_STYLE_REEF = 30 };

// The screen shape: the hull (N + 1, then N + 1 points, the first repeated), the details (c + 1,
// colour, c + 1 points; a single dot as -1, colour, x, y), then 0.
constexpr int32_t SIM_SHAPE_WORDS = 96;

extern const int32_t* g_sim_outline;
extern const int32_t* g_sim_coast;
extern int32_t g_sim_map_style;
extern int32_t g_sim_target_box[4];  // min x, min y, max x, max y
extern int32_t g_sim_target_heading;  // berth or start heading; 999 in the rescue
extern int32_t g_sim_rudder;          // -15..15
extern int32_t g_sim_telegraph;       // -40 full astern .. 40 full ahead
extern int32_t g_sim_speed;           // follows 8 x the telegraph
extern int32_t g_sim_thruster;        // -15..15, model 1 only
extern int32_t g_sim_shape[SIM_SHAPE_WORDS];
extern int32_t g_sim_shape_drawn[SIM_SHAPE_WORDS];
extern int32_t g_sim_ship_box[4];  // min x, min y, max x, max y of the hull on the screen
extern int32_t g_sim_ship_drawn;
extern int32_t g_sim_last_pose[4];  // x, y, heading, rudder
extern int32_t g_sim_engine_slot;
extern int32_t g_sim_crash_slot;
// The value each gauge was last drawn with (index 0 is the one the simulation uses).
extern int32_t g_sim_gauge_shown_rudder[2];
extern int32_t g_sim_gauge_shown_telegraph[2];
extern int32_t g_sim_gauge_shown_speed[2];
extern int32_t g_sim_gauge_shown_thruster[2];
// The raft of the rescue: its square as last drawn, and the obstacle list that holds that square
// and the control panel.
extern int32_t g_sim_raft_box[4];
constexpr int32_t RAFT_OBSTACLE_WORDS = 24;
extern std::array<int32_t, RAFT_OBSTACLE_WORDS> g_sim_raft_obstacle;

void sim_state_reset();
