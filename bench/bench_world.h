// The world the game-day benchmarks run in: the fonts, the picture files and the route lengths,
// loaded once per process however many benchmarks ask for them.
#pragma once

#include <cstdint>
#include <vector>

#include "world/records.h"

// false when a data file cannot be loaded.
bool bench_start_world();

// A game made for a benchmark and the records it started with, so that every iteration plays the
// same day: the ships keep their blocks and links, only their records are put back.
struct BenchGame {
    Shipowner owners[SHIPOWNER_MAX];
    std::vector<Ship*> ships;
    std::vector<Ship> records;
    int32_t day;
    int32_t daily_phase;
};

// Takes the records of the shipowners, the ships, the day and the phase as they are now.
void bench_game_keep(BenchGame* game);
// Puts them back.
void bench_game_restore(const BenchGame& game);
