// Asking the player for a game file name through the file requester.
#pragma once

#include "ui/file_requester.h"
#include "ui/requester.h"

// The requester's file field.
extern char g_file_name_field[FILE_FIELD_SIZE];

// The title is the first line ("---" without one). On OK, g_game_file_name is the chosen path up to
// its first '.'; on Cancel it is emptied. The callers append ".trp".
void ask_game_file_name(TextLines lines);
