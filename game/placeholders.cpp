// Operations of game parts that are not built yet: each does nothing.
#include "game/game_main.h"

// The game's start-up and main procedure are not built yet: the window shows an empty frame.
void game_main() {}
