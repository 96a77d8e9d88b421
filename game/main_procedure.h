// The main procedure: title and intro, the choice of a game, the main loop of the main screen with
// its day clock, and the end of the game.
#pragma once

#include <cstdint>

constexpr int32_t GAME_FILE_PATTERN_SIZE = 78;  // the file requester's drawer field: 77 characters
constexpr int32_t GAME_FILE_NAME_SIZE = 128;    // a drawer's directory part, a file name and ".trp"

extern int32_t g_quit;  // ends every screen loop that sees it
extern char g_game_file_pattern[GAME_FILE_PATTERN_SIZE];
extern char g_game_file_name[GAME_FILE_NAME_SIZE];  // the current game file, "" for none

void run_game();
