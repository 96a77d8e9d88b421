// Stand-ins for game-core operations until they are built.
#include "game/placeholders.h"

void setup_new_game() {}
int32_t day_step() { return 0; }

#include "game/game_main.h"

// The start-up is not wired in yet: the window shows an empty frame.
void game_main() {}
