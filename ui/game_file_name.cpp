#include "ui/game_file_name.h"

#include <algorithm>
#include <cstring>

#include "ui/input_poll.h"

char g_file_name_field[FILE_FIELD_SIZE] = "";
char g_game_file_pattern[GAME_FILE_PATTERN_SIZE] = "";
char g_game_file_name[GAME_FILE_NAME_SIZE] = "";

void ask_game_file_name(TextLines lines) {
    const char* title = lines != nullptr && lines[0] != nullptr ? lines[0] : "---";
    g_file_name_field[0] = '\0';
    char path[FILE_REQUESTER_PATH_SIZE];
    if (file_requester(title, g_file_name_field, g_game_file_pattern, path) != 0) {
        size_t n = std::strcspn(path, ".");
        n = std::min(n, sizeof g_game_file_name - 1);
        std::memcpy(g_game_file_name, path, n);
        g_game_file_name[n] = '\0';
    } else {
        g_game_file_name[0] = '\0';
    }
    g_command = 0;
}
