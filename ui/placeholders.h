// Stand-ins for what the game core provides later (records, globals and the world map): each does
// nothing and holds or returns the neutral value until the real one replaces it.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

constexpr int32_t GAME_FILE_PATTERN_SIZE = 78;  // the file requester's drawer field: 77 characters
constexpr int32_t GAME_FILE_NAME_SIZE = 128;    // a drawer's directory part, a file name and ".trp"

extern int32_t g_quit;               // ends every screen loop that sees it
extern int32_t g_main_screen_shown;  // 1 while the main screen is on display
extern char g_game_file_pattern[GAME_FILE_PATTERN_SIZE];
extern char g_game_file_name[GAME_FILE_NAME_SIZE];

// The world map with the ship blinking (ship may be null).
void show_map_with_ship(int32_t player, Shipowner* shipowner, Ship* ship);
// The shipowner's personal name.
const char* shipowner_name(const Shipowner* shipowner);
