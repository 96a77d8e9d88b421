// One presentation of the window host: the front frame read, turned into colours, uploaded and
// drawn stretched below the menu strip, then shown. The frame is the game's main screen, decoded
// from the generated picture files, with the day dial's corner changed before each presentation
// as the running clock changes it. Runs on SDL's dummy video driver unless SDL_VIDEODRIVER says
// otherwise (x11 under a virtual display measures the real window); the time counted is the
// process's CPU time, helper threads of the renderer included.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/frame.h"
#include "engine/frame_handover.h"
#include "engine/picture.h"
#include "host/platform.h"
#include "host/sdl_window.h"

namespace {

std::vector<uint8_t> g_frame(SCREEN_BYTES);

bool open_window() {
    static bool opened = false;
    if (opened) return true;
    if (getenv("SDL_VIDEODRIVER") == nullptr) setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (chdir(MARIVANE_DATA_DIR) != 0) return false;
    g_screen_buffer = g_frame.data();
    if (picture_files_open("IB1VGA.DAT", "IB2VGA.DAT") == 0) return false;
    picture_load(1, g_frame.data());  // the main screen's picture and its colours
    picture_files_close();
    SdlHostOptions options{CODE_PAGE_437, 640, 400 + MENU_STRIP_HEIGHT};
    opened = host_window_open(&options) == 1;
    return opened;
}

// The day dial's corner of the main screen, drawn anew in one of nine steps.
void turn_dial(int32_t step) {
    for (int32_t y = 170; y < 195; ++y)
        for (int32_t x = 75; x < 100; ++x) g_frame[static_cast<size_t>(y * SCREEN_WIDTH + x)] = static_cast<uint8_t>(16 + step);
}

void BM_PresentChangedFrame(benchmark::State& state) {
    if (!open_window()) {
        state.SkipWithError("no window or no picture files");
        return;
    }
    int32_t step = 0;
    for (auto _ : state) {
        turn_dial(step);
        step = (step + 1) % 9;
        g_frame_dirty = true;
        frame_publish();
        host_window_tick();
    }
}
BENCHMARK(BM_PresentChangedFrame)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// A tick after the game drew the same frame again: nothing on screen changes.
void BM_TickAfterARedrawThatChangesNothing(benchmark::State& state) {
    if (!open_window()) {
        state.SkipWithError("no window or no picture files");
        return;
    }
    for (auto _ : state) {
        turn_dial(3);
        g_frame_dirty = true;
        frame_publish();
        host_window_tick();
    }
}
BENCHMARK(BM_TickAfterARedrawThatChangesNothing)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
