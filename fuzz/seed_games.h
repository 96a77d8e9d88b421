// The games the fuzz seeds are saved from: each sets up the records in memory as a game in progress
// would have them, for the day step to meet every kind of day soon after loading.
#pragma once

struct SeedGame {
    const char* name;  // the file name without ".trp"
    void (*make)();
};

// Ended by a row with a null name.
extern const SeedGame g_seed_games[];

// Frees every ship and clears the records and the game-wide values.
void clear_seed_game();
