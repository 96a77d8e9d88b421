// The world the game-day benchmarks run in: the fonts, the picture files and the route lengths,
// loaded once per process however many benchmarks ask for them.
#pragma once

// false when a data file cannot be loaded.
bool bench_start_world();
