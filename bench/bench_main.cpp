// Runs the benchmarks in a temporary working directory (the picture benchmarks write files there)
// with the three frame buffers allocated as the engine's start-up would.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/frame.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::string dir = (fs::temp_directory_path() / "marivane-bench-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) return 2;
    fs::current_path(dir);
    g_screen_buffer = static_cast<uint8_t*>(std::calloc(SCREEN_BYTES, 1));
    g_background_buffer = static_cast<uint8_t*>(std::calloc(SCREEN_BYTES, 1));
    g_sheet_buffer = static_cast<uint8_t*>(std::calloc(SCREEN_BYTES, 1));
    g_graphics_mode = 1;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    fs::current_path(fs::temp_directory_path());
    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
