// A game day with every incident check: four shipowners with 30 ships each at sea, on routes
// where the dice are rolled but nothing can come of them (no route event, no emergency or
// iceberg odds), so the day stays quiet and every iteration starts from the same game.
#include <benchmark/benchmark.h>

#include "bench/bench_world.h"

#include <cstdio>
#include <vector>

#include "engine/font.h"
#include "engine/picture.h"
#include "game/day_step.h"
#include "ui/fonts.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/sea_distance.h"
#include "world/ship_types.h"
#include "world/weather.h"

namespace {

constexpr int32_t SHIPS_EACH = 30;
// Routes without an event and without emergency or iceberg odds.
constexpr int8_t kRoutes[] = {1, 2, 4, 5, 14, 17, 25, 35, 43, 50, 51};

BenchGame make_game() {
    free_all_ships(SHIPOWNER_MAX);
    for (Shipowner& o : g_shipowners) o = Shipowner{};
    g_shipowner_count = SHIPOWNER_MAX;
    g_difficulty = 1;
    g_sim_mode = 0;
    g_day = 200;
    g_daily_phase = 0;
    for (auto& row : g_wind_grid)
        for (int8_t& f : row) f = 3;
    BenchGame game;
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) {
        Shipowner& o = g_shipowners[i];
        std::snprintf(o.name, RECORD_NAME_SIZE, "Owner %c", static_cast<char>('1' + i));
        o.home_port = 1;
        o.cash = 50000;
        o.status = 3;
        o.subsidy_status = 3;
        o.credit_period = 365;
        for (int32_t k = 0; k < SHIPS_EACH; ++k) {
            Ship* s = new_ship();
            std::snprintf(s->name, RECORD_NAME_SIZE, "Ship %d", static_cast<int>(k));
            int8_t route = kRoutes[(k + i) % static_cast<int32_t>(sizeof kRoutes)];
            s->ship_type = static_cast<int8_t>(1 + k % 7);
            s->condition = 9000;
            s->route = route;
            s->port = g_route_table[route].port_a;
            s->harbour_map = static_cast<int8_t>(s->port - 1);
            s->direction = 1;
            s->sailed_nm = 200 + 37 * k;
            s->cargo = 4;
            s->mortgage_period = 365;
            s->fuel = 5000;
            s->fuel_per_day = 40;
            s->speed = g_ship_type_table[s->ship_type].vmax_kn;
            s->allowed_days = 9999;
            compute_ship_route_position(s);
            append_ship(&o, s);
            game.ships.push_back(s);
        }
    }
    bench_game_keep(&game);
    return game;
}

void BM_SeaDayWithIncidentChecks(benchmark::State& state) {
    if (!bench_start_world()) return state.SkipWithError("the data files cannot be loaded");
    BenchGame game = make_game();
    for (auto _ : state) {
        bench_game_restore(game);
        for (auto& row : g_wind_grid)
            for (int8_t& f : row) f = 3;
        if (day_step() != 0) {
            state.SkipWithError("the day was not quiet");
            break;
        }
    }
    free_all_ships(SHIPOWNER_MAX);
    g_shipowner_count = 0;
}
BENCHMARK(BM_SeaDayWithIncidentChecks);

}  // namespace
