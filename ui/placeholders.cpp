#include "ui/placeholders.h"

int32_t g_quit = 0;
char g_game_file_pattern[GAME_FILE_PATTERN_SIZE] = "";
char g_game_file_name[GAME_FILE_NAME_SIZE] = "";
