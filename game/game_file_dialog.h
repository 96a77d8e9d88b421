// The load and save dialogs around the game files: the question, the file requester and the
// error messages.
#pragma once

#include <cstdint>

// The message the load dialog shows for a failed load's result (1..4), or null.
const char* game_load_message(int32_t result);
// Asks whether to load a game and which; 0 loaded, 3 declined or no file chosen, else the failing
// load's result after its message.
int32_t load_game_dialog();
// Saves to g_game_file_name, asking for a name first when it is empty.
void save_game_dialog();
