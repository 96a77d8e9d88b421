#include "ui/placeholders.h"

int32_t g_quit = 0;
int32_t g_main_screen_shown = 0;
char g_game_file_pattern[GAME_FILE_PATTERN_SIZE] = "";
char g_game_file_name[GAME_FILE_NAME_SIZE] = "";

void show_map_with_ship(int32_t, Shipowner*, Ship*) {}

const char* shipowner_name(const Shipowner*) { return ""; }
