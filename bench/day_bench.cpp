// One quiet game day (no letter, incident or screen) as the main loop runs it: four shipowners with
// five ships each, laid up or under way in mid-ocean, the day step alone and with the map and status
// panel redrawn after it; and four shipowners with 30 ships each, half in port (laid up,
// discharging, loading) and half at sea, the day step alone. Every iteration starts from the same
// game.
#include <benchmark/benchmark.h>

#include "bench/bench_world.h"

#include <cstdio>
#include <vector>

#include "engine/font.h"
#include "engine/picture.h"
#include "game/day_step.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/sea_distance.h"
#include "world/ship_types.h"
#include "views/status_panel.h"
#include "world/weather.h"
#include "views/world_map.h"
#include "ui/fonts.h"

namespace {

// Ships by index within a fleet: laid up at home, or on a long route far from either end.
constexpr struct {
    int8_t type;
    int8_t route;  // 0 = laid up
    int16_t direction;
    int32_t sailed_nm;
} kFleet[] = {{1, 0, 0, 0}, {3, 1, 1, 1200}, {5, 2, -1, 1500}, {7, 29, 1, 2000}, {2, 5, 1, 1000}};

// The 30-ship fleet: by index, in port (laid up, discharging or loading) or at sea half-way along
// one of the routes, every model in turn.
void add_large_fleet(Shipowner* o, int8_t home, BenchGame* game) {
    for (int32_t k = 0; k < 30; ++k) {
        Ship* s = new_ship();
        std::snprintf(s->name, RECORD_NAME_SIZE, "Ship %d", static_cast<int>(k + 1));
        s->ship_type = static_cast<int8_t>(1 + k % SHIP_TYPE_COUNT);
        s->condition = 9000;
        s->port = home;
        s->harbour_map = static_cast<int8_t>(home - 1);
        s->mortgage_period = 365;
        s->fuel = 5000;
        s->fuel_per_day = 40;
        s->costs_per_day = g_ship_type_table[s->ship_type].costs_per_day;
        s->allowed_days = 9999;
        s->voyage_flags = VOYAGE_INCIDENT_DONE | VOYAGE_ICEBERGS_DONE | VOYAGE_ROUTE_EVENT_DONE;
        const int32_t kind = k % 6;
        if (kind == 0) {
            s->layup_days = 1000;
        } else if (kind == 1) {
            s->discharging_days = 1000;
        } else {
            int32_t route = 1 + (k * 7 + home) % ROUTE_COUNT;
            s->route = static_cast<int8_t>(route);
            s->direction = static_cast<int16_t>(k % 2 == 0 ? 1 : -1);
            s->port = s->direction > 0 ? g_route_table[route].port_a : g_route_table[route].port_b;
            s->cargo = 4;
            s->speed = g_ship_type_table[s->ship_type].vmax_kn;
            if (kind == 2) {
                s->loading_days = 1000;
            } else {
                s->sailed_nm = g_route_table[route].length / 3;
            }
        }
        compute_ship_route_position(s);
        append_ship(o, s);
        game->ships.push_back(s);
    }
}

BenchGame make_game(bool large = false) {
    free_all_ships(SHIPOWNER_MAX);
    for (Shipowner& o : g_shipowners) o = Shipowner{};
    g_shipowner_count = SHIPOWNER_MAX;
    g_difficulty = 1;
    g_day = 200;
    g_daily_phase = 0;
    g_ship_price_index = 1000;
    g_freight_index = 1000;
    static const int8_t homes[SHIPOWNER_MAX] = {1, 3, 9, 11};
    BenchGame game;
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) {
        Shipowner& o = g_shipowners[i];
        std::snprintf(o.name, RECORD_NAME_SIZE, "Owner %c", static_cast<char>('1' + i));
        std::snprintf(o.company, RECORD_NAME_SIZE, "Line %c", static_cast<char>('1' + i));
        o.home_port = homes[i];
        o.cash = 50000;
        o.status = 3;
        o.subsidy_status = 3;
        o.credit_period = 365;
        if (large) add_large_fleet(&o, homes[i], &game);
        for (const auto& f : kFleet) {
            if (large) break;
            Ship* s = new_ship();
            std::snprintf(s->name, RECORD_NAME_SIZE, "Ship %c", static_cast<char>('1' + ship_count(&o)));
            s->ship_type = f.type;
            s->condition = 9000;
            s->port = homes[i];
            s->harbour_map = static_cast<int8_t>(homes[i] - 1);
            s->mortgage_period = 365;
            s->route = f.route;
            s->direction = f.direction;
            s->sailed_nm = f.sailed_nm;
            s->cargo = f.route != 0 ? 4 : 0;
            s->layup_days = f.route == 0 ? 1000 : 0;
            // This voyage's incident, icebergs and route event are past: the day stays quiet.
            s->voyage_flags = VOYAGE_INCIDENT_DONE | VOYAGE_ICEBERGS_DONE | VOYAGE_ROUTE_EVENT_DONE;
            s->fuel = 5000;
            s->fuel_per_day = 40;
            s->speed = g_ship_type_table[f.type].vmax_kn;
            s->costs_per_day = g_ship_type_table[f.type].costs_per_day;
            s->allowed_days = 9999;
            compute_ship_route_position(s);
            append_ship(&o, s);
            game.ships.push_back(s);
        }
    }
    bench_game_keep(&game);
    return game;
}

void run_days(benchmark::State& state, bool redraw, bool large = false) {
    if (!bench_start_world()) return state.SkipWithError("the data files cannot be loaded");
    BenchGame game = make_game(large);
    if (redraw) {
        show_main_screen();
        restore_main_screen();
        g_main_screen_shown = 1;
    }
    for (auto _ : state) {
        bench_game_restore(game);
        // A light wind everywhere, so that no storm meets a ship today.
        for (auto& row : g_wind_grid)
            for (int8_t& f : row) f = 3;
        if (day_step() != 0) {
            state.SkipWithError("the day was not quiet");
            break;
        }
        if (redraw) {
            redraw_world_map(0);
            draw_status_panel();
        }
    }
    free_all_ships(SHIPOWNER_MAX);
    g_shipowner_count = 0;
}

void BM_QuietDay(benchmark::State& state) { run_days(state, false); }
BENCHMARK(BM_QuietDay);

void BM_QuietDayOnMainScreen(benchmark::State& state) { run_days(state, true); }
BENCHMARK(BM_QuietDayOnMainScreen);

// The goal: at most 50 microseconds a day.
void BM_QuietDayThirtyShipsEach(benchmark::State& state) { run_days(state, false, true); }
BENCHMARK(BM_QuietDayThirtyShipsEach);

}  // namespace
