// The manoeuvring simulation's costs: the work of one tick on the busiest harbour chart (placing
// the hull, counting its contacts with every coast segment, moving the ship), drawing an ice
// chart with its relief, and a whole headless episode of 2000 ticks.
#include <benchmark/benchmark.h>

#include "engine/frame.h"
#include "engine/picture.h"
#include "host/headless_host.h"
#include "voyage/chart.h"
#include "voyage/charts.h"
#include "voyage/manoeuvre.h"
#include "voyage/ship_collision.h"
#include "voyage/ship_motion.h"
#include "voyage/ship_outline.h"
#include "voyage/sim_state.h"

namespace {

int32_t segments(const int32_t* coast) {
    int32_t n = 0;
    for (const int32_t* p = coast; p[0] != COAST_END; p += 2)
        if (p[0] != COAST_BREAK && p[2] != COAST_BREAK && p[2] != COAST_END) ++n;
    return n;
}

void BM_TickOnTheBusiestHarbour(benchmark::State& state) {
    int32_t busiest = 0;
    for (int32_t row = 1; row < HARBOUR_MAP_COUNT; ++row)
        if (segments(g_harbour_maps[row].coast) > segments(g_harbour_maps[busiest].coast)) busiest = row;
    const HarbourMap& m = g_harbour_maps[busiest];
    g_sim_coast = m.coast;
    g_sim_outline = ship_outline_for(1);
    ShipPose pose{m.start_x[1] * 128, m.start_y[1] * 128, m.heading[1] * 128};
    int32_t hits = 0;
    for (auto _ : state) {
        ship_shape_build(pose.x >> 7, pose.y >> 7, pose.heading >> 7);
        hits += ship_collision_count();
        ShipPose p = pose;
        ship_move(&p, 5, 20, 160, 0);
        benchmark::DoNotOptimize(p);
    }
    benchmark::DoNotOptimize(hits);
    state.SetLabel("port " + std::to_string(busiest + 1) + ", " + std::to_string(segments(m.coast)) + " segments");
}
BENCHMARK(BM_TickOnTheBusiestHarbour);

void BM_DrawIceChartWithRelief(benchmark::State& state) {
    // the sprite sheet from the generated data files, when they are there
    if (picture_files_open(MARIVANE_DATA_DIR "/ib1vga.dat", MARIVANE_DATA_DIR "/ib2vga.dat") == 1)
        picture_load(13, g_sheet_buffer);
    g_sim_coast = g_reef_maps[0].coast;
    g_sim_map_style = g_reef_maps[0].map_style;
    for (auto _ : state) chart_draw();
    picture_files_close();
}
BENCHMARK(BM_DrawIceChartWithRelief)->Unit(benchmark::kMicrosecond);

void BM_HeadlessEpisodeOf2000Ticks(benchmark::State& state) {
    for (auto _ : state) {
        headless_reset();
        benchmark::DoNotOptimize(manoeuvre_run(1, 1, 0, 0, 0, 2000, nullptr));
    }
}
BENCHMARK(BM_HeadlessEpisodeOf2000Ticks)->Unit(benchmark::kMillisecond);

}  // namespace
