// The main procedure's flags and file names, in an object of their own: every screen loop reads
// the quit flag, with or without the main procedure linked.
#include "game/main_procedure.h"

int32_t g_quit = 0;
char g_game_file_pattern[GAME_FILE_PATTERN_SIZE] = "";
char g_game_file_name[GAME_FILE_NAME_SIZE] = "";
