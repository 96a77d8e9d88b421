#include "voyage/sim_state.h"

#include <algorithm>
#include <array>

const int32_t* g_sim_outline = nullptr;
const int32_t* g_sim_coast = nullptr;
int32_t g_sim_map_style = 0;
int32_t g_sim_target_box[4] = {};
int32_t g_sim_target_heading = 0;
int32_t g_sim_rudder = 0;
int32_t g_sim_telegraph = 0;
int32_t g_sim_speed = 0;
int32_t g_sim_thruster = 0;
int32_t g_sim_shape[SIM_SHAPE_WORDS] = {};
int32_t g_sim_shape_drawn[SIM_SHAPE_WORDS] = {};
int32_t g_sim_ship_box[4] = {};
int32_t g_sim_ship_drawn = 0;
int32_t g_sim_last_pose[4] = {};
int32_t g_sim_engine_slot = -1;
int32_t g_sim_crash_slot = -1;
int32_t g_sim_gauge_shown_rudder[2] = {};
int32_t g_sim_gauge_shown_telegraph[2] = {};
int32_t g_sim_gauge_shown_speed[2] = {};
int32_t g_sim_gauge_shown_thruster[2] = {};
int32_t g_sim_raft_box[4] = {};

namespace {

// The raft's square (rewritten whenever the raft is drawn), then the control panel.
constexpr std::array<int32_t, RAFT_OBSTACLE_WORDS> RAFT_OBSTACLE_START = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                     // the raft's five points
    COAST_BREAK, COAST_BREAK,                         //
    275, 75, 319, 75, 319, 199, 275, 199, 275, 75,    // the panel
    COAST_END, COAST_END,
};

}  // namespace

std::array<int32_t, RAFT_OBSTACLE_WORDS> g_sim_raft_obstacle = RAFT_OBSTACLE_START;

void sim_state_reset() {
    g_sim_outline = nullptr;
    g_sim_coast = nullptr;
    g_sim_map_style = 0;
    std::fill(std::begin(g_sim_target_box), std::end(g_sim_target_box), 0);
    g_sim_target_heading = 0;
    g_sim_rudder = g_sim_telegraph = g_sim_speed = g_sim_thruster = 0;
    std::fill(std::begin(g_sim_shape), std::end(g_sim_shape), 0);
    std::fill(std::begin(g_sim_shape_drawn), std::end(g_sim_shape_drawn), 0);
    std::fill(std::begin(g_sim_ship_box), std::end(g_sim_ship_box), 0);
    g_sim_ship_drawn = 0;
    std::fill(std::begin(g_sim_last_pose), std::end(g_sim_last_pose), 0);
    g_sim_engine_slot = g_sim_crash_slot = -1;
    for (int32_t* shown : {g_sim_gauge_shown_rudder, g_sim_gauge_shown_telegraph, g_sim_gauge_shown_speed,
                           g_sim_gauge_shown_thruster})
        shown[0] = shown[1] = 0;
    std::fill(std::begin(g_sim_raft_box), std::end(g_sim_raft_box), 0);
    g_sim_raft_obstacle = RAFT_OBSTACLE_START;
}
