// Runs the benchmarks in a temporary working directory that links the generated data files, as the
// game's own folder holds them, with the engine started as the game starts it (frame buffers and
// the default font). Options are Google Benchmark's (--benchmark_filter=..., --benchmark_min_time=...).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "engine/frame.h"

namespace {

constexpr char kUsage[] =
    "usage: engine_bench [--benchmark_filter=<regex>] [--benchmark_min_time=<seconds>] [other benchmark options]\n"
    "Measures decoding the game's pictures, filling polygons and quiet game days, with the data files of\n" MARIVANE_DATA_DIR
    ".\nBest built in a Release build without sanitizers (-DMARIVANE_BENCH=ON -DCMAKE_BUILD_TYPE=Release).\n";

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::fprintf(stderr, "engine_bench: unknown option %s\n%s", argv[i], kUsage);
        return 2;
    }

    std::string dir = (fs::temp_directory_path() / "marivane-bench-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) return 1;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(MARIVANE_DATA_DIR, ec))
        fs::create_symlink(entry.path(), fs::path(dir) / entry.path().filename(), ec);
    fs::current_path(dir);
    graphics_init();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir, ec);
    return 0;
}
