// The main procedure: title and intro, the choice of a game, the main loop of the main screen with
// its day clock, and the end of the game. The quit flag it sets is the toolkit's g_quit
// (ui/input_poll.h); the game file's name and drawer are the toolkit's (ui/game_file_name.h).
#pragma once

#include "ui/game_file_name.h"
#include "ui/input_poll.h"

void run_game();
