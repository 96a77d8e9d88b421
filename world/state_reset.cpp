#include "world/state_reset.h"

#include "world/projection.h"
#include "world/records.h"
#include "world/sea_distance.h"
#include "world/weather.h"

void world_state_reset() {
    free_all_ships(SHIPOWNER_MAX);
    for (Shipowner& owner : g_shipowners) owner = Shipowner{};
    g_shipowner_count = 0;
    g_difficulty = 0;
    g_difficulty_allowance = 0;
    g_playing_duration = 0;
    g_game_spare = 0;
    g_day = 0;
    g_freight_index = 1000;
    g_ship_price_index = 1000;
    g_daily_phase = 0;
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) g_office_style[i] = static_cast<uint8_t>(i);
    g_sim_mode = 0;
    g_game_start_time = 0;
    g_now_seconds = 0;
    g_day_event = 0;
    g_project_lat = g_project_lon = g_project_x = g_project_y = 0;
    weather_reset();
    init_route_lengths();
}
