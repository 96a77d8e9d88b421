// Asking the player for a game file name through the file requester.
#pragma once

#include "ui/file_requester.h"
#include "ui/requester.h"

constexpr int32_t GAME_FILE_PATTERN_SIZE = DRAWER_FIELD_SIZE;  // the drawer field: 77 characters
constexpr int32_t GAME_FILE_NAME_SIZE = 128;  // a drawer's directory part, a file name and ".trp"

// The drawer the file requester opens on, edited by it, and the current game file without its
// ".trp" ("" for none).
extern char g_game_file_pattern[GAME_FILE_PATTERN_SIZE];
extern char g_game_file_name[GAME_FILE_NAME_SIZE];

// The requester's file field.
extern char g_file_name_field[FILE_FIELD_SIZE];

// The title is the first line ("---" without one). On OK, g_game_file_name is the chosen path up to
// its first '.'; on Cancel it is emptied. The callers append ".trp".
void ask_game_file_name(TextLines lines);
