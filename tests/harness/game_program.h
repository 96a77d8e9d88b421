// A whole game on the headless host: game_main run as the program runs it, from a fresh engine,
// with a scripted player called at every sleep.
#pragma once

#include "host/headless_host.h"

// Before a game: a fresh engine, every library's state at its start values, no sounds.
void game_program_set_up();
// After one: no player any more, the default font back for the next case, no sounds.
void game_program_tear_down();
// game_main with the player's hook, the engine's buffers and fonts left for it to make as the
// program's start does; the wall time it took, in milliseconds.
double game_program_run(HeadlessSleepHook player, void* context);
