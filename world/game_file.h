// Saved games: one binary file holding the game-wide values, then each shipowner's record followed
// by the records of its ships, a checksum over the shipowners' status and cash, and a trailer.
#pragma once

#include <cstdint>

#include "world/records.h"

// The identification texts at the start of a file (32 characters, no terminator). Files of the
// old format carry no simulation mode, so everything after the office styles lies 4 bytes earlier.
extern const char GAME_FILE_ID_CURRENT[33];
extern const char GAME_FILE_ID_OLD[33];
constexpr uint32_t GAME_FILE_ID_SIZE = 32;
constexpr uint32_t GAME_FILE_HEADER_SIZE = 71;  // up to the first shipowner record
constexpr uint32_t GAME_FILE_OLD_HEADER_SIZE = 67;
constexpr uint32_t GAME_FILE_TAIL_SIZE = 12;  // checksum and trailer
// A saved game with less playing time left than this gets GAME_FILE_MIN_TIME_GIVEN seconds.
constexpr int32_t GAME_FILE_MIN_TIME_LEFT = 100;
constexpr int32_t GAME_FILE_MIN_TIME_GIVEN = 120;

enum : int32_t {
    GAME_LOAD_OK = 0,
    GAME_LOAD_NOT_FOUND = 1,
    GAME_LOAD_BAD_ID = 2,  // also a file that ends early or holds records the game cannot use
    GAME_LOAD_NO_MEMORY = 3,
    GAME_LOAD_BAD_CRC = 4,
};
enum : int32_t { GAME_SAVE_OK = 0, GAME_SAVE_FAILED = 1 };

// The checksum over the first count shipowners: status and cash of each, nothing else.
uint32_t game_file_checksum(const Shipowner* owners, int32_t count);

// The playing time a save records: what is left of a limited game (at least
// GAME_FILE_MIN_TIME_GIVEN when under GAME_FILE_MIN_TIME_LEFT), else g_playing_duration itself.
int32_t game_file_time_left(int32_t now_seconds);

// Writes the game to path. The file is written under a temporary name (path + ".new", removed
// first should a killed save have left one) and renamed over path only once it is complete and on
// disk, so a failed save leaves the previous file as it was. 0 saved, 1 failed.
int32_t save_game_file(const char* path);
// Reads a game from path. Only when the whole file is good does it replace the game in progress
// (the old game's ships are freed); on any failure the shipowners, their ships and the game-wide
// values are as before the call.
int32_t load_game_file(const char* path);
