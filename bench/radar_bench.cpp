// The radar exercise's costs on the headless host: one whole frame (mouse, keys, markers, both
// ships, the heading, the sweep and the echo; the sleeps are virtual), and the scope's drawing of
// a frame alone.
#include <benchmark/benchmark.h>

#include "engine/font.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "host/headless_host.h"
#include "ui/fonts.h"
#include "voyage/radar.h"
#include "voyage/radar_frame.h"
#include "voyage/radar_motion.h"
#include "voyage/radar_scope.h"

namespace {

// An exercise 20 frames in, the other ship still on the scope.
RadarRun running_exercise() {
    headless_reset();
    if (g_font_sys8.data == nullptr) font_load("sys8.fnt", &g_font_sys8);
    picture_files_open(MARIVANE_DATA_DIR "/ib1vga.dat", MARIVANE_DATA_DIR "/ib2vga.dat");
    g_random_seed = 3;
    RadarRun run;
    radar_run_start(&run);
    radar_console_show(&run);
    for (int32_t k = 0; k < 20; ++k) radar_frame(&run);
    picture_files_close();
    return run;
}

void BM_RadarFrame(benchmark::State& state) {
    RadarRun start = running_exercise();
    RadarRun run = start;
    int64_t frames = 0;
    for (auto _ : state) {
        radar_frame(&run);
        if (run.result >= 0 || ++frames % 100 == 0) run = start;
    }
    benchmark::DoNotOptimize(run);
}
BENCHMARK(BM_RadarFrame);

void BM_RadarSweepAndEcho(benchmark::State& state) {
    RadarRun run = running_exercise();
    RadarScopePlace p = radar_scope_place(run);
    int32_t a = run.sweep;
    for (auto _ : state) {
        a = radar_sweep_advance(a);
        radar_echo_draw(a, p.sx, p.sy, p.heading);
    }
    benchmark::DoNotOptimize(a);
}
BENCHMARK(BM_RadarSweepAndEcho);

}  // namespace
